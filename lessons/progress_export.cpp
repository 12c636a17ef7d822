#include "lessons/progress_export.h"

#include "progress/sqlite_progress_store.h"

#include <QFile>
#include <QSaveFile>

#include <cstdio>

namespace parlavo {

namespace {

int refuse(const QString& why) {
    std::fprintf(stderr, "parlavo: %s\n", qPrintable(why));
    return 1;
}

} // namespace

int exportProgress(const QString& target, const QString& databasePath, const ReviewSentences& sentences) {
    std::vector<AnswerRecord> answers;
    // No database yet means no answers yet; the export does not create one.
    if (QFile::exists(databasePath)) {
        const SystemCalendarClock clock;
        SqliteProgressStore store(databasePath, clock);
        switch (store.open()) {
        case ProgressStore::Opening::TooNew:
            return refuse(QStringLiteral("%1 was written by a newer version of Parlavo").arg(databasePath));
        case ProgressStore::Opening::Unavailable:
            return refuse(QStringLiteral("%1 cannot be opened").arg(databasePath));
        case ProgressStore::Opening::ReplacedDamaged:
            return refuse(
                QStringLiteral("%1 was damaged and has been moved to %2").arg(databasePath, store.setAsideName()));
        case ProgressStore::Opening::Ready:
            answers = store.answers();
            break;
        }
    }
    const DescribeSentence describe = sentences.describer();
    if (target == QLatin1String("-")) {
        QFile out;
        if (!out.open(stdout, QIODevice::WriteOnly) || !writeProgressCsv(answers, describe, out) || !out.flush())
            return refuse(QStringLiteral("the progress could not be written to standard output"));
        return 0;
    }
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly) || !writeProgressCsv(answers, describe, out) || !out.commit())
        return refuse(QStringLiteral("the progress could not be written to %1: %2").arg(target, out.errorString()));
    return 0;
}

} // namespace parlavo
