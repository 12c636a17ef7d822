#include "lessons/own_lesson_shelf.h"

#include <cstdio>

namespace parlavo {

OwnLessonShelf::OwnLessonShelf(OwnLessonStore store) : mStore(std::move(store)) {}

const OwnLesson* OwnLessonShelf::lesson(const QString& name) {
    if (!mRead || name != mName) {
        mLesson.reset();
        QString error;
        mLesson = mStore.load(name, &error);
        if (!mLesson)
            std::fprintf(stderr, "parlavo: %s; the built-in lessons play instead\n", qPrintable(error));
        mName = name;
        mRead = true;
    }
    return mLesson ? &*mLesson : nullptr;
}

void OwnLessonShelf::forget() {
    mRead = false;
}

} // namespace parlavo
