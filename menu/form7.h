#pragma once

#include "core/version_window.h"

namespace parlavo {

class Form1;

// The About window: the version picture in the middle of the screen. While it is up the menu picture
// is disabled, so the menu cannot open over it; a click on it or Escape puts it away again.
class Form7 : public VersionWindow {
    Q_OBJECT

public:
    explicit Form7(Form1& form1);

    // Centres the window on the screen, shows it and takes the keyboard so Escape reaches it.
    void showCentred();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    Form1& mForm1;
};

} // namespace parlavo
