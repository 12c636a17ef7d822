// Shows the real bird for tests that look at it from outside: under Xvfb for its windows, under a private sound
// server for its voice. Takes commands on standard input, one a line: "say TEXT", "hide", "show", "quit". Once
// standard input has ended it quits as soon as everything asked has been performed and the balloon is gone.

#include "agent/bird_character.h"

#include <QApplication>
#include <QSocketNotifier>
#include <QTimer>

#include <iostream>
#include <string>

using namespace parlavo;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    BirdCharacter bird(makeBirdParts());
    Performance& performance = bird.performance();

    QSocketNotifier input(0, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, [&] {
        std::string line;
        if (!std::getline(std::cin, line)) {
            input.setEnabled(false);
            return;
        }
        const QString command = QString::fromStdString(line);
        if (command.startsWith("say "))
            bird.Speak(command.mid(4));
        else if (command == "hide")
            bird.Hide();
        else if (command == "show")
            bird.Show();
        else if (command == "quit")
            QCoreApplication::quit();
    });

    QTimer doneCheck;
    QObject::connect(&doneCheck, &QTimer::timeout, [&] {
        if (!input.isEnabled() && performance.isIdle() && performance.nextAdvanceMs() < 0)
            QCoreApplication::quit();
    });
    doneCheck.start(100);

    bird.Show();
    return app.exec();
}
