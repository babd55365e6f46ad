// Opening sound files: every offered format decodes to the right length and
// pitch, bad files fail with a reason. No sound server needed.

#include "pcm_probe.h"
#include "sound_fixture.h"
#include "test_support.h"

#include "platform/audio_player.h"
#include "platform/linux/sound/audio_decoder.h"

#include <QDataStream>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <algorithm>
#include <vector>

namespace {

// The whole sound, the way the worker thread takes it a stretch at a time.
QByteArray decode_whole(const QString &path, const pcm_shape &shape, QString *error)
{
    audio_decoder decoder;
    if (!decoder.open(path, shape)) {
        *error = decoder.error();
        return {};
    }
    QByteArray pcm;
    audio_decoder::result r = audio_decoder::result::more;
    while (r == audio_decoder::result::more)
        r = decoder.decode_some(pcm);
    if (r == audio_decoder::result::failed)
        *error = decoder.error();
    return pcm;
}

// Channel 0 of any layout, as -1..1.
std::vector<double> first_channel(const QByteArray &pcm, const pcm_shape &shape)
{
    std::vector<double> out;
    const int frame = shape.bytes_per_frame();
    for (qsizetype at = 0; at + frame <= pcm.size(); at += frame) {
        const char *p = pcm.constData() + at;
        switch (shape.kind) {
        case sample_kind::u8:
            out.push_back((quint8(*p) - 128) / 128.0);
            break;
        case sample_kind::s16:
            out.push_back(qFromLittleEndian<qint16>(p) / 32768.0);
            break;
        case sample_kind::s32:
            out.push_back(qFromLittleEndian<qint32>(p) / 2147483648.0);
            break;
        case sample_kind::f32:
            out.push_back(double(qFromLittleEndian<float>(p)));
            break;
        }
    }
    return out;
}

double pitch_of(const std::vector<double> &v, int rate)
{
    qint64 first = -1, last = -1, crossings = 0;
    for (size_t i = 1; i < v.size(); ++i) {
        if (v[i - 1] < 0 && v[i] >= 0) {
            if (first < 0)
                first = qint64(i);
            last = qint64(i);
            ++crossings;
        }
    }
    return crossings < 2 ? 0 : double(crossings - 1) * rate / double(last - first);
}

} // namespace

class test_audio_open : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void decodes_each_format_data();
    void decodes_each_format();
    void player_opens_each_format_data();
    void player_opens_each_format();
    void resamples_other_layouts_data();
    void resamples_other_layouts();
    void opens_path_with_cyrillic_and_spaces();
    void rejects_bad_files_data();
    void rejects_bad_files();
    void decodes_into_the_device_layout_data();
    void decodes_into_the_device_layout();
    void opens_a_long_sound_without_decoding_it_all_data();
    void opens_a_long_sound_without_decoding_it_all();
    void truncated_file_plays_what_is_left();
    void failed_open_then_play_is_harmless();
    void released_player_refuses_to_open();

private:
    QString fixture(const QString &name, double seconds, int hz);
    QTemporaryDir m_dir;
};

void test_audio_open::initTestCase()
{
    QVERIFY(m_dir.isValid());
    if (!sound_fixture::have_sox())
        QSKIP("sox is not installed; it makes the sample sound files (apt-get install sox)");
}

QString test_audio_open::fixture(const QString &name, double seconds, int hz)
{
    return sound_fixture::cached_sine(m_dir.filePath(name), seconds, hz);
}

static void add_formats()
{
    QTest::addColumn<QString>("ext");
    for (const char *ext : {"wav", "mp3", "ogg", "flac", "aac", "ac3", "pcm"})
        QTest::newRow(ext) << QString::fromLatin1(ext);
}

void test_audio_open::decodes_each_format_data()
{
    add_formats();
}

void test_audio_open::decodes_each_format()
{
    QFETCH(QString, ext);
    const QString path = fixture("tone440." + ext, 1.5, 440);
    QVERIFY2(QFile::exists(path), "fixture was not made");

    QString error;
    const QByteArray pcm = decode_whole(path, pcm_shape::cd(), &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    // Encoders add priming and padding of up to a few thousand samples.
    QVERIFY2(qAbs(pcm_probe::seconds(pcm) - 1.5) < 0.1, qPrintable(QString::number(pcm_probe::seconds(pcm))));
    const double hz = pcm_probe::pitch_hz(pcm, 0.3, 1.2);
    QVERIFY2(qAbs(hz - 440) < 5, qPrintable(QString::number(hz)));
    const double level = pcm_probe::rms(pcm, 0.3, 1.2);
    QVERIFY2(level > 0.25 && level < 0.45, qPrintable(QString::number(level)));
}

void test_audio_open::player_opens_each_format_data()
{
    add_formats();
}

void test_audio_open::player_opens_each_format()
{
    QFETCH(QString, ext);
    auto player = audio_player::create();
    QVERIFY(player->open_file(fixture("tone440." + ext, 1.5, 440)) != 0);
    QCOMPARE(player->last_error(), QString());
}

void test_audio_open::resamples_other_layouts_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::newRow("22 kHz mono 8-bit") << QStringList{"-r", "22050", "-c", "1", "-b", "8"};
    QTest::newRow("48 kHz stereo 24-bit") << QStringList{"-r", "48000", "-c", "2", "-b", "24"};
    QTest::newRow("8 kHz mono 16-bit") << QStringList{"-r", "8000", "-c", "1", "-b", "16"};
    QTest::newRow("96 kHz 6 channels") << QStringList{"-r", "96000", "-c", "6", "-b", "16"};
}

void test_audio_open::resamples_other_layouts()
{
    QFETCH(QStringList, options);
    const QString path = m_dir.filePath(QString("layout_%1.wav").arg(QTest::currentDataTag()).replace(' ', '_'));
    const QString error = sound_fixture::make_sine_sox(path, 1.0, 1000, options);
    QVERIFY2(error.isEmpty(), qPrintable(error));

    QString why;
    const QByteArray pcm = decode_whole(path, pcm_shape::cd(), &why);
    QVERIFY2(why.isEmpty(), qPrintable(why));
    QVERIFY(qAbs(pcm_probe::seconds(pcm) - 1.0) < 0.02);
    const double hz = pcm_probe::pitch_hz(pcm, 0.1, 0.9);
    QVERIFY2(qAbs(hz - 1000) < 10, qPrintable(QString::number(hz)));
    QVERIFY(pcm_probe::rms(pcm, 0.1, 0.9) > 0.1);
}

void test_audio_open::opens_path_with_cyrillic_and_spaces()
{
    auto player = audio_player::create();
    QVERIFY(player->open_file(fixture("будильник с пробелом.ogg", 0.5, 440)) != 0);
    QVERIFY(player->open_file(fixture("будильник сырой.pcm", 0.5, 440)) != 0);
}

// A 16-bit PCM RIFF/WAVE file with the header's rate and channel count.
static QByteArray pcm_wav(quint32 rate, quint16 channels, const QByteArray &samples)
{
    QByteArray w;
    QDataStream s(&w, QIODevice::WriteOnly);
    s.setByteOrder(QDataStream::LittleEndian);
    const quint16 align = quint16(channels * 2);
    s.writeRawData("RIFF", 4);
    s << quint32(36 + samples.size());
    s.writeRawData("WAVEfmt ", 8);
    s << quint32(16) << quint16(1) << channels << rate << quint32(rate * align) << align << quint16(16);
    s.writeRawData("data", 4);
    s << quint32(samples.size());
    s.writeRawData(samples.constData(), int(samples.size()));
    return w;
}

void test_audio_open::rejects_bad_files_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("reason"); // a word the error text must hold

    QByteArray noise(64 * 1024, Qt::Uninitialized);
    QRandomGenerator rng(20240601);
    for (auto &b : noise)
        b = char(rng.bounded(256));
    const QByteArray text = QByteArray("Это просто текст, а не звук.\nThis is plain text.\n").repeated(200);
    // A RIFF/WAVE header that promises data but has none.
    QByteArray header_only = QByteArray::fromHex("52494646240000005741564566"
                                                 "6d7420100000000100020044ac000010b102000400100064617461"
                                                 "00000000");

    QTest::newRow("missing") << "no_such_file.wav" << QByteArray() << "не найден";
    QTest::newRow("empty") << "empty.mp3" << QByteArray("") << "пуст";
    QTest::newRow("empty pcm") << "empty.pcm" << QByteArray("") << "пуст";
    QTest::newRow("pcm shorter than a frame") << "tiny.pcm" << QByteArray("ab") << "отсч";
    QTest::newRow("garbage wav") << "noise.wav" << noise << "не является звуковым";
    QTest::newRow("garbage mp3") << "noise.mp3" << noise << "не является звуковым";
    QTest::newRow("garbage no extension") << "noise" << noise << "не является звуковым";
    QTest::newRow("text renamed mp3") << "readme.mp3" << text << "не является звуковым";
    QTest::newRow("text renamed ogg") << "readme.ogg" << text << "не является звуковым";
    QTest::newRow("wav header only") << "header_only.wav" << header_only << "не является звуковым";
    QTest::newRow("folder") << "folder.wav" << QByteArray("<dir>") << "папка";
    // Found by fuzzing: a header claiming a rate of gigahertz kept the
    // resampler's set-up busy for minutes and gigabytes.
    QTest::newRow("wav at a gigahertz") << "giga.wav" << pcm_wav(1040195392, 2, noise) << "не поддерживается";
    QTest::newRow("wav with 300 channels") << "many.wav" << pcm_wav(44100, 300, noise) << "не поддерживается";
}

void test_audio_open::rejects_bad_files()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(QString, reason);

    const QString path = m_dir.filePath(name);
    if (content == "<dir>")
        QVERIFY(QDir().mkpath(path));
    else if (!content.isNull())
        write_file(path, content);

    auto player = audio_player::create();
    QCOMPARE(player->open_file(path), 0);
    const QString error = player->last_error();
    QVERIFY2(error.contains(reason), qPrintable(error));
    // The user must be able to tell which file it was.
    QVERIFY2(error.contains(name), qPrintable(error));
    // Nothing of the rejected file is played.
    player->play();
    QVERIFY(!player->is_playing());
}

void test_audio_open::decodes_into_the_device_layout_data()
{
    QTest::addColumn<QString>("ext");
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("channels");
    QTest::addColumn<int>("kind");
    QTest::newRow("mp3 to 48 kHz mono float") << "mp3" << 48000 << 1 << int(sample_kind::f32);
    QTest::newRow("ogg to 48 kHz stereo s32") << "ogg" << 48000 << 2 << int(sample_kind::s32);
    QTest::newRow("wav to 22 kHz stereo s16") << "wav" << 22050 << 2 << int(sample_kind::s16);
    QTest::newRow("pcm to 96 kHz 6 channels float") << "pcm" << 96000 << 6 << int(sample_kind::f32);
    QTest::newRow("flac to 8 kHz mono u8") << "flac" << 8000 << 1 << int(sample_kind::u8);
}

void test_audio_open::decodes_into_the_device_layout()
{
    QFETCH(QString, ext);
    QFETCH(int, rate);
    QFETCH(int, channels);
    QFETCH(int, kind);
    const pcm_shape shape{rate, channels, sample_kind(kind)};
    QString error;
    const QByteArray pcm = decode_whole(fixture("tone440." + ext, 1.5, 440), shape, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QCOMPARE(pcm.size() % shape.bytes_per_frame(), 0);
    const std::vector<double> left = first_channel(pcm, shape);
    const double seconds = double(left.size()) / rate;
    QVERIFY2(qAbs(seconds - 1.5) < 0.1, qPrintable(QString::number(seconds)));
    const std::vector<double> middle(left.begin() + rate / 5, left.end() - rate / 5);
    const double hz = pitch_of(middle, rate);
    QVERIFY2(qAbs(hz - 440) < 5, qPrintable(QString::number(hz)));
    const double peak = std::abs(
        *std::max_element(middle.begin(), middle.end(), [](double a, double b) { return std::abs(a) < std::abs(b); }));
    // Only the front channels carry the sine when six are asked for; 0.5 of full scale otherwise.
    QVERIFY2(peak > 0.3 && peak < 0.75, qPrintable(QString::number(peak)));
}

void test_audio_open::opens_a_long_sound_without_decoding_it_all_data()
{
    QTest::addColumn<QString>("ext");
    for (const char *ext : {"wav", "pcm", "mp3", "ogg"})
        QTest::newRow(ext) << QString::fromLatin1(ext);
}

void test_audio_open::opens_a_long_sound_without_decoding_it_all()
{
    QFETCH(QString, ext);
    // Once refused above a length limit; now any length opens, and what
    // open() decodes up front is only the start.
    const QString path = fixture("long20s." + ext, 20, 440);
    audio_decoder decoder;
    QVERIFY2(decoder.open(path, pcm_shape::cd()), qPrintable(decoder.error()));
    QByteArray first;
    QCOMPARE(decoder.decode_some(first), audio_decoder::result::more);
    QVERIFY2(pcm_probe::seconds(first) < 1.0, qPrintable(QString::number(pcm_probe::seconds(first))));
    qint64 total = first.size();
    audio_decoder::result r = audio_decoder::result::more;
    while (r == audio_decoder::result::more) {
        QByteArray more;
        r = decoder.decode_some(more);
        total += more.size();
    }
    QCOMPARE(r, audio_decoder::result::end);
    QVERIFY(qAbs(double(total) / pcm_shape::cd().bytes_for_ms(1000) - 20) < 0.5);
}

void test_audio_open::truncated_file_plays_what_is_left()
{
    for (const QString ext : {"wav", "mp3", "flac"}) {
        const QByteArray whole = read_file(fixture("whole3s." + ext, 3, 440));
        const QString cut = m_dir.filePath("cut." + ext);
        write_file(cut, whole.left(whole.size() / 2));
        QString error;
        const double s = pcm_probe::seconds(decode_whole(cut, pcm_shape::cd(), &error));
        QVERIFY2(error.isEmpty() || error.contains("декодировать"), qPrintable(ext + ": " + error));
        QVERIFY2(s > 1.0 && s < 2.0, qPrintable(ext + ": " + QString::number(s)));
    }
}

void test_audio_open::failed_open_then_play_is_harmless()
{
    auto player = audio_player::create();
    QVERIFY(player->open_file(fixture("tone440.wav", 1.5, 440)) != 0);
    QCOMPARE(player->open_file(m_dir.filePath("gone.wav")), 0);
    QVERIFY(!player->last_error().isEmpty());
    player->play();
    QVERIFY(!player->is_playing());
    player->halt();
    player->release();
}

void test_audio_open::released_player_refuses_to_open()
{
    auto player = audio_player::create();
    player->release();
    QCOMPARE(player->open_file(fixture("tone440.wav", 1.5, 440)), 0);
    QVERIFY(!player->last_error().isEmpty());
    player->play();
    player->halt();
    QVERIFY(!player->is_playing());
}

QTEST_GUILESS_MAIN(test_audio_open)
#include "tst_audio_open.moc"
