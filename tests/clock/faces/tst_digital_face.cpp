// The digital face: its text, where it lands and the window size it asks for.
#include "clock/faces/cached_render.h"
#include "clock/faces/digital_face.h"
#include "face_test_support.h"

#include <QFontMetrics>
#include <QTest>

using namespace face_test;

namespace {

const QDateTime noon(QDate(2026, 3, 14), QTime(12, 34, 56));

clock_look test_look()
{
    clock_look l;
    l.clock = QStringLiteral("digital");
    l.font = QFont(QStringLiteral("DejaVu Sans"));
    l.font.setPixelSize(24);
    l.color = QColor(0, 0, 255);
    l.format_1 = QStringLiteral("hh:mm:ss");
    return l;
}

QImage paint(digital_face &face, const clock_look &l, const digital_text &d)
{
    QImage img = blank(d.size);
    QPainter p(&img);
    face.paint(p, l, d, d.size);
    p.end();
    return img.convertToFormat(QImage::Format_ARGB32);
}

bool ink(QRgb c)
{
    return qAlpha(c) > 40;
}

} // namespace

class tst_digital_face : public QObject
{
    Q_OBJECT

private slots:
    void one_line_frameless_fits_the_text_with_margins()
    {
        digital_face face;
        clock_look l = test_look();
        int remembered = 0;
        const digital_text d = face.layout(l, noon, false, remembered, nullptr);
        QCOMPARE(d.line1, QStringLiteral("12:34:56"));
        QVERIFY(d.line2.isEmpty());
        const QFontMetrics fm(l.font);
        QCOMPARE(d.size, QSize(fm.boundingRect(d.line1).width() + 20, fm.boundingRect(d.line1).height()));
        QCOMPARE(remembered, 0);

        // On the rendered face the text starts 10 px in and leaves about 10 px on
        // the right.
        const QRect r = bounds(paint(face, l, d), ink);
        QVERIFY2(r.left() >= 9 && r.left() <= 13, qPrintable(QString::number(r.left())));
        QVERIFY2(d.size.width() - 1 - r.right() >= 7 && d.size.width() - 1 - r.right() <= 14,
                 qPrintable(QString::number(r.right())));
        QVERIFY(r.top() >= 0 && r.bottom() < d.size.height());
    }

    void second_line_grows_the_window()
    {
        digital_face face;
        clock_look l = test_look();
        int remembered = 0;
        const digital_text one = face.layout(l, noon, false, remembered, nullptr);
        l.format_2 = QStringLiteral("dddd, d MMMM");
        const digital_text two = face.layout(l, noon, false, remembered, nullptr);
        // The user's format, with the interface's Russian names whatever the process locale.
        QCOMPARE(two.line2, QStringLiteral("суббота, 14 марта"));
        const QFontMetrics fm(l.font);
        QCOMPARE(two.size.height(), one.size.height() + fm.boundingRect(two.line2).height());
        QCOMPARE(two.size.width(), qMax(fm.boundingRect(two.line1).width(), fm.boundingRect(two.line2).width()) + 20);

        // Both lines are drawn, the second below the first, inside the window.
        const QImage img = paint(face, l, two);
        const int split = one.size.height();
        QVERIFY(count(img, ink, QRect(0, 0, img.width(), split - 4)) > 50);
        QVERIFY(count(img, ink, QRect(0, split + 2, img.width(), img.height() - split - 2)) > 50);
        QVERIFY(bounds(img, ink).bottom() < img.height());
    }

    void framed_width_only_grows_with_headroom()
    {
        digital_face face;
        clock_look l = test_look();
        const QFontMetrics fm(l.font);
        auto literal = [&](const QString &s) {
            l.format_1 = "'" + s + "'";
            return fm.boundingRect(s).width();
        };
        int remembered = 0;
        const int first = literal(QStringLiteral("0000000000"));
        digital_text d = face.layout(l, noon, true, remembered, nullptr);
        QCOMPARE(remembered, int(1.2 * first));
        QCOMPARE(d.size.width(), remembered);

        // Up to 1.44 times the first width: no change.
        const int keep = remembered;
        for (const char *s : {"000000000000", "00000000000000"}) {
            QVERIFY(literal(QString::fromLatin1(s)) <= 1.2 * keep);
            d = face.layout(l, noon, true, remembered, nullptr);
            QCOMPARE(remembered, keep);
        }

        // Narrower text never shrinks the window.
        literal(QStringLiteral("0"));
        d = face.layout(l, noon, true, remembered, nullptr);
        QCOMPARE(d.size.width(), keep);

        // Much wider text: 1.2 x the new width.
        const int wide = literal(QStringLiteral("000000000000000000000000"));
        d = face.layout(l, noon, true, remembered, nullptr);
        QCOMPARE(remembered, int(1.2 * wide));
        QCOMPARE(d.size.height(), fm.boundingRect(QStringLiteral("000")).height());
    }

    void am_pm_marker_comes_from_the_format()
    {
        digital_face face;
        clock_look l = test_look();
        l.format_1 = QStringLiteral("h:mm AP");
        l.ampm = true; // belongs to the flip face only
        int remembered = 0;
        const digital_text d = face.layout(l, QDateTime(noon.date(), QTime(15, 7)), false, remembered, nullptr);
        QCOMPARE(d.line1, QStringLiteral("3:07 PM"));
    }

    void a_changed_format_shows_within_the_same_second()
    {
        digital_face face;
        clock_look l = test_look();
        int remembered = 0;
        QCOMPARE(face.layout(l, noon, false, remembered, nullptr).line1, QStringLiteral("12:34:56"));
        l.format_1 = QStringLiteral("hh:mm");
        l.format_2 = QStringLiteral("dd.MM");
        const digital_text d = face.layout(l, noon, false, remembered, nullptr);
        QCOMPARE(d.line1, QStringLiteral("12:34"));
        QCOMPARE(d.line2, QStringLiteral("14.03"));
        QCOMPARE(face.layout(l, noon.addSecs(86400), false, remembered, nullptr).line2, QStringLiteral("15.03"));
    }

    void only_the_time_repaints_while_the_date_stays()
    {
        digital_face face;
        clock_look l = test_look();
        l.format_2 = QStringLiteral("dd.MM");
        int remembered = 0;
        const digital_text a = face.layout(l, noon, false, remembered, nullptr);
        const digital_text b = face.layout(l, noon.addSecs(1), false, remembered, nullptr);
        const QRect band = digital_face::changed_area(a, b, b.size);
        QCOMPARE(band.topLeft(), QPoint(0, 0));
        QCOMPARE(band.width(), b.size.width());
        QVERIFY(band.height() < b.size.height()); // the date line is left alone
        QVERIFY(band.height() >= b.box1.height());

        // A new date, or a first paint, repaints everything.
        const digital_text next_day = face.layout(l, noon.addSecs(86400), false, remembered, nullptr);
        QCOMPARE(digital_face::changed_area(b, next_day, next_day.size), QRect(QPoint(), next_day.size));
        QCOMPARE(digital_face::changed_area(digital_text(), b, b.size), QRect(QPoint(), b.size));
    }

    void text_uses_the_chosen_colour()
    {
        digital_face face;
        clock_look l = test_look();
        int remembered = 0;
        const QImage img = paint(face, l, face.layout(l, noon, false, remembered, nullptr));
        QVERIFY(count(img, bluish) > 30);
        QCOMPARE(count(img, [](QRgb c) { return qAlpha(c) > 200 && qRed(c) > 60; }), 0);
    }

    // A face keeps its font metrics, line boxes and advances between ticks:
    // after the font or the formats change, what it lays out must be what a
    // fresh face lays out, not what it measured before.
    void kept_measures_follow_the_look_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<int>("pixels");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<QString>("format");
        QTest::newRow("larger") << "DejaVu Sans" << 40 << false << "hh:mm:ss";
        QTest::newRow("smaller") << "DejaVu Sans" << 12 << false << "hh:mm:ss";
        QTest::newRow("bold") << "DejaVu Sans" << 24 << true << "hh:mm:ss";
        QTest::newRow("other family") << "DejaVu Serif" << 24 << false << "hh:mm:ss";
        QTest::newRow("other format") << "DejaVu Sans" << 24 << false << "hh:mm:ss.zzz";
    }

    void kept_measures_follow_the_look()
    {
        QFETCH(QString, family);
        QFETCH(int, pixels);
        QFETCH(bool, bold);
        QFETCH(QString, format);
        digital_face used;
        clock_look l = test_look();
        int remembered = 0;
        const digital_text a = used.layout(l, noon, false, remembered, nullptr);
        used.changed_span(a, used.layout(l, noon.addSecs(1), false, remembered, nullptr), a.size, l.font, nullptr);

        l.font = QFont(family);
        l.font.setPixelSize(pixels);
        l.font.setBold(bold);
        l.format_1 = format;
        const digital_text before = used.layout(l, noon, false, remembered, nullptr);
        const digital_text now = used.layout(l, noon.addSecs(1), false, remembered, nullptr);

        digital_face fresh;
        int fresh_remembered = 0;
        const digital_text want_before = fresh.layout(l, noon, false, fresh_remembered, nullptr);
        const digital_text want_now = fresh.layout(l, noon.addSecs(1), false, fresh_remembered, nullptr);
        QCOMPARE(before.line1, want_before.line1);
        QCOMPARE(now.line1, want_now.line1);
        QCOMPARE(now.box1, want_now.box1);
        QCOMPARE(now.line_height, want_now.line_height);
        QCOMPARE(now.size, want_now.size);
        QCOMPARE(used.changed_span(before, now, now.size, l.font, nullptr),
                 fresh.changed_span(want_before, want_now, want_now.size, l.font, nullptr));
        // And the picture is drawn in the new font and colour.
        l.color = QColor(0, 0, 254);
        QCOMPARE(paint(used, l, now), paint(fresh, l, want_now));
    }

    // Pictures a full cache paints over must come out as if drawn afresh:
    // nothing of the text they showed before, whatever the order of keys,
    // sizes and scale factors.
    void reused_pictures_show_only_their_own_text_data()
    {
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QList<int>>("widths");
        QTest::addColumn<qreal>("dpr");
        QTest::newRow("seconds") << QStringList{"12:00:01", "12:00:02", "12:00:03", "12:00:04"}
                                 << QList<int>{120, 120, 120, 120} << 1.0;
        QTest::newRow("back to an older text")
            << QStringList{"12:00:08", "12:00:09", "12:00:08", "12:01:00"} << QList<int>{120, 120, 120, 120} << 1.0;
        QTest::newRow("the size changes") << QStringList{"8", "88:88", "1", "888"} << QList<int>{40, 100, 40, 70}
                                          << 1.0;
        QTest::newRow("scale factor 2") << QStringList{"12:00:01", "12:00:02", "12:00:03"}
                                        << QList<int>{120, 120, 120} << 2.0;
    }

    void reused_pictures_show_only_their_own_text()
    {
        QFETCH(QStringList, texts);
        QFETCH(QList<int>, widths);
        QFETCH(qreal, dpr);
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setPixelSize(20);
        const auto draw = [&](render_cache &cache, const QString &text, int width) {
            QImage img(QSize(width, 30) * dpr, QImage::Format_ARGB32_Premultiplied);
            img.setDevicePixelRatio(dpr);
            img.fill(Qt::transparent);
            QPainter p(&img);
            draw_cached(p, cache, text, QRect(0, 0, width, 30), [&](QPainter &q) {
                q.setFont(f);
                q.setPen(Qt::blue);
                q.drawText(2, 22, text);
            });
            p.end();
            return img;
        };
        render_cache kept(2);
        for (qsizetype i = 0; i < texts.size(); ++i) {
            render_cache fresh(2);
            QCOMPARE(draw(kept, texts[i], widths[i]), draw(fresh, texts[i], widths[i]));
            QVERIFY(kept.size() <= 2);
        }
    }
};

QTEST_MAIN(tst_digital_face)
#include "tst_digital_face.moc"
