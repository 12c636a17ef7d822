#include "lessons/own_lesson.h"

namespace parlavo {

OwnLesson::OwnLesson(QByteArray text, std::vector<quint32> starts, int woman)
    : mText(std::move(text)), mStarts(std::move(starts)), mWoman(woman) {}

void OwnLesson::append(const QString& spanish, const QString& english, int speaker) {
    mStarts.push_back(quint32(mText.size()));
    mText += (speaker == kSecondSpeaker ? "2\t" : "1\t") + spanish.toUtf8() + '\t' + english.toUtf8() + '\n';
}

LessonLine OwnLesson::line(int place) const {
    const qsizetype start = mStarts.at(place - 1);
    const qsizetype firstTab = mText.indexOf('\t', start);
    const qsizetype secondTab = mText.indexOf('\t', firstTab + 1);
    const qsizetype end = mText.indexOf('\n', secondTab + 1);
    const int speaker = mText.at(start) == '2' ? kSecondSpeaker : kFirstSpeaker;
    return {QString::fromUtf8(mText.constData() + firstTab + 1, secondTab - firstTab - 1),
            QString::fromUtf8(mText.constData() + secondTab + 1, end - secondTab - 1), speaker, speaker == mWoman};
}

} // namespace parlavo
