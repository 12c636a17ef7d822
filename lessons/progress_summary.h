#pragma once

#include "lessons/review_play.h"

#include <QDate>
#include <QString>

#include <vector>

namespace parlavo {

struct DayActivity {
    QDate day;
    int heard = 0;
    int answered = 0;
};

struct LessonKnowledge {
    QString lesson;
    int known = 0; // stability of kKnownStability days or more
    int learning = 0;
    int fresh = 0; // never answered
};

// What the progress window shows, worked out from the learner's progress.
struct ProgressSummary {
    static constexpr double kKnownStability = 21.0;
    static constexpr int kDaysShown = 30;

    DayActivity today;
    int dueToday = 0;
    // Days in a row with at least one answer, up to today, or up to yesterday while today has none yet.
    int streak = 0;
    std::vector<DayActivity> lastDays; // kDaysShown days, oldest first, ending today
    std::vector<LessonKnowledge> lessons;

    static ProgressSummary of(LearnerProgress& progress, const ReviewSentences& sentences);
};

} // namespace parlavo
