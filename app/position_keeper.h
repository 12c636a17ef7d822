#pragma once

#include "core/settings.h"
#include "core/settings_store.h"

#include <QTimer>

namespace parlavo {

// Keeps the stored reading position at most a minute behind the one in memory, so that a crash, a
// killed session or a power cut loses little of the day's reading. It writes only what the exit save
// would write about the position, and only while the position is kept at all; a position that moves
// arms one timer, so the store is written at most once a minute and never while nothing moves.
class PositionKeeper : public QObject {
    Q_OBJECT

public:
    static constexpr int kMaxLagMs = 60 * 1000;

    PositionKeeper(SettingsStore& store, const Settings& settings);

    // The position now in memory is the one the store holds (after loading, or after the exit save).
    void markStored();
    // The position may have moved: arms the save unless it is armed already.
    void positionMayHaveMoved();
    // Writes the position if it moved since it was last stored; the armed timer ends here.
    void saveIfMoved();

private:
    bool moved() const;

    SettingsStore& mStore;
    const Settings& mSettings;
    ReadingPosition mStored;
    OwnLessonChoice mStoredOwn;
    QTimer mTimer;
};

} // namespace parlavo
