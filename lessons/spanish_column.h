#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace parlavo {

// Which of a file's columns is Spanish and which English, counted from 0.
struct ColumnChoice {
    int spanish = 0;
    int english = 1;
};

enum class HeaderMeaning { None, Spanish, English, Either };

// What a column's header name says: the language's name in English or Spanish, or its code, says which language;
// Front, Back and the like only that the row is a header.
HeaderMeaning headerMeaning(const QString& name);

// Chooses among `candidates` (at least two columns): a header that names a language decides; otherwise the column
// whose sample text reads most like Spanish (ñ, ¿, ¡, accents, common words) is Spanish, and the one that reads most
// like English, of the rest, is English. When nothing tells them apart, the first two candidates in order.
ColumnChoice chooseColumns(const QList<int>& candidates, const QStringList& header, const QList<QStringList>& sample);

} // namespace parlavo
