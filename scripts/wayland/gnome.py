#!/usr/bin/python3
# A headless GNOME Shell driven through its own D-Bus interfaces, for scripts/with-wayland and the desktop tests.
#   gnome.py input 'home ; rel DX DY [STEPS] ; click ; key NAME ; sleep SECONDS'
#       pointer and keys through mutter's RemoteDesktop API: relative motion only, unaccelerated, clamped to the
#       screen, so 'home' (the top-left corner) and one relative move reach any point exactly
#   gnome.py screenshot OUT.png
#   gnome.py native-window    exits 0 when a Wayland window has the focus and the work area's full width
# The Screenshot and Introspect APIs answer only the callers GNOME lets in, which it knows by their bus names.
import sys, time, dbus

bus = dbus.SessionBus()


def shell(path, interface):
    return dbus.Interface(bus.get_object('org.gnome.Shell', path), interface)


def send_input(commands):
    rd = dbus.Interface(bus.get_object('org.gnome.Mutter.RemoteDesktop', '/org/gnome/Mutter/RemoteDesktop'),
                        'org.gnome.Mutter.RemoteDesktop')
    s = dbus.Interface(bus.get_object('org.gnome.Mutter.RemoteDesktop', rd.CreateSession()),
                       'org.gnome.Mutter.RemoteDesktop.Session')
    s.Start()
    time.sleep(0.3)

    def key(sym):
        s.NotifyKeyboardKeysym(dbus.UInt32(sym), True)
        time.sleep(0.03)
        s.NotifyKeyboardKeysym(dbus.UInt32(sym), False)

    if 'key' in commands:  # a new session loses its first key: a Shift goes first
        key(0xffe1)
        time.sleep(0.1)
    for c in commands.split(';'):
        a = c.split()
        if not a:
            continue
        if a[0] == 'home':
            s.NotifyPointerMotionRelative(-10000.0, -10000.0)
        elif a[0] == 'rel':
            n = int(a[3]) if len(a) > 3 else 1
            for _ in range(n):
                s.NotifyPointerMotionRelative(float(a[1]) / n, float(a[2]) / n)
                time.sleep(0.02)
        elif a[0] == 'key':
            key({'Escape': 0xff1b, 'F11': 0xffc8}.get(a[1]) or ord(a[1]))
        elif a[0] == 'click':
            s.NotifyPointerButton(0x110, True)
            time.sleep(0.05)
            s.NotifyPointerButton(0x110, False)
        elif a[0] == 'sleep':
            time.sleep(float(a[1]))
        time.sleep(0.05)
    time.sleep(0.1)
    s.Stop()


def native_window():
    bus.request_name('org.freedesktop.impl.portal.desktop.gnome')
    windows = shell('/org/gnome/Shell/Introspect', 'org.gnome.Shell.Introspect').GetWindows()
    return any(w.get('client-type') == 0 and w.get('has-focus') and w.get('width') == 1920 for w in windows.values())


if sys.argv[1] == 'input':
    send_input(' '.join(sys.argv[2:]))
elif sys.argv[1] == 'screenshot':
    bus.request_name('org.gnome.Screenshot')
    ok, _ = shell('/org/gnome/Shell/Screenshot', 'org.gnome.Shell.Screenshot').Screenshot(False, False, sys.argv[2])
    sys.exit(0 if ok else 1)
elif sys.argv[1] == 'native-window':
    sys.exit(0 if native_window() else 1)
