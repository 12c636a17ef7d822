// Shows the real bird for tests that look at it from outside: under Xvfb for its windows, under a private sound
// server for its voice. Takes commands on standard input, one a line: "say TEXT", "wave", "hide", "show",
// "language ID", "quit"; and the same as options: --say TEXT, --wave, --language ID. With --exit-when-done it
// quits once everything asked has been performed and the balloon is gone. Prints "speech started" and
// "speech finished" as they happen.

#include "agent/bird_character.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QSocketNotifier>
#include <QTimer>

#include <cstdio>
#include <iostream>
#include <string>

using namespace parlavo;

namespace {

void say(const char* event) {
    std::printf("%s\n", event);
    std::fflush(stdout);
}

void obey(BirdCharacter& bird, const QString& command) {
    const QString verb = command.section(' ', 0, 0);
    const QString rest = command.section(' ', 1);
    if (verb == "say")
        bird.Speak(rest);
    else if (verb == "wave")
        bird.Play("Wave");
    else if (verb == "hide")
        bird.Hide();
    else if (verb == "show")
        bird.Show();
    else if (verb == "language")
        bird.setLanguageID(rest.toInt());
    else if (verb == "quit")
        QCoreApplication::quit();
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QCommandLineParser options;
    options.addOptions({{"say", "Speaks the line.", "line"},
                        {"wave", "Waves after speaking."},
                        {"language", "Sets the language id first.", "id"},
                        {"exit-when-done", "Quits once all is performed."}});
    options.process(app);

    BirdCharacter bird(makeBirdParts());
    Performance& performance = bird.performance();
    QObject::connect(&performance, &Performance::speechStarted, [] { say("speech started"); });
    QObject::connect(&performance, &Performance::speechFinished, [] { say("speech finished"); });

    QTimer doneCheck;
    if (options.isSet("exit-when-done")) {
        QObject::connect(&doneCheck, &QTimer::timeout, [&performance] {
            if (performance.isIdle() && performance.nextAdvanceMs() < 0)
                QCoreApplication::quit();
        });
        doneCheck.start(100);
    }

    QSocketNotifier input(0, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, [&bird, &input] {
        std::string line;
        if (!std::getline(std::cin, line)) {
            input.setEnabled(false);
            return;
        }
        obey(bird, QString::fromStdString(line));
    });

    bird.Show();
    if (options.isSet("language"))
        bird.setLanguageID(options.value("language").toInt());
    if (options.isSet("say"))
        bird.Speak(options.value("say"));
    if (options.isSet("wave"))
        bird.Play("Wave");
    say("shown");
    return app.exec();
}
