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
    // What is read must read back as the store will check it: two texts on every line.
    const parlavo::OwnLesson& lesson = outcome.lesson.lines;
    for (int place = 1; place <= lesson.size(); ++place) {
        const parlavo::LessonLine line = lesson.line(place);
        if (line.spanish.isEmpty() || line.english.isEmpty() || line.spanish.contains(u'\t') ||
            line.english.contains(u'\n'))
            __builtin_trap();
    }
    return 0;
}
