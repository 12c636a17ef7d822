#pragma once

#include "agent/voice/utterance.h"

#include <QObject>

namespace parlavo {

// Plays rendered speech and tells how far it has got, which is what the beak and the balloon follow.
class SpeechOutput : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Plays the utterance from its start, cutting off whatever was playing.
    virtual void start(const Utterance& utterance) = 0;
    virtual void stop() = 0;
    // Milliseconds of the current utterance played so far.
    virtual qint64 playedMs() const = 0;

signals:
    // The first samples of an utterance were handed to the sound device.
    void soundStarted();
};

} // namespace parlavo
