#pragma once

#include "lessons/own_lesson.h"

#include <QList>
#include <QString>

#include <optional>

namespace parlavo {

struct OwnLessonEntry {
    QString name;
    int sentences = 0; // -1: the file is damaged
};

// The user's lessons, one file each in a folder (normally $XDG_DATA_HOME/parlavo/lessons). A file's name is its
// lesson's name, percent-encoded; its first line says how many sentences follow, so listing reads only that.
// Every write goes to a temporary file renamed into place: a lesson is there whole or not at all.
class OwnLessonStore {
public:
    explicit OwnLessonStore(QString folder);

    // The folder under the user's data folder, as the XDG base directory rules give it.
    static QString defaultFolder();
    // Empty when `name` can be a lesson's name, otherwise why not.
    static QString nameProblem(const QString& name);

    QList<OwnLessonEntry> list() const;
    bool contains(const QString& name) const;
    // Writes the lesson, replacing one of the same name. False with `error` set when nothing changed.
    bool save(const QString& name, const OwnLesson& lesson, QString* error);
    bool remove(const QString& name, QString* error);
    // The lesson, checked line by line as any untrusted file; nothing, with `error`, when it is damaged.
    std::optional<OwnLesson> load(const QString& name, QString* error) const;

private:
    QString pathOf(const QString& name) const;

    QString mFolder;
};

} // namespace parlavo
