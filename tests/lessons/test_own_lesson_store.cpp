#include "lessons/own_lesson_store.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace parlavo;

class TestOwnLessonStore : public QObject {
    Q_OBJECT

private slots:
    // What is saved plays back as it was, in its places, with its voices; a listing reads the count alone.
    void keepsLessonsWhole() {
        QTemporaryDir folder;
        OwnLessonStore store(folder.path() + "/lessons");
        OwnLesson saved;
        saved.setWoman(kSecondSpeaker);
        saved.append("¿Está libre?", "Is it free?");
        saved.append("Sí, <b>siéntese</b>.", "Yes, sit down.", kSecondSpeaker);
        QString error;
        QVERIFY2(store.save("../a/b.c", saved, &error), qPrintable(error));
        QVERIFY(QFile::exists(folder.path() + "/lessons/%2E%2E%2Fa%2Fb%2Ec.lesson"));
        QCOMPARE(store.list().size(), 1);
        QCOMPARE(store.list().first().name, QString("../a/b.c"));
        QCOMPARE(store.list().first().sentences, 2);
        const std::optional<OwnLesson> lesson = store.load("../a/b.c", &error);
        QVERIFY2(lesson, qPrintable(error));
        QCOMPARE(lesson->size(), 2);
        const LessonLine second = lesson->line(2);
        QCOMPARE(second.spanish, QString("Sí, <b>siéntese</b>."));
        QCOMPARE(second.english, QString("Yes, sit down."));
        QCOMPARE(second.speaker, kSecondSpeaker);
        QVERIFY(second.saidByWoman && !lesson->line(1).saidByWoman);
    }

    // A stored file is the user's to edit, so it is checked as any other input before it plays.
    void refusesDamagedFiles_data() {
        QTest::addColumn<QByteArray>("contents");
        QTest::newRow("count too high") << QByteArray("Parlavo lesson\t3\t1\n1\tHola\tHello\n");
        QTest::newRow("no heading") << QByteArray("1\tHola\tHello\n");
        QTest::newRow("empty side") << QByteArray("Parlavo lesson\t1\t1\n1\t\tHello\n");
        QTest::newRow("control character") << QByteArray("Parlavo lesson\t1\t1\n1\tHo\x1bla\tHello\n");
        QTest::newRow("third speaker") << QByteArray("Parlavo lesson\t1\t1\n3\tHola\tHello\n");
        QTest::newRow("no line end") << QByteArray("Parlavo lesson\t1\t1\n1\tHola\tHello");
        QTest::newRow("not UTF-8") << QByteArray("Parlavo lesson\t1\t1\n1\tHol\xe1\tHello\n");
        QTest::newRow("too long") << "Parlavo lesson\t1\t1\n1\t" + QByteArray(301, 'a') + "\tHello\n";
    }
    void refusesDamagedFiles() {
        QFETCH(QByteArray, contents);
        QTemporaryDir folder;
        QFile file(folder.path() + "/Mine.lesson");
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size());
        file.close();
        QString error;
        QVERIFY(!OwnLessonStore(folder.path()).load("Mine", &error));
        QVERIFY2(error.contains("Mine.lesson:"), qPrintable(error));
    }
};

QTEST_GUILESS_MAIN(TestOwnLessonStore)
#include "test_own_lesson_store.moc"
