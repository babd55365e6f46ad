// Playback figures against the running sound server (its default sink's
// monitor is recorded with parec):
//   - open-to-first-sample: from open_file() until the sound reaches the
//     monitor, per format, median of 10; beside it how long open_file()
//     itself held the caller;
//   - halt latency: from halt() until the monitor is silent, median of 10;
//   - CPU of this process while an MP3 plays, in ms per minute;
//   - resident memory while a 25-minute and a 2-hour file play.
//
//   bench_audio_stream [--quick]     (--quick: 3 runs, shorter CPU window)

#include "platform/audio_player.h"
#include "sound_fixture.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLoggingCategory>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>
#include <sys/resource.h>
#include <vector>

namespace {

constexpr int rate = 44100;
constexpr double loud = 0.02; // of full scale, over 5 ms

// parec on the default monitor, read as it arrives, each byte stamped with
// the time it arrived (less what came after it in the same read).
class monitor
{
public:
    bool start()
    {
        m_parec.start("parec", {"--device=@DEFAULT_MONITOR@", "--format=s16le", "--rate=44100", "--channels=1",
                                "--latency-msec=5"});
        if (!m_parec.waitForStarted(5000))
            return false;
        m_clock.start();
        // Drop what the server had buffered before we asked.
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < 300)
            pump(20);
        m_level.clear();
        return true;
    }
    ~monitor()
    {
        m_parec.kill();
        m_parec.waitForFinished(3000);
    }
    qint64 now_ns() const { return m_clock.nsecsElapsed(); }

    // Waits until the monitor is loud (or quiet) and says when that sound
    // arrived, in this monitor's clock; nothing after `timeout_ms`.
    std::optional<qint64> wait_for(bool want_loud, qint64 since_ns, int timeout_ms)
    {
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < timeout_ms) {
            pump(5);
            for (; m_seen < m_level.size(); ++m_seen) {
                const auto &[at, level] = m_level[m_seen];
                if (at >= since_ns && (level > loud) == want_loud)
                    return at;
            }
        }
        return std::nullopt;
    }

private:
    void pump(int ms)
    {
        QCoreApplication::processEvents(QEventLoop::AllEvents, ms);
        m_parec.waitForReadyRead(ms);
        m_pending += m_parec.readAllStandardOutput();
        const qint64 arrived = m_clock.nsecsElapsed();
        constexpr int window = rate / 200 * 2; // 5 ms of s16 mono
        const qsizetype whole = m_pending.size() / window * window;
        for (qsizetype at = 0; at < whole; at += window) {
            double sum = 0;
            for (int i = 0; i < window; i += 2) {
                const double v = qint16(quint8(m_pending[at + i]) | (quint8(m_pending[at + i + 1]) << 8)) / 32768.0;
                sum += v * v;
            }
            const qint64 behind_ns = (whole - at) / 2 * 1'000'000'000LL / rate;
            m_level.push_back({arrived - behind_ns, std::sqrt(sum / (window / 2))});
        }
        m_pending.remove(0, whole);
    }

    QProcess m_parec;
    QElapsedTimer m_clock;
    QByteArray m_pending;
    std::vector<std::pair<qint64, double>> m_level;
    size_t m_seen = 0;
};

double median(std::vector<double> v)
{
    if (v.empty())
        return NAN;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double cpu_ms()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return (u.ru_utime.tv_sec + u.ru_stime.tv_sec) * 1e3 + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e3;
}

double rss_mb()
{
    QFile f("/proc/self/status");
    if (!f.open(QIODevice::ReadOnly))
        return NAN;
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024;
    return NAN;
}

void wait_ms(int ms)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10), QThread::msleep(5);
}

void latencies(audio_player &player, const QString &path, const char *name, int runs)
{
    monitor mon;
    if (!mon.start()) {
        std::printf("%-5s parec did not start\n", name);
        return;
    }
    std::vector<double> first, call, halt, halt_call;
    for (int i = 0; i < runs; ++i) {
        wait_ms(200);
        const qint64 t0 = mon.now_ns();
        if (!player.open_file(path)) {
            std::printf("%-5s open failed: %s\n", name, qPrintable(player.last_error()));
            return;
        }
        call.push_back((mon.now_ns() - t0) / 1e6);
        player.play();
        const std::optional<qint64> heard = mon.wait_for(true, t0, 5000);
        if (!heard) {
            std::printf("%-5s nothing heard\n", name);
            return;
        }
        first.push_back((*heard - t0) / 1e6);
        wait_ms(700);
        const qint64 h0 = mon.now_ns();
        player.halt();
        halt_call.push_back((mon.now_ns() - h0) / 1e6);
        if (const std::optional<qint64> quiet = mon.wait_for(false, h0, 3000))
            halt.push_back((*quiet - h0) / 1e6);
    }
    std::printf("%-5s first sample %7.1f ms (open_file %6.1f ms)   halt %6.1f ms (halt() %5.2f ms)\n", name,
                median(first), median(call), median(halt), median(halt_call));
}

void memory(audio_player &player, const QString &path, const char *what)
{
    player.halt();
    wait_ms(300);
    const double idle = rss_mb();
    if (!player.open_file(path)) {
        std::printf("RSS playing %s: open failed: %s\n", what, qPrintable(player.last_error()));
        return;
    }
    player.play();
    double peak = rss_mb();
    for (int i = 0; i < 50; ++i) {
        wait_ms(100);
        peak = std::max(peak, rss_mb());
    }
    player.halt();
    std::printf("RSS playing %s: idle %.1f MB, while playing %.1f MB (+%.1f MB)\n", what, idle, peak, peak - idle);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QLoggingCategory::setFilterRules("orvella.audio.debug=false");
    const bool quick = app.arguments().contains("--quick");
    const int runs = quick ? 3 : 10;
    QTemporaryDir dir;
    auto player = audio_player::create();

    std::printf("open-to-first-sample and halt, 3-minute 440 Hz sine, median of %d runs\n", runs);
    for (const char *ext : {"wav", "mp3", "ogg", "flac", "aac", "ac3", "pcm"}) {
        const QString path = dir.filePath(QStringLiteral("three_minutes.") + ext);
        if (const QString error = sound_fixture::make_sine(path, 180, 440); !error.isEmpty()) {
            std::printf("%-5s cannot be made: %s\n", ext, qPrintable(error));
            continue;
        }
        latencies(*player, path, ext, runs);
    }
    player->halt();

    const int cpu_seconds = quick ? 10 : 60;
    const QString mp3 = dir.filePath("three_minutes.mp3");
    wait_ms(500);
    const double before = cpu_ms();
    QElapsedTimer wall;
    wall.start();
    if (player->open_file(mp3)) {
        player->play();
        wait_ms(cpu_seconds * 1000);
        const double used = cpu_ms() - before;
        std::printf("CPU playing an MP3 for %d s (open included): %.0f ms, %.0f ms per minute\n", cpu_seconds, used,
                    used * 60000.0 / double(wall.elapsed()));
    }
    player->halt();

    const QString mid = dir.filePath("twenty_five_minutes.wav");
    const QString longest = dir.filePath("two_hours.wav");
    if (sound_fixture::make_long_wav(mid, 25 * 60, 440).isEmpty())
        memory(*player, mid, "a 25-minute 8 kHz WAV");
    if (sound_fixture::make_long_wav(longest, 2 * 3600, 440).isEmpty())
        memory(*player, longest, "a 2-hour 8 kHz WAV");
    player->release();
    return 0;
}
