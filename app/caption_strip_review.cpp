#include "app/caption_strip.h"

#include "caption/answer_mark.h"
#include "lessons/review_play.h"

namespace parlavo {

namespace {

// Where the acknowledgement shows: at the end of the text, just left of the menu picture.
constexpr QRect kAnswerMark(436, 3, 18, 18);

} // namespace

void CaptionStrip::setReviewPlay(ReviewPlay* review) {
    mReview = review;
    mPlayback.setReviewSource(review);
    if (!mAnswerMark) {
        mAnswerMark = new AnswerMark(this);
        mAnswerMark->setGeometry(kAnswerMark);
        mAnswerMarkTimer.setSingleShot(true);
        mAnswerMarkTimer.setInterval(kAnswerMarkMs);
        connect(&mAnswerMarkTimer, &QTimer::timeout, this, &CaptionStrip::onAnswerMarkTimeout);
    }
}

void CaptionStrip::knewIt() {
    answer(Grade::Good);
}

void CaptionStrip::didNotKnowIt() {
    answer(Grade::Again);
}

// The mark shows only once the answer is recorded.
void CaptionStrip::answer(Grade grade) {
    if (!mReview || !mReview->answer(mAnswerable, grade))
        return;
    mAnswerMark->showAnswer(grade != Grade::Again);
    mAnswerMarkTimer.start();
}

void CaptionStrip::onAnswerMarkTimeout() {
    if (mAnswerMark)
        mAnswerMark->hide();
}

bool CaptionStrip::answerMarkShown(bool* knew) const {
    if (knew && mAnswerMark)
        *knew = mAnswerMark->knew();
    return mAnswerMark && !mAnswerMark->isHidden();
}

} // namespace parlavo
