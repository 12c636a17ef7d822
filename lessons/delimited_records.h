#pragma once

#include <QString>
#include <QStringList>

namespace parlavo {

// One row of a delimited file and the line it starts on (a quoted field may span lines).
struct Record {
    int line = 0;
    QStringList fields;
};

// Reads rows one at a time from text separated by `separator`, so that a large file never exists as a table of
// fields. With `quoting`, a field that begins with '"' runs to the next lone '"' and "" inside stands for '"', as
// RFC 4180 has it; text after the closing quote is kept. Lines end with LF, CRLF or CR. Blank lines are passed over.
class DelimitedRecords {
public:
    DelimitedRecords(const QString& text, QChar separator, bool quoting, int firstLine = 1, qsizetype from = 0);

    // False at the end, or when a quoted field never closes: unclosedAt() then says on which line it opened.
    bool next(Record& record);
    int unclosedAt() const { return mUnclosedAt; }
    // Whether some closing quote was followed by more text: the quotes were likely only quotes.
    bool strayQuote() const { return mStrayQuote; }
    // Where the next row starts, and its line: to read again from there.
    qsizetype offset() const { return mAt; }
    int line() const { return mLine; }

private:
    bool atLineEnd() const;
    void passLineEnd();
    QString quotedField();

    const QString& mText;
    QChar mSeparator;
    bool mQuoting;
    qsizetype mAt;
    int mLine;
    int mUnclosedAt = 0;
    bool mStrayQuote = false;
};

// The separator of spreadsheet text among tab, semicolon and comma: the one found the same number of times on most
// of its first lines, outside quotes. Tab wins ties, then semicolon, since commas are common inside sentences.
QChar detectSeparator(const QString& text, qsizetype from);

} // namespace parlavo
