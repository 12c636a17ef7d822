// libFuzzer entry: any bytes, any asked columns, through the whole import parser.
#include "lessons/lesson_import.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The first byte picks the asked columns, so that the choices the user can make are explored too.
    const int asked = size > 0 ? data[0] : 0;
    const QByteArray bytes =
        size > 0 ? QByteArray(reinterpret_cast<const char*>(data) + 1, qsizetype(size - 1)) : QByteArray();
    const parlavo::ImportOutcome outcome = parlavo::parseLesson(bytes, {(asked & 0x70) >> 4, asked & 0x07});
    for (const parlavo::LessonLine& line : outcome.lesson.lines)
        if (line.spanish.isEmpty() || line.english.isEmpty())
            __builtin_trap();
    return 0;
}
