#include "core/x11_global_keys.h"

#include "core/x11_connection.h"

namespace parlavo {

namespace {

constexpr quint32 kNumLockKeysym = 0xff7f;
constexpr quint16 kCommandModifiers =
    XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_SHIFT | XCB_MOD_MASK_1 | XCB_MOD_MASK_4; // Ctrl, Shift, Alt, Meta

// The keysym X gives the key the sequence names, or 0 for a key it does not support: letters (X names them by their
// lower case), digits and other printable ASCII, and F1 to F35.
quint32 keysymOf(Qt::Key key) {
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return quint32(key) + ('a' - 'A');
    if (key >= Qt::Key_Space && key <= Qt::Key_AsciiTilde)
        return quint32(key);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F35)
        return 0xffbe + (quint32(key) - Qt::Key_F1);
    return 0;
}

quint16 modifiersOf(Qt::KeyboardModifiers modifiers) {
    quint16 mask = 0;
    const std::pair<Qt::KeyboardModifier, quint16> map[] = {{Qt::ControlModifier, XCB_MOD_MASK_CONTROL},
                                                            {Qt::ShiftModifier, XCB_MOD_MASK_SHIFT},
                                                            {Qt::AltModifier, XCB_MOD_MASK_1},
                                                            {Qt::MetaModifier, XCB_MOD_MASK_4}};
    for (const auto& [qt, x] : map) {
        if (modifiers & qt)
            mask |= x;
    }
    return mask;
}

} // namespace

X11GlobalKeys::X11GlobalKeys() {
    xcb_connection_t* connection = x11Connection();
    if (!connection)
        return;
    mRoot = x11Root(connection);
    // Num Lock is whichever modifier holds its key; usually Mod2.
    mNumLock = XCB_MOD_MASK_2;
    const quint8 numLockKey = keycodeOf(kNumLockKeysym);
    const XcbReply<xcb_get_modifier_mapping_reply_t> mapping(
        xcb_get_modifier_mapping_reply(connection, xcb_get_modifier_mapping(connection), nullptr));
    if (mapping && numLockKey) {
        const xcb_keycode_t* keys = xcb_get_modifier_mapping_keycodes(mapping.get());
        for (int i = 0; i < 8 * mapping->keycodes_per_modifier; ++i) {
            if (keys[i] == numLockKey)
                mNumLock = quint16(1 << (i / mapping->keycodes_per_modifier));
        }
    }
    qGuiApp->installNativeEventFilter(this);
}

X11GlobalKeys::~X11GlobalKeys() {
    if (!mRoot)
        return;
    grab({});
    if (qGuiApp)
        qGuiApp->removeNativeEventFilter(this);
}

quint8 X11GlobalKeys::keycodeOf(quint32 keysym) {
    xcb_connection_t* connection = x11Connection();
    const xcb_setup_t* setup = xcb_get_setup(connection);
    const int count = setup->max_keycode - setup->min_keycode + 1;
    const XcbReply<xcb_get_keyboard_mapping_reply_t> mapping(xcb_get_keyboard_mapping_reply(
        connection, xcb_get_keyboard_mapping(connection, setup->min_keycode, count), nullptr));
    if (!mapping || keysym == 0)
        return 0;
    const xcb_keysym_t* keysyms = xcb_get_keyboard_mapping_keysyms(mapping.get());
    const int perKey = mapping->keysyms_per_keycode;
    for (int key = 0; key < count; ++key) {
        for (int column = 0; column < perKey && column < 2; ++column) {
            if (keysyms[key * perKey + column] == keysym)
                return quint8(setup->min_keycode + key);
        }
    }
    return 0;
}

// Each lock state is a grab of its own; X refuses with an access error a key another client holds.
bool X11GlobalKeys::take(const Grab& grab) {
    xcb_connection_t* connection = x11Connection();
    bool taken = true;
    for (quint16 locks : {quint16(0), quint16(XCB_MOD_MASK_LOCK), mNumLock, quint16(XCB_MOD_MASK_LOCK | mNumLock)}) {
        xcb_generic_error_t* error =
            xcb_request_check(connection, xcb_grab_key_checked(connection, 1, mRoot, grab.modifiers | locks,
                                                               grab.keycode, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
        taken = taken && !error;
        std::free(error);
    }
    if (!taken)
        release(grab);
    return taken;
}

void X11GlobalKeys::release(const Grab& grab) {
    xcb_connection_t* connection = x11Connection();
    for (quint16 locks : {quint16(0), quint16(XCB_MOD_MASK_LOCK), mNumLock, quint16(XCB_MOD_MASK_LOCK | mNumLock)})
        xcb_ungrab_key(connection, grab.keycode, mRoot, grab.modifiers | locks);
    xcb_flush(connection);
}

QList<QKeySequence> X11GlobalKeys::grab(const QList<QKeySequence>& keys) {
    if (!mRoot)
        return {};
    for (const Grab& grab : mGrabs)
        release(grab);
    mGrabs.clear();
    QList<QKeySequence> failed;
    for (int i = 0; i < keys.size(); ++i) {
        if (keys[i].isEmpty())
            continue;
        const QKeyCombination combination = keys[i][0];
        const Grab grab{i, keycodeOf(keysymOf(combination.key())), modifiersOf(combination.keyboardModifiers())};
        if (grab.keycode && take(grab))
            mGrabs.push_back(grab);
        else
            failed << keys[i];
    }
    return failed;
}

bool X11GlobalKeys::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & ~0x80) != XCB_KEY_PRESS)
        return false;
    const auto* key = reinterpret_cast<const xcb_key_press_event_t*>(event);
    if (key->event != mRoot)
        return false;
    for (const Grab& grab : mGrabs) {
        if (grab.keycode == key->detail && grab.modifiers == (key->state & kCommandModifiers)) {
            if (pressed)
                pressed(grab.index);
            return true;
        }
    }
    return false;
}

} // namespace parlavo
