#include "app/position_keeper.h"

#include "core/settings_io.h"

namespace parlavo {

PositionKeeper::PositionKeeper(SettingsStore& store, const Settings& settings) : mStore(store), mSettings(settings) {
    mTimer.setSingleShot(true);
    mTimer.setInterval(kMaxLagMs);
    connect(&mTimer, &QTimer::timeout, this, &PositionKeeper::saveIfMoved);
}

void PositionKeeper::markStored() {
    mStored = mSettings.readingPosition;
    mStoredOwn = mSettings.ownLesson;
}

bool PositionKeeper::moved() const {
    return mSettings.keepsReadingPosition() &&
           !(mSettings.readingPosition == mStored && mSettings.ownLesson == mStoredOwn);
}

void PositionKeeper::positionMayHaveMoved() {
    if (moved() && !mTimer.isActive())
        mTimer.start();
}

void PositionKeeper::saveIfMoved() {
    mTimer.stop();
    if (moved() && saveReadingPosition(mStore, mSettings))
        markStored();
}

} // namespace parlavo
