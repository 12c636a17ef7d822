#include "menu/progress_window.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHorizontalStackedBarSeries>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>
#include <QVBoxLayout>
#include <QValueAxis>

namespace parlavo {

namespace {

QBarSet* barSet(const QString& name, const std::vector<int>& values) {
    auto* set = new QBarSet(name);
    for (int value : values)
        set->append(value);
    return set;
}

// A chart of bar sets over categories, with whole-number values.
QChart* barChart(const QString& title, QAbstractBarSeries* series, const QStringList& categories,
                 Qt::Orientation valuesAlong) {
    auto* chart = new QChart;
    chart->setTitle(title);
    chart->addSeries(series);
    auto* categoryAxis = new QBarCategoryAxis;
    categoryAxis->append(categories);
    // Thirty days or seventeen lesson names fit only in a small font, the days standing on end.
    QFont small = categoryAxis->labelsFont();
    small.setPointSizeF(small.pointSizeF() * 0.8);
    categoryAxis->setLabelsFont(small);
    categoryAxis->setTruncateLabels(false);
    if (valuesAlong == Qt::Vertical)
        categoryAxis->setLabelsAngle(-90);
    auto* valueAxis = new QValueAxis;
    valueAxis->setLabelFormat(QStringLiteral("%d"));
    chart->addAxis(categoryAxis, valuesAlong == Qt::Vertical ? Qt::AlignBottom : Qt::AlignLeft);
    chart->addAxis(valueAxis, valuesAlong == Qt::Vertical ? Qt::AlignLeft : Qt::AlignBottom);
    series->attachAxis(categoryAxis);
    series->attachAxis(valueAxis);
    valueAxis->applyNiceNumbers();
    chart->legend()->setAlignment(Qt::AlignBottom);
    return chart;
}

QChartView* chartView(QWidget* parent, const QSize& size) {
    auto* view = new QChartView(parent);
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(size);
    return view;
}

} // namespace

ProgressWindow::ProgressWindow(LearnerProgress& progress, const ReviewSentences& sentences)
    : mProgress(progress), mSentences(sentences) {
    setWindowTitle(QStringLiteral("Parlavo progress"));
    auto* page = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    todayLabel = new QLabel(this);
    exportButton = new QPushButton(QStringLiteral("&Export..."), this);
    top->addWidget(todayLabel, 1);
    top->addWidget(exportButton);
    page->addLayout(top);
    auto* charts = new QHBoxLayout;
    mDaysChart = chartView(this, {520, 360});
    mLessonsChart = chartView(this, {560, 480});
    charts->addWidget(mDaysChart, 3);
    charts->addWidget(mLessonsChart, 2);
    page->addLayout(charts);
    connect(exportButton, &QPushButton::clicked, this, &ProgressWindow::chooseExportFile);
}

void ProgressWindow::showCurrent() {
    const ProgressSummary summary = ProgressSummary::of(mProgress, mSentences);
    todayLabel->setText(QStringLiteral("Today: %1 heard, %2 answered, %3 due.    Streak: %4 %5 in a row.")
                            .arg(summary.today.heard)
                            .arg(summary.today.answered)
                            .arg(summary.dueToday)
                            .arg(summary.streak)
                            .arg(summary.streak == 1 ? QStringLiteral("day") : QStringLiteral("days")));

    std::vector<int> heard, answered;
    QStringList days;
    for (const DayActivity& day : summary.lastDays) {
        heard.push_back(day.heard);
        answered.push_back(day.answered);
        days << day.day.toString(QStringLiteral("d MMM"));
    }
    auto* activity = new QBarSeries;
    activity->append({barSet(QStringLiteral("heard"), heard), barSet(QStringLiteral("answered"), answered)});
    const QString daysTitle = QStringLiteral("The last %1 days").arg(ProgressSummary::kDaysShown);
    static_cast<QChartView*>(mDaysChart)->setChart(barChart(daysTitle, activity, days, Qt::Vertical));

    std::vector<int> known, learning, fresh;
    QStringList lessons;
    for (auto lesson = summary.lessons.crbegin(); lesson != summary.lessons.crend(); ++lesson) {
        known.push_back(lesson->known);
        learning.push_back(lesson->learning);
        fresh.push_back(lesson->fresh);
        lessons << lesson->lesson;
    }
    auto* knowledge = new QHorizontalStackedBarSeries;
    knowledge->append({barSet(QStringLiteral("known"), known), barSet(QStringLiteral("learning"), learning),
                       barSet(QStringLiteral("new"), fresh)});
    static_cast<QChartView*>(mLessonsChart)
        ->setChart(barChart(QStringLiteral("Sentences per lesson"), knowledge, lessons, Qt::Horizontal));

    show();
    raise();
    activateWindow();
}

bool ProgressWindow::exportTo(const QString& path) {
    QSaveFile file(path);
    const DescribeSentence describe = mSentences.describer();
    return file.open(QIODevice::WriteOnly) && writeProgressCsv(mProgress.answers(), describe, file) && file.commit();
}

void ProgressWindow::chooseExportFile() {
    const QString path =
        QFileDialog::getSaveFileName(this, QStringLiteral("Export progress"), QStringLiteral("parlavo-progress.csv"),
                                     QStringLiteral("CSV files (*.csv)"));
    if (!path.isEmpty() && !exportTo(path))
        QMessageBox::warning(this, QStringLiteral("Export progress"),
                             QStringLiteral("The progress could not be written to %1.").arg(path));
}

} // namespace parlavo

extern "C" Q_DECL_EXPORT parlavo::ProgressView* parlavoMakeProgressView(parlavo::LearnerProgress& progress,
                                                                        const parlavo::ReviewSentences& sentences) {
    return new parlavo::ProgressWindow(progress, sentences);
}
