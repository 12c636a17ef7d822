#include "app/position_keeper.h"

#include "core/settings_io.h"

namespace parlavo {

PositionKeeper::PositionKeeper(SettingsStore& store, const SharedState& state) : mStore(store), mState(state) {
    mTimer.setSingleShot(true);
    mTimer.setInterval(kMaxLagMs);
    connect(&mTimer, &QTimer::timeout, this, &PositionKeeper::saveIfMoved);
}

void PositionKeeper::markStored() {
    mStored = mState.readingPosition;
}

bool PositionKeeper::moved() const {
    return keepsReadingPosition(mState) && mState.readingPosition != mStored;
}

void PositionKeeper::positionMayHaveMoved() {
    if (moved() && !mTimer.isActive())
        mTimer.start();
}

void PositionKeeper::saveIfMoved() {
    mTimer.stop();
    if (moved() && saveReadingPosition(mStore, mState))
        markStored();
}

} // namespace parlavo
