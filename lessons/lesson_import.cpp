#include "lessons/lesson_import.h"

#include "lessons/delimited_records.h"
#include "lessons/import_text.h"
#include "lessons/lesson_json.h"
#include "lessons/spanish_column.h"

#include <QRegularExpression>

#include <optional>

namespace parlavo {

namespace {

constexpr int kSampleRows = 200;
constexpr int kPreviewRows = 5;
// A raw field this long cannot clean down to kLongestSide characters in any real card; it is not cleaned at all,
// which bounds the work one field can cause.
constexpr qsizetype kLongestRawField = 16384;

ImportOutcome refusal(int line, const QString& reason) {
    return {{}, {line, reason}};
}

QString unclosedQuote() {
    return QStringLiteral("a quoted field opens here and never closes");
}

// What the header lines at the top of an Anki export say, and where its rows begin.
struct FileLayout {
    bool anki = false;
    bool html = false;
    QChar separator;
    QString columnsLine; // "#columns:", split once the separator is known
    QString deck;
    QList<int> notSentences; // note type, deck, tags and guid columns, from 0
    qsizetype bodyStart = 0;
    int bodyLine = 1;
};

std::optional<QChar> namedSeparator(const QString& value) {
    static const QHash<QString, QChar> names = {{"tab", u'\t'}, {"comma", u','}, {"semicolon", u';'},
                                                {"pipe", u'|'}, {"space", u' '}, {"colon", u':'}};
    if (const auto named = names.constFind(value.toLower()); named != names.cend())
        return *named;
    if (value.size() == 1 && !value.at(0).isLetterOrNumber() && value.at(0) != u'"')
        return value.at(0);
    return std::nullopt;
}

// Reads "#key:value" lines at the top. Returns a problem text for a header that cannot be followed.
QString readHeaders(const QString& text, FileLayout& layout) {
    static const QRegularExpression header(QStringLiteral("^#([a-z ]+):(.*)$"));
    while (layout.bodyStart < text.size() && text.at(layout.bodyStart) == u'#') {
        qsizetype end = text.indexOf(u'\n', layout.bodyStart);
        end = end < 0 ? text.size() : end;
        const QString line = text.mid(layout.bodyStart, end - layout.bodyStart).trimmed();
        const QRegularExpressionMatch match = header.match(line);
        if (!match.hasMatch())
            break;
        const QString key = match.captured(1);
        const QString value = match.captured(2).trimmed();
        layout.anki = true;
        if (key == QLatin1String("separator")) {
            const std::optional<QChar> separator = namedSeparator(value);
            if (!separator)
                return QStringLiteral("unknown separator \"%1\"").arg(value);
            layout.separator = *separator;
        } else if (key == QLatin1String("html")) {
            layout.html = value == QLatin1String("true");
        } else if (key == QLatin1String("columns")) {
            layout.columnsLine = value;
        } else if (key == QLatin1String("deck")) {
            layout.deck = plainSentence(value);
        } else if (key.endsWith(QLatin1String(" column")) && value.toInt() > 0) {
            layout.notSentences.append(value.toInt() - 1);
        }
        layout.bodyStart = end + 1;
        ++layout.bodyLine;
    }
    return {};
}

QString cleaned(const QString& field, const FileLayout& layout) {
    if (field.size() > kLongestRawField)
        return field;
    return plainSentence(layout.anki ? withoutAnkiMarkup(field, layout.html) : field);
}

QStringList cleanedRow(const QStringList& fields, const FileLayout& layout) {
    QStringList row;
    for (const QString& field : fields)
        row.append(cleaned(field, layout));
    return row;
}

// Where the body starts, whether its first row names the columns, and the rows that tell the columns apart.
struct Sample {
    QStringList header;
    bool headerRow = false;
    QList<QStringList> rows;
    int columnCount = 0;
    int firstLine = 0;
};

Sample takeSample(DelimitedRecords& records, const FileLayout& layout) {
    Sample sample;
    Record record;
    while (sample.rows.size() < kSampleRows && records.next(record)) {
        const QStringList row = cleanedRow(record.fields, layout);
        if (sample.firstLine == 0) {
            sample.firstLine = record.line;
            sample.headerRow = !layout.anki && std::any_of(row.cbegin(), row.cend(), [](const QString& name) {
                return headerMeaning(name) != HeaderMeaning::None;
            });
            if (sample.headerRow) {
                sample.header = row;
                sample.columnCount = int(row.size());
                continue;
            }
        }
        sample.columnCount = std::max(sample.columnCount, int(row.size()));
        sample.rows.append(row);
    }
    return sample;
}

// The columns to read, from 0: those the user named, the others chosen from the content.
std::optional<ColumnChoice> columnsToRead(ImportColumns asked, const Sample& sample, const FileLayout& layout,
                                          ImportProblem* problem) {
    for (const int column : {asked.spanish, asked.english}) {
        if (column < 0 || column > sample.columnCount) {
            *problem = {sample.firstLine,
                        QStringLiteral("there is no column %1; the file has %2").arg(column).arg(sample.columnCount)};
            return std::nullopt;
        }
    }
    if (asked.spanish != 0 && asked.spanish == asked.english) {
        *problem = {0, QStringLiteral("the Spanish and the English column must differ")};
        return std::nullopt;
    }
    QList<int> candidates;
    for (int column = 0; column < sample.columnCount; ++column)
        if (!layout.notSentences.contains(column) && column != asked.spanish - 1 && column != asked.english - 1)
            candidates.append(column);
    const int named = int(asked.spanish != 0) + int(asked.english != 0);
    if (candidates.size() + named < 2) {
        *problem = {sample.firstLine, QStringLiteral("only one column: a lesson needs a Spanish and an English one")};
        return std::nullopt;
    }
    if (named == 2)
        return ColumnChoice{asked.spanish - 1, asked.english - 1};
    if (asked.spanish != 0)
        candidates.prepend(asked.spanish - 1);
    if (asked.english != 0)
        candidates.prepend(asked.english - 1);
    ColumnChoice choice = chooseColumns(candidates, sample.header, sample.rows);
    if (asked.spanish != 0)
        choice = {asked.spanish - 1, choice.english == asked.spanish - 1 ? choice.spanish : choice.english};
    if (asked.english != 0)
        choice = {choice.spanish == asked.english - 1 ? choice.english : choice.spanish, asked.english - 1};
    return choice;
}

// Every row, streamed: the texts are checked and bounded one row at a time. `strayQuote` is set when a closing
// quote had text after it.
ImportOutcome readRows(const QString& text, const FileLayout& layout, bool quoting, ImportColumns asked,
                       bool* strayQuote) {
    DelimitedRecords sampling(text, layout.separator, quoting, layout.bodyLine, layout.bodyStart);
    Sample sample = takeSample(sampling, layout);
    if (!layout.columnsLine.isEmpty())
        sample.header = layout.columnsLine.split(layout.separator);
    if (sampling.unclosedAt() != 0)
        return refusal(sampling.unclosedAt(), unclosedQuote());
    ImportProblem problem;
    const std::optional<ColumnChoice> columns = columnsToRead(asked, sample, layout, &problem);
    if (!columns)
        return refusal(problem.line, problem.reason);

    ImportOutcome outcome;
    ParsedLesson& lesson = outcome.lesson;
    lesson.name = layout.deck;
    lesson.columnNames = sample.header;
    lesson.firstRows = sample.rows.mid(0, kPreviewRows);
    lesson.columns = {columns->spanish + 1, columns->english + 1};
    lesson.columnCount = sample.columnCount;

    DelimitedRecords records(text, layout.separator, quoting, layout.bodyLine, layout.bodyStart);
    Record record;
    bool header = sample.headerRow;
    while (records.next(record)) {
        if (std::exchange(header, false))
            continue;
        const QString spanish = cleaned(record.fields.value(columns->spanish), layout);
        const QString english = cleaned(record.fields.value(columns->english), layout);
        if (spanish.isEmpty() || english.isEmpty()) {
            lesson.skipped.append({record.line, SkipReason::EmptySide});
            continue;
        }
        if (characterCount(spanish) > kLongestSide || characterCount(english) > kLongestSide) {
            lesson.skipped.append({record.line, SkipReason::TooLong});
            continue;
        }
        if (lesson.lines.size() == kMostSentences)
            return refusal(
                record.line,
                QStringLiteral("more than %1 sentences; a lesson holds at most that many").arg(kMostSentences));
        lesson.lines.append(spanish, english);
    }
    if (records.unclosedAt() != 0)
        return refusal(records.unclosedAt(), unclosedQuote());
    *strayQuote = records.strayQuote();
    return outcome;
}

ImportOutcome parseText(const QString& text, ImportColumns asked) {
    if (looksLikeJson(text))
        return parseJsonLesson(text);
    FileLayout layout;
    if (const QString problem = readHeaders(text, layout); !problem.isEmpty())
        return refusal(layout.bodyLine, problem);
    if (layout.separator.isNull())
        layout.separator = layout.anki ? QChar(u'\t') : detectSeparator(text, layout.bodyStart);
    bool strayQuote = false;
    ImportOutcome outcome = readRows(text, layout, true, asked, &strayQuote);
    // Lines of Spanish<TAB>English are not a spreadsheet's: where quotes do not read as a spreadsheet's quoting,
    // they are only quotes.
    const bool unclosed = outcome.refused() && outcome.problem.reason == unclosedQuote();
    if (!layout.anki && layout.separator == u'\t' && (unclosed || strayQuote))
        outcome = readRows(text, layout, false, asked, &strayQuote);
    return outcome;
}

} // namespace

ImportOutcome parseLesson(QByteArray bytes, ImportColumns columns) {
    if (bytes.size() > kLargestImport)
        return refusal(0, QStringLiteral("the file is larger than 10 MB"));
    int binaryLine = 0;
    const std::optional<DecodedText> decoded = decodeText(bytes, &binaryLine);
    bytes = QByteArray(); // only the text is needed from here on, and a large file's bytes would double the peak
    if (!decoded)
        return refusal(binaryLine, QStringLiteral("this is not a text file"));
    if (std::all_of(decoded->text.cbegin(), decoded->text.cend(), [](QChar c) { return c.isSpace(); }))
        return refusal(1, QStringLiteral("the file is empty"));
    ImportOutcome outcome = parseText(decoded->text, columns);
    if (!outcome.refused() && outcome.lesson.lines.isEmpty())
        return refusal(1, QStringLiteral("no row has both a Spanish and an English text"));
    if (decoded->fromWindows1252)
        outcome.lesson.notices.append(QStringLiteral("the file is not UTF-8; it was read as Windows-1252"));
    return outcome;
}

QString skipReasonText(SkipReason reason) {
    return reason == SkipReason::EmptySide ? QStringLiteral("a side is empty")
                                           : QStringLiteral("a side is longer than %1 characters").arg(kLongestSide);
}

} // namespace parlavo
