// Shows the real bird for tests that look at it from outside: under Xvfb for its windows, under a private sound
// server for its voice. Takes commands on standard input, one a line: "say TEXT", "hide", "show", "quit". Once
// standard input has ended it quits as soon as everything asked has been performed and the balloon is gone.

#include "agent/speaking_bird.h"

#include <QApplication>
#include <QSocketNotifier>
#include <QTimer>

#include <iostream>
#include <string>

using namespace parlavo;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    SpeakingBird bird(makeBirdParts());
    QSocketNotifier input(0, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, [&] {
        std::string line;
        if (!std::getline(std::cin, line))
            input.setEnabled(false);
        else if (line.starts_with("say "))
            bird.say(QString::fromStdString(line.substr(4)), Speaker::Bird);
        else if (line == "hide")
            bird.hide();
        else if (line == "show")
            bird.show();
        else if (line == "quit")
            QCoreApplication::quit();
    });
    QTimer doneCheck;
    QObject::connect(&doneCheck, &QTimer::timeout, [&] {
        if (!input.isEnabled() && bird.performance().isIdle() && bird.performance().nextAdvanceMs() < 0)
            QCoreApplication::quit();
    });
    doneCheck.start(100);
    bird.show();
    return app.exec();
}
