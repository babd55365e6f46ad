#include "platform/linux/sound/audio_stream.h"

#include "common/log.h"

namespace {

// The ring must hold more than the sink asks for at once.
constexpr qint64 min_ring_bytes = 64 * 1024;

QByteArray first_stretch(audio_decoder &decoder, audio_decoder::result &r)
{
    QByteArray pcm;
    r = decoder.decode_some(pcm);
    return pcm;
}

} // namespace

// What open() decoded is queued at once, so the sink's first read finds
// sound rather than an underrun.
audio_stream::audio_stream(std::unique_ptr<audio_decoder> decoder)
    : audio_source(decoder->shape()), m_decoder(std::move(decoder)),
      m_first(first_stretch(*m_decoder, m_first_result)),
      m_ring(std::max({min_ring_bytes, shape().bytes_for_ms(ahead_ms), qint64(m_first.size()) * 2}))
{
    m_ring.write(m_first.constData(), m_first.size());
    m_first = QByteArray();
}

audio_stream::~audio_stream()
{
    m_ring.stop();
    if (m_worker.joinable())
        m_worker.join();
}

void audio_stream::start()
{
    audio_source::start();
    if (m_started)
        return;
    m_started = true;
    if (m_first_result == audio_decoder::result::more)
        m_worker = std::thread([this] { run(); });
    else
        done(m_first_result);
}

qint64 audio_stream::pull(char *data, qint64 max, bool &ended)
{
    return m_ring.read(data, max, ended);
}

void audio_stream::run()
{
    QByteArray chunk;
    for (;;) {
        chunk.clear();
        const audio_decoder::result r = m_decoder->decode_some(chunk);
        if (!chunk.isEmpty() && !m_ring.write(chunk.constData(), chunk.size()))
            return; // stopped
        if (r != audio_decoder::result::more) {
            done(r);
            return;
        }
    }
}

void audio_stream::done(audio_decoder::result r)
{
    if (r == audio_decoder::result::failed)
        qCWarning(lc_audio).noquote() << "sound stopped:" << m_decoder->error();
    m_ring.finish();
    // The decoder's files and buffers are not needed for the rest of the sound.
    m_decoder.reset();
}
