// The skin constructor's picture libraries in the built app_data folder:
// enough pictures in each, hands that turn about their hub at the pivot the
// constructor starts with, clean transparent edges.

#include "test_support.h"

#include <QDir>
#include <QImage>
#include <QTest>

namespace {

// Row of the pivot as the clock computes it when drawing a hand.
int pivot_row(int height, double z)
{
    return -int(0 - (height - height * z));
}

bool transparent_corners(const QImage &img)
{
    const int r = img.width() - 1, b = img.height() - 1;
    return qAlpha(img.pixel(0, 0)) == 0 && qAlpha(img.pixel(r, 0)) == 0 && qAlpha(img.pixel(0, b)) == 0 &&
           qAlpha(img.pixel(r, b)) == 0;
}

int luminance(QRgb c)
{
    return (qRed(c) * 299 + qGreen(c) * 587 + qBlue(c) * 114) / 1000;
}

// Pixels of a soft edge that are lighter than every more solid pixel next
// to them: the light fringe a picture keeps when it was cut out of a light
// background, which shows as a halo on a dark desktop.
int light_fringe_pixels(const QImage &img)
{
    int fringe = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QRgb c = img.pixel(x, y);
            if (qAlpha(c) < 24 || qAlpha(c) > 230)
                continue;
            int lightest_body = -1;
            for (int dy = -2; dy <= 2; ++dy)
                for (int dx = -2; dx <= 2; ++dx) {
                    const QPoint n(x + dx, y + dy);
                    if (img.rect().contains(n) && qAlpha(img.pixel(n)) > qAlpha(c) + 32)
                        lightest_body = qMax(lightest_body, luminance(img.pixel(n)));
                }
            if (lightest_body >= 0 && luminance(c) > lightest_body + 40)
                ++fringe;
        }
    return fringe;
}

} // namespace

class test_picture_libraries : public QObject
{
    Q_OBJECT

    QString m_root;

    QStringList pictures(const QString &library) const
    {
        return QDir(m_root + "/Base/" + library).entryList({"*.png"}, QDir::Files, QDir::Name);
    }
    QImage picture(const QString &library, const QString &name) const
    {
        return QImage(m_root + "/Base/" + library + "/" + name).convertToFormat(QImage::Format_ARGB32);
    }

private slots:
    void initTestCase()
    {
        m_root = built_app_data();
        QVERIFY2(QDir(m_root + "/Base").exists(), qPrintable("no built libraries at " + m_root));
    }

    void every_library_offers_a_choice_data()
    {
        QTest::addColumn<QString>("library");
        for (const char *l : {"Clockface", "Hourface", "Minface", "Secundsface", "Dots"})
            QTest::newRow(l) << l;
    }
    void every_library_offers_a_choice()
    {
        QFETCH(QString, library);
        const QStringList names = pictures(library);
        QVERIFY2(names.size() >= 8, qPrintable(names.join(", ")));
        for (const QString &n : names) {
            const QImage img = picture(library, n);
            QVERIFY2(!img.isNull(), qPrintable(n));
            QVERIFY2(transparent_corners(img), qPrintable(n + ": corners not transparent"));
            QVERIFY2(img.width() % 2 == 0 && img.height() % 2 == 0, qPrintable(n + ": odd size"));
            QVERIFY2(light_fringe_pixels(img) == 0, qPrintable(n + ": light fringe at the edge"));
        }
    }

    // With the constructor's starting pivots (9, 6 and 23 hundredths) every
    // library hand turns about its own hub.
    void hands_pivot_where_the_constructor_starts_data()
    {
        QTest::addColumn<QString>("library");
        QTest::addColumn<double>("z");
        QTest::newRow("hour") << "Hourface" << 0.09;
        QTest::newRow("minute") << "Minface" << 0.06;
        QTest::newRow("second") << "Secundsface" << 0.23;
    }
    void hands_pivot_where_the_constructor_starts()
    {
        QFETCH(QString, library);
        QFETCH(double, z);
        for (const QString &n : pictures(library)) {
            const QImage hand = picture(library, n);
            const int row = pivot_row(hand.height(), z), cx = hand.width() / 2;
            for (int dy : {-1, 0})
                for (int dx : {-1, 0})
                    QVERIFY2(qAlpha(hand.pixel(cx + dx, row + dy)) > 200, qPrintable(n + ": pivot not on the hub"));
            // The whole picture scaled by two keeps the pivot on a whole row.
            QCOMPARE(pivot_row(2 * hand.height(), z), 2 * row);
            int top = hand.height(), bottom = 0;
            for (int y = 0; y < hand.height(); ++y)
                if (qAlpha(hand.pixel(cx, y)) > 128) {
                    top = qMin(top, y);
                    bottom = qMax(bottom, y);
                }
            QVERIFY2(row - top > 2 * (bottom - row), qPrintable(n + ": does not point up"));
        }
    }

    void caps_and_dials_are_solid_in_the_middle_data()
    {
        QTest::addColumn<QString>("library");
        QTest::newRow("dials") << "Clockface";
        QTest::newRow("caps") << "Dots";
    }
    void caps_and_dials_are_solid_in_the_middle()
    {
        QFETCH(QString, library);
        for (const QString &n : pictures(library)) {
            const QImage img = picture(library, n);
            QVERIFY2(qAlpha(img.pixel(img.width() / 2, img.height() / 2)) == 255, qPrintable(n));
        }
    }
};

QTEST_MAIN(test_picture_libraries)
#include "tst_picture_libraries.moc"
