#pragma once

#include <QKeySequence>
#include <QList>

#include <functional>

namespace parlavo {

// Keys that reach the program whichever window has the keyboard.
class GlobalKeys {
public:
    virtual ~GlobalKeys() = default;
    // Lets go of every earlier key and takes these; an empty sequence takes nothing. Returns the keys that could not
    // be taken: another program holds them, or the keyboard has no such key.
    virtual QList<QKeySequence> grab(const QList<QKeySequence>& keys) = 0;
    // Called with the index, in the last grab's list, of a key pressed.
    std::function<void(int)> pressed;
};

} // namespace parlavo
