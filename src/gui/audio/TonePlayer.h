#pragma once
// Plays square-wave tones on the computer's speaker, one after another, without blocking. Without an
// audio output device it plays nothing and says so; it never fails.
#include "model/ToneTiming.h"

#include <QObject>
#include <vector>

class QAudioSink;
class QBuffer;

namespace tarvel {

struct ToneNote {
    double frequency = 0; // Hz; 0 is a rest
    double durationMs = 0;
    double duty = 0.5;    // share of each period that is high
};

class TonePlayer : public QObject {
    Q_OBJECT
public:
    explicit TonePlayer(QObject* parent = nullptr);
    ~TonePlayer() override;

    // Starts the notes; false (and nothing plays) when there is no audio output.
    bool play(const std::vector<ToneNote>& notes);
    // The note the brick plays for these tone bytes.
    bool play(const ToneTiming& timing) { return play({fromTiming(timing)}); }
    void stop();
    bool isPlaying() const;
    static bool audioAvailable();
    static ToneNote fromTiming(const ToneTiming& timing);

signals:
    void finished();

private:
    QAudioSink* sink_ = nullptr;
    QBuffer* buffer_ = nullptr;
};

} // namespace tarvel
