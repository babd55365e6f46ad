#pragma once
// A sound file as a source for the sink: a worker thread decodes ahead into
// a bounded ring, so neither the file's length nor its format ever weighs on
// the GUI thread or on memory. Destroying the stream stops and joins the
// worker.

#include "platform/linux/sound/audio_decoder.h"
#include "platform/linux/sound/audio_ring.h"
#include "platform/linux/sound/audio_source.h"

#include <atomic>
#include <memory>
#include <thread>

class audio_stream final : public audio_source
{
    Q_OBJECT
public:
    // How far the worker decodes ahead of the sink.
    static constexpr qint64 ahead_ms = 400;

    // `decoder` is open (audio_decoder::open succeeded).
    explicit audio_stream(std::unique_ptr<audio_decoder> decoder);
    ~audio_stream() override;

    void start() override;
    // True until start(): nothing of the sound has been taken yet.
    bool fresh() const { return !m_started; }

protected:
    qint64 pull(char *data, qint64 max, bool &ended) override;
    qint64 ready() const override { return m_ring.queued(); }

private:
    void run();
    void done(audio_decoder::result r);

    std::unique_ptr<audio_decoder> m_decoder;
    audio_decoder::result m_first_result = audio_decoder::result::more;
    QByteArray m_first;
    audio_ring m_ring;
    std::thread m_worker;
    bool m_started = false;
};
