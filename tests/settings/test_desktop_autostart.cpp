#include "settings/autostart.h"
#include "settings/desktop_autostart.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace parlavo;

namespace {

// Reads an Exec value the way a desktop does, in the Desktop Entry order: the string escapes of every
// value first, then quoting and its backslash escapes, then "%%" as a literal percent sign.
QStringList splitExec(const QString& value) {
    QString text;
    for (int i = 0; i < value.size(); ++i) {
        if (value[i] != QLatin1Char('\\') || i + 1 == value.size()) {
            text += value[i];
            continue;
        }
        const QChar next = value[++i];
        const QHash<QChar, QChar> escapes = {{'s', ' '}, {'n', '\n'}, {'t', '\t'}, {'r', '\r'}, {'\\', '\\'}};
        text += escapes.contains(next) ? escapes.value(next) : next;
    }

    QStringList arguments;
    QString argument;
    bool started = false;
    bool quoted = false;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted && c == QLatin1Char('\\') && i + 1 < text.size() && QStringLiteral("\"`$\\").contains(text[i + 1])) {
            argument += text[++i];
        } else if (c == QLatin1Char('"')) {
            quoted = !quoted;
            started = true;
        } else if (c == QLatin1Char(' ') && !quoted) {
            if (started)
                arguments << argument;
            argument.clear();
            started = false;
        } else {
            argument += c;
            started = true;
        }
    }
    if (started)
        arguments << argument;
    for (QString& each : arguments)
        each.replace(QStringLiteral("%%"), QStringLiteral("%"));
    return arguments;
}

QString execLine(const QString& entryPath) {
    QFile file(entryPath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        if (line.startsWith(QLatin1String("Exec=")))
            return line.mid(5);
    }
    return {};
}

// A program that only leaves a mark that it ran.
QString writeMarkingProgram(const QString& folder, const QString& markPath) {
    QDir().mkpath(folder);
    const QString path = folder + QStringLiteral("/run me");
    QFile script(path);
    if (!script.open(QIODevice::WriteOnly))
        return {};
    script.write(QStringLiteral("#!/bin/sh\ntouch '%1'\n").arg(markPath).toUtf8());
    script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
    return path;
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestDesktopAutostart : public QObject {
    Q_OBJECT

private slots:
    void entryStartsTheProgram_data() {
        QTest::addColumn<QString>("folderName");
        QTest::newRow("blanks") << "my programs";
        QTest::newRow("quotes and backslashes") << R"(say "hola" \ adios)";
        QTest::newRow("shell characters") << "$HOME `date` ;&|<>*?#~()";
        QTest::newRow("percent signs") << "100% %f %u";
        QTest::newRow("tab and apostrophe") << "it's\there";
        QTest::newRow("nothing to quote") << "plain";
        QTest::newRow("accents") << "programación";
    }
    void entryStartsTheProgram() {
        QFETCH(QString, folderName);

        QTemporaryDir scratch;
        QVERIFY(scratch.isValid());
        const QString mark = scratch.filePath(QStringLiteral("ran"));
        const QString program = writeMarkingProgram(scratch.filePath(folderName), mark);
        QVERIFY(!program.isEmpty());
        const QString entry = scratch.filePath(QStringLiteral("config/autostart/Spanish.desktop"));

        DesktopAutostart(entry, program).writeEntry();

        QProcess validate;
        validate.start(QStringLiteral("desktop-file-validate"), {entry});
        QVERIFY2(validate.waitForFinished(), "desktop-file-validate is missing; run scripts/install-deps");
        const QByteArray complaints = validate.readAll();
        QVERIFY2(validate.exitCode() == 0 && complaints.isEmpty(), complaints.constData());

        const QStringList command = splitExec(execLine(entry));
        QCOMPARE(command, QStringList{program});
        QCOMPARE(QProcess::execute(command.first(), {}), 0);
        QVERIFY(QFile::exists(mark));
    }

    void markAppliedToTheEntryFile() {
        QTemporaryDir scratch;
        const QString entry = scratch.filePath(QStringLiteral("autostart/Spanish.desktop"));
        DesktopAutostart autostart(entry, QStringLiteral("/usr/bin/parlavo"));

        SetStartWithWindows(autostart, 0); // nothing to remove yet
        QVERIFY(!QFile::exists(entry));
        SetStartWithWindows(autostart, 1);
        const QByteArray written = readAll(entry);
        QVERIFY(written.contains("Exec=/usr/bin/parlavo\n"));

        QFile::remove(entry);
        QFile stale(entry);
        QVERIFY(stale.open(QIODevice::WriteOnly));
        stale.write("hand-edited\n");
        stale.close();
        SetStartWithWindows(autostart, 2);
        QCOMPARE(readAll(entry), QByteArray("hand-edited\n"));
        SetStartWithWindows(autostart, 1);
        QCOMPARE(readAll(entry), written);

        SetStartWithWindows(autostart, 0);
        QVERIFY(!QFile::exists(entry));
        QCOMPARE(QDir(scratch.filePath(QStringLiteral("autostart"))).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 QStringList{});
    }

    void entryLivesInTheUsersConfigFolder() {
        QTemporaryDir scratch;
        const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", scratch.path().toUtf8());
        const QString path = defaultAutostartEntryPath();
        qputenv("XDG_CONFIG_HOME", saved);
        QCOMPARE(path, scratch.path() + QStringLiteral("/autostart/Spanish.desktop"));
    }
};

QTEST_GUILESS_MAIN(TestDesktopAutostart)
#include "test_desktop_autostart.moc"
