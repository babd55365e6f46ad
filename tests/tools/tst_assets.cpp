// The shipped pictures and sounds in the built app_data folder: skins load and
// pivot where the clock expects, stickers and calendar skins load, the
// animation animates, the sounds are valid and audible.

#include "test_support.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QMovie>
#include <QSettings>
#include <QTest>
#include <QtEndian>

#include <cmath>

class test_assets : public QObject
{
    Q_OBJECT

private:
    QString m_root;

    QStringList skin_folders() const
    {
        return QDir(m_root + "/Skins").entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    }

    static bool transparent_corners(const QImage &img)
    {
        const int r = img.width() - 1, b = img.height() - 1;
        return qAlpha(img.pixel(0, 0)) == 0 && qAlpha(img.pixel(r, 0)) == 0 && qAlpha(img.pixel(0, b)) == 0 &&
               qAlpha(img.pixel(r, b)) == 0;
    }

    static double opaque_fraction(const QImage &img)
    {
        qint64 n = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                n += qAlpha(img.pixel(x, y)) > 200;
        return double(n) / (qint64(img.width()) * img.height());
    }

    // Row of the pivot as the clock computes it when drawing the hand.
    static int pivot_row(int height, double z) { return -int(0 - (height - height * z)); }

private slots:
    void initTestCase()
    {
        m_root = built_app_data();
        QVERIFY2(QDir(m_root).exists(), qPrintable("no built app_data at " + m_root));
    }

    void skins_are_complete()
    {
        const QStringList skins = skin_folders();
        QVERIFY(skins.contains("Standart"));
        QVERIFY2(skins.size() >= 4, qPrintable(skins.join(", ")));
        for (const QString &name : skins) {
            const QString dir = m_root + "/Skins/" + name;
            QVERIFY2(QFile::exists(dir + "/settings.ini"), qPrintable(dir));
            QSettings ini(dir + "/settings.ini", QSettings::IniFormat);
            QCOMPARE(ini.status(), QSettings::NoError);
            ini.beginGroup("SkinSettings");
            for (const char *key : {"fon", "hour", "mins", "secunds", "shapocka"}) {
                const QString file = ini.value(key).toString();
                QVERIFY2(!file.isEmpty(), qPrintable(name + ": no " + key));
                QImage img(dir + "/" + file);
                QVERIFY2(!img.isNull(), qPrintable(name + ": cannot load " + file));
            }
            for (const char *part : {"hour", "mins", "secunds", "shapocka"}) {
                for (const char *axis : {"x", "y", "z"}) {
                    if (QByteArray(part) == "shapocka" && QByteArray(axis) == "z")
                        continue;
                    const QString key = QString("offset_%1_%2").arg(part, axis);
                    bool ok = false;
                    const double v = ini.value(key).toString().toDouble(&ok);
                    QVERIFY2(ok, qPrintable(name + ": " + key + " missing or not a number"));
                    if (QByteArray(axis) == "z")
                        QVERIFY2(v > 0 && v < 0.5, qPrintable(name + ": " + key));
                    else
                        QCOMPARE(v, 1.0);
                }
            }
        }
    }

    void dials_are_round_pictures_with_transparent_corners()
    {
        for (const QString &name : skin_folders()) {
            const QImage face(m_root + "/Skins/" + name + "/clock.png");
            QVERIFY2(transparent_corners(face), qPrintable(name));
            QVERIFY2(face.width() >= 120 && face.width() <= 300, qPrintable(name));
            QVERIFY2(face.width() % 2 == 0 && face.height() % 2 == 0, qPrintable(name + ": odd size, blurred centre"));
            // The dial itself is opaque at its centre.
            QCOMPARE(qAlpha(face.pixel(face.width() / 2, face.height() / 2)), 255);
        }
    }

    // A hand must turn about its own hub: the clock places the point at
    // (width / 2, pivot row) on the dial centre, at scale 1 and 2.
    void hands_pivot_on_their_hub()
    {
        for (const QString &name : skin_folders()) {
            const QString dir = m_root + "/Skins/" + name;
            QSettings ini(dir + "/settings.ini", QSettings::IniFormat);
            ini.beginGroup("SkinSettings");
            const QList<QPair<QString, QString>> hands = {
                {"hour", "offset_hour_z"}, {"mins", "offset_mins_z"}, {"secunds", "offset_secunds_z"}};
            for (const auto &[key, zkey] : hands) {
                const QImage hand(dir + "/" + ini.value(key).toString());
                const double z = ini.value(zkey).toDouble();
                const QString what = name + "/" + key;
                QVERIFY2(transparent_corners(hand), qPrintable(what + ": corners not transparent"));
                QVERIFY2(hand.width() % 2 == 0, qPrintable(what + ": odd width"));
                QVERIFY2(hand.height() > 2 * hand.width(), qPrintable(what + ": not narrow and tall"));
                const int row = pivot_row(hand.height(), z);
                const int cx = hand.width() / 2;
                // The hub straddles the pivot: the four pixels around it are solid.
                for (int dy : {-1, 0})
                    for (int dx : {-1, 0})
                        QVERIFY2(qAlpha(hand.pixel(cx + dx, row + dy)) > 200,
                                 qPrintable(what + ": pivot not on the hub"));
                // Exactly twice as far down at double size: no rounding drift.
                QCOMPARE(pivot_row(2 * hand.height(), z), 2 * row);
                // Longer above the pivot than below it: the hand points at 12.
                int top = hand.height(), bottom = 0;
                for (int y = 0; y < hand.height(); ++y)
                    if (qAlpha(hand.pixel(cx, y)) > 128) {
                        top = qMin(top, y);
                        bottom = qMax(bottom, y);
                    }
                QVERIFY2(row - top > 2 * (bottom - row), qPrintable(what + ": does not point up"));
                // Symmetric about the centre line.
                int mismatched = 0, solid = 0;
                for (int y = 0; y < hand.height(); ++y)
                    for (int x = 0; x < cx; ++x) {
                        const int l = qAlpha(hand.pixel(x, y)), r = qAlpha(hand.pixel(hand.width() - 1 - x, y));
                        solid += l > 128;
                        mismatched += qAbs(l - r) > 96;
                    }
                QVERIFY2(mismatched * 20 < solid, qPrintable(what + ": lopsided"));
            }
            const QImage cap(dir + "/" + ini.value("shapocka").toString());
            QVERIFY2(transparent_corners(cap), qPrintable(name + ": cap corners"));
            QCOMPARE(qAlpha(cap.pixel(cap.width() / 2, cap.height() / 2)), 255);
        }
    }

    void picture_libraries_hold_pictures()
    {
        for (const char *lib : {"Clockface", "Hourface", "Minface", "Secundsface", "Dots"}) {
            const QDir dir(m_root + "/Base/" + lib);
            const QStringList files = dir.entryList({"*.png"}, QDir::Files);
            QVERIFY2(files.size() >= 4, lib);
            for (const QString &f : files)
                QVERIFY2(!QImage(dir.filePath(f)).isNull(), qPrintable(dir.filePath(f)));
        }
    }

    void still_sticker_has_a_shape()
    {
        const QImage img(m_root + "/Skins/stiker.png");
        QVERIFY(!img.isNull());
        QVERIFY(img.width() >= 200 && img.height() >= 150);
        QVERIFY(img.hasAlphaChannel());
        const double opaque = opaque_fraction(img);
        // Mostly paper, but with cut-away edges the window mask follows.
        QVERIFY2(opaque > 0.7 && opaque < 0.98, qPrintable(QString::number(opaque)));
    }

    void animated_stickers_animate()
    {
        const QStringList gifs = QDir(m_root + "/Skins").entryList({"*.gif"}, QDir::Files);
        QVERIFY(gifs.contains("stiker_anim.gif"));
        for (const QString &g : gifs) {
            QMovie movie(m_root + "/Skins/" + g);
            QVERIFY2(movie.isValid(), qPrintable(g));
            QVERIFY2(movie.frameCount() > 1, qPrintable(g));
            QVERIFY2(movie.frameCount() <= 60, qPrintable(g));
            QImage first;
            bool changes = false;
            for (int i = 0; i < movie.frameCount(); ++i) {
                QVERIFY(movie.jumpToFrame(i));
                const QImage frame = movie.currentImage().convertToFormat(QImage::Format_ARGB32);
                QVERIFY(!frame.isNull());
                QVERIFY2(transparent_corners(frame), qPrintable(g));
                const double opaque = opaque_fraction(frame);
                QVERIFY2(opaque > 0.1 && opaque < 0.9, qPrintable(g));
                if (i == 0)
                    first = frame;
                else
                    changes |= frame != first;
                QVERIFY(movie.nextFrameDelay() > 0);
            }
            QVERIFY2(changes, qPrintable(g + ": all frames alike"));
        }
    }

    void calendar_skins_and_grip_load()
    {
        const QDir dir(m_root + "/Calendar_skins");
        QVERIFY(dir.exists("calendar_1.png"));
        const QStringList files = dir.entryList({"*.png"}, QDir::Files);
        QVERIFY(files.size() >= 3);
        for (const QString &f : files) {
            const QImage img(dir.filePath(f));
            QVERIFY2(img.width() >= 250 && img.height() >= 160, qPrintable(f));
            QVERIFY2(opaque_fraction(img) > 0.9, qPrintable(f));
        }
        const QImage grip(m_root + "/Skins/resize.png");
        QVERIFY(!grip.isNull());
        QVERIFY(grip.width() >= 8 && grip.width() <= 32);
    }

    void sounds_are_valid_and_audible()
    {
        const QDir dir(m_root + "/Sound");
        const QStringList wavs = dir.entryList({"*.wav"}, QDir::Files);
        QVERIFY(wavs.size() >= 3);
        for (const QString &name : wavs) {
            const QByteArray d = read_file(dir.filePath(name));
            QVERIFY2(d.size() > 44 && d.startsWith("RIFF") && d.mid(8, 8) == "WAVEfmt ", qPrintable(name));
            const auto u16 = [&d](int at) { return qFromLittleEndian<quint16>(d.constData() + at); };
            const auto u32 = [&d](int at) { return qFromLittleEndian<quint32>(d.constData() + at); };
            QCOMPARE(u32(4), quint32(d.size() - 8));
            QCOMPARE(u16(20), quint16(1)); // PCM
            const int channels = u16(22);
            QVERIFY(channels == 1 || channels == 2);
            QCOMPARE(u32(24), quint32(44100));
            QCOMPARE(u16(34), quint16(16));
            QCOMPARE(u32(28), quint32(44100 * channels * 2));
            QCOMPARE(d.mid(36, 4), QByteArray("data"));
            const quint32 size = u32(40);
            QCOMPARE(qint64(size), qint64(d.size() - 44));
            const qint64 frames = size / (2 * channels);
            const double seconds = double(frames) / 44100;
            QVERIFY2(seconds >= 1 && seconds <= 4, qPrintable(name + QString(": %1 s").arg(seconds)));
            double sum = 0;
            int peak = 0;
            const qint16 *s = reinterpret_cast<const qint16 *>(d.constData() + 44);
            const qint64 n = size / 2;
            for (qint64 i = 0; i < n; ++i) {
                const int v = qFromLittleEndian(s[i]);
                sum += double(v) * v;
                peak = qMax(peak, qAbs(v));
            }
            const double rms = std::sqrt(sum / n) / 32768;
            QVERIFY2(rms > 0.02, qPrintable(name + QString(": rms %1").arg(rms)));
            QVERIFY2(peak < 32000, qPrintable(name + ": clipped"));
            // Starts and ends quietly: no click.
            QVERIFY(qAbs(qFromLittleEndian(s[0])) < 2000 && qAbs(qFromLittleEndian(s[n - 1])) < 2000);
        }
        for (const QString &name : dir.entryList({"*.flac"}, QDir::Files)) {
            const QByteArray d = read_file(dir.filePath(name));
            QVERIFY2(d.startsWith("fLaC") && d.size() > 10000, qPrintable(name));
        }
    }
};

QTEST_MAIN(test_assets)
#include "tst_assets.moc"
