// Calendar skins are decoded when a window first paints, at the size it
// shows them, and again only when that size changes; a hidden calendar
// holds no decoded picture at all.
#include "calendar/my_calendar.h"
#include "calendar/skin_picture.h"
#include "calendar_rig.h"
#include "test_support.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Left half red, right half blue: a scaled picture keeps the split.
QString two_colour_png(const QString &path, QSize s)
{
    QImage img(s, QImage::Format_ARGB32);
    QPainter p(&img);
    p.fillRect(QRect(0, 0, s.width() / 2, s.height()), Qt::red);
    p.fillRect(QRect(s.width() / 2, 0, s.width() - s.width() / 2, s.height()), Qt::blue);
    p.end();
    QDir().mkpath(QFileInfo(path).path());
    img.save(path);
    return path;
}

} // namespace

class tst_skin_picture : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void decoded_at_the_size_shown_data()
    {
        QTest::addColumn<QSize>("shown");
        QTest::addColumn<qreal>("dpr");
        QTest::newRow("half size") << QSize(300, 200) << 1.0;
        QTest::newRow("other shape") << QSize(320, 220) << 1.0;
        QTest::newRow("scale factor 2") << QSize(300, 200) << 2.0;
        QTest::newRow("larger than the file") << QSize(900, 700) << 1.0;
    }
    void decoded_at_the_size_shown()
    {
        QFETCH(QSize, shown);
        QFETCH(qreal, dpr);
        skin_picture skin;
        skin.set_file(two_colour_png(m_dir.filePath("skin.png"), QSize(600, 400)));
        QVERIFY(!skin.decoded());
        const QPixmap &pm = skin.at(shown, dpr);
        QVERIFY(skin.decoded());
        QCOMPARE(pm.size(), (QSizeF(shown) * dpr).toSize());
        QCOMPARE(pm.devicePixelRatio(), dpr);
        const QImage img = pm.toImage();
        QCOMPARE(img.pixelColor(2, img.height() / 2), QColor(Qt::red));
        QCOMPARE(img.pixelColor(img.width() - 3, img.height() / 2), QColor(Qt::blue));
    }

    void decoded_again_only_when_the_size_changes()
    {
        skin_picture skin;
        skin.set_file(two_colour_png(m_dir.filePath("again.png"), QSize(600, 400)));
        const qint64 first = skin.at(QSize(300, 200), 1.0).cacheKey();
        QCOMPARE(skin.at(QSize(300, 200), 1.0).cacheKey(), first);
        QVERIFY(skin.at(QSize(310, 200), 1.0).cacheKey() != first);
        // Another file is decoded afresh, at the next paint.
        skin.set_file(two_colour_png(m_dir.filePath("other.png"), QSize(60, 40)));
        QVERIFY(!skin.decoded());
        QCOMPARE(skin.at(QSize(30, 20), 1.0).size(), QSize(30, 20));
    }

    void a_missing_or_broken_file_shows_nothing_and_says_so_once_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("missing") << m_dir.filePath("none.png");
        QTest::newRow("broken") << m_dir.filePath("broken.png");
        QTest::newRow("none chosen") << QString();
    }
    void a_missing_or_broken_file_shows_nothing_and_says_so_once()
    {
        QFETCH(QString, path);
        write_file(m_dir.filePath("broken.png"), "not a png");
        skin_picture skin;
        skin.set_file(path);
        if (!path.isEmpty())
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("calendar skin cannot be read"));
        const QImage img = skin.at(QSize(40, 30), 1.0).toImage();
        QCOMPARE(img.size(), QSize(40, 30));
        QCOMPARE(qAlpha(img.pixel(20, 15)), 0);
        // Resized: decoded again, without a second warning.
        QCOMPARE(skin.at(QSize(50, 30), 1.0).size(), QSize(50, 30));
    }

    void a_calendar_never_shown_decodes_nothing()
    {
        calendar_rig base;
        const QString dir = base.home.data_folder();
        const QString file = two_colour_png(dir + "/Calendar_skins/mine.png", QSize(600, 400));
        write_file(dir + "/calendar.ini",
                   QString("[Skin]\nmy_skin=%1\n[Geometry]\nwidth=300\nheight=210\n").arg(file).toUtf8());
        my_calendar w(*base.store, base.clock);
        QVERIFY(!w.skin_decoded());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTRY_VERIFY(w.skin_decoded());
    }
};

QTEST_MAIN(tst_skin_picture)
#include "tst_skin_picture.moc"
