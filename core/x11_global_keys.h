#pragma once

#include "core/global_keys.h"

#include <QAbstractNativeEventFilter>

#include <vector>

namespace parlavo {

// Passive grabs on the root window, each taken also with Num Lock and Caps Lock on, so the keys work in any state of
// those locks. Elsewhere than on X11 nothing is taken and nothing is said to fail.
class X11GlobalKeys final : public GlobalKeys, public QAbstractNativeEventFilter {
public:
    X11GlobalKeys();
    ~X11GlobalKeys() override;

    QList<QKeySequence> grab(const QList<QKeySequence>& keys) override;
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    struct Grab {
        int index;
        quint8 keycode;
        quint16 modifiers;
    };
    bool take(const Grab& grab);
    void release(const Grab& grab);
    quint8 keycodeOf(quint32 keysym);

    quint32 mRoot = 0;
    quint16 mNumLock = 0;
    std::vector<Grab> mGrabs;
};

} // namespace parlavo
