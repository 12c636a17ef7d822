#!/usr/bin/python3
# A headless KWin seen through its own D-Bus interfaces, for scripts/with-wayland and the desktop tests.
#   kde.py screenshot OUT.png     the whole screen (KWin started with KWIN_SCREENSHOT_NO_PERMISSION_CHECKS=1)
#   kde.py active-window          prints the active window's "caption|fullScreen|width|height", as KWin knows it
# X clients cannot see native windows; a KWin script can, and tells us over D-Bus.
import os, subprocess, sys, tempfile, threading
import dbus, dbus.service, dbus.mainloop.glib
from gi.repository import GLib

dbus.mainloop.glib.DBusGMainLoop(set_as_default=True)
bus = dbus.SessionBus()


def kwin(path, interface):
    return dbus.Interface(bus.get_object('org.kde.KWin', path), interface)


def screenshot(out):
    r, w = os.pipe()
    data = bytearray()

    def reader():
        while chunk := os.read(r, 1 << 20):
            data.extend(chunk)

    t = threading.Thread(target=reader)
    t.start()
    options = {'include-cursor': True, 'native-resolution': True}
    res = kwin('/org/kde/KWin/ScreenShot2', 'org.kde.KWin.ScreenShot2').CaptureWorkspace(options, dbus.types.UnixFd(w))
    os.close(w)
    t.join()
    width, height, stride = int(res['width']), int(res['height']), int(res['stride'])
    pixels = b''.join(data[y * stride:y * stride + width * 4] for y in range(height))
    subprocess.run(['convert', '-size', f'{width}x{height}', '-depth', '8', 'bgra:-', '-alpha', 'off', out],
                   input=pixels, check=True)


class Probe(dbus.service.Object):
    @dbus.service.method('org.parlavo.DesktopProbe', in_signature='s')
    def report(self, text):
        print(text)
        loop.quit()


def active_window():
    global loop
    name = dbus.service.BusName('org.parlavo.DesktopProbe', bus)
    Probe(bus, '/')
    with tempfile.NamedTemporaryFile('w', suffix='.js', dir=os.environ['XDG_RUNTIME_DIR']) as script:
        script.write('var c = workspace.activeClient;\n'
                     'callDBus("org.parlavo.DesktopProbe", "/", "org.parlavo.DesktopProbe", "report",\n'
                     '    c ? [c.caption, c.fullScreen, c.width, c.height].join("|") : "");\n')
        script.flush()
        scripting = kwin('/Scripting', 'org.kde.kwin.Scripting')
        if scripting.isScriptLoaded('parlavo-probe'):
            scripting.unloadScript('parlavo-probe')
        scripting.loadScript(script.name, 'parlavo-probe', signature='ss')  # loadScript is overloaded
        scripting.start()
        loop = GLib.MainLoop()
        GLib.timeout_add_seconds(10, loop.quit)
        loop.run()
        scripting.unloadScript('parlavo-probe')


if sys.argv[1] == 'screenshot':
    screenshot(sys.argv[2])
elif sys.argv[1] == 'active-window':
    active_window()
