#include "menu/about_window.h"

#include "app/caption_strip.h"
#include "menu/menu_placement.h"

#include <QKeyEvent>

namespace parlavo {

AboutWindow::AboutWindow(CaptionStrip& strip) : mStrip(strip) {
    // The splash must never steal the keyboard, but this window has to: Escape is one way to close it.
    // Being placed outside the window manager, it takes the focus itself when shown; the keyboard is
    // not grabbed, so the user can still type elsewhere while it is up.
    setWindowFlag(Qt::WindowDoesNotAcceptFocus, false);
    setAttribute(Qt::WA_ShowWithoutActivating, false);
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &VersionWindow::pictureClicked, this, &QWidget::close);
}

void AboutWindow::showCentred() {
    WindowSystem& windows = mStrip.windows();
    const QPoint topLeft = centredOnScreen(windows.screenOf(nullptr), size());
    windows.moveWindow(this, topLeft.x(), topLeft.y(), width(), height());
    show();
    activateWindow();
}

void AboutWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape)
        close();
    else
        VersionWindow::keyPressEvent(event);
}

// Tying the picture to visibility rather than to the ways of closing means no way of putting the
// window away can leave the menu unreachable.
void AboutWindow::showEvent(QShowEvent* event) {
    mStrip.setMenuPictureEnabled(false);
    VersionWindow::showEvent(event);
}

void AboutWindow::hideEvent(QHideEvent* event) {
    mStrip.resumeAfterSideWindow();
    VersionWindow::hideEvent(event);
}

} // namespace parlavo
