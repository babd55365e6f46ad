// Real playback through a sound server: what the player and the tone send
// is recorded from the default sink's monitor and measured. A private server
// is started when possible, so other tests' sounds cannot mix in; else the
// running one is used.

#include "monitor_recorder.h"
#include "pcm_probe.h"
#include "private_pulse_server.h"
#include "sound_fixture.h"
#include "test_support.h"

#include "platform/audio_player.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <functional>
#include <memory>

namespace {

struct sox_stat
{
    double rms = 0;
    double rough_hz = 0;
};

// sox's own figures for a recording, as a second opinion on pcm_probe.
sox_stat run_sox_stat(const QString &raw_path)
{
    QProcess sox;
    sox.start("sox", {"-t", "raw", "-r", "44100", "-e", "signed", "-b", "16", "-c", "2", raw_path, "-n", "remix", "1",
                      "stat"});
    sox.waitForFinished(30000);
    const QString text = QString::fromLocal8Bit(sox.readAllStandardError());
    auto field = [&](const QString &name) {
        const auto m = QRegularExpression(QRegularExpression::escape(name) + R"(:\s*(-?[0-9.]+))").match(text);
        return m.hasMatch() ? m.captured(1).toDouble() : -1.0;
    };
    return {field("RMS     amplitude"), field("Rough   frequency")};
}

} // namespace

class test_audio_playback : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void plays_a_file_to_its_end();
    void halt_stops_at_once();
    void play_after_halt_starts_again();
    void opening_another_file_replaces_the_sound();
    void failed_open_silences_the_current_sound();
    void release_silences_the_player();
    void tone_is_1000_hz_for_2_seconds();
    void tone_plays_over_an_alarm_sound();
    void two_hour_file_plays_in_little_memory();
    void follows_a_changed_default_output();

private:
    QString fixture(const QString &name, double seconds, int hz);
    // Records while `action` runs and for `seconds` after it started.
    QByteArray record(double seconds, const std::function<void()> &action);
    sox_stat sox_figures(const QByteArray &pcm);

    QTemporaryDir m_dir;
    std::unique_ptr<private_pulse_server> m_server;
};

void test_audio_playback::initTestCase()
{
    QVERIFY(m_dir.isValid());
    const bool required = qEnvironmentVariable("ORVELLA_REQUIRE_AUDIO") == "1";
    QString why;
    if (private_pulse_server::available()) {
        m_server = std::make_unique<private_pulse_server>(m_dir.filePath("pulse"));
        if (m_server->start(&why)) {
            // Before the first use of the audio output: the player, parec and
            // pactl all go to this server.
            qputenv("PULSE_SERVER", m_server->address().toLocal8Bit());
        } else {
            qInfo().noquote() << why << "- using the running sound server";
            m_server.reset();
        }
    }
    if (!monitor_recorder::server_running(&why)) {
        if (required)
            QFAIL(qPrintable("ORVELLA_REQUIRE_AUDIO=1 but " + why));
        QSKIP(qPrintable(why + " - start one with a null sink to run these tests"));
    }
    if (!sound_fixture::have_sox()) {
        if (required)
            QFAIL("ORVELLA_REQUIRE_AUDIO=1 but sox is not installed");
        QSKIP("sox is not installed; it makes the sample sounds and measures recordings");
    }
}

void test_audio_playback::cleanupTestCase()
{
    m_server.reset();
}

QString test_audio_playback::fixture(const QString &name, double seconds, int hz)
{
    return sound_fixture::cached_sine(m_dir.filePath(name), seconds, hz);
}

QByteArray test_audio_playback::record(double seconds, const std::function<void()> &action)
{
    monitor_recorder recorder;
    QString why;
    if (!recorder.start(&why)) {
        qWarning().noquote() << why;
        return {};
    }
    action();
    QTest::qWait(int(seconds * 1000));
    return recorder.stop();
}

sox_stat test_audio_playback::sox_figures(const QByteArray &pcm)
{
    const QString path = m_dir.filePath("recording.raw");
    write_file(path, pcm);
    return run_sox_stat(path);
}

#define SHOW(x) qPrintable(QString(#x " = %1").arg(x))

void test_audio_playback::plays_a_file_to_its_end()
{
    auto player = audio_player::create();
    QVERIFY(player->open_file(fixture("a440_2s.wav", 2, 440)));
    const QByteArray pcm = record(3.2, [&] {
        player->play();
        QVERIFY(player->is_playing());
    });
    QVERIFY(!pcm.isEmpty());
    QTRY_VERIFY_WITH_TIMEOUT(!player->is_playing(), 3000);

    const pcm_probe::span s = pcm_probe::sound_span(pcm);
    const double length = s.length_s();
    const sox_stat stat = sox_figures(pcm);
    qInfo("sound lasted %.3f s, sox: RMS %.3f, rough frequency %.0f Hz", length, stat.rms, stat.rough_hz);
    QVERIFY2(qAbs(length - 2.0) < 0.06, SHOW(length));
    QVERIFY2(stat.rms > 0.1, SHOW(stat.rms));
    QVERIFY2(qAbs(stat.rough_hz - 440) < 30, SHOW(stat.rough_hz));
    const double hz = pcm_probe::pitch_hz(pcm, s.start_s + 0.2, s.end_s - 0.2);
    QVERIFY2(qAbs(hz - 440) < 5, SHOW(hz));
}

void test_audio_playback::halt_stops_at_once()
{
    auto player = audio_player::create();
    QVERIFY(player->open_file(fixture("a440_5s.ogg", 5, 440)));
    const QByteArray pcm = record(2.5, [&] {
        player->play();
        QTest::qWait(1000);
        player->halt();
        QVERIFY(!player->is_playing());
    });
    const pcm_probe::span s = pcm_probe::sound_span(pcm);
    const double length = s.length_s();
    qInfo("halted after 1 s of playing: %.3f s were heard", length);
    QVERIFY2(length > 0.8 && length < 1.2, SHOW(length));
}

void test_audio_playback::play_after_halt_starts_again()
{
    auto player = audio_player::create();
    QVERIFY(player->open_file(fixture("a440_2s.wav", 2, 440)));
    const QByteArray pcm = record(3.5, [&] {
        player->play();
        QTest::qWait(500);
        player->halt();
        QTest::qWait(700);
        player->play();
    });
    QTRY_VERIFY_WITH_TIMEOUT(!player->is_playing(), 3000);
    // Sound, a gap, then the whole sound again from its start.
    const pcm_probe::span s = pcm_probe::sound_span(pcm);
    QVERIFY2(s.length_s() > 3.0, SHOW(s.length_s()));
    const double gap = pcm_probe::rms(pcm, s.start_s + 0.75, s.start_s + 1.05);
    QVERIFY2(gap < 0.01, SHOW(gap));
}

void test_audio_playback::opening_another_file_replaces_the_sound()
{
    auto player = audio_player::create();
    QVERIFY(player->open_file(fixture("a440_5s.ogg", 5, 440)));
    const QByteArray pcm = record(3.0, [&] {
        player->play();
        QTest::qWait(800);
        QVERIFY(player->open_file(fixture("a880_1s.mp3", 1, 880)));
        player->play();
    });
    const pcm_probe::span s = pcm_probe::sound_span(pcm);
    const double length = s.length_s();
    QVERIFY2(length > 1.5 && length < 2.2, SHOW(length));
    const double first = pcm_probe::pitch_hz(pcm, s.start_s + 0.1, s.start_s + 0.6);
    const double last = pcm_probe::pitch_hz(pcm, s.end_s - 0.6, s.end_s - 0.1);
    QVERIFY2(qAbs(first - 440) < 5, SHOW(first));
    QVERIFY2(qAbs(last - 880) < 10, SHOW(last));
}

void test_audio_playback::failed_open_silences_the_current_sound()
{
    auto player = audio_player::create();
    QVERIFY(player->open_file(fixture("a440_5s.ogg", 5, 440)));
    const QByteArray pcm = record(2.5, [&] {
        player->play();
        QTest::qWait(600);
        QCOMPARE(player->open_file(m_dir.filePath("missing.mp3")), 0);
        player->play(); // what the callers do after a failed open
    });
    QVERIFY(!player->is_playing());
    const double length = pcm_probe::sound_span(pcm).length_s();
    QVERIFY2(length > 0.3 && length < 0.9, SHOW(length));
}

void test_audio_playback::release_silences_the_player()
{
    auto player = audio_player::create();
    QVERIFY(player->open_file(fixture("a440_5s.ogg", 5, 440)));
    const QByteArray pcm = record(2.0, [&] {
        player->play();
        QTest::qWait(500);
        player->release();
    });
    QVERIFY(!player->is_playing());
    const double length = pcm_probe::sound_span(pcm).length_s();
    QVERIFY2(length > 0.2 && length < 0.8, SHOW(length));
}

void test_audio_playback::tone_is_1000_hz_for_2_seconds()
{
    const QByteArray pcm = record(3.0, [] { play_tone(1000, 2000); });
    const pcm_probe::span s = pcm_probe::sound_span(pcm);
    const double length = s.length_s();
    const sox_stat stat = sox_figures(pcm);
    qInfo("tone lasted %.3f s, sox: RMS %.3f, rough frequency %.0f Hz", length, stat.rms, stat.rough_hz);
    QVERIFY2(qAbs(length - 2.0) < 0.06, SHOW(length));
    QVERIFY2(qAbs(stat.rough_hz - 1000) < 50, SHOW(stat.rough_hz));
    QVERIFY2(stat.rms > 0.1, SHOW(stat.rms));
    const double hz = pcm_probe::pitch_hz(pcm, s.start_s + 0.1, s.end_s - 0.1);
    QVERIFY2(qAbs(hz - 1000) < 5, SHOW(hz));
}

void test_audio_playback::tone_plays_over_an_alarm_sound()
{
    auto player = audio_player::create();
    QVERIFY(player->open_file(fixture("a440_3s.flac", 3, 440)));
    const QByteArray pcm = record(4.0, [&] {
        player->play();
        QTest::qWait(500);
        play_tone(1000, 1000);
        QVERIFY(player->is_playing());
    });
    // The alarm sound runs its full length under and after the tone.
    const pcm_probe::span s = pcm_probe::sound_span(pcm);
    QVERIFY2(qAbs(s.length_s() - 3.0) < 0.06, SHOW(s.length_s()));
    const double before = pcm_probe::pitch_hz(pcm, s.start_s + 0.1, s.start_s + 0.4);
    const double after = pcm_probe::pitch_hz(pcm, s.end_s - 0.9, s.end_s - 0.1);
    QVERIFY2(qAbs(before - 440) < 5, SHOW(before));
    QVERIFY2(qAbs(after - 440) < 5, SHOW(after));
    // While both play the signal is louder than the sound alone.
    const double alone = pcm_probe::rms(pcm, s.start_s + 0.1, s.start_s + 0.4);
    const double mixed = pcm_probe::rms(pcm, s.start_s + 0.8, s.start_s + 1.2);
    QVERIFY2(mixed > alone * 1.2, qPrintable(QString("alone %1 mixed %2").arg(alone).arg(mixed)));
}

static double rss_mb()
{
    for (const QByteArray &line : read_file("/proc/self/status").split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024;
    return -1;
}

void test_audio_playback::two_hour_file_plays_in_little_memory()
{
    // 8-bit mono keeps the file at 58 MB; decoded for the output it would be 1.3 GB.
    const QString path = m_dir.filePath("two_hours.wav");
    const QString error = sound_fixture::make_long_wav(path, 2 * 3600, 440);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    auto player = audio_player::create();
    const double idle = rss_mb();
    double peak = idle;
    QVERIFY2(player->open_file(path), qPrintable(player->last_error()));
    const QByteArray pcm = record(4.0, [&] {
        player->play();
        for (int i = 0; i < 20; ++i) {
            QTest::qWait(150);
            peak = std::max(peak, rss_mb());
        }
    });
    QVERIFY(player->is_playing());
    player->halt();
    qInfo("resident memory: idle %.1f MB, playing a 2-hour file %.1f MB", idle, peak);
    if (resident_memory_is_meaningful())
        QVERIFY2(peak - idle < 20, qPrintable(QString("idle %1 MB, playing %2 MB").arg(idle).arg(peak)));
    const pcm_probe::span s = pcm_probe::sound_span(pcm);
    QVERIFY2(s.length_s() > 3.0, SHOW(s.length_s()));
    // Half-second windows: a dropout of a loaded machine spoils one at most.
    std::vector<double> pitches;
    for (double t = s.start_s + 0.2; t + 0.5 < s.end_s; t += 0.5)
        pitches.push_back(pcm_probe::pitch_hz(pcm, t, t + 0.5));
    std::sort(pitches.begin(), pitches.end());
    const double hz = pitches[pitches.size() / 2];
    QVERIFY2(qAbs(hz - 440) < 5, SHOW(hz));
}

static QString pactl(const QStringList &args)
{
    QProcess p;
    p.start("pactl", args);
    p.waitForFinished(10000);
    return QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
}

void test_audio_playback::follows_a_changed_default_output()
{
    if (!m_server)
        QSKIP("changes the default output, which only a private server allows");
    const QString old_default = pactl({"get-default-sink"});
    // Headphones plugged in: a new device, of another layout, becomes the default.
    const QString module = pactl({"load-module", "module-null-sink", "sink_name=orv_headphones", "rate=48000",
                                  "channels=1", "format=float32le"});
    QVERIFY(!module.isEmpty());
    auto restore = qScopeGuard([&] {
        pactl({"set-default-sink", old_default});
        pactl({"unload-module", module});
    });
    pactl({"set-default-sink", "orv_headphones"});

    auto player = audio_player::create();
    QVERIFY(player->open_file(fixture("a440_2s.wav", 2, 440)));
    QString inputs;
    const QByteArray pcm = record(2.8, [&] {
        player->play();
        QTest::qWait(500);
        inputs = pactl({"list", "sink-inputs"});
    });
    // Heard on the new device, sent in its own layout so the server need not convert.
    QVERIFY2(inputs.contains("float32le 1ch 48000Hz"), qPrintable(inputs));
    const pcm_probe::span s = pcm_probe::sound_span(pcm);
    QVERIFY2(qAbs(s.length_s() - 2.0) < 0.06, SHOW(s.length_s()));
    const double hz = pcm_probe::pitch_hz(pcm, s.start_s + 0.2, s.end_s - 0.2);
    QVERIFY2(qAbs(hz - 440) < 5, SHOW(hz));
}

QTEST_GUILESS_MAIN(test_audio_playback)
#include "tst_audio_playback.moc"
