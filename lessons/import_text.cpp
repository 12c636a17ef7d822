#include "lessons/import_text.h"

#include <QHash>
#include <QStringDecoder>

namespace parlavo {

namespace {

// Windows-1252's 0x80..0x9F; its five unassigned bytes keep their C1 control code points, which cleaning removes.
constexpr char16_t kWindows1252High[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                           0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                           0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                           0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString fromWindows1252(const QByteArray& bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char byte : bytes) {
        const auto value = static_cast<unsigned char>(byte);
        *out++ = value >= 0x80 && value < 0xA0 ? QChar(kWindows1252High[value - 0x80]) : QChar(value);
    }
    return text;
}

bool isLayoutControl(char32_t c) {
    return c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

// Text files hold no NUL, and only the odd stray control character; a file that does is not text.
std::optional<int> binaryStart(const QString& text) {
    constexpr qsizetype kSampled = 65536;
    int line = 1;
    int controls = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (c == '\n')
            ++line;
        if (c == 0)
            return line;
        if (i < kSampled && ((c < 0x20 && !isLayoutControl(c)) || c == 0x7F) && ++controls > 8 &&
            controls * 32 > std::min(text.size(), kSampled))
            return 1;
    }
    return std::nullopt;
}

bool startsWith(const QByteArray& bytes, const char* mark) {
    return bytes.startsWith(QByteArrayView(mark));
}

QString decodeUnicode(const QByteArray& bytes, bool* valid) {
    if (startsWith(bytes, "\xFF\xFE") || startsWith(bytes, "\xFE\xFF")) {
        QStringDecoder utf16(startsWith(bytes, "\xFF\xFE") ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE);
        QString text = utf16(bytes.mid(2));
        *valid = !utf16.hasError();
        return text;
    }
    const QByteArray body = startsWith(bytes, "\xEF\xBB\xBF") ? bytes.mid(3) : bytes;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(body);
    *valid = !utf8.hasError();
    return text;
}

// The named references learners' cards use; numeric ones cover the rest.
const QHash<QString, char32_t>& namedReferences() {
    static const QHash<QString, char32_t> names = {
        {"amp", '&'},      {"lt", '<'},        {"gt", '>'},       {"quot", '"'},     {"apos", '\''},
        {"nbsp", ' '},     {"ntilde", 0xF1},   {"Ntilde", 0xD1},  {"aacute", 0xE1},  {"eacute", 0xE9},
        {"iacute", 0xED},  {"oacute", 0xF3},   {"uacute", 0xFA},  {"Aacute", 0xC1},  {"Eacute", 0xC9},
        {"Iacute", 0xCD},  {"Oacute", 0xD3},   {"Uacute", 0xDA},  {"uuml", 0xFC},    {"Uuml", 0xDC},
        {"iexcl", 0xA1},   {"iquest", 0xBF},   {"laquo", 0xAB},   {"raquo", 0xBB},   {"ccedil", 0xE7},
        {"euro", 0x20AC},  {"hellip", 0x2026}, {"ndash", 0x2013}, {"mdash", 0x2014}, {"lsquo", 0x2018},
        {"rsquo", 0x2019}, {"ldquo", 0x201C},  {"rdquo", 0x201D}, {"ordf", 0xAA},    {"ordm", 0xBA}};
    return names;
}

// The character a reference at text[at] ("&...;") stands for, and its length; nothing when it is not one.
std::optional<char32_t> reference(const QString& text, qsizetype at, qsizetype* length) {
    constexpr qsizetype kLongest = 12;
    const qsizetype end = text.indexOf(u';', at + 1);
    if (end < 0 || end - at > kLongest)
        return std::nullopt;
    const QString body = text.mid(at + 1, end - at - 1);
    *length = end - at + 1;
    if (body.startsWith(u'#')) {
        bool ok = false;
        const bool hex = body.size() > 1 && (body.at(1) == u'x' || body.at(1) == u'X');
        const uint value = body.mid(hex ? 2 : 1).toUInt(&ok, hex ? 16 : 10);
        if (!ok || value == 0 || value > 0x10FFFF || (value >= 0xD800 && value < 0xE000))
            return std::nullopt;
        return char32_t(value);
    }
    const auto named = namedReferences().constFind(body);
    return named == namedReferences().cend() ? std::nullopt : std::optional<char32_t>(*named);
}

QString withReferencesDecoded(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        qsizetype length = 0;
        const std::optional<char32_t> c = text.at(i) == u'&' ? reference(text, i, &length) : std::nullopt;
        if (!c) {
            out += text.at(i);
            continue;
        }
        const char32_t codePoint = *c;
        out += QString::fromUcs4(&codePoint, 1);
        i += length - 1;
    }
    return out;
}

bool breaksLine(QStringView tag) {
    static const QStringView breaking[] = {u"br", u"div", u"p", u"li", u"tr", u"td", u"hr"};
    const qsizetype nameStart = tag.startsWith(u'/') ? 1 : 0;
    qsizetype nameEnd = nameStart;
    while (nameEnd < tag.size() && tag.at(nameEnd).isLetterOrNumber())
        ++nameEnd;
    const QStringView name = tag.mid(nameStart, nameEnd - nameStart);
    for (const QStringView candidate : breaking)
        if (name.compare(candidate, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

// A '<' opens a tag only when a letter, '/' or '!' follows and a '>' closes it; "a < b" stays as written.
QString withoutTags(const QString& text) {
    QString out;
    out.reserve(text.size());
    qsizetype close = -1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const QChar after = i + 1 < text.size() ? text.at(i + 1) : QChar();
        if (c != u'<' || !(after.isLetter() || after == u'/' || after == u'!')) {
            out += c;
            continue;
        }
        if (close < i)
            close = text.indexOf(u'>', i);
        if (close < 0) {
            out += text.mid(i);
            break;
        }
        if (breaksLine(QStringView(text).mid(i + 1, close - i - 1)))
            out += u' ';
        i = close;
    }
    return out;
}

QString withoutSounds(const QString& text) {
    QString out;
    out.reserve(text.size());
    qsizetype from = 0;
    for (qsizetype at = text.indexOf(u"[sound:"); at >= 0; at = text.indexOf(u"[sound:", from)) {
        const qsizetype end = text.indexOf(u']', at);
        if (end < 0)
            break;
        out += QStringView(text).mid(from, at - from);
        from = end + 1;
    }
    out += QStringView(text).mid(from);
    return out;
}

// Nested deletions resolve from the inside out; each keeps its text up to its hint's "::".
QString withoutClozes(const QString& text) {
    struct Open {
        qsizetype hintAt = -1;
    };
    QList<Open> open;
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QStringView rest = QStringView(text).mid(i);
        if (rest.startsWith(u"{{c")) {
            qsizetype digits = 3;
            while (digits < rest.size() && rest.at(digits).isDigit())
                ++digits;
            if (digits > 3 && rest.mid(digits).startsWith(u"::")) {
                open.append(Open{});
                i += digits + 1;
                continue;
            }
        }
        if (!open.isEmpty() && rest.startsWith(u"::") && open.last().hintAt < 0) {
            open.last().hintAt = out.size();
        } else if (!open.isEmpty() && rest.startsWith(u"}}")) {
            if (open.last().hintAt >= 0)
                out.truncate(open.last().hintAt);
            open.removeLast();
            ++i;
            continue;
        }
        out += text.at(i);
    }
    return out;
}

bool isInvisibleControl(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c < 0xA0) || (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069) ||
           c == 0xFEFF || c == 0x200E || c == 0x200F;
}

} // namespace

std::optional<DecodedText> decodeText(const QByteArray& bytes, int* binaryLine) {
    bool valid = false;
    DecodedText decoded{decodeUnicode(bytes, &valid), false};
    if (!valid)
        decoded = {fromWindows1252(bytes), true};
    if (const std::optional<int> line = binaryStart(decoded.text)) {
        *binaryLine = *line;
        return std::nullopt;
    }
    return decoded;
}

QString withoutAnkiMarkup(const QString& field, bool html) {
    QString text = withoutClozes(withoutSounds(field));
    return html ? withReferencesDecoded(withoutTags(text)) : text;
}

QString plainSentence(const QString& field) {
    QString out;
    out.reserve(field.size());
    bool blank = true; // drops blanks at the start
    for (qsizetype i = 0; i < field.size(); ++i) {
        const char16_t c = field.at(i).unicode();
        if (isLayoutControl(c) || c == ' ' || c == 0xA0) {
            if (!blank)
                out += u' ';
            blank = true;
        } else if (!isInvisibleControl(c)) {
            out += QChar(c);
            blank = false;
        }
    }
    if (out.endsWith(u' '))
        out.chop(1);
    return out;
}

int characterCount(const QString& text) {
    int count = 0;
    for (const QChar c : text)
        count += c.isLowSurrogate() ? 0 : 1;
    return count;
}

} // namespace parlavo
