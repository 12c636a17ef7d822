#include "settings/autostart.h"
#include "settings/desktop_autostart.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace parlavo;

namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString& path, const QByteArray& text) {
    QFile file(path);
    return QDir().mkpath(QFileInfo(path).absolutePath()) && file.open(QIODevice::WriteOnly) && file.write(text) >= 0;
}

// The command line an Exec value stands for, for the shell, as a desktop reads it: the escapes every value has
// (\s \n \t \r \\) undone, then "%%" made a percent sign; a lone one starts a field code, which loses it here so
// that the path breaks. Double quotes and the backslashes inside them follow the shell's rules.
QString execCommand(const QByteArray& entry) {
    const QString value = QString::fromUtf8(entry).section("\nExec=", 1).section('\n', 0, 0);
    const QHash<QChar, QChar> escapes = {{'s', ' '}, {'n', '\n'}, {'t', '\t'}, {'r', '\r'}, {'\\', '\\'}};
    QString command;
    for (qsizetype i = 0; i < value.size(); ++i)
        command +=
            value[i] == '\\' && i + 1 < value.size() && escapes.contains(value[i + 1]) ? escapes[value[++i]] : value[i];
    return command.replace(QRegularExpression("%(.)"), "\\1");
}

} // namespace

class TestAutostart : public QObject {
    Q_OBJECT

private slots:
    void entryStartsTheProgram_data() {
        QTest::addColumn<QString>("folderName");
        QTest::newRow("blanks") << "my programs";
        QTest::newRow("quotes and backslashes") << R"(say "hola" \ adios)";
        QTest::newRow("shell characters") << "$HOME `date` ;&|<>*?#~()";
        QTest::newRow("percent signs") << "100% %f %u";
        QTest::newRow("tab and apostrophe") << "it's\there";
        QTest::newRow("accents") << "programación";
    }

    // The program, in a folder of that name, notes how many arguments it was given when the entry starts it.
    void entryStartsTheProgram() {
        QFETCH(QString, folderName);
        QTemporaryDir scratch;
        const QString ran = scratch.filePath("ran");
        const QString program = scratch.filePath(folderName) + "/run me";
        QVERIFY(writeFile(program, QStringLiteral("#!/bin/sh\necho $# > '%1'\n").arg(ran).toUtf8()));
        QVERIFY(QFile::setPermissions(program, QFile::permissions(program) | QFileDevice::ExeOwner));
        const QString entry = scratch.filePath("config/autostart/Spanish.desktop");
        DesktopAutostart autostart(entry, program);
        applyStartAtLogOn(autostart, false); // nothing to remove yet
        applyStartAtLogOn(autostart, true);
        QProcess validate;
        validate.start("desktop-file-validate", {entry});
        QVERIFY2(validate.waitForFinished(), "desktop-file-validate is missing; run scripts/install-deps");
        const QByteArray complaints = validate.readAll();
        QVERIFY2(validate.exitCode() == 0 && complaints.isEmpty(), complaints.constData());
        const QByteArray written = readAll(entry);
        QCOMPARE(QProcess::execute("/bin/sh", {"-c", "exec " + execCommand(written)}), 0);
        QCOMPARE(readAll(ran), QByteArray("0\n"));
        // Ticked writes the entry again over a hand-edited one; cleared removes it without a trace.
        QVERIFY(writeFile(entry, "hand-edited\n"));
        applyStartAtLogOn(autostart, true);
        QCOMPARE(readAll(entry), written);
        applyStartAtLogOn(autostart, false);
        QCOMPARE(QDir(QFileInfo(entry).path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList{});
    }
};

QTEST_GUILESS_MAIN(TestAutostart)
#include "test_autostart.moc"
