#include "lessons/delimited_records.h"

#include <QHash>

namespace parlavo {

DelimitedRecords::DelimitedRecords(const QString& text, QChar separator, bool quoting, int firstLine, qsizetype from)
    : mText(text), mSeparator(separator), mQuoting(quoting), mAt(from), mLine(firstLine) {}

bool DelimitedRecords::atLineEnd() const {
    return mAt >= mText.size() || mText.at(mAt) == u'\n' || mText.at(mAt) == u'\r';
}

void DelimitedRecords::passLineEnd() {
    if (mAt >= mText.size())
        return;
    if (mText.at(mAt) == u'\r' && mAt + 1 < mText.size() && mText.at(mAt + 1) == u'\n')
        ++mAt;
    ++mAt;
    ++mLine;
}

// mAt is on the opening quote. Line ends inside count towards the lines; the field ends at a lone quote.
QString DelimitedRecords::quotedField() {
    const int opened = mLine;
    QString field;
    for (++mAt; mAt < mText.size(); ++mAt) {
        const QChar c = mText.at(mAt);
        if (c == u'"') {
            if (mAt + 1 < mText.size() && mText.at(mAt + 1) == u'"') {
                field += u'"';
                ++mAt;
                continue;
            }
            ++mAt;
            return field;
        }
        if (c == u'\n' || (c == u'\r' && (mAt + 1 >= mText.size() || mText.at(mAt + 1) != u'\n')))
            ++mLine;
        field += c;
    }
    mUnclosedAt = opened;
    return field;
}

bool DelimitedRecords::next(Record& record) {
    while (mAt < mText.size() && atLineEnd())
        passLineEnd();
    if (mAt >= mText.size())
        return false;
    record.line = mLine;
    record.fields.clear();
    QString field;
    while (true) {
        if (mQuoting && field.isEmpty() && mAt < mText.size() && mText.at(mAt) == u'"') {
            field = quotedField();
            if (mUnclosedAt != 0)
                return false;
            mStrayQuote = mStrayQuote || (!atLineEnd() && mText.at(mAt) != mSeparator);
        }
        const qsizetype start = mAt;
        while (!atLineEnd() && mText.at(mAt) != mSeparator)
            ++mAt;
        field += QStringView(mText).mid(start, mAt - start);
        record.fields.append(field);
        field.clear();
        if (atLineEnd())
            break;
        ++mAt; // the separator
    }
    passLineEnd();
    return true;
}

QChar detectSeparator(const QString& text, qsizetype from) {
    constexpr int kLinesLooked = 20;
    const QChar candidates[] = {u'\t', u';', u','};
    QChar best = candidates[0];
    int bestScore = 0;
    for (const QChar separator : candidates) {
        QHash<int, int> linesWithCount; // how many times the separator occurs on a line -> lines with that many
        int count = 0;
        int lines = 0;
        bool quoted = false;
        for (qsizetype i = from; i < text.size() && lines < kLinesLooked; ++i) {
            const QChar c = text.at(i);
            if (c == u'"')
                quoted = !quoted;
            else if (!quoted && c == separator)
                ++count;
            else if (!quoted && c == u'\n') {
                ++linesWithCount[count];
                count = 0;
                ++lines;
            }
        }
        ++linesWithCount[count];
        int score = 0;
        for (auto it = linesWithCount.cbegin(); it != linesWithCount.cend(); ++it)
            if (it.key() > 0 && it.value() > score)
                score = it.value();
        if (score > bestScore) {
            best = separator;
            bestScore = score;
        }
    }
    return best;
}

} // namespace parlavo
