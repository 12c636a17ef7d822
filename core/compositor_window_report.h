#pragma once

#include "core/window_system.h"

#include <QObject>
#include <QString>

#include <optional>

namespace parlavo {

// What a Wayland compositor says about its active window and the pointer, for the one that tells other programs:
// KDE Plasma's KWin runs a small script of ours that reports over D-Bus the active window's full-screen state and
// place whenever either changes, and where the pointer is while it moves (at most twenty times a second). It
// costs nothing while nothing changes. Elsewhere, and until the first report, nothing is known.
class CompositorWindowReport final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.parlavo.ActiveWindow")

public:
    CompositorWindowReport();
    ~CompositorWindowReport() override;

    std::optional<ActiveWindow> activeWindow() const { return mActive; }
    struct Pointer {
        PixelPoint position;
        qint64 reportedMs; // on the steady clock of steadyNowMs()
    };
    std::optional<Pointer> pointer() const { return mPointer; }

public slots:
    // The script's calls. Text, because script numbers reach D-Bus as whatever type the script engine picks.
    // "none", or "FULLSCREEN X Y WIDTH HEIGHT" with FULLSCREEN 0 or 1.
    Q_SCRIPTABLE void report(const QString& state);
    // "X Y"
    Q_SCRIPTABLE void pointerAt(const QString& position);

private:
    void loadKWinScript();

    std::optional<ActiveWindow> mActive;
    std::optional<Pointer> mPointer;
    bool mScriptLoaded = false;
};

} // namespace parlavo
