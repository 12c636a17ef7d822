#include "lessons/progress_summary.h"

#include <QSet>

namespace parlavo {

ProgressSummary ProgressSummary::of(LearnerProgress& progress, const ReviewSentences& sentences) {
    const CalendarClock& clock = progress.clock();
    const QDate today = clock.today();
    const QDate first = today.addDays(1 - kDaysShown);
    ProgressSummary summary;
    QMap<QDate, int> answered;
    QSet<QDate> answerDays;
    for (const AnswerRecord& answer : progress.answers()) {
        const QDate day = clock.dayOf(answer.after.lastAnswer);
        answerDays.insert(day);
        if (day >= first)
            ++answered[day];
    }
    const QMap<QDate, int> heard = progress.shownPerDay(first);
    for (QDate day = first; day <= today; day = day.addDays(1))
        summary.lastDays.push_back({day, heard.value(day), answered.value(day)});
    summary.today = summary.lastDays.back();
    for (QDate day = answerDays.contains(today) ? today : today.addDays(-1); answerDays.contains(day);
         day = day.addDays(-1))
        ++summary.streak;

    const QHash<SentenceKey, MemoryState>& states = progress.states();
    for (const MemoryState& state : states)
        summary.dueToday += state.due <= today ? 1 : 0;
    for (const ReviewLesson& lesson : sentences.lessons()) {
        LessonKnowledge knowledge{lesson.name()};
        for (const ReviewCandidate& candidate : sentences.inLessonOrder(lesson)) {
            const auto state = states.constFind(candidate.key);
            int& count = state == states.cend()                ? knowledge.fresh
                         : state->stability >= kKnownStability ? knowledge.known
                                                               : knowledge.learning;
            ++count;
        }
        summary.lessons.push_back(knowledge);
    }
    return summary;
}

} // namespace parlavo
