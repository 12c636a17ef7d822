#include "settings/own_lessons_panel.h"
#include "tests/settings/dialog_world.h"

#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

using namespace parlavo;
using namespace parlavo::test;

namespace {

// Answers as the script says: the file to pick, whether to swap the columns, the name, and yes or no.
class ScriptedQuestions final : public OwnLessonQuestions {
public:
    QString file;
    bool swap = false;
    QString name; // empty: the name suggested
    bool yes = true;
    QStringList told;
    QString chooseFile() override { return file; }
    std::optional<ImportChoice> confirm(const ParsedLesson& preview, const QString& suggested) override {
        const ImportColumns found = preview.columns;
        return ImportChoice{name.isEmpty() ? suggested : name,
                            swap ? ImportColumns{found.english, found.spanish} : found};
    }
    bool replaceLesson(const QString&) override { return yes; }
    bool removeLesson(const QString&) override { return yes; }
    void tell(const QString& message, bool problem) override { told << (problem ? "problem: " : "") + message; }
};

} // namespace

class TestOwnLessonsPanel : public QObject {
    Q_OBJECT

private slots:
    // Steps in the open dialog, then closing it: which lesson plays, what the store holds (each lesson's first
    // Spanish line) and what the user was told.
    void choosingImportingRemoving_data() {
        QTest::addColumn<QString>("playing"); // own lesson playing before: "Mine" or none
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("ownAfter");
        QTest::addColumn<int>("lessonAfter");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("told");
        QTest::newRow("choose own") << ""
                                    << "choose Mine"
                                    << "Mine" << 1 << "Mine:Uno"
                                    << "";
        QTest::newRow("built-in clears own") << "Mine"
                                             << "lesson 3"
                                             << "" << 3 << "Mine:Uno"
                                             << "";
        QTest::newRow("import chooses it") << ""
                                           << "import english_first.tsv as Viaje"
                                           << "Viaje" << 1 << "Mine:Uno Viaje:¿Dónde está el baño?"
                                           << "\"Viaje\" holds 3 sentences.";
        QTest::newRow("import swapped") << ""
                                        << "import english_first.tsv as Viaje swapped"
                                        << "Viaje" << 1 << "Mine:Uno Viaje:Where is the bathroom?"
                                        << "\"Viaje\" holds 3 sentences.";
        QTest::newRow("name taken, kept") << "Mine"
                                          << "import english_first.tsv as Mine no"
                                          << "Mine" << 1 << "Mine:Uno"
                                          << "";
        QTest::newRow("refused file") << ""
                                      << "import binary.txt as X"
                                      << "" << 1 << "Mine:Uno"
                                      << "problem: " PARLAVO_SAMPLES "/binary.txt:3: this is not a text file";
        QTest::newRow("remove") << "Mine"
                                << "remove"
                                << "" << 1 << ""
                                << "";
    }
    void choosingImportingRemoving() {
        QFETCH(QString, playing);
        QFETCH(QString, steps);
        QTemporaryDir data;
        qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
        OwnLessonStore store(OwnLessonStore::defaultFolder());
        QString error;
        OwnLesson mine;
        mine.append("Uno", "One");
        QVERIFY(store.save("Mine", mine, &error));
        DialogWorld w;
        w.world.settings.ownLesson = {playing, 0};
        SettingsDialog& d = w.open();
        ScriptedQuestions questions;
        d.ownLessons->setQuestions(questions);
        const QStringList words = steps.split(u' ');
        if (words[0] == "choose")
            d.ownLessons->lessonList->findItems(words[1], Qt::MatchExactly).first()->setSelected(true);
        if (words[0] == "lesson")
            QTest::mouseClick(d.lessonChoices[words[1].toInt()], Qt::LeftButton);
        if (words[0] == "import") {
            questions.file = PARLAVO_SAMPLES "/" + words[1];
            questions.name = words[3];
            questions.swap = words.contains("swapped");
            questions.yes = !words.contains("no");
            d.ownLessons->importButton->click();
        }
        if (words[0] == "remove")
            d.ownLessons->removeButton->click();
        const bool builtInShown = std::any_of(d.lessonChoices.begin(), d.lessonChoices.end(),
                                              [](QRadioButton* choice) { return choice->isChecked(); });
        QCOMPARE(builtInShown, d.ownLessons->chosen().isEmpty());
        d.close();
        QTEST(w.world.settings.ownLesson.name, "ownAfter");
        QTEST(w.world.settings.lesson, "lessonAfter");
        QStringList stored;
        for (const OwnLessonEntry& entry : store.list())
            stored << entry.name + ':' + store.load(entry.name, &error)->line(1).spanish;
        QTEST(stored.join(u' '), "stored");
        QTEST(questions.told.join(u'\n'), "told");
    }
};

QTEST_MAIN(TestOwnLessonsPanel)
#include "test_own_lessons_panel.moc"
