#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace parlavo {

// A line as the voice receives it. Characters the voice cannot speak (controls, emoji, private and unassigned
// code points, broken surrogates) become blanks one for one, so the voice's positions still point into the line.
class SpeakableText {
public:
    explicit SpeakableText(const QString& line);

    // UTF-8, ready for the voice.
    const QByteArray& utf8() const { return utf8_; }

    // Converts a span the voice reports (1-based position and length, both in code points) into a UTF-16 range
    // of the line, as {start, length}; nothing when the span lies outside the line.
    std::optional<std::pair<qsizetype, qsizetype>> lineRange(int position, int length) const;

    static bool isSpeakable(char32_t codePoint);

private:
    QByteArray utf8_;
    QList<qsizetype> codePointStarts_; // UTF-16 index of each code point of the line, then the line's length
};

} // namespace parlavo
