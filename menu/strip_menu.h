#pragma once

#include "app/pause.h"

#include <QMenu>
#include <QObject>
#include <QTimer>

#include <array>
#include <memory>

class QAction;

namespace parlavo {

class Autostart;
class CaptionStrip;
class AboutWindow;
class ProgressView;
class SettingsStore;
class Shell;

// A popup menu whose items answer the left mouse button only; the keyboard works as usual.
class LeftButtonMenu : public QMenu {
    Q_OBJECT

public:
    using QMenu::QMenu;

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// Holds the program's one menu and carries out its commands. It is never shown itself: the menu drops
// from the picture at the caption window's right end whenever the pointer moves over it.
class StripMenu : public QObject {
    Q_OBJECT

public:
    // The store and the autostart entry are handed on to the settings dialog.
    StripMenu(CaptionStrip& strip, Shell& shell, SettingsStore& store, Autostart& autostart);
    ~StripMenu() override;

    // How often an open menu looks whether the pointer is still on it or on the strip, and how many looks in a row
    // off both close it: about a second.
    static constexpr int kPointerCheckMs = 250;
    static constexpr int kChecksOffBeforeClosing = 4;

    // Opens the menu under the picture unless it is already open or the picture is disabled.
    void menuPictureHovered();
    // One look at the pointer while the menu is open; the timer calls it, tests may too.
    void checkPointer();

    void openSettings();
    void toggleReadingAloud();
    void repeatSentence();
    void knewIt();
    void didNotKnowIt();
    void showProgress();
    void showAbout();
    void openWebsite();
    void writeEmail();
    void exitProgram();

    // Null until About is first used.
    AboutWindow* aboutWindow() const { return mAbout.get(); }
    // Null until Progress is first used.
    ProgressView* progressWindow() const { return mProgress.get(); }

    LeftButtonMenu menu;
    QAction* settingsCommand = nullptr;
    QAction* readAloudCommand = nullptr;
    QAction* repeatCommand = nullptr;
    // A submenu: the pause lengths, or Resume alone while the strip is paused.
    QMenu* pauseMenu = nullptr;
    std::array<QAction*, 3> pauseCommands{}; // half an hour, an hour, until the morning
    QAction* resumeCommand = nullptr;
    QAction* knewItCommand = nullptr;
    QAction* didNotKnowItCommand = nullptr;
    QAction* progressCommand = nullptr;
    QAction* aboutCommand = nullptr;
    QAction* firstSeparator = nullptr;
    QAction* websiteCommand = nullptr;
    QAction* emailCommand = nullptr;
    QAction* secondSeparator = nullptr;
    QAction* exitCommand = nullptr;

private:
    QAction* addCommand(const QString& caption, void (StripMenu::*handler)());
    void buildPauseMenu();

    CaptionStrip& mStrip;
    Shell& mShell;
    SettingsStore& mStore;
    Autostart& mAutostart;
    std::unique_ptr<AboutWindow> mAbout;
    std::unique_ptr<ProgressView> mProgress;
    bool mReadingAloud = true;
    // A click on another program's window closes a popup on X11, but never reaches X from a native window of a
    // Wayland desktop; the pointer leaving for a second does, there as here.
    QTimer mPointerCheck;
    int mChecksOff = 0;
};

} // namespace parlavo
