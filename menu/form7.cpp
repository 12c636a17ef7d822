#include "menu/form7.h"

#include "core/form1.h"
#include "menu/menu_placement.h"

#include <QKeyEvent>

namespace parlavo {

Form7::Form7(Form1& form1) : mForm1(form1) {
    // The splash must never steal the keyboard, but this window has to: Escape is one way to close it.
    // Being placed outside the window manager, it takes the focus itself when shown; the keyboard is
    // not grabbed, so the user can still type elsewhere while it is up.
    setWindowFlag(Qt::WindowDoesNotAcceptFocus, false);
    setAttribute(Qt::WA_ShowWithoutActivating, false);
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &VersionWindow::Image1_Click, this, &QWidget::close);
}

void Form7::showCentred() {
    WindowSystem& windows = mForm1.windows();
    const QPoint topLeft = centredOnScreen(windows.screenWidthTwips(), windows.screenHeightTwips(), size(),
                                           windows.twipsPerPixelX(), windows.twipsPerPixelY());
    windows.MoveWindow(this, topLeft.x(), topLeft.y(), width(), height());
    show();
    activateWindow();
}

void Form7::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape)
        close();
    else
        VersionWindow::keyPressEvent(event);
}

// Tying the picture to visibility rather than to the ways of closing means no way of putting the
// window away can leave the menu unreachable.
void Form7::showEvent(QShowEvent* event) {
    mForm1.setImage1Enabled(false);
    VersionWindow::showEvent(event);
}

void Form7::hideEvent(QHideEvent* event) {
    mForm1.setImage1Enabled(true);
    VersionWindow::hideEvent(event);
}

} // namespace parlavo
