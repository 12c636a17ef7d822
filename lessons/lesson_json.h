#pragma once

#include "lessons/lesson_import.h"

namespace parlavo {

// Whether text (a byte-order mark already gone) is a JSON object rather than a row that opens with "{{c1::".
bool looksLikeJson(const QString& text);

// One lesson as resources/lessons.json writes each of its lessons: {"name", "woman", "lines": [{"speaker", "es",
// "en"}]}; a whole file of that form holding exactly one lesson is taken too. Texts are cleaned and bounded as any
// other import's; a missing speaker is the first.
ImportOutcome parseJsonLesson(const QString& text);

} // namespace parlavo
