#pragma once

#include "lessons/progress_summary.h"
#include "menu/progress_view.h"

class QLabel;
class QPushButton;

namespace parlavo {

// The learner's progress: today's figures and the streak, sentences heard and answered over the last 30 days, and
// how much of each lesson is known. An ordinary window; "Export..." writes every answer as CSV.
class ProgressWindow final : public ProgressView {
public:
    ProgressWindow(LearnerProgress& progress, const ReviewSentences& sentences);

    void showCurrent() override;
    bool exportTo(const QString& path) override;

    QLabel* todayLabel = nullptr;
    QPushButton* exportButton = nullptr;

private:
    void chooseExportFile();

    LearnerProgress& mProgress;
    const ReviewSentences& mSentences;
    QWidget* mDaysChart = nullptr;
    QWidget* mLessonsChart = nullptr;
};

} // namespace parlavo
