#include "lessons/review_play.h"
#include "menu/strip_menu.h"
#include "tests/settings/dialog_world.h"
#include "tests/support/fake_calendar_clock.h"
#include "tests/support/fake_progress_store.h"

#include <QTest>

using namespace parlavo;
using namespace parlavo::test;

namespace {

// A strip in lesson 1 in sequence, one cycle a sentence, with its menu and answers going to the watching store.
struct AnswerWorld {
    FakeWorld world;
    FakeShell shell;
    RecordingAutostart autostart{world.store};
    StripMenu menu{world.strip, shell, world.store, autostart};
    FakeProgressStore store;
    FakeCalendarClock clock;
    RecordingMessages messages;
    QStringList log; // each answer as "lesson:line grade", and whether the strip acknowledged it before the store
    LearnerProgress progress{store, clock, messages};
    BuiltInSentences sentences;
    ReviewPlay review{progress, world.settings, sentences};

    AnswerWorld() {
        store.beforeWriting = [this](const AnswerRecord& a) {
            log << QStringLiteral("%1:%2 %3").arg(a.sentence.lesson).arg(a.sentence.line).arg(int(a.grade)) +
                       (world.strip.answerMarkShown() ? QStringLiteral(" after the mark") : QString());
        };
        for (const char* entry : {"xxx=1", "rd=1", "guagen=10101", "n=1", "guage=1"})
            world.store.values.insert(QString::fromLatin1(entry).section('=', 0, 0),
                                      QString::fromLatin1(entry).section('=', 1));
        world.strip.setReviewPlay(&review);
        world.strip.start();
    }
};

} // namespace

class TestAnswers : public QObject {
    Q_OBJECT

private slots:
    // Steps: "tick N" (playback ticks), "next" (ticks until the next sentence is handed out), "arrive" (the Spanish
    // line slides all the way in), "knew", "didnt" (the menu commands), "fade" (the acknowledgement's second is over).
    // `mark`: what shows beside the text at the end.
    void answersTheSentenceShownLast_data() {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("answers");
        QTest::addColumn<QString>("mark");
        const auto row = [](const char* name, const char* steps, const char* answers, const char* mark) {
            QTest::newRow(name) << QString::fromUtf8(steps) << QString::fromUtf8(answers) << QString::fromUtf8(mark);
        };
        row("nothing shown yet", "knew", "", "none");
        row("on the strip", "tick 1; arrive; knew", "1:1 3", "tick");
        row("sliding in: the one before", "tick 1; arrive; next; didnt", "1:1 1", "cross");
        row("between sentences", "tick 1; arrive; tick 80; knew", "1:1 3", "tick");
        row("after a second", "tick 1; arrive; next; arrive; didnt; fade; knew; fade", "1:2 1, 1:2 3", "none");
    }
    void answersTheSentenceShownLast() {
        QFETCH(QString, steps);
        QFETCH(QString, answers);
        QFETCH(QString, mark);
        AnswerWorld w;
        CaptionStrip& strip = w.world.strip;
        for (const QString& step : steps.split(QStringLiteral("; "))) {
            if (step.startsWith(QLatin1String("tick"))) {
                for (int i = step.section(' ', 1).toInt(); i > 0; --i)
                    strip.onPlaybackTick();
            } else if (step == QLatin1String("next")) {
                const ReadingPosition shown = strip.sentence().position;
                while (strip.sentence().position == shown)
                    strip.onPlaybackTick();
            } else if (step == QLatin1String("arrive")) {
                do
                    strip.onSpanishEntryTick();
                while (strip.spanishCaption().startsWith(QLatin1String("  ")));
            } else if (step == QLatin1String("fade")) {
                strip.onAnswerMarkTimeout();
            } else {
                (step == QLatin1String("knew") ? w.menu.knewItCommand : w.menu.didNotKnowItCommand)->trigger();
            }
        }
        QCOMPARE(w.log.join(QStringLiteral(", ")), answers);
        bool knew = false;
        const bool shown = strip.answerMarkShown(&knew);
        QCOMPARE(shown ? knew ? "tick" : "cross" : "none", mark);
        strip.saveAtExit(); // shown sentences wait for the store until it opens or the program ends
        QCOMPARE(w.store.shown.value(w.clock.today()), strip.sentence().position.line);
        const QList<QAction*> commands = w.menu.menu.actions();
        QCOMPARE(commands.mid(commands.indexOf(w.menu.repeatCommand), 3),
                 (QList<QAction*>{w.menu.repeatCommand, w.menu.knewItCommand, w.menu.didNotKnowItCommand}));
    }
};

QTEST_MAIN(TestAnswers)
#include "test_answers.moc"
