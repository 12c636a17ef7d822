#include "settings/settings_dialog.h"

#include <cmath>

#include <QCloseEvent>
#include <QLayout>
#include <QTimer>

namespace parlavo {

namespace {

constexpr Qt::WindowFlags kDialogFlags = Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                                         Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

// Where the client area's top-left corner goes, from the middle of the primary screen.
constexpr double kLeftOfMiddle = 800.0 / 3; // 266.67 pixels
constexpr double kAboveMiddle = 200;

} // namespace

SettingsDialog::SettingsDialog(CaptionStrip& strip, SettingsStore& store, Autostart& autostart)
    : QDialog(&strip, kDialogFlags), mStrip(strip), mSettings(strip.settings()), mStore(store), mAutostart(autostart) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Setting..."));
    buildControls();
    // Sized now, so the Settings command places it at the size it will show.
    layout()->activate();
    mStrip.holdForSideWindow();
    fillFromRecord();
    writeSwitchesOnClick();
    enterOptionGroupsAtTheirChoice();
}

void SettingsDialog::reject() {
    close();
}

void SettingsDialog::closeEvent(QCloseEvent* event) {
    if (!mClosed) {
        mClosed = true;
        commitChoices();
        mStrip.applySpeechRate();
        mStrip.announceSettingsChanged();
        mStrip.resumeAfterSideWindow();
    }
    event->accept();
}

// While the dialog is open the menu picture is off, and with it Exit: minimised by a window manager
// that offers it anyway, the dialog would be out of reach for good, so it comes straight back.
void SettingsDialog::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && isMinimized() && !mClosed) {
        QTimer::singleShot(0, this, [this] {
            setWindowState(windowState() & ~Qt::WindowMinimized);
            show();
            raise();
            activateWindow();
        });
    }
}

SettingsDialog* showSettingsDialog(CaptionStrip& strip, SettingsStore& store, Autostart& autostart) {
    auto* dialog = new SettingsDialog(strip, store, autostart);
    WindowSystem& windows = strip.windows();
    const PixelRect screen = windows.screenOf(nullptr);
    const double left = screen.left + screen.width() / 2.0 - kLeftOfMiddle;
    const double top = screen.top + screen.height() / 2.0 - kAboveMiddle;
    windows.moveWindow(dialog, static_cast<int>(std::lrint(left)), static_cast<int>(std::lrint(top)), dialog->width(),
                       dialog->height());
    dialog->show();
    return dialog;
}

} // namespace parlavo
