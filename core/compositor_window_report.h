#pragma once

#include "core/window_system.h"

#include <QObject>
#include <QString>

#include <optional>

namespace parlavo {

// What a Wayland compositor says about its active window, for the one that tells other programs: KDE Plasma's KWin
// runs a small script of ours that reports the active window's full-screen state and place over D-Bus whenever
// either changes. It costs nothing between reports. Elsewhere, and until the first report, nothing is known.
class CompositorWindowReport final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.parlavo.ActiveWindow")

public:
    CompositorWindowReport();
    ~CompositorWindowReport() override;

    std::optional<ActiveWindow> activeWindow() const { return mActive; }

    // The script's call: "none", or "FULLSCREEN X Y WIDTH HEIGHT" with FULLSCREEN 0 or 1. Text, because script
    // numbers reach D-Bus as whatever type the script engine picks.
    Q_SCRIPTABLE void report(const QString& state);

private:
    void loadKWinScript();

    std::optional<ActiveWindow> mActive;
    bool mScriptLoaded = false;
};

} // namespace parlavo
