#pragma once

#include "agent/bird.h"
#include "app/pause.h"
#include "app/position_keeper.h"
#include "caption/caption_effects.h"
#include "caption/drag.h"
#include "core/desktop_services.h"
#include "core/idle_inhibition.h"
#include "core/settings.h"
#include "core/settings_store.h"
#include "core/window_system.h"
#include "lessons/lesson_playback.h"
#include "progress/memory_model.h"

#include <QColor>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <memory>
#include <vector>

class QHelpEvent;
class QLabel;

namespace parlavo {

class AnswerMark;
class ReviewPlay;
class SplashWindow;
class ColourStrip;
class CaptionLabel;

// What the caption window needs from the world outside it.
struct CaptionStripServices {
    SettingsStore& store;
    WindowSystem& windows;
    Bird& bird;
    RandomSource& random;
    IdleInhibition& idleInhibition;
    WallClock& clock;
};

// The caption window: a borderless strip at the top edge of the screen that shows one sentence at a time, drives
// the lesson playback, the caption effects, auto-hide, dragging and stepping aside with its timers, and has the
// bird read each Spanish line. Other windows act on it through the intents below.
class CaptionStrip : public QWidget {
    Q_OBJECT

public:
    static constexpr int kWidth = 477;
    static constexpr int kOpenHeight = 23; // at the normal text size
    static constexpr int kCollapsedHeight = 1;
    static constexpr int kPointerTickMs = 60;
    // Pointer ticks between two questions about a full-screen window; an idle strip's ticks come this many times
    // less often, each standing for as many.
    static constexpr int kStepAsideCheckTicks = 8;
    // Where the menu picture's right edge and the open strip's bottom lie, from the strip's top-left corner, at the
    // normal text size.
    static constexpr QPoint kMenuAnchor{474, 23};

    CaptionStrip(Settings& settings, CaptionStripServices services, QWidget* parent = nullptr);
    ~CaptionStrip() override;

    // Start-up after the single-copy check: the settings, the splash, the timers, the first sentence and the
    // strip's place. Leaves the strip hidden and the splash showing.
    void start();
    // The exit command's save: reading aloud, the left edge and, when kept, the reading position, and the progress
    // still waiting in memory. Returns false when the settings store could not be written.
    bool saveAtExit();
    // Stops the timers that drive the program, before it ends.
    void stopForShutdown();

    // A side window (the settings dialog, About) opens: the menu picture and playback wait for it.
    void holdForSideWindow();
    // It has gone: the menu picture works again, and playback goes on unless the intro still runs, whose own last
    // step starts it.
    void resumeAfterSideWindow();
    bool menuPictureEnabled() const;
    // While About is up the menu cannot open over it; playback goes on.
    void setMenuPictureEnabled(bool enabled);
    // Shows or hides the bird for good (the menu's read-aloud command); while the strip steps aside the bird stays
    // hidden and follows this when the strip comes back.
    void setBirdShown(bool shown);
    // The bird says the current Spanish line again at once, whatever the cycle is doing, and nothing of the cycle
    // moves. A hidden bird comes out for that line and goes again after it.
    void repeatSentence();
    // Answers count once review play is set (caption_strip_review.cpp); shown sentences are counted too.
    void setReviewPlay(ReviewPlay* review);
    ReviewPlay* reviewPlay() const { return mReview; }
    // Answers for the sentence on the strip, or the one shown last, and acknowledges it for kAnswerMarkMs.
    void knewIt();
    void didNotKnowIt();
    static constexpr int kAnswerMarkMs = 1000;
    // The bird speaks at the settings' rate from its next line on.
    void applySpeechRate();
    // The settings dialog changed the settings: the text size applies, and what follows them is told.
    void announceSettingsChanged();
    // The open strip's height at the chosen text size, and where the menu hangs from.
    int openHeight() const { return scaled(kOpenHeight); }
    QPoint menuAnchor() const { return {kMenuAnchor.x(), openHeight()}; }
    bool steppedAside() const { return mSteppedAside; }
    // Pauses the lessons: the strip shrinks to its line, the bird goes and falls silent, the lesson holds its place,
    // and nothing ticks until the wall clock's alarm brings it all back at the end, which is kept across restarts.
    void pause(PauseLength length);
    // Ends a pause now; nothing happens when none runs.
    void resume();
    bool isPaused() const { return mSettings.pausedUntil.isValid(); }
    // The splash picture was clicked: skip the rest of the splash's wait.
    void splashClicked();
    // Another copy asked to be shown: bring the strip to the front.
    void activateFromAnotherCopy();
    // A window that belongs to the strip (its menu): while it shows, the pointer over it keeps an auto-hiding strip
    // open, and it is expected to go when the strip withdraws.
    void addCompanion(QWidget* window);
    // Whether the pointer is over the strip or a showing companion, as far as the window system can see it.
    bool pointerOverStripOrCompanions();

    Settings& settings() const { return mSettings; }
    // The user's lessons, and the one that plays when chosen.
    OwnLessonShelf& ownLessons() { return mOwnLessons; }
    WindowSystem& windows() const { return mServices.windows; }

    // Timer handlers; tests call them directly instead of waiting for the timers.
    void onPointerTick();
    void onColourStripTick();
    void onEnglishRiseTick();
    void onSpanishEntryTick();
    void onPlaybackTick();
    void onPauseEnd();
    void onAnswerMarkTimeout();

    // What shows, for tests and the benchmarks.
    QString spanishCaption() const;
    QString englishCaption() const;
    int englishTop() const { return mEnglishTop; }
    const Sentence& sentence() const { return mSentence; }
    bool isPlaying() const { return mPlaybackTimer.isActive(); }
    // No timer runs but the one that ends a pause.
    bool isIdle() const;
    bool isOpen() const;
    bool isDragging() const { return mDragging; }
    bool answerMarkShown(bool* knew = nullptr) const;
    // The colour the band along the lower edge is drawn in, or an invalid colour when it is erased.
    QColor stripColour() const;
    SplashWindow* splash() const { return mSplash.get(); }

signals:
    // The pointer moved over the menu picture while it is enabled.
    void menuPictureHovered();
    // The strip collapsed or stepped aside: what hangs from it has nothing to stand on.
    void withdrew();
    void settingsChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    class View;

    void buildControls();
    int scaled(int pixels) const;
    void layOutText();
    void applyTextSize();
    bool showLineToolTip(QHelpEvent* event);
    void showSentence(const Sentence& sentence);
    void speakCurrentLine();
    void answer(Grade grade);
    void startPlayback();
    void autoHideStep();
    void stepAsideForFullScreen();
    void pacePointerTicks();
    void showBird(bool shown);
    void settlePauseAtStart();
    void holdForPause();
    void followPointerWhilePaused();
    void applyIntroStep();
    void showCaptionWindow();
    void closeSplash();
    void placeSplash();
    void layOutColourStrip();
    void setEnglishTop(int top);
    void beginDrag(const PixelPoint& pressedAt);
    void followDrag();
    void endDrag();
    void settleAtTopEdge();
    void followWorkArea();
    bool pointerOverCompanion(const PixelPoint& pointer);
    int topEdge() const;
    PixelRect currentRect() const;
    void setGeometryPixels(int x, int y, int width, int height);

    Settings& mSettings;
    CaptionStripServices mServices;
    OwnLessonShelf mOwnLessons{OwnLessonStore(OwnLessonStore::defaultFolder())};
    LessonPlayback mPlayback{mSettings, mServices.random, mOwnLessons};
    PositionKeeper mPositionKeeper{mServices.store, mSettings};

    CaptionLabel* mSpanishLine = nullptr;
    CaptionLabel* mEnglishLine = nullptr;
    QLabel* mTopEdgeBand = nullptr;
    QLabel* mMenuPatch = nullptr;
    QLabel* mMenuPicture = nullptr;
    ColourStrip* mColourStrip = nullptr;
    std::unique_ptr<SplashWindow> mSplash;

    QTimer mPointerTimer;
    QTimer mColourStripTimer;
    QTimer mEnglishRiseTimer;
    QTimer mSpanishEntryTimer;
    QTimer mPlaybackTimer;
    QTimer mAnswerMarkTimer;
    ReviewPlay* mReview = nullptr;
    AnswerMark* mAnswerMark = nullptr;

    Sentence mSentence;
    // What answers are about: the sentence on the strip once it has arrived, until then the one before it.
    Sentence mAnswerable;
    int mIntroCountdown = 0; // start-up countdown in pointer ticks
    int mEntryStep = 0;
    int mRiseStep = 0;
    int mEnglishTop = 0;
    int mTextScale = 100; // per cent
    ColourSlots mStripColours;
    bool mDragging = false;
    PixelRect mRecordedRect;
    PixelPoint mPointerSample;
    GrabOffset mGrabOffset;
    bool mBirdShown = true;
    bool mSteppedAside = false;
    int mTicksToStepAsideCheck = 0;
    // The animations and the playback that stepping aside held, to be let go on coming back.
    std::vector<QTimer*> mHeldForFullScreen;
    std::vector<QWidget*> mCompanions;
    // The caption effects a pause stopped midway, to go on from where they were.
    std::vector<QTimer*> mHeldForPause;
};

} // namespace parlavo
