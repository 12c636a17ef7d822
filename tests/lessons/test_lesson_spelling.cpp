#include "lessons/sentence_catalogue.h"

#include <QFile>
#include <QProcess>
#include <QTest>

using namespace parlavo;

namespace {

// Every text of one language as written: lines 1..34 of lessons 1..17 cover each dialogue line.
QStringList textsOf(int languageOffset) {
    QStringList texts;
    for (int lesson = 1; lesson <= kChoosableLessons; ++lesson) {
        for (int line = 1; line <= kLinesPerLesson; ++line)
            texts << LoadSentenceText(kFirstSentenceId + languageOffset + kIdsPerLesson * lesson + line);
    }
    texts.removeDuplicates();
    return texts;
}

// Words the dictionary does not know, one per line, as hunspell lists them.
QStringList unknownWords(const QString& dictionary, const QStringList& texts) {
    QProcess hunspell;
    hunspell.start(QStringLiteral("hunspell"), {"-d", dictionary, "-l", "-i", "UTF-8"});
    if (!hunspell.waitForStarted())
        return {QStringLiteral("<hunspell could not be started>")};
    hunspell.write(texts.join(u'\n').toUtf8() + '\n');
    hunspell.closeWriteChannel();
    hunspell.waitForFinished();
    return QString::fromUtf8(hunspell.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
}

QStringList allowedNames() {
    QFile file(QStringLiteral(PARLAVO_ALLOWED_NAMES));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", PARLAVO_ALLOWED_NAMES);
    return QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
}

} // namespace

class TestLessonSpelling : public QObject {
    Q_OBJECT

private slots:
    void everyWordIsInTheDictionary_data() {
        QTest::addColumn<QString>("dictionary");
        QTest::addColumn<int>("languageOffset");
        QTest::newRow("Spanish") << QStringLiteral("es_ES") << 0;
        QTest::newRow("English") << QStringLiteral("en_US") << kEnglishOffset;
    }
    void everyWordIsInTheDictionary() {
        QFETCH(QString, dictionary);
        QFETCH(int, languageOffset);
        QStringList unknown = unknownWords(dictionary, textsOf(languageOffset));
        for (const QString& name : allowedNames())
            unknown.removeAll(name);
        QVERIFY2(unknown.isEmpty(), qPrintable(unknown.join(u' ')));
    }
};

QTEST_GUILESS_MAIN(TestLessonSpelling)
#include "test_lesson_spelling.moc"
