#pragma once

namespace parlavo {

// Whether the desktop has been asked not to blank the screen: what film players, slide shows and video calls do
// while the user watches them, and the one sign of it a Wayland desktop gives other programs.
class IdleInhibition {
public:
    virtual ~IdleInhibition() = default;
    virtual bool held() const = 0;
};

} // namespace parlavo
