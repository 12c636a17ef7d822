#pragma once

#include "app/version_window.h"

namespace parlavo {

class CaptionStrip;

// The About window: the version picture in the middle of the screen. While it is up the menu picture
// is disabled, so the menu cannot open over it; a click on it or Escape puts it away again.
class AboutWindow : public VersionWindow {
    Q_OBJECT

public:
    explicit AboutWindow(CaptionStrip& strip);

    // Centres the window on the screen, shows it and takes the keyboard so Escape reaches it.
    void showCentred();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    CaptionStrip& mStrip;
};

} // namespace parlavo
