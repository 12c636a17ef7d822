#include "app/command_line.h"

#include "core/version.h"
#include "lessons/own_lesson_sentences.h"
#include "lessons/progress_export.h"
#include "progress/sqlite_progress_store.h"

#include <QSet>

namespace parlavo {

namespace {

constexpr char kUsage[] =
    "Usage: parlavo [--help] [--version]\n"
    "       parlavo --import FILE [--name NAME] [--spanish-column N] [--english-column N] [--replace]\n"
    "       parlavo --list-lessons\n"
    "       parlavo --remove-lesson NAME\n"
    "       parlavo --export-progress FILE\n";

constexpr char kHelp[] =
    "Learn everyday Spanish from a caption strip at the top of the screen, read aloud by a bird.\n"
    "Point at the picture at the strip's right end for its menu. See parlavo(1).\n\n"
    "  -h, --help            print this help and exit\n"
    "  --version             print the version and exit\n"
    "  --import FILE         make a lesson of your own from an Anki plain-text export, a CSV or TSV file,\n"
    "                        lines of Spanish<TAB>English, or one lesson in Parlavo's JSON\n"
    "  --name NAME           the imported lesson's name (default: the deck's or the file's name)\n"
    "  --spanish-column N    the column, from 1, that holds the Spanish text (default: detected)\n"
    "  --english-column N    the column that holds the English text (default: detected)\n"
    "  --replace             replace a lesson of the same name\n"
    "  --list-lessons        print every lesson and its number of sentences\n"
    "  --remove-lesson NAME  remove one of your own lessons\n"
    "  --export-progress FILE\n"
    "                        write every answer as CSV to FILE (- for standard output)\n";

// Qt's own options and whether a value follows; a session manager restarts the program with -session.
bool isQtOption(const QString& argument, bool* takesValue) {
    static const QSet<QString> withValue = {"session",     "platform",      "display",         "style",
                                            "stylesheet",  "geometry",      "qwindowgeometry", "qwindowtitle",
                                            "qwindowicon", "platformtheme", "plugin"};
    static const QSet<QString> alone = {"reverse", "nograb", "sync"};
    QString name = argument;
    while (name.startsWith(u'-'))
        name.remove(0, 1);
    *takesValue = withValue.contains(name);
    return argument.startsWith(u'-') && (*takesValue || alone.contains(name));
}

CommandLine misused(const QString& why) {
    CommandLine command;
    command.action = CommandLine::Action::Misused;
    command.misuse = why;
    return command;
}

} // namespace

CommandLine parseCommandLine(const QStringList& arguments) {
    CommandLine command;
    bool importOptions = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        QString option = arguments.at(i);
        std::optional<QString> inlineValue;
        if (const qsizetype equals = option.indexOf(u'='); option.startsWith(QLatin1String("--")) && equals > 0) {
            inlineValue = option.mid(equals + 1);
            option.truncate(equals);
        }
        auto value = [&]() -> std::optional<QString> {
            if (inlineValue)
                return inlineValue;
            return i + 1 < arguments.size() ? std::optional<QString>(arguments.at(++i)) : std::nullopt;
        };
        auto column = [&](int* into) {
            bool ok = false;
            const std::optional<QString> text = value();
            *into = text ? text->toInt(&ok) : 0;
            return ok && *into >= 1;
        };
        auto act = [&](CommandLine::Action action) {
            const bool first = command.action == CommandLine::Action::Run;
            command.action = action;
            return first;
        };
        bool takesValue = false;
        bool ok = true;
        if (option == QLatin1String("--help") || option == QLatin1String("-h"))
            ok = act(CommandLine::Action::Help);
        else if (option == QLatin1String("--version"))
            ok = act(CommandLine::Action::Version);
        else if (option == QLatin1String("--list-lessons"))
            ok = act(CommandLine::Action::ListLessons);
        else if (option == QLatin1String("--remove-lesson")) {
            command.lessonName = value().value_or(QString());
            ok = act(CommandLine::Action::RemoveLesson) && !command.lessonName.isEmpty();
        } else if (option == QLatin1String("--export-progress")) {
            command.exportTarget = value().value_or(QString());
            ok = act(CommandLine::Action::ExportProgress) && !command.exportTarget.isEmpty();
        } else if (option == QLatin1String("--import")) {
            command.import.file = value().value_or(QString());
            ok = act(CommandLine::Action::Import) && !command.import.file.isEmpty();
        } else if (option == QLatin1String("--name")) {
            command.import.name = value().value_or(QString());
            ok = importOptions = !command.import.name.isEmpty();
        } else if (option == QLatin1String("--spanish-column")) {
            ok = importOptions = column(&command.import.columns.spanish);
        } else if (option == QLatin1String("--english-column")) {
            ok = importOptions = column(&command.import.columns.english);
        } else if (option == QLatin1String("--replace") && !inlineValue) {
            ok = importOptions = command.import.replace = true;
        } else if (!inlineValue && isQtOption(option, &takesValue)) {
            i += takesValue ? 1 : 0;
        } else {
            return misused(QStringLiteral("unknown option %1").arg(arguments.at(i)));
        }
        if (!ok)
            return misused(QStringLiteral("%1 cannot be used so").arg(arguments.at(i)));
    }
    if (importOptions && command.action != CommandLine::Action::Import)
        return misused(QStringLiteral("--name, --spanish-column, --english-column and --replace go with --import"));
    return command;
}

int runCommand(const CommandLine& command, QTextStream& out, QTextStream& err) {
    OwnLessonStore store(OwnLessonStore::defaultFolder());
    switch (command.action) {
    case CommandLine::Action::Help:
        out << kUsage << kHelp;
        return 0;
    case CommandLine::Action::Version:
        out << "parlavo " << kVersion << Qt::endl;
        return 0;
    case CommandLine::Action::Import:
        return importLesson(command.import, store, out, err);
    case CommandLine::Action::ListLessons:
        return listLessons(store, out);
    case CommandLine::Action::RemoveLesson:
        return removeLesson(command.lessonName, store, out, err);
    case CommandLine::Action::ExportProgress: {
        out.flush();
        OwnLessonShelf shelf(store);
        return exportProgress(command.exportTarget, SqliteProgressStore::defaultPath(), OwnLessonSentences(shelf));
    }
    case CommandLine::Action::Misused:
    case CommandLine::Action::Run:
        break;
    }
    err << "parlavo: " << command.misuse << '\n' << kUsage;
    return 2;
}

} // namespace parlavo
