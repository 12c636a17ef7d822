#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QtGlobal>

namespace parlavo {

// A word of the line as the voice reaches it: a range of the line's UTF-16 text and the moment it begins.
struct WordMark {
    qsizetype start = 0;
    qsizetype length = 0;
    qint64 atMs = 0;

    bool operator==(const WordMark&) const = default;
};

// A line rendered by the voice, ready to be played and shown.
struct Utterance {
    // The beak follows the loudness of the voice in steps of this length.
    static constexpr qint64 kBeakStepMs = 40;

    QString line;            // as given, blanks and all
    QByteArray pcm;          // signed 16-bit mono samples; empty when the voice could not make a sound
    int sampleRate = 0;      // of pcm
    qint64 durationMs = 0;   // of the speech, with or without sound
    QList<WordMark> words;   // in the order they are spoken
    QList<quint8> beakSteps; // beak opening 0..255 for each kBeakStepMs of speech

    bool isEmpty() const { return durationMs <= 0; }
    // The index in words of the word being spoken at the given moment, or -1 outside the speech.
    int wordAt(qint64 ms) const;
    // How far the beak is open at the given moment, from 0 (shut) to 1.
    qreal beakAt(qint64 ms) const;
};

// The beak's opening for each step of the sound, following its loudness relative to the loudest step.
QList<quint8> beakStepsFromSound(const QByteArray& pcm, int sampleRate);

// The line as it would come out without sound at the usual speaking rate: one word after another, the beak
// flapping through each of them. Used when the voice cannot be had.
Utterance silentUtterance(const QString& line);

} // namespace parlavo
