#pragma once

#include "agent/bird.h"
#include "app/held_timers_message_box.h"
#include "app/position_keeper.h"
#include "caption/caption_effects.h"
#include "caption/drag.h"
#include "core/desktop_services.h"
#include "core/idle_inhibition.h"
#include "core/settings_store.h"
#include "core/shared_state.h"
#include "core/window_system.h"

#include <QColor>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <memory>
#include <vector>

class QHelpEvent;
class QLabel;

namespace parlavo {

class SplashWindow;
class ColourStrip;
class CaptionLabel;

// What the caption window needs from the world outside it.
struct CaptionStripServices {
    SettingsStore& store;
    WindowSystem& windows;
    Bird& bird;
    MessageBox& messageBox;
    RandomSource& random;
    IdleInhibition& idleInhibition;
};

// The caption window: a borderless strip at the top edge of the screen that shows one sentence at
// a time, hosts the five timers that drive the whole program, and holds the bird.
// Positions and sizes of the window and its controls are in twips; the window system works in pixels.
class CaptionStrip : public QWidget {
    Q_OBJECT

public:
    static constexpr int kWidthTwips = 7155;
    static constexpr int kOpenHeightTwips = 340;
    static constexpr int kCollapsedHeightTwips = 20;
    static constexpr int kEnglishRestTop = 400;
    static constexpr int kPointerTickMs = 60;
    // Pointer ticks between two questions to the window manager about a full-screen window; an idle strip's
    // ticks come this many times less often, each standing for as many.
    static constexpr int kStepAsideCheckTicks = 8;

    CaptionStrip(SharedState& state, CaptionStripServices services, QWidget* parent = nullptr);
    ~CaptionStrip() override;

    // Start-up after the single-copy check: bird, settings, splash, timers, first sentence,
    // topmost placement and the recorded rectangle. Leaves the window hidden and the splash showing.
    void start();
    // Restores the open height at the top edge (the top of the screen, or just below a panel there) and records
    // the window's screen rectangle.
    void settleAtTopEdge();
    // The exit command's save: "voice", "left" and, in sequence play with saving on, "guagen".
    // Returns false when the store could not be written.
    bool saveAtExit();

    // Timer handlers; tests call them directly instead of waiting for the timers.
    void onPointerTick();
    void onColourStripTick();
    void onEnglishRiseTick();
    void onSpanishEntryTick();
    void onPlaybackTick();

    // Chooses the next sentence into spanishText and englishText.
    void chooseNextSentence();

    // Drag handlers shared by the four caption labels; any button drags, and the grab is where it was pressed.
    void beginDrag(const PixelPoint& pressedAt);
    void followDrag();
    void endDrag();

    // A side window (the settings dialog, About) has gone: the menu picture works again, and playback
    // goes on unless the intro still runs, whose own last step starts it.
    void resumeAfterSideWindow();
    // Starts the playback timer, or, while the strip is away for a full-screen window, lets it start
    // when the strip comes back.
    void startPlayback();

    // Shows or hides the bird for good (the menu's read-aloud command); while the strip steps aside the
    // bird stays hidden and follows this when the strip comes back.
    void setBirdShown(bool shown);
    // The menu's repeat command: the bird says the current Spanish line again at once, whatever the cycle is
    // doing, and nothing of the cycle moves. A hidden bird comes out for that line and goes again after it.
    void repeatSentence();
    // The bird speaks at the record's rate from its next line on.
    void applySpeechRate();
    bool steppedAside() const { return mSteppedAside; }
    // Shown for good and not stepped aside: the bird reads the lesson's lines.
    bool birdReads() const { return mBirdShown && !mSteppedAside; }

    // The splash picture was clicked: skip the rest of the splash's wait.
    void splashClicked();
    // Another copy asked to be shown: bring the strip to the front.
    void activateFromAnotherCopy();

    // A window that belongs to the strip (its menu): while it shows, the pointer over it keeps an auto-hiding strip
    // open, and it is expected to go when the strip withdraws.
    void addCompanion(QWidget* window);
    // Whether the pointer is over the strip or a showing companion, as far as the window system can see it.
    bool pointerOverStripOrCompanions();

    // Window geometry in twips, read and written through the window system.
    double leftTwips() const;
    void setLeftTwips(double twips);
    double topTwips() const;
    void setTopTwips(double twips);
    double heightTwips() const;
    void setHeightTwips(double twips);
    double widthTwips() const;
    // Open or collapsed, judged in whole pixels so the window system's rounding cannot fool it.
    bool isOpen() const;

    int englishTop() const { return mEnglishTop; }
    void setEnglishTop(int twips);
    bool menuPictureEnabled() const;
    void setMenuPictureEnabled(bool enabled);
    SplashWindow* splash() const { return mSplash.get(); }
    SharedState& state() const { return mState; }
    WindowSystem& windows() const { return mServices.windows; }
    Bird& bird() const { return mServices.bird; }
    // The colour the strip along the lower edge is drawn in, or an invalid colour when it is erased.
    QColor stripColour() const;

    // Controls.
    CaptionLabel* spanishLine = nullptr;
    CaptionLabel* englishLine = nullptr;
    QLabel* topEdgeBand = nullptr;
    QLabel* menuPatch = nullptr;
    QLabel* menuPicture = nullptr;
    QTimer pointerTimer;
    QTimer colourStripTimer;
    QTimer englishRiseTimer;
    QTimer spanishEntryTimer;
    QTimer playbackTimer;

    // Members shared by the window's handlers.
    bool dragging = false;
    PixelRect recordedRect;
    PixelPoint pointerSample;
    GrabOffset grabOffset;
    qint32 openHeightTwips = kOpenHeightTwips;
    qint16 entryStep = 0;
    ColourSlots stripColours;
    QString spanishText;
    QString englishText;
    Speaker spanishSpeaker = Speaker::Bird; // who says spanishText in its lesson
    qint16 randomId = 0;

signals:
    // The pointer moved over the menu picture while it is enabled.
    void menuPictureHovered();
    // The strip collapsed or stepped aside: what hangs from it has nothing to stand on.
    void withdrew();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildControls();
    bool showLineToolTip(QHelpEvent* event);
    void autoHideStep(int countdown);
    void stepAsideForFullScreen();
    void pacePointerTicks();
    void showBird(bool shown);
    void applyIntroStep(int countdown);
    void showCaptionWindow();
    void closeSplash();
    void placeSplash();
    void layOutColourStrip();
    void followWorkArea();
    bool pointerOverCompanion(const PixelPoint& pointer);
    int topEdge() const;
    PixelRect currentRect() const;
    void setGeometryPixels(int x, int y, int width, int height);

    SharedState& mState;
    CaptionStripServices mServices;
    HeldTimersMessageBox mMessageBox{
        mServices.messageBox,
        {&pointerTimer, &colourStripTimer, &englishRiseTimer, &spanishEntryTimer, &playbackTimer}};
    PositionKeeper mPositionKeeper{mServices.store, mState};
    std::unique_ptr<SplashWindow> mSplash;
    ColourStrip* mColourStrip = nullptr;
    int mEnglishTop = kEnglishRestTop;
    bool mBirdShown = true;
    bool mSteppedAside = false;
    int mTicksToStepAsideCheck = 0;
    // The animations and the playback that stepping aside held, to be let go on coming back.
    std::vector<QTimer*> mHeldForFullScreen;
    std::vector<QWidget*> mCompanions;
};

// Reads the Spanish line aloud in its speaker's voice when `readAloud` is 1 and waves either way.
void readAloudAndWave(Bird& bird, const QString& spanish, qint16 readAloud, Speaker speaker = Speaker::Bird);

} // namespace parlavo
