#include "core/form1.h"

#include "core/form4.h"
#include "core/settings_io.h"
#include "core/units.h"

#include <cstdio>

namespace parlavo {

namespace {

constexpr int kSpanishLanguageId = 3082;
const QString kCharacterName = QStringLiteral("Peedy");

// VB-style integer division: both operands rounded to whole numbers first, then truncated.
int integerDivide(double a, double b) {
    return static_cast<int>(roundHalfEven(a) / roundHalfEven(b));
}

} // namespace

void Form1::Form_Load() {
    loadCharacter();

    setLeft(loadSettings(mServices.store, mState, windows().screenWidthTwips()));
    setTop(0);
    hide();

    placeSplash();

    Timer1.setInterval(60);
    Timer1.start();
    Timer2.setInterval(1500);
    Timer2.start();
    Timer3.stop();
    Timer4.stop();
    Timer5.stop();

    mState.tickcount = 0;
    mState.phase = 0;
    mintColor1 = 10;
    mintColor2 = 12;
    mintColor3 = 10;
    mState.introcount = 70;

    NextSentence();

    const double tppX = windows().twipsPerPixelX();
    const double tppY = windows().twipsPerPixelY();
    windows().SetWindowPosTopmost(this, static_cast<int>(roundHalfEven(Left() / tppX)), integerDivide(Top(), tppY),
                                  integerDivide(Width(), tppX), integerDivide(Height(), tppY));

    Get_Windows_Rect();
}

// Without a character the program still teaches: every later call goes to a stand-in that does nothing.
void Form1::loadCharacter() {
    try {
        mServices.characters.Load(kCharacterName, QString());
        mobjAgent = &mServices.characters(kCharacterName);
        mobjAgent->Show();
        mobjAgent->setLanguageID(kSpanishLanguageId);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "parlavo: the speaking character is not available (%s); going on without it\n",
                     error.what());
        mobjAgent = &mNoCharacter;
    }
}

void Form1::placeSplash() {
    mpSplash = std::make_unique<Form4>();
    connect(mpSplash.get(), &Form4::Image1_Click, this, &Form1::splashClicked);
    const double tppX = windows().twipsPerPixelX();
    const double tppY = windows().twipsPerPixelY();
    const double top = windows().screenHeightTwips() / 2.0 - 1800;
    const double left = windows().screenWidthTwips() / 2.0 - 1000;
    windows().MoveWindow(mpSplash.get(), twipsToPixels(left, tppX), twipsToPixels(top, tppY), Form4::kWidthPixels,
                         Form4::kHeightPixels);
    mpSplash->show();
}

void Form1::splashClicked() {
    showCaptionWindow();
    closeSplash();
    mState.introcount = 50;
}

void Form1::showCaptionWindow() {
    if (isVisible())
        return;
    show();
    windows().keepOnTop(this);
}

// The splash is shown once per run; closing it releases it for good.
void Form1::closeSplash() {
    if (mpSplash)
        mpSplash.release()->deleteLater();
}

bool Form1::saveAtExit() {
    return saveExitSettings(mServices.store, mState, Left());
}

} // namespace parlavo
