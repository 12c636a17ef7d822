#pragma once

#include "agent/character.h"
#include "core/desktop_services.h"
#include "core/settings_store.h"
#include "core/shared_state.h"
#include "core/window_system.h"

#include <QColor>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <memory>

class QLabel;

namespace parlavo {

class Form4;
class ColourStrip;
class CaptionLabel;

// What the caption window needs from the world outside it.
struct Form1Services {
    SettingsStore& store;
    WindowSystem& windows;
    Characters& characters;
    MessageBox& messageBox;
    RandomSource& random;
};

// The caption window: a borderless strip at the top edge of the screen that shows one sentence at
// a time, hosts the five timers that drive the whole program, and holds the character.
// Positions and sizes of the window and its controls are in twips; the window system works in pixels.
class Form1 : public QWidget {
    Q_OBJECT

public:
    static constexpr int kWidthTwips = 7155;
    static constexpr int kOpenHeightTwips = 340;
    static constexpr int kCollapsedHeightTwips = 20;
    static constexpr int kLabel2RestTop = 400;

    Form1(SharedState& state, Form1Services services, QWidget* parent = nullptr);
    ~Form1() override;

    // Start-up after the single-copy check: character, settings, splash, timers, first sentence,
    // topmost placement and the recorded rectangle. Leaves the window hidden and the splash showing.
    void Form_Load();
    // Restores the open height at the top edge and records the window's screen rectangle.
    void Get_Windows_Rect();
    // The exit command's save: "voice", "left" and, in sequence play with saving on, "guagen".
    // Returns false when the store could not be written.
    bool saveAtExit();

    // Timer handlers; tests call them directly instead of waiting for the timers.
    void Form1_Timer1_Timer();
    void Form1_Timer2_Timer();
    void Form1_Timer3_Timer();
    void Form1_Timer4_Timer();
    void Form1_Timer5_Timer();

    // Chooses the next sentence into mstrSpanish and mstrEnglish.
    void NextSentence();

    // Drag handlers shared by the four caption labels; buttons and positions of the event are not used.
    void Label_MouseDown();
    void Label_MouseMove();
    void Label_MouseUp();

    // The splash picture was clicked: skip the rest of the splash's wait.
    void splashClicked();
    // Another copy asked to be shown: bring the strip to the front.
    void activateFromAnotherCopy();

    // Window geometry in twips, read and written through the window system.
    double Left() const;
    void setLeft(double twips);
    double Top() const;
    void setTop(double twips);
    double Height() const;
    void setHeight(double twips);
    double Width() const;
    // Open or collapsed, judged in whole pixels so the window system's rounding cannot fool it.
    bool isOpen() const;

    int label2Top() const { return mintLabel2Top; }
    void setLabel2Top(int twips);
    bool image1Enabled() const;
    void setImage1Enabled(bool enabled);
    Form4* splash() const { return mpSplash.get(); }
    SharedState& state() const { return mState; }
    WindowSystem& windows() const { return mServices.windows; }
    // The colour the strip along the lower edge is drawn in, or an invalid colour when it is erased.
    QColor stripColour() const;

    // Controls.
    CaptionLabel* Label1 = nullptr;
    CaptionLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Image1 = nullptr;
    QTimer Timer1;
    QTimer Timer2;
    QTimer Timer3;
    QTimer Timer4;
    QTimer Timer5;

    // Members shared by the window's handlers.
    Character* mobjAgent = nullptr;
    qint16 mbDragging = 0; // True is -1
    PixelRect mrcWindow;
    PixelPoint mptCursor;
    qint32 mlngGrabX = 0;
    qint32 mlngGrabY = 0;
    qint32 mlngOpenHeight = kOpenHeightTwips;
    qint16 mintMarquee = 0;
    qint16 mintColor1 = 10;
    qint16 mintColor2 = 12;
    qint16 mintColor3 = 10;
    QString mstrSpanish;
    QString mstrEnglish;
    qint16 mintRandomId = 0;

signals:
    // The pointer moved over the menu picture while it is enabled.
    void Image1_MouseMove();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildControls();
    void loadCharacter();
    void autoHideStep(int countdown);
    void applyIntroStep(int countdown);
    void showCaptionWindow();
    void closeSplash();
    void placeSplash();
    void layOutColourStrip();
    PixelRect currentRect() const;
    void setGeometryPixels(int x, int y, int width, int height);

    SharedState& mState;
    Form1Services mServices;
    std::unique_ptr<Form4> mpSplash;
    NullCharacter mNoCharacter;
    ColourStrip* mpColourStrip = nullptr;
    int mintLabel2Top = kLabel2RestTop;
};

} // namespace parlavo
