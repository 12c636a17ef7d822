#include "menu/strip_menu.h"

#include "app/caption_strip.h"
#include "app/shutdown.h"
#include "core/desktop_services.h"
#include "menu/about_window.h"
#include "menu/menu_placement.h"
#include "menu/progress_view.h"
#include "settings/settings_dialog.h"

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

StripMenu::StripMenu(CaptionStrip& strip, Shell& shell, SettingsStore& store, Autostart& autostart)
    : mStrip(strip), mShell(shell), mStore(store), mAutostart(autostart) {
    settingsCommand = addCommand(QStringLiteral("&Settings..."), &StripMenu::openSettings);
    readAloudCommand = addCommand(kCaptionReadingAtStart, &StripMenu::toggleReadingAloud);
    repeatCommand = addCommand(QStringLiteral("&Repeat sentence"), &StripMenu::repeatSentence);
    knewItCommand = addCommand(QStringLiteral("&Knew it"), &StripMenu::knewIt);
    didNotKnowItCommand = addCommand(QStringLiteral("&Didn't know it"), &StripMenu::didNotKnowIt);
    buildPauseMenu();
    progressCommand = addCommand(QStringLiteral("Pro&gress..."), &StripMenu::showProgress);
    aboutCommand = addCommand(QStringLiteral("&About..."), &StripMenu::showAbout);
    firstSeparator = menu.addSeparator();
    websiteCommand = addCommand(QStringLiteral("&Website"), &StripMenu::openWebsite);
    // Qt marks access keys with "&" alone, so the underscore is shown as it is and "m" is the key.
    emailCommand = addCommand(QStringLiteral("E_&mail"), &StripMenu::writeEmail);
    secondSeparator = menu.addSeparator();
    exitCommand = addCommand(QStringLiteral("Exit"), &StripMenu::exitProgram);

    connect(&strip, &CaptionStrip::menuPictureHovered, this, &StripMenu::menuPictureHovered);

    // A menu is never left on screen without its strip.
    strip.addCompanion(&menu);
    connect(&strip, &CaptionStrip::withdrew, &menu, &QMenu::close);
    mPointerCheck.setInterval(kPointerCheckMs);
    connect(&mPointerCheck, &QTimer::timeout, this, &StripMenu::checkPointer);
    connect(&menu, &QMenu::aboutToShow, this, [this] {
        mChecksOff = 0;
        mPointerCheck.start();
    });
    connect(&menu, &QMenu::aboutToHide, &mPointerCheck, &QTimer::stop);
}

void StripMenu::buildPauseMenu() {
    pauseMenu = menu.addMenu(QStringLiteral("&Pause"));
    const std::pair<const char*, PauseLength> lengths[] = {{"For &30 minutes", PauseLength::HalfHour},
                                                           {"For an &hour", PauseLength::Hour},
                                                           {"Until &tomorrow", PauseLength::UntilMorning}};
    for (std::size_t i = 0; i < pauseCommands.size(); ++i) {
        const PauseLength length = lengths[i].second;
        pauseCommands[i] = pauseMenu->addAction(QString::fromLatin1(lengths[i].first));
        connect(pauseCommands[i], &QAction::triggered, this, [this, length] { mStrip.pause(length); });
    }
    resumeCommand = pauseMenu->addAction(QStringLiteral("&Resume"));
    connect(resumeCommand, &QAction::triggered, &mStrip, &CaptionStrip::resume);
    connect(pauseMenu, &QMenu::aboutToShow, this, [this] {
        for (QAction* command : pauseCommands)
            command->setVisible(!mStrip.isPaused());
        resumeCommand->setVisible(mStrip.isPaused());
    });
}

void StripMenu::checkPointer() {
    mChecksOff = mStrip.pointerOverStripOrCompanions() ? 0 : mChecksOff + 1;
    if (mChecksOff >= kChecksOffBeforeClosing)
        menu.close();
}

StripMenu::~StripMenu() = default;

QAction* StripMenu::addCommand(const QString& caption, void (StripMenu::*handler)()) {
    QAction* action = menu.addAction(caption);
    connect(action, &QAction::triggered, this, handler);
    return action;
}

// A popup rather than a modal run of the menu: the caption window's timers go on either way, but
// the commands then run from the main loop, so Exit leaves it directly and nothing waits on the menu.
void StripMenu::menuPictureHovered() {
    if (!mStrip.menuPictureEnabled() || menu.isVisible())
        return;
    WindowSystem& windows = mStrip.windows();
    PixelRect captionWindow;
    windows.windowRect(&mStrip, captionWindow);
    menu.popup(rightAlignedPopupPosition(captionWindow, mStrip.menuAnchor(), menu.sizeHint()));
}

void StripMenu::openSettings() {
    showSettingsDialog(mStrip, mStore, mAutostart);
}

// Only the character's visibility changes; whether lines are spoken is the "voice" setting's business.
void StripMenu::toggleReadingAloud() {
    mReadingAloud = !mReadingAloud;
    readAloudCommand->setText(mReadingAloud ? kCaptionReading : kCaptionSilent);
    mStrip.setBirdShown(mReadingAloud);
}

void StripMenu::repeatSentence() {
    mStrip.repeatSentence();
}

void StripMenu::knewIt() {
    mStrip.knewIt();
}

void StripMenu::didNotKnowIt() {
    mStrip.didNotKnowIt();
}

// Without review play (the tests' strips) there is no progress to show.
void StripMenu::showProgress() {
    ReviewPlay* review = mStrip.reviewPlay();
    if (!review)
        return;
    if (!mProgress)
        mProgress.reset(loadProgressView(review->progress(), review->sentences()));
    if (mProgress)
        mProgress->showCurrent();
}

void StripMenu::showAbout() {
    if (!mAbout)
        mAbout = std::make_unique<AboutWindow>(mStrip);
    mAbout->showCentred();
}

// Without a browser or a mail program there is nothing useful to tell the user, so failures are silent.
void StripMenu::openWebsite() {
    mShell.open(kWebsiteAddress);
}

void StripMenu::writeEmail() {
    mShell.open(kSupportMailAddress);
}

void StripMenu::exitProgram() {
    shutDown(mStrip);
}

} // namespace parlavo
