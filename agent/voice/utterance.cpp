#include "agent/voice/utterance.h"

#include <algorithm>
#include <cmath>

namespace parlavo {

namespace {

// About 140 words a minute, the rate the voice is set to.
constexpr qint64 kSilentWordMs = 60'000 / 140;

// Quieter steps than this share of the loudest keep the beak shut, so pauses between words show.
constexpr double kBeakThreshold = 0.12;

} // namespace

int Utterance::wordAt(qint64 ms) const {
    if (ms < 0 || ms >= durationMs)
        return -1;
    const auto after = std::upper_bound(words.begin(), words.end(), ms,
                                        [](qint64 at, const WordMark& word) { return at < word.atMs; });
    return static_cast<int>(after - words.begin()) - 1;
}

qreal Utterance::beakAt(qint64 ms) const {
    if (ms < 0 || ms >= durationMs)
        return 0.0;
    const qsizetype step = ms / kBeakStepMs;
    return step < beakSteps.size() ? beakSteps[step] / 255.0 : 0.0;
}

QList<quint8> beakStepsFromSound(const QByteArray& pcm, int sampleRate) {
    const qsizetype samplesPerStep = std::max<qsizetype>(1, sampleRate * Utterance::kBeakStepMs / 1000);
    const auto* samples = reinterpret_cast<const qint16*>(pcm.constData());
    const qsizetype sampleCount = pcm.size() / qsizetype(sizeof(qint16));

    QList<double> loudness;
    for (qsizetype first = 0; first < sampleCount; first += samplesPerStep) {
        const qsizetype last = std::min(sampleCount, first + samplesPerStep);
        double sumOfSquares = 0.0;
        for (qsizetype i = first; i < last; ++i)
            sumOfSquares += double(samples[i]) * samples[i];
        loudness.append(std::sqrt(sumOfSquares / double(last - first)));
    }
    const double loudest = loudness.isEmpty() ? 0.0 : *std::max_element(loudness.begin(), loudness.end());

    QList<quint8> steps;
    steps.reserve(loudness.size());
    for (double level : loudness) {
        const double share = loudest > 0.0 ? level / loudest : 0.0;
        const double opening = share < kBeakThreshold ? 0.0 : std::min(1.0, 0.3 + share);
        steps.append(quint8(std::lround(opening * 255.0)));
    }
    return steps;
}

Utterance silentUtterance(const QString& line) {
    Utterance utterance;
    utterance.line = line;
    qsizetype position = 0;
    while (position < line.size()) {
        while (position < line.size() && line[position].isSpace())
            ++position;
        const qsizetype start = position;
        while (position < line.size() && !line[position].isSpace())
            ++position;
        if (position > start)
            utterance.words.append({start, position - start, utterance.words.size() * kSilentWordMs});
    }
    utterance.durationMs = utterance.words.size() * kSilentWordMs;

    // Two beats of the beak per word: open and shut, open and shut again before the next one.
    const qint64 stepCount = (utterance.durationMs + Utterance::kBeakStepMs - 1) / Utterance::kBeakStepMs;
    for (qint64 step = 0; step < stepCount; ++step) {
        const double phase = double(step * Utterance::kBeakStepMs % kSilentWordMs) / double(kSilentWordMs);
        utterance.beakSteps.append(quint8(std::lround(std::abs(std::sin(phase * 2.0 * M_PI)) * 255.0)));
    }
    return utterance;
}

} // namespace parlavo
