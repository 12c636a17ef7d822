#pragma once

#include "progress/progress_store.h"

#include <QIODevice>
#include <QString>

#include <functional>
#include <vector>

namespace parlavo {

// What a progress report says of a sentence besides its key.
struct SentenceDescription {
    QString lessonName;
    int line = 0; // 1-based; 0 when the sentence is no longer in its lesson
    QString spanish;
    QString english;
};
using DescribeSentence = std::function<SentenceDescription(const SentenceKey&)>;

// Writes the answers as CSV (RFC 4180, UTF-8): a header row, then one row per answer in the order given. Returns
// false when the device did not take everything.
bool writeProgressCsv(const std::vector<AnswerRecord>& answers, const DescribeSentence& describe, QIODevice& out);

} // namespace parlavo
