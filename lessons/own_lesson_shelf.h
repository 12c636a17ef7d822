#pragma once

#include "lessons/own_lesson_store.h"

#include <optional>

namespace parlavo {

// The own lesson that plays: read from the store the first time it is asked for and kept while it stays chosen, so
// that no lesson is read at start-up unless it plays, and no other is read at all.
class OwnLessonShelf {
public:
    explicit OwnLessonShelf(OwnLessonStore store);

    // The lesson of that name, or nullptr when it cannot be read: said once on standard error, and the built-in
    // lessons play instead.
    const OwnLesson* lesson(const QString& name);
    // The lessons on disk may have changed (an import or a removal): read the chosen one again when next asked.
    void forget();
    OwnLessonStore& store() { return mStore; }

private:
    OwnLessonStore mStore;
    QString mName;
    std::optional<OwnLesson> mLesson;
    bool mRead = false;
};

} // namespace parlavo
