#include "agent/voice/speakable_text.h"

#include <QChar>

namespace parlavo {

SpeakableText::SpeakableText(const QString& line) {
    QString spoken;
    spoken.reserve(line.size());
    for (qsizetype i = 0; i < line.size();) {
        codePointStarts_.append(i);
        const bool pair = line[i].isHighSurrogate() && i + 1 < line.size() && line[i + 1].isLowSurrogate();
        const char32_t codePoint = pair ? QChar::surrogateToUcs4(line[i], line[i + 1]) : line[i].unicode();
        const qsizetype units = pair ? 2 : 1;
        // A surrogate without its partner stays a code point of its own, which is not spoken.
        if (isSpeakable(codePoint))
            spoken.append(QStringView(line).sliced(i, units));
        else
            spoken.append(QLatin1Char(' '));
        i += units;
    }
    codePointStarts_.append(line.size());
    utf8_ = spoken.toUtf8();
}

std::optional<std::pair<qsizetype, qsizetype>> SpeakableText::lineRange(int position, int length) const {
    const qsizetype codePoints = codePointStarts_.size() - 1;
    const qsizetype first = qsizetype(position) - 1;
    if (first < 0 || first >= codePoints || length <= 0)
        return std::nullopt;
    const qsizetype end = std::min(codePoints, first + length);
    return std::make_pair(codePointStarts_[first], codePointStarts_[end] - codePointStarts_[first]);
}

bool SpeakableText::isSpeakable(char32_t codePoint) {
    if (codePoint == 0xFFFD || QChar::isNonCharacter(codePoint))
        return false;
    switch (QChar::category(codePoint)) {
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Other_Surrogate:
    case QChar::Other_PrivateUse:
    case QChar::Other_NotAssigned:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return false;
    case QChar::Symbol_Other: // signs like © and ° are read out; arrows, emoji and pictographs would be spelt as codes
        return codePoint < 0x2190;
    case QChar::Symbol_Modifier: // accents on their own are fine; skin tones and the like are not
        return codePoint < 0x2000;
    case QChar::Mark_NonSpacing: // variation selectors only pick a picture
        return !(codePoint >= 0xFE00 && codePoint <= 0xFE0F) && !(codePoint >= 0xE0100 && codePoint <= 0xE01EF);
    default:
        return true;
    }
}

} // namespace parlavo
