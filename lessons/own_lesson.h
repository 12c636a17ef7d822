#pragma once

#include "lessons/sentence_catalogue.h"

#include <QByteArray>
#include <QList>

#include <vector>

namespace parlavo {

// A lesson of the user's, as it plays: a plain list of sentences whose places (from 1) stay as they were
// imported. The sentences stay in their stored UTF-8 form, one line each, and become texts only when shown, so
// that 100,000 of them cost little more than the file.
class OwnLesson {
public:
    OwnLesson() = default;
    // `text` holds validated lines "speaker<TAB>spanish<TAB>english<LF>"; `starts` where each begins.
    OwnLesson(QByteArray text, std::vector<quint32> starts, int woman);

    // Adds a sentence at the end. Its texts are as import leaves them: not empty, without tabs or line breaks.
    void append(const QString& spanish, const QString& english, int speaker = kFirstSpeaker);
    // Which speaker is the woman, for the voice (the first unless the file says otherwise).
    void setWoman(int speaker) { mWoman = speaker; }
    int woman() const { return mWoman; }

    int size() const { return int(mStarts.size()); }
    bool isEmpty() const { return mStarts.empty(); }
    // The sentence at `place`, 1..size().
    LessonLine line(int place) const;
    // The lines as stored.
    const QByteArray& text() const { return mText; }

private:
    QByteArray mText;
    std::vector<quint32> mStarts;
    int mWoman = kFirstSpeaker;
};

} // namespace parlavo
