// The GIF writer against Qt's own GIF reader: exact colours, transparency,
// frame count and delays, including images large enough to refill the LZW table.

#include "gif_writer.h"

#include <QBuffer>
#include <QImageReader>
#include <QRandomGenerator>
#include <QTest>

using asset::encode_gif;
using asset::gif_frame;

class test_gif_writer : public QObject
{
    Q_OBJECT

private:
    static QImage noise(int w, int h, int colours, quint32 seed, bool holes)
    {
        QRandomGenerator rnd(seed);
        QList<QRgb> palette;
        for (int i = 0; i < colours; ++i)
            palette << (0xff000000u | (rnd.generate() & 0xffffff));
        QImage img(w, h, QImage::Format_ARGB32);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                img.setPixel(x, y, holes && rnd.bounded(5) == 0 ? 0u : palette.at(rnd.bounded(colours)));
        return img;
    }

    static QList<QImage> decode(const QByteArray &gif, QList<int> *delays = nullptr)
    {
        QBuffer buf;
        buf.setData(gif);
        buf.open(QIODevice::ReadOnly);
        QImageReader reader(&buf, "gif");
        QList<QImage> out;
        for (;;) {
            QImage img = reader.read();
            if (img.isNull())
                break;
            out << img.convertToFormat(QImage::Format_ARGB32);
            if (delays)
                *delays << reader.nextImageDelay();
        }
        return out;
    }

    static void compare_pixels(const QImage &want, const QImage &got)
    {
        QCOMPARE(got.size(), want.size());
        for (int y = 0; y < want.height(); ++y)
            for (int x = 0; x < want.width(); ++x) {
                const QRgb a = want.pixel(x, y), b = got.pixel(x, y);
                if (qAlpha(a) == 0) {
                    QVERIFY2(qAlpha(b) == 0, qPrintable(QString("pixel %1,%2 not transparent").arg(x).arg(y)));
                } else if (a != b) {
                    QFAIL(qPrintable(QString("pixel %1,%2: %3 became %4").arg(x).arg(y).arg(a, 8, 16).arg(b, 8, 16)));
                }
            }
    }

private slots:
    void round_trip_data()
    {
        QTest::addColumn<int>("w");
        QTest::addColumn<int>("h");
        QTest::addColumn<int>("colours");
        QTest::addColumn<bool>("holes");
        QTest::newRow("one pixel") << 1 << 1 << 1 << false;
        QTest::newRow("two colours, odd size") << 37 << 11 << 2 << false;
        QTest::newRow("table refills") << 300 << 300 << 255 << false;
        QTest::newRow("transparent holes") << 200 << 150 << 120 << true;
        QTest::newRow("single colour, long runs") << 640 << 400 << 1 << false;
    }

    void round_trip()
    {
        QFETCH(int, w);
        QFETCH(int, h);
        QFETCH(int, colours);
        QFETCH(bool, holes);
        const QImage a = noise(w, h, colours, 1, holes), b = noise(w, h, colours, 1, holes).mirrored(true, false);
        const QByteArray gif = encode_gif({{a, 7}, {b, 12}});
        QVERIFY(gif.startsWith("GIF89a"));
        QList<int> delays;
        const QList<QImage> frames = decode(gif, &delays);
        QCOMPARE(frames.size(), 2);
        compare_pixels(a, frames.at(0));
        compare_pixels(b, frames.at(1));
        QCOMPARE(delays.at(0), 70);
        QCOMPARE(delays.at(1), 120);
    }

    void many_colours_are_approximated()
    {
        QImage img(64, 64, QImage::Format_ARGB32);
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x)
                img.setPixel(x, y, qRgb(x * 4, y * 4, (x + y) * 2));
        const QList<QImage> frames = decode(encode_gif({{img, 5}}));
        QCOMPARE(frames.size(), 1);
        int worst = 0;
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x) {
                const QRgb a = img.pixel(x, y), b = frames.at(0).pixel(x, y);
                worst = qMax(worst, qAbs(qRed(a) - qRed(b)) + qAbs(qGreen(a) - qGreen(b)) + qAbs(qBlue(a) - qBlue(b)));
            }
        QVERIFY2(worst < 40, qPrintable(QString("worst colour error %1").arg(worst)));
    }

    void unusable_frames_give_nothing()
    {
        QVERIFY(encode_gif({}).isEmpty());
        QVERIFY(encode_gif({{QImage(), 5}}).isEmpty());
        QVERIFY(encode_gif({{noise(10, 10, 3, 2, false), 5}, {noise(11, 10, 3, 2, false), 5}}).isEmpty());
    }
};

QTEST_MAIN(test_gif_writer)
#include "tst_gif_writer.moc"
