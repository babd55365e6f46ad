// The flip face and its card painter, rendered into images.
#include "clock/faces/card_painter.h"
#include "clock/faces/flip_face.h"
#include "face_test_support.h"
#include "storage/clock_settings.h"

#include <QTest>

using namespace face_test;

namespace {

const QDate day(2026, 3, 14);

clock_look test_look()
{
    clock_look l;
    l.clock = QStringLiteral("flip");
    l.gradient_bk = clock_settings::default_gradient(clock_keys::gradient_bk);
    l.gradient_font = clock_settings::default_gradient(clock_keys::gradient_font);
    l.font_flip_clock = QFont(QStringLiteral("DejaVu Sans"));
    l.font_flip_clock.setPixelSize(14);
    return l;
}

flip_cards quiet_at(const QDateTime &t)
{
    flip_cards c;
    c.hour.last_turned = c.min.last_turned = c.sec.last_turned = t;
    return c;
}

QImage paint(const clock_look &l, const QDateTime &t, const flip_cards &cards)
{
    flip_face face;
    const QSize s = face.wanted_size(l, t);
    QImage img = blank(s);
    QPainter p(&img);
    face.paint(p, l, t, s, cards);
    p.end();
    return img.convertToFormat(QImage::Format_ARGB32);
}

// Pixels that differ clearly; antialiased edges drawn twice may differ a
// little.
int differing(const QImage &a, const QImage &b, QRect area = QRect())
{
    if (area.isNull())
        area = a.rect();
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            if (qAbs(qRed(p) - qRed(q)) > 40 || qAbs(qGreen(p) - qGreen(q)) > 40 || qAbs(qBlue(p) - qBlue(q)) > 40 ||
                qAbs(qAlpha(p) - qAlpha(q)) > 40)
                ++n;
        }
    return n;
}

QImage card(const QGradientStops &bk, const QGradientStops &digits, QSize size, const QString &text,
            const std::function<void(QPainter &, const card_painter &, const QRect &, const QFont &)> &draw)
{
    QImage img = blank(size);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QFont f(QStringLiteral("Helvetica"));
    f.setPixelSize(int(0.9 * size.height()));
    f.setBold(true);
    render_cache cards(64);
    const card_painter cp(bk, digits, cards);
    if (!text.isEmpty())
        cp.paint_card(p, img.rect(), text, f);
    draw(p, cp, img.rect(), f);
    p.end();
    return img.convertToFormat(QImage::Format_ARGB32);
}

} // namespace

class tst_flip_face : public QObject
{
    Q_OBJECT

private slots:
    void geometry_at_size_100()
    {
        const clock_look l = test_look();
        const QDateTime t(day, QTime(10, 20, 30));
        QCOMPARE(flip_face().wanted_size(l, t), QSize(100, 100));
        const flip_geometry g = flip_face::geometry(QSize(100, 100));
        QCOMPARE(g.hour, QRect(0, 0, 30, 30));
        QCOMPARE(g.min, QRect(40, 0, 30, 30));
        QCOMPARE(g.sec, QRect(80, 15, 15, 15));

        // Painted: three opaque cards there, nothing else.
        const QImage img = paint(l, t, quiet_at(t));
        for (const QRect &r : {g.hour, g.min, g.sec})
            QCOMPARE(qAlpha(img.pixel(r.center())), 255);
        QCOMPARE(qAlpha(img.pixel(35, 15)), 0);
        QCOMPARE(qAlpha(img.pixel(50, 60)), 0);
        QCOMPARE(count(img, opaque_pixel, QRect(0, 31, 100, 69)), 0);
    }

    void a_wide_caption_widens_the_window_and_the_cards()
    {
        clock_look l = test_look();
        l.text_flip_clock = QStringLiteral("dddd, d MMMM yyyy");
        l.color_flip_clock = QColor(0, 0, 255);
        l.shade_flip_clock = QColor(255, 0, 0);
        const QDateTime t(day, QTime(10, 20, 30));
        const QSize s = flip_face().wanted_size(l, t);
        QVERIFY2(s.width() > 150, qPrintable(QString::number(s.width())));
        QCOMPARE(s.height(), 100);
        const flip_geometry g = flip_face::geometry(s);
        QCOMPARE(g.hour.width(), int(0.3 * s.width()));
        QCOMPARE(g.min.left(), g.hour.width() + 10);

        // The caption lies below the cards, beyond the plain square, with its
        // shadow.
        const QImage img = paint(l, t, quiet_at(t));
        const QRect caption = bounds(img, bluish);
        QVERIFY(caption.top() > g.hour.bottom());
        QVERIFY(caption.right() > 100);
        QVERIFY(count(img, reddish) > 20);
    }

    void am_pm_hours_show_without_the_marker()
    {
        QCOMPARE(card_painter::strip_ampm(QStringLiteral("03pm")), QStringLiteral("03"));
        QCOMPARE(card_painter::strip_ampm(QStringLiteral("11am")), QStringLiteral("11"));
        QCOMPARE(card_painter::strip_ampm(QStringLiteral("03PM")), QStringLiteral("03PM"));

        clock_look l = test_look();
        l.ampm = true;
        const QDateTime afternoon(day, QTime(15, 7));
        QCOMPARE(flip_face::hour_text(l, afternoon), QStringLiteral("03pm"));
        const QImage twelve_hour = paint(l, afternoon, quiet_at(afternoon));
        l.ampm = false;
        const QDateTime morning(day, QTime(3, 7));
        const QImage plain = paint(l, morning, quiet_at(morning));
        const QRect hour_card = flip_face::geometry(QSize(100, 100)).hour;
        QCOMPARE(twelve_hour.copy(hour_card), plain.copy(hour_card));
        const QImage fifteen = paint(l, afternoon, quiet_at(afternoon));
        QVERIFY(fifteen.copy(hour_card) != plain.copy(hour_card));
    }

    void seconds_card_can_be_left_out()
    {
        clock_look l = test_look();
        l.paint_flip_sec = false;
        const QDateTime t(day, QTime(10, 20, 30));
        const QImage img = paint(l, t, quiet_at(t));
        QCOMPARE(count(img, opaque_pixel, flip_face::geometry(QSize(100, 100)).sec), 0);
        flip_cards c = quiet_at(t.addSecs(-1));
        QVERIFY(!flip_face::due(l, t, c, false).sec);
    }

    void turns_are_due_on_changed_values_only_data()
    {
        QTest::addColumn<QTime>("last");
        QTest::addColumn<bool>("hour");
        QTest::addColumn<bool>("min");
        QTest::addColumn<bool>("sec");
        QTest::newRow("same second") << QTime(10, 59, 59) << false << false << false;
        QTest::newRow("next second") << QTime(10, 59, 58) << false << false << true;
        QTest::newRow("next minute") << QTime(10, 58, 59) << false << true << false;
        QTest::newRow("next hour") << QTime(9, 59, 58) << true << false << true;
    }
    void turns_are_due_on_changed_values_only()
    {
        QFETCH(QTime, last);
        QFETCH(bool, hour);
        QFETCH(bool, min);
        QFETCH(bool, sec);
        clock_look l = test_look();
        const QDateTime now(day, QTime(10, 59, 59));
        flip_cards c = quiet_at(QDateTime(day, last));
        flip_turns d = flip_face::due(l, now, c, false);
        QCOMPARE(d.hour, hour);
        QCOMPARE(d.min, min);
        QCOMPARE(d.sec, sec);
        // Not while fading in, not when animation is off, not twice.
        QVERIFY(!flip_face::due(l, now, c, true).any());
        c.hour.turning = c.min.turning = c.sec.turning = true;
        QVERIFY(!flip_face::due(l, now, c, false).any());
        l.do_anim = false;
        c = quiet_at(QDateTime(day, last));
        QVERIFY(!flip_face::due(l, now, c, false).any());
    }

    void transparent_stops_are_painted_opaque()
    {
        QGradientStops bk = {{0.0, QColor(200, 30, 30, 0)}, {1.0, QColor(30, 30, 200, 0)}};
        QGradientStops digits = {{0.0, QColor(255, 255, 255, 0)}, {1.0, QColor(255, 255, 255, 10)}};
        const QImage img = card(bk, digits, QSize(60, 60), QStringLiteral("00"), [](auto &, auto &, auto &, auto &) {});
        // The card body (left edge, clear of the digits and the outline) is fully
        // opaque.
        QCOMPARE(qAlpha(img.pixel(3, 20)), 255);
        QVERIFY(qRed(img.pixel(3, 12)) > qBlue(img.pixel(3, 12)));
        QVERIFY(qBlue(img.pixel(3, 48)) > qRed(img.pixel(3, 48)));
        // And the digits are drawn: white ink on the card.
        QVERIFY(count(img, [](QRgb c) { return qRed(c) > 240 && qGreen(c) > 240 && qBlue(c) > 240; }) > 20);
    }

    void card_has_rounded_corners_outline_and_split_line()
    {
        const QGradientStops white = {{0.0, Qt::white}, {1.0, Qt::white}};
        const QImage img = card(white, white, QSize(60, 60), QString(),
                                [](QPainter &p, const card_painter &cp, const QRect &r, const QFont &f) {
                                    cp.paint_card(p, r, QString(), f);
                                });
        QCOMPARE(qAlpha(img.pixel(0, 0)), 0); // rounded away
        QCOMPARE(qAlpha(img.pixel(59, 59)), 0);
        // Split line just above the middle, inner outline one pixel in.
        QVERIFY(qMin(qRed(img.pixel(30, 28)), qRed(img.pixel(30, 29))) < 215);
        QCOMPARE(qRed(img.pixel(30, 20)), 255);
        QCOMPARE(qRed(img.pixel(30, 40)), 255);
        QVERIFY(qMin(qRed(img.pixel(1, 30)), qRed(img.pixel(2, 30))) < 225);
        QVERIFY(qRed(img.pixel(1, 30)) == qBlue(img.pixel(1, 30)));
    }

    void a_turn_starts_on_the_old_card_and_ends_on_the_new_data()
    {
        QTest::addColumn<int>("size");
        QTest::newRow("30") << 30;
        QTest::newRow("90") << 90;
    }
    void a_turn_starts_on_the_old_card_and_ends_on_the_new()
    {
        QFETCH(int, size);
        const clock_look l = test_look();
        const QSize s(size, size);
        auto still = [&](const QString &text) {
            return card(l.gradient_bk, l.gradient_font, s, text, [](auto &, auto &, auto &, auto &) {});
        };
        auto turning = [&](int frame) {
            return card(l.gradient_bk, l.gradient_font, s, QStringLiteral("08"),
                        [frame](QPainter &p, const card_painter &cp, const QRect &r, const QFont &f) {
                            cp.paint_turn(p, r, frame, QStringLiteral("07"), QStringLiteral("08"), f);
                        });
        };
        const QImage old_card = still(QStringLiteral("07")), new_card = still(QStringLiteral("08"));
        QVERIFY(differing(old_card, new_card) > size);
        // Only antialiased edges painted twice may differ.
        const int edges = size * 2 / 3;
        QVERIFY(differing(turning(0), old_card) <= edges);
        QVERIFY(differing(turning(100), new_card) <= edges);
        // Half way the upper half already shows the new value and the lower half
        // still the old.
        const QImage mid = turning(50);
        const QRect upper(0, 0, size, size / 2 - 2), lower(0, size / 2 + 1, size, size - size / 2 - 1);
        QVERIFY(differing(mid, new_card, upper) <= edges);
        QVERIFY(differing(mid, old_card, lower) <= edges);
        // In between, the fold shows a mix that is neither card.
        const QImage quarter = turning(25);
        QVERIFY(differing(quarter, old_card) > 2 * edges && differing(quarter, new_card) > 2 * edges);
    }

    // Frames whose flap moves less than a device pixel are left out of a
    // turn: the measure must be tiny where the turn eases in and out, large
    // in the middle of each half, a whole card where the flap changes halves,
    // and grow with the scale factor.
    void flap_shift_tells_visible_frames_data()
    {
        QTest::addColumn<QRect>("card");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<qreal>("dpr");
        QTest::addColumn<qreal>("at_least");
        QTest::addColumn<qreal>("below");
        const QRect seconds(140, 30, 30, 30), minutes(70, 0, 60, 60);
        QTest::newRow("same frame") << seconds << 37 << 37 << 1.0 << 0.0 << 1e-9;
        QTest::newRow("easing in") << seconds << 0 << 1 << 1.0 << 0.0 << 0.1;
        QTest::newRow("still easing in") << seconds << 0 << 4 << 1.0 << 0.0 << 1.0;
        QTest::newRow("upper flap folding") << seconds << 16 << 25 << 1.0 << 1.0 << 15.0;
        QTest::newRow("lower flap falling") << seconds << 65 << 75 << 1.0 << 1.0 << 15.0;
        QTest::newRow("easing out") << seconds << 98 << 100 << 1.0 << 0.0 << 1.0;
        QTest::newRow("easing out, scale factor 3") << seconds << 90 << 98 << 3.0 << 1.0 << 45.0;
        QTest::newRow("flap changes halves") << seconds << 45 << 55 << 1.0 << 30.0 << 30.1;
        QTest::newRow("changes halves backwards") << minutes << 55 << 50 << 2.0 << 120.0 << 120.1;
        QTest::newRow("empty card") << QRect() << 0 << 50 << 1.0 << 0.0 << 1e-9;
    }

    void flap_shift_tells_visible_frames()
    {
        QFETCH(QRect, card);
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(qreal, dpr);
        QFETCH(qreal, at_least);
        QFETCH(qreal, below);
        const qreal shift = card_painter::flap_shift(card, from, to, dpr);
        QVERIFY2(shift >= at_least && shift < below, qPrintable(QString::number(shift)));
        // The measure does not depend on the direction, and scales with the
        // device pixel ratio.
        QCOMPARE(card_painter::flap_shift(card, to, from, dpr), shift);
        QVERIFY(qAbs(card_painter::flap_shift(card, from, to, 1.0) * dpr - shift) < 1e-6);
    }

    // The frames a turn keeps are those the pictures tell apart: two frames
    // whose flap moved less than a pixel render (nearly) the same card, two
    // that moved more do not.
    void frames_left_out_look_like_the_last_painted()
    {
        const clock_look l = test_look();
        const QRect r(0, 0, 60, 60);
        const card_painter cp(l.gradient_bk, l.gradient_font);
        const QFont f = QFont(QStringLiteral("DejaVu Sans"), 20);
        const auto frame = [&](int n) {
            QImage img = blank(QSize(60, 90));
            QPainter p(&img);
            cp.paint_turn(p, r, n, QStringLiteral("07"), QStringLiteral("08"), f);
            p.end();
            return img.convertToFormat(QImage::Format_ARGB32);
        };
        QVERIFY(card_painter::flap_shift(r, 0, 1, 1.0) < 1.0);
        QVERIFY(differing(frame(0), frame(1)) <= 60);
        QVERIFY(card_painter::flap_shift(r, 0, 16, 1.0) >= 1.0);
        QVERIFY(differing(frame(0), frame(16)) > 60);
    }

    // A frame of a turn repaints only turn_damage() of the last frame shown:
    // painted over the last frame there, it must give the frame painted
    // whole, pixel for pixel, or the flap leaves a trail.
    void a_frame_painted_over_the_last_one_matches_it_painted_whole_data()
    {
        QTest::addColumn<QRect>("card");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        const QRect seconds(8, 6, 30, 30), minutes(4, 2, 60, 60);
        QTest::newRow("start") << seconds << 0 << 16;
        QTest::newRow("upper flap") << seconds << 16 << 25;
        QTest::newRow("towards edge-on") << seconds << 35 << 45;
        QTest::newRow("changing halves") << seconds << 45 << 55;
        QTest::newRow("lower flap") << seconds << 65 << 75;
        QTest::newRow("easing out") << seconds << 83 << 90;
        QTest::newRow("to the end") << seconds << 90 << 100;
        QTest::newRow("big card, halves") << minutes << 44 << 55;
        QTest::newRow("big card, lower") << minutes << 55 << 83;
        QTest::newRow("odd size") << QRect(3, 3, 31, 27) << 25 << 61;
    }

    void a_frame_painted_over_the_last_one_matches_it_painted_whole()
    {
        QFETCH(QRect, card);
        QFETCH(int, from);
        QFETCH(int, to);
        const clock_look l = test_look();
        const card_painter cp(l.gradient_bk, l.gradient_font);
        const QFont f = QFont(QStringLiteral("DejaVu Sans"), card.height() / 2);
        const QPixmap old_card = cp.picture(card, QStringLiteral("07"), f, 1.0);
        const QPixmap new_card = cp.picture(card, QStringLiteral("08"), f, 1.0);
        const QSize window(card.right() + 10, card.bottom() + card.height());
        // As the window paints: the new card, the flaps over it, at the
        // clock's opacity, under the repaint's clip.
        const auto paint = [&](QImage &img, int frame, const QRegion &clip) {
            QPainter p(&img);
            p.setClipRegion(clip);
            p.setCompositionMode(QPainter::CompositionMode_Source);
            p.fillRect(img.rect(), Qt::transparent);
            p.setCompositionMode(QPainter::CompositionMode_SourceOver);
            p.setOpacity(0.8);
            p.drawPixmap(card.topLeft(), new_card);
            card_painter::draw_turn(p, card, frame, old_card, new_card);
        };
        QImage whole = blank(window), over = blank(window);
        paint(whole, to, QRegion(whole.rect()));
        paint(over, from, QRegion(over.rect()));
        const QRect damage = card_painter::turn_damage(card, from, to);
        QVERIFY(card.united(card_painter::lower_region(card)).contains(damage));
        paint(over, to, damage);
        QCOMPARE(differing(over.convertToFormat(QImage::Format_ARGB32), whole.convertToFormat(QImage::Format_ARGB32)),
                 0);
        // And it is less than the whole region a turn may touch.
        QVERIFY(damage.height() < card.united(card_painter::lower_region(card)).height());
    }
};

QTEST_MAIN(tst_flip_face)
#include "tst_flip_face.moc"
