#pragma once

#include <QMenu>
#include <QObject>

#include <memory>

class QAction;

namespace parlavo {

class Autostart;
class Form1;
class Form7;
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
class Form2 : public QObject {
    Q_OBJECT

public:
    // The caption window's client point the menu's top-right corner is pinned to, x in twips.
    static constexpr int kMenuAnchorXTwips = 7110;
    // How far below the open caption window the menu starts, in twips.
    static constexpr int kMenuGapTwips = 10;

    // The store and the autostart entry are handed on to the settings dialog.
    Form2(Form1& form1, Shell& shell, SettingsStore& store, Autostart& autostart);
    ~Form2() override;

    // Opens the menu under the picture unless it is already open or the picture is disabled.
    void Image1_MouseMove();

    void mnu_sysset_Click();
    void mnu_hlp_Click();
    void mnu_veri_Click();
    void mnu_page_Click();
    void mnu_email_Click();
    void mnu_exit_Click();

    // Null until About is first used.
    Form7* aboutWindow() const { return mpAbout.get(); }

    LeftButtonMenu mnu_file;
    QAction* mnu_sysset = nullptr;
    QAction* mnu_hlp = nullptr;
    QAction* mnu_veri = nullptr;
    QAction* f1 = nullptr;
    QAction* mnu_page = nullptr;
    QAction* mnu_email = nullptr;
    QAction* f2 = nullptr;
    QAction* mnu_exit = nullptr;

private:
    QAction* addCommand(const QString& caption, void (Form2::*handler)());

    Form1& mForm1;
    Shell& mShell;
    SettingsStore& mStore;
    Autostart& mAutostart;
    std::unique_ptr<Form7> mpAbout;
    bool mbReadingAloud = true;
};

} // namespace parlavo
