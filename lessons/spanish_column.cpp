#include "lessons/spanish_column.h"

#include <QRegularExpression>
#include <QSet>

namespace parlavo {

namespace {

const QSet<QString>& spanishWords() {
    static const QSet<QString> words = {
        "de",    "la",    "que",     "el",   "los",    "se",     "del",    "las",     "un",    "por",
        "con",   "una",   "su",      "para", "es",     "al",     "lo",     "como",    "más",   "pero",
        "muy",   "sin",   "también", "me",   "hay",    "donde",  "dónde",  "qué",     "yo",    "tú",
        "él",    "ella",  "estoy",   "está", "están",  "tengo",  "quiero", "gracias", "hola",  "buenos",
        "días",  "noche", "bien",    "sí",   "porque", "cuando", "cómo",   "mi",      "te",    "nos",
        "usted", "señor", "agua",    "casa", "hoy",    "mañana", "ayer",   "aquí",    "ahora", "este",
        "esta",  "eso",   "y",       "o",    "le",     "ya",     "todo",   "nada",    "algo",  "puedo"};
    return words;
}

const QSet<QString>& englishWords() {
    static const QSet<QString> words = {
        "the",  "and",   "is",   "you",   "to",       "of",    "i",      "it",    "what",   "my",   "your",    "are",
        "this", "that",  "have", "do",    "how",      "where", "please", "thank", "thanks", "good", "morning", "with",
        "for",  "was",   "be",   "we",    "they",     "he",    "she",    "can",   "would",  "like", "want",    "am",
        "not",  "there", "here", "today", "tomorrow", "yes",   "hello",  "water", "house"};
    return words;
}

// Positive for Spanish, negative for English, near 0 for neither.
int languageLean(const QString& text) {
    static const QRegularExpression wordBreak(QStringLiteral("[^\\w]+"),
                                              QRegularExpression::UseUnicodePropertiesOption);
    int lean = 0;
    for (const QChar c : text) {
        if (c == u'ñ' || c == u'Ñ' || c == u'¿' || c == u'¡')
            lean += 3;
        else if (QStringLiteral("áéíóúüÁÉÍÓÚÜ").contains(c))
            lean += 1;
    }
    for (const QString& word : text.toLower().split(wordBreak, Qt::SkipEmptyParts)) {
        if (spanishWords().contains(word))
            lean += 1;
        else if (englishWords().contains(word))
            lean -= 1;
    }
    return lean;
}

} // namespace

HeaderMeaning headerMeaning(const QString& name) {
    static const QSet<QString> spanish = {"spanish", "español", "espanol", "castellano", "es", "spa", "es-es"};
    static const QSet<QString> english = {"english", "inglés", "ingles", "en", "eng", "en-us", "en-gb"};
    static const QSet<QString> either = {"front",  "back",     "frente", "reverso",     "question",   "answer", "word",
                                         "phrase", "sentence", "frase",  "translation", "traducción", "meaning"};
    const QString key = name.trimmed().toLower();
    if (spanish.contains(key))
        return HeaderMeaning::Spanish;
    if (english.contains(key))
        return HeaderMeaning::English;
    return either.contains(key) ? HeaderMeaning::Either : HeaderMeaning::None;
}

ColumnChoice chooseColumns(const QList<int>& candidates, const QStringList& header, const QList<QStringList>& sample) {
    int namedSpanish = -1;
    int namedEnglish = -1;
    for (const int column : candidates) {
        const HeaderMeaning meaning = column < header.size() ? headerMeaning(header.at(column)) : HeaderMeaning::None;
        if (meaning == HeaderMeaning::Spanish && namedSpanish < 0)
            namedSpanish = column;
        if (meaning == HeaderMeaning::English && namedEnglish < 0)
            namedEnglish = column;
    }
    QList<int> leans;
    for (const int column : candidates) {
        int lean = 0;
        for (const QStringList& row : sample)
            lean += column < row.size() ? languageLean(row.at(column)) : 0;
        leans.append(lean);
    }
    auto leaning = [&](int sign, int except) {
        int best = -1;
        for (qsizetype i = 0; i < candidates.size(); ++i)
            if (candidates.at(i) != except && (best < 0 || sign * leans.at(i) > sign * leans.at(best)))
                best = int(i);
        return candidates.at(best);
    };
    const bool leansDiffer =
        *std::max_element(leans.cbegin(), leans.cend()) != *std::min_element(leans.cbegin(), leans.cend());
    ColumnChoice choice{candidates.at(0), candidates.at(1)};
    if (namedSpanish >= 0)
        choice.spanish = namedSpanish;
    else if (namedEnglish >= 0)
        choice.spanish =
            leansDiffer ? leaning(+1, namedEnglish) : candidates.at(candidates.at(0) == namedEnglish ? 1 : 0);
    else if (leansDiffer)
        choice.spanish = leaning(+1, -1);
    if (namedEnglish >= 0 && namedEnglish != choice.spanish)
        choice.english = namedEnglish;
    else
        choice.english = leaning(-1, choice.spanish);
    return choice;
}

} // namespace parlavo
