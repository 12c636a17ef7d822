#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace parlavo {

// Turning the bytes of an untrusted file into text, and its fields into plain sentences.

struct DecodedText {
    QString text;
    bool fromWindows1252 = false;
};

// UTF-8 (with or without a byte-order mark) or UTF-16 with its mark; anything else that is not valid UTF-8 is read
// as Windows-1252. Nothing when the bytes look like a binary file: `binaryLine` then gets the line it starts on.
std::optional<DecodedText> decodeText(const QByteArray& bytes, int* binaryLine);

// Anki's markup in a field: [sound:...] dropped, {{c1::text::hint}} becomes text; with `html` tags are removed
// (line-breaking ones become a blank) and character references decoded, after the tags, so that "&lt;b&gt;" stays
// as the visible "<b>".
QString withoutAnkiMarkup(const QString& field, bool html);

// A field as a sentence: control and direction-override characters removed (line breaks and tabs become a blank),
// runs of blanks made one, and the ends trimmed.
QString plainSentence(const QString& field);

// Length in characters as the user counts them: a character outside the basic plane is one.
int characterCount(const QString& text);

} // namespace parlavo
