#pragma once

#include "lessons/progress_summary.h"

#include <QWidget>

class QLabel;
class QPushButton;

namespace parlavo {

// The learner's progress: today's figures and the streak, sentences heard and answered over the last 30 days, and
// how much of each lesson is known. An ordinary window; "Export..." writes every answer as CSV.
class ProgressWindow : public QWidget {
public:
    ProgressWindow(const LearnerProgress& progress, const ReviewSentences& sentences);

    // Works the figures out afresh and shows the window in front.
    void showCurrent();
    // Writes the CSV to `path`; false when it could not be written whole.
    bool exportTo(const QString& path);

    QLabel* todayLabel = nullptr;
    QPushButton* exportButton = nullptr;

private:
    void chooseExportFile();

    const LearnerProgress& mProgress;
    const ReviewSentences& mSentences;
    QWidget* mDaysChart = nullptr;
    QWidget* mLessonsChart = nullptr;
};

} // namespace parlavo
