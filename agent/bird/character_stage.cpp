#include "agent/bird/character_stage.h"

#include <QGuiApplication>
#include <QScreen>

namespace parlavo {

CharacterStage::CharacterStage(const Clock& clock) : bird_(clock) {
    // The balloon reaches over the bird's corner, and so stays above it.
    topmost_.add(&bird_);
    topmost_.add(&balloon_);
    QObject::connect(&bird_, &BirdWindow::moved, &balloon_, [this] { placeBalloon(); });
}

void CharacterStage::appear() {
    bird_.appear();
}

void CharacterStage::disappear() {
    balloon_.hide();
    bird_.disappear();
}

void CharacterStage::wave() {
    bird_.wave();
}

void CharacterStage::setBeakOpening(qreal opening) {
    bird_.setBeakOpening(opening);
}

void CharacterStage::showBalloon(const QString& line) {
    balloon_.setLine(line);
    placeBalloon();
    balloon_.show();
}

void CharacterStage::setBalloonSpeaker(Speaker speaker) {
    balloon_.setSpeaker(speaker);
}

void CharacterStage::highlightWord(qsizetype start, qsizetype length) {
    balloon_.setHighlight(start, length);
}

void CharacterStage::closeBalloon() {
    balloon_.hide();
}

void CharacterStage::placeBalloon() {
    const QRect bird = bird_.standing();
    const QScreen* screen = QGuiApplication::screenAt(bird.center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (screen)
        balloon_.placeBeside(bird, screen->availableGeometry());
}

} // namespace parlavo
