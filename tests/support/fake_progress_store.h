#pragma once

#include "progress/learner_progress.h"

#include <QStringList>

#include <functional>

namespace parlavo::test {

// A progress store in memory that opens as told and takes writes only while writable.
class FakeProgressStore final : public ProgressStore {
public:
    Opening opening = Opening::Ready;
    bool writable = true;
    std::vector<AnswerRecord> written;
    QMap<QDate, int> shown;
    QHash<SentenceKey, MemoryState> stored;
    std::function<void(const AnswerRecord&)> beforeWriting;
    int openings = 0;

    Opening open() override { return ++openings, opening; }
    QString setAsideName() const override { return QStringLiteral("progress.sqlite.damaged-x"); }
    bool recordAnswer(const AnswerRecord& answer) override {
        if (writable && beforeWriting)
            beforeWriting(answer);
        if (writable)
            written.push_back(answer), stored.insert(answer.sentence, answer.after);
        return writable;
    }
    bool addShown(const QDate& day, int count) override { return writable && (shown[day] += count); }
    QHash<SentenceKey, MemoryState> currentStates() override { return stored; }
    std::vector<AnswerRecord> answers() override { return written; }
    QMap<QDate, int> shownPerDay(const QDate&) override { return shown; }
};

class RecordingMessages final : public ProgressMessages {
public:
    QStringList told;
    void tell(const QString& text) override { told << text; }
};

} // namespace parlavo::test
