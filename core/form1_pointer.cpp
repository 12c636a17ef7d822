#include "core/form1.h"

#include "caption/auto_hide.h"
#include "caption/drag.h"
#include "core/placement.h"

namespace parlavo {

void Form1::autoHideStep(int countdown) {
    windows().GetCursorPos(mptCursor);
    const bool open = stripStaysOpen(countdown, mState.visi, mrcWindow, mptCursor, isOpen());
    setHeight(open ? mlngOpenHeight : kCollapsedHeightTwips);
    windows().keepOnTop(this);
}

void Form1::Label_MouseDown() {
    mbDragging = -1;
    const GrabOffset grab = grabOffset(mptCursor, mrcWindow);
    mlngGrabX = grab.x;
    mlngGrabY = grab.y;
}

void Form1::Label_MouseMove() {
    if (mbDragging == 0)
        return;
    const DragTarget target = dragTarget(mptCursor, {mlngGrabX, mlngGrabY}, mrcWindow);
    windows().MoveWindow(this, target.x, target.y, target.width, target.height);
}

void Form1::Label_MouseUp() {
    setLeft(clampLeftTwips(Left(), windows().screenWidthTwips()));
    Get_Windows_Rect();
    mbDragging = 0;
}

} // namespace parlavo
