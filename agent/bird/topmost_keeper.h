#pragma once

#include <QAbstractNativeEventFilter>
#include <QList>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace parlavo {

// Keeps a few windows of this program that bypass the window manager above the windows it manages. On X11 it
// watches the root window's children and raises its windows, in the order they were added, whenever a managed
// window is mapped or restacked, even to the very top; it reacts to changes only, so it costs nothing while the
// screen is still. Other programs' menus and tooltips, which bypass the window manager too, are left above.
// Elsewhere it does nothing.
class TopmostKeeper final : public QObject, public QAbstractNativeEventFilter {
    Q_OBJECT
public:
    TopmostKeeper();
    ~TopmostKeeper() override;

    void add(QWidget* window);
    // Raises the visible windows now, in the order they were added.
    void raiseAll();

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    void findWindowManager();
    bool isWindowManagers(quint32 window) const;

    QList<QPointer<QWidget>> windows_;
    QTimer raiseSoon_; // gathers the changes of one burst into one raise
    quint32 root_ = 0;
    quint32 rootEventMask_ = 0; // as it was before we asked for more
    quint32 clientMask_ = 0;    // the bits of a window id that tell which client made it
    quint32 windowManager_ = 0; // those bits for the window manager, 0 while there is none
    quint32 wmCheckAtom_ = 0;
};

} // namespace parlavo
