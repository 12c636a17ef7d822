#pragma once

#include "lessons/own_lesson.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace parlavo {

// Reading a lesson out of a file the user brings: Anki's plain-text export, spreadsheet CSV or TSV, lines of
// Spanish<TAB>English, or one lesson in Parlavo's own JSON, told apart by their content. The file is untrusted:
// every size is bounded and its text is only ever text.

inline constexpr qint64 kLargestImport = 10 * 1024 * 1024;
inline constexpr int kMostSentences = 100000;
inline constexpr int kLongestSide = 300;

// Columns counted from 1, as the user names them; 0 leaves the choice to the content.
struct ImportColumns {
    int spanish = 0;
    int english = 0;
};

enum class SkipReason { EmptySide, TooLong };
struct SkippedRow {
    int line = 0; // in a JSON file, the sentence's place in "lines", from 1
    SkipReason reason = SkipReason::EmptySide;
};

// A refusal: nothing of the file is used. `line` 0 means the file as a whole.
struct ImportProblem {
    int line = 0;
    QString reason;
};

struct ParsedLesson {
    QString name;    // as the file names it (#deck:, "name"), or empty
    OwnLesson lines; // as compact as it will play: a large file's sentences as texts would cost several times more
    QList<SkippedRow> skipped;
    QStringList notices;
    // What a preview shows: the columns' names where the file gives them, the first rows as they will be read, and
    // the columns chosen, from 1. A JSON lesson has the two columns Spanish and English.
    QStringList columnNames;
    QList<QStringList> firstRows;
    ImportColumns columns;
    int columnCount = 2;
};

struct ImportOutcome {
    ParsedLesson lesson;
    ImportProblem problem;
    bool refused() const { return !problem.reason.isEmpty(); }
};

// The bytes are taken by value so that a caller that moves them in lets them go once they are decoded.
ImportOutcome parseLesson(QByteArray bytes, ImportColumns columns = {});

// "line 12: ..." style texts of a skipped row's reason, for listing them.
QString skipReasonText(SkipReason reason);

} // namespace parlavo
