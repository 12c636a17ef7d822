#include "menu/form2.h"

#include "core/desktop_services.h"
#include "core/form1.h"
#include "core/shutdown.h"
#include "menu/form7.h"
#include "menu/menu_placement.h"
#include "settings/form3.h"

#include <QMouseEvent>

#include <exception>

namespace parlavo {

namespace {

const QUrl kWebsiteAddress(QStringLiteral("https://parlavo.example/"));
const QUrl kSupportMailAddress(QStringLiteral("mailto:support@parlavo.example"));

const QString kCaptionReadingAtStart = QStringLiteral("&Non Read aloud");
const QString kCaptionReading = QStringLiteral("Non r&ead aloud");
const QString kCaptionSilent = QStringLiteral("R&ead aloud");

} // namespace

// QMenu triggers an item on the release of any button. Dropping the other buttons' releases leaves
// the menu open with the item still highlighted, ready for a left click.
void LeftButtonMenu::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        QMenu::mouseReleaseEvent(event);
}

Form2::Form2(Form1& form1, Shell& shell, SettingsStore& store, Autostart& autostart)
    : mForm1(form1), mShell(shell), mStore(store), mAutostart(autostart) {
    mnu_sysset = addCommand(QStringLiteral("&Settings..."), &Form2::mnu_sysset_Click);
    mnu_hlp = addCommand(kCaptionReadingAtStart, &Form2::mnu_hlp_Click);
    mnu_veri = addCommand(QStringLiteral("&About..."), &Form2::mnu_veri_Click);
    f1 = mnu_file.addSeparator();
    mnu_page = addCommand(QStringLiteral("&Website"), &Form2::mnu_page_Click);
    // Qt marks access keys with "&" alone, so the underscore is shown as it is and "m" is the key.
    mnu_email = addCommand(QStringLiteral("E_&mail"), &Form2::mnu_email_Click);
    f2 = mnu_file.addSeparator();
    mnu_exit = addCommand(QStringLiteral("Exit"), &Form2::mnu_exit_Click);

    connect(&form1, &Form1::Image1_MouseMove, this, &Form2::Image1_MouseMove);
}

Form2::~Form2() = default;

QAction* Form2::addCommand(const QString& caption, void (Form2::*handler)()) {
    QAction* action = mnu_file.addAction(caption);
    connect(action, &QAction::triggered, this, handler);
    return action;
}

// A popup rather than a modal run of the menu: the caption window's timers go on either way, but
// the commands then run from the main loop, so Exit leaves it directly and nothing waits on the menu.
void Form2::Image1_MouseMove() {
    if (!mForm1.image1Enabled() || mnu_file.isVisible())
        return;
    WindowSystem& windows = mForm1.windows();
    PixelRect captionWindow;
    windows.GetWindowRect(&mForm1, captionWindow);
    const TwipsPoint anchor{kMenuAnchorXTwips, mForm1.mlngOpenHeight + kMenuGapTwips};
    mnu_file.popup(rightAlignedPopupPosition(captionWindow, anchor, mnu_file.sizeHint(), windows.twipsPerPixelX(),
                                             windows.twipsPerPixelY()));
}

void Form2::mnu_sysset_Click() {
    showSettingsDialog(mForm1, mStore, mAutostart);
}

// Only the character's visibility changes; whether lines are spoken is the "voice" setting's business.
void Form2::mnu_hlp_Click() {
    mbReadingAloud = !mbReadingAloud;
    mnu_hlp->setText(mbReadingAloud ? kCaptionReading : kCaptionSilent);
    try {
        if (mbReadingAloud)
            mForm1.mobjAgent->Show();
        else
            mForm1.mobjAgent->Hide();
    } catch (const std::exception&) {
        // A character that cannot appear or vanish leaves the lessons running as they are.
    }
}

void Form2::mnu_veri_Click() {
    if (!mpAbout)
        mpAbout = std::make_unique<Form7>(mForm1);
    mpAbout->showCentred();
}

// Without a browser or a mail program there is nothing useful to tell the user, so failures are silent.
void Form2::mnu_page_Click() {
    mShell.open(kWebsiteAddress);
}

void Form2::mnu_email_Click() {
    mShell.open(kSupportMailAddress);
}

void Form2::mnu_exit_Click() {
    Shutdown(mForm1);
}

} // namespace parlavo
