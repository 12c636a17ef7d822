#pragma once

#include "agent/voice/utterance.h"

#include <QObject>
#include <QString>

namespace parlavo {

// Turns lines into speech. Rendering happens away from the caller, who gets the result through rendered().
class Voice : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Starts rendering a line and returns at once; the ticket comes back with the result.
    virtual void render(quint64 ticket, const QString& line) = 0;
    // Gives up every line asked for so far: their results never arrive.
    virtual void cancel() = 0;
    // Speaks the lines asked for from now on with the named voice ("es", "es+f3", ...).
    virtual void setVoiceName(const QString& name) = 0;
    // Speaks the lines asked for from now on at this many words a minute.
    virtual void setSpeechRate(int wordsPerMinute) = 0;

signals:
    void rendered(quint64 ticket, const parlavo::Utterance& utterance);
};

} // namespace parlavo
