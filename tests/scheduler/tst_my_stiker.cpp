// The reminder sticker with real skin pictures: sizes and panel placement,
// the animated branch, closing, dragging, placement helpers.

#include "counting_player.h"
#include "test_support.h"

#include "scheduler/my_stiker.h"
#include "scheduler/stiker_placement.h"

#include <QApplication>
#include <QBitmap>
#include <QClipboard>
#include <QDialog>
#include <QEnterEvent>
#include <QImage>
#include <QMenu>
#include <QMouseEvent>
#include <QMovie>
#include <QPainter>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QTextEdit>
#include <QToolButton>
#include <QWindow>

class test_my_stiker : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void no_skin_gives_plain_sticker();
    void skin_comes_from_clock_ini();
    void still_skin_sets_size_panel_and_shape();
    void panels_show_their_skin_or_colour_data();
    void panels_show_their_skin_or_colour();
    void skin_that_is_not_a_picture_falls_back();
    void every_sticker_of_a_skin_looks_the_same_until_it_is_replaced();
    void animated_skin_shows_text_while_pointer_is_over();
    void right_click_closes_and_halts_the_sound();
    void closing_animated_sticker_deletes_its_panel();
    void drag_moves_the_sticker();
    void rich_text_is_formatted();
    void random_place_stays_in_the_free_area();
    void today_place_is_near_the_lower_right();
    void panel_place_data();
    void panel_place();
    void right_click_anywhere_closes_data();
    void right_click_anywhere_closes();
    void snooze_button_offers_the_times();
    void usable_while_a_modal_dialog_is_open_data();
    void usable_while_a_modal_dialog_is_open();
    void a_huge_text_is_shown_cut();

private:
    QString still_skin(int w, int h);
    QString animated_skin();
    temp_data_home m_home;
};

void test_my_stiker::initTestCase()
{
    QDir().mkpath(m_home.data_folder());
}

QString test_my_stiker::still_skin(int w, int h)
{
    // Opaque ellipse on a transparent ground: the corners are cut out.
    QImage img(w, h, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setBrush(QColor(250, 220, 60));
    p.setPen(Qt::NoPen);
    p.drawEllipse(img.rect());
    p.end();
    const QString path = m_home.home() + QStringLiteral("/still_%1x%2.png").arg(w).arg(h);
    img.save(path);
    return path;
}

QString test_my_stiker::animated_skin()
{
    const QString path = m_home.home() + "/anim.gif";
    if (QFile::exists(path))
        return path;
    if (QStandardPaths::findExecutable("convert").isEmpty())
        return {};
    QProcess::execute("convert",
                      {"-size", "120x90", "xc:red", "xc:blue", "xc:green", "-set", "delay", "10", "-loop", "0", path});
    return QFile::exists(path) ? path : QString();
}

void test_my_stiker::no_skin_gives_plain_sticker()
{
    counting_player player;
    my_stiker s(&player, m_home.home() + "/missing.png");
    QCOMPARE(s.size(), QSize(300, 300));
    QCOMPARE(s.text_panel()->size(), QSize(240, 240));
    QCOMPARE(s.text_panel()->pos(), QPoint(30, 30));
    QCOMPARE(s.text_panel()->parentWidget(), &s);
    QCOMPARE(s.windowTitle(), QStringLiteral("Вам напоминание..."));
    QVERIFY(s.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(s.windowFlags() & Qt::WindowType_Mask, Qt::Tool);
    QVERIFY(s.testAttribute(Qt::WA_DeleteOnClose));
    QVERIFY(!s.animated());
    QCOMPARE(s.text_panel()->focusPolicy(), Qt::NoFocus);
}

void test_my_stiker::skin_comes_from_clock_ini()
{
    QCOMPARE(my_stiker::skin_from_settings(), m_home.data_folder() + "/Skins/stiker.png");
    const QString skin = still_skin(140, 60);
    temp_data_home other;
    write_file(other.data_folder() + "/clock.ini", "[TYPE]\nstiker_skin=" + skin.toUtf8() + "\n");
    QCOMPARE(my_stiker::skin_from_settings(), skin);
    my_stiker s(nullptr);
    QCOMPARE(s.size(), QSize(140, 60));
}

void test_my_stiker::still_skin_sets_size_panel_and_shape()
{
    my_stiker s(nullptr, still_skin(200, 100));
    QCOMPARE(s.size(), QSize(200, 100));
    QCOMPARE(s.text_panel()->size(), QSize(160, 75));
    QCOMPARE(s.text_panel()->pos(), QPoint(20, 13));
    QCOMPARE(s.text_panel()->parentWidget(), &s);
    QVERIFY(!s.animated());
    const QRegion shape = s.mask();
    QVERIFY(!shape.isEmpty());
    QVERIFY(shape.contains(QPoint(100, 50)));
    QVERIFY(!shape.contains(QPoint(1, 1))); // transparent corner
    QVERIFY(s.text_panel()->styleSheet().contains("rgba(255, 230, 34, 0)"));
}

void test_my_stiker::panels_show_their_skin_or_colour_data()
{
    QTest::addColumn<bool>("animated");
    QTest::newRow("still: the skin through the panel") << false;
    QTest::newRow("animated: the panel's own colour") << true;
}
void test_my_stiker::panels_show_their_skin_or_colour()
{
    // What a style sheet gives the panel must reach the page the text is
    // written on, the panel's viewport, as well as the panel itself.
    QFETCH(bool, animated);
    const QString skin = animated ? animated_skin() : still_skin(200, 100);
    if (skin.isEmpty())
        QSKIP("ImageMagick's convert is needed to make an animated picture");
    my_stiker s(nullptr, skin);
    s.set_text(QStringLiteral("x"));
    QTextEdit *panel = s.text_panel();
    const QImage shot = (animated ? panel->grab() : s.grab()).toImage().convertToFormat(QImage::Format_ARGB32);
    // Below the one-letter text, well inside the panel's frame.
    const QPoint inside = (animated ? QPoint() : panel->pos()) + QPoint(panel->width() / 2, panel->height() * 3 / 4);
    const QColor want = animated ? QColor(236, 243, 156) : QColor(250, 220, 60);
    QCOMPARE(shot.pixelColor(inside).name(), want.name());
}

void test_my_stiker::every_sticker_of_a_skin_looks_the_same_until_it_is_replaced()
{
    const QString skin = m_home.home() + "/replaced.png";
    QFile::copy(still_skin(200, 100), skin);
    QRegion first_shape;
    for (int i = 0; i < 3; ++i) {
        my_stiker s(nullptr, skin);
        QCOMPARE(s.size(), QSize(200, 100));
        QCOMPARE(s.text_panel()->geometry(), QRect(20, 13, 160, 75));
        if (i == 0)
            first_shape = s.mask();
        QCOMPARE(s.mask(), first_shape);
        QVERIFY(!s.animated());
        QCOMPARE(s.pixmap().size(), QSize(200, 100));
    }
    // Another picture under the same name, as a user choosing a new skin
    // file of the same name would leave it.
    QFile::remove(skin);
    QFile::copy(still_skin(120, 80), skin);
    QFile f(skin);
    QVERIFY(f.open(QIODevice::ReadWrite));
    QVERIFY(f.setFileTime(QDateTime::currentDateTime().addSecs(60), QFileDevice::FileModificationTime));
    f.close();
    my_stiker s(nullptr, skin);
    QCOMPARE(s.size(), QSize(120, 80));
    QVERIFY(s.mask() != first_shape);
    QVERIFY(s.mask().contains(QPoint(60, 40)));
    QVERIFY(!s.mask().contains(QPoint(1, 1)));
}

void test_my_stiker::skin_that_is_not_a_picture_falls_back()
{
    const QString bad = m_home.home() + "/not_a_picture.png";
    write_file(bad, "this is text, not a picture");
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("not a picture"));
    my_stiker s(nullptr, bad);
    s.set_text("still readable");
    QCOMPARE(s.size(), QSize(300, 300));
    QCOMPARE(s.text_panel()->parentWidget(), &s);
    QCOMPARE(s.text_panel()->toPlainText(), QStringLiteral("still readable"));
}

void test_my_stiker::animated_skin_shows_text_while_pointer_is_over()
{
    const QString skin = animated_skin();
    if (skin.isEmpty())
        QSKIP("ImageMagick's convert is needed to make an animated picture");
    auto *s = new my_stiker(nullptr, skin);
    QPointer<my_stiker> guard(s);
    QVERIFY(s->animated());
    QCOMPARE(s->size(), QSize(120, 90));
    QTextEdit *panel = s->text_panel();
    QVERIFY(panel->isWindow());
    QCOMPARE(panel->parentWidget(), nullptr);
    QCOMPARE(panel->size(), QSize(250, 250));
    QCOMPARE(panel->windowTitle(), QStringLiteral("Напоминание..."));
    QVERIFY(panel->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    s->set_text("animated reminder");
    s->move(400, 400);
    s->show();
    QVERIFY(!panel->isVisible());

    QEnterEvent enter(QPointF(5, 5), QPointF(405, 405), QPointF(405, 405));
    QCoreApplication::sendEvent(s, &enter);
    QVERIFY(panel->isVisible());
    QCOMPARE(panel->pos(), QPoint(400, 150)); // above the sticker
    QCOMPARE(s->skin_movie()->state(), QMovie::Paused);

    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(s, &leave);
    QVERIFY(s->hide_timer_active());
    QCOMPARE(s->skin_movie()->state(), QMovie::Running);
    // Selecting text keeps the panel up.
    panel->selectAll();
    QVERIFY(!s->hide_timer_active());
    QTest::qWait(50);
    QVERIFY(panel->isVisible());

    QCoreApplication::sendEvent(s, &enter);
    QCoreApplication::sendEvent(s, &leave);
    QTRY_VERIFY_WITH_TIMEOUT(!panel->isVisible(), 7000);
    delete s;
}

void test_my_stiker::right_click_closes_and_halts_the_sound()
{
    counting_player player;
    auto *s = new my_stiker(&player, still_skin(200, 100));
    QPointer<my_stiker> guard(s);
    s->show();
    QTest::mouseClick(s, Qt::LeftButton, {}, QPoint(100, 50));
    QVERIFY(guard);
    QCOMPARE(player.halts, 0);
    QTest::mouseClick(s, Qt::RightButton, {}, QPoint(100, 50));
    QTRY_VERIFY(!guard);
    QCOMPARE(player.halts, 1);
}

void test_my_stiker::closing_animated_sticker_deletes_its_panel()
{
    const QString skin = animated_skin();
    if (skin.isEmpty())
        QSKIP("ImageMagick's convert is needed to make an animated picture");
    auto player = std::make_unique<counting_player>();
    auto *s = new my_stiker(player.get(), skin);
    QPointer<QTextEdit> panel(s->text_panel());
    s->show();
    s->close();
    QTRY_VERIFY(!panel);
    QCOMPARE(player->halts, 1);
    // A sticker outliving the player must not touch it.
    auto *late = new my_stiker(player.get(), skin);
    player.reset();
    delete late;
}

void test_my_stiker::drag_moves_the_sticker()
{
    my_stiker s(nullptr, still_skin(200, 100));
    s.move(100, 100);
    s.show();
    const QPoint start = s.frameGeometry().topLeft();
    const QPoint grab = start + QPoint(50, 40);
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(50, 40), QPointF(grab), Qt::LeftButton, Qt::LeftButton, {});
    QCoreApplication::sendEvent(&s, &press);
    const QPoint to = grab + QPoint(30, 20);
    QMouseEvent move(QEvent::MouseMove, QPointF(80, 60), QPointF(to), Qt::NoButton, Qt::LeftButton, {});
    QCoreApplication::sendEvent(&s, &move);
    QCOMPARE(s.pos(), QPoint(130, 120));
}

void test_my_stiker::rich_text_is_formatted()
{
    my_stiker s(nullptr, QString());
    s.set_text("<b>Встреча</b> в 10:00");
    QCOMPARE(s.text_panel()->toPlainText(), QStringLiteral("Встреча в 10:00"));
    QCOMPARE(s.text_panel()->textCursor().position(), 0);
    s.set_text("первая строка\nвторая");
    QCOMPARE(s.text_panel()->toPlainText(), QStringLiteral("первая строка\nвторая"));
}

void test_my_stiker::random_place_stays_in_the_free_area()
{
    const QRect avail(0, 0, 1920, 1050);
    const QSize size(300, 300);
    QSet<int> xs;
    for (int ms = 0; ms < 86400000; ms += 86400000 / 200) {
        const QPoint p = stiker_placement::random(size, avail, ms);
        QVERIFY(p.x() >= 0 && p.x() < 1620);
        QVERIFY(p.y() >= 0 && p.y() < 750);
        xs.insert(p.x());
        QCOMPARE(stiker_placement::random(size, avail, ms), p); // seeded by the time of day
    }
    QVERIFY(xs.size() > 100);
    // No room on an axis: that axis gets 0.
    QCOMPARE(stiker_placement::random(QSize(2000, 300), avail, 1234).x(), 0);
    QCOMPARE(stiker_placement::random(QSize(300, 1050), avail, 1234).y(), 0);
}

void test_my_stiker::today_place_is_near_the_lower_right()
{
    QCOMPARE(stiker_placement::today(QSize(300, 300), QRect(0, 0, 1920, 1050)), QPoint(1590, 720));
    QCOMPARE(stiker_placement::today(QSize(205, 133), QRect(0, 0, 1000, 700)), QPoint(774, 553));
}

void test_my_stiker::panel_place_data()
{
    QTest::addColumn<QRect>("stiker");
    QTest::addColumn<QPoint>("expected");
    QTest::newRow("room above") << QRect(400, 400, 120, 90) << QPoint(400, 150);
    QTest::newRow("near the top: below") << QRect(400, 100, 120, 90) << QPoint(400, 215);
    QTest::newRow("near the right edge") << QRect(1800, 400, 120, 90) << QPoint(1645, 150);
    QTest::newRow("at the left edge") << QRect(0, 400, 120, 90) << QPoint(3, 150);
}

void test_my_stiker::panel_place()
{
    QFETCH(QRect, stiker);
    QFETCH(QPoint, expected);
    QCOMPARE(stiker_placement::panel(stiker, QSize(250, 250), 1920), expected);
}

void test_my_stiker::right_click_anywhere_closes_data()
{
    QTest::addColumn<QString>("where");
    QTest::newRow("margin") << "margin";
    QTest::newRow("text") << "text";
    QTest::newRow("snooze button") << "button";
}

void test_my_stiker::right_click_anywhere_closes()
{
    QFETCH(QString, where);
    counting_player player;
    auto *s = new my_stiker(&player, still_skin(200, 100));
    QPointer<my_stiker> guard(s);
    s->set_text("Позвонить");
    s->set_snooze([](int) {});
    s->show();
    QVERIFY(QTest::qWaitForWindowExposed(s));
    QWidget *target = s;
    QPoint at(100, 8);
    if (where == "text") {
        target = s->text_panel()->viewport();
        at = target->rect().center();
    } else if (where == "button") {
        target = s->snooze_button();
        at = target->rect().center();
    }
    QTest::mouseClick(target, Qt::RightButton, {}, at);
    QTRY_VERIFY(!guard);
    QCOMPARE(player.halts, 1);
    // No menu came up instead.
    for (QWidget *w : QApplication::topLevelWidgets())
        QVERIFY(!(qobject_cast<QMenu *>(w) && w->isVisible()));
}

void test_my_stiker::snooze_button_offers_the_times()
{
    counting_player player;
    auto *s = new my_stiker(&player, still_skin(200, 100));
    QPointer<my_stiker> guard(s);
    QVERIFY(!s->snooze_button()); // today's notes are not put off
    int put_off = 0;
    s->set_snooze([&put_off](int minutes) { put_off = minutes; });
    s->show();
    QVERIFY(QTest::qWaitForWindowExposed(s));
    QToolButton *b = s->snooze_button();
    QVERIFY(b && b->isVisible());
    QCOMPARE(b->text(), QStringLiteral("Отложить"));
    // Inside the sticker and inside its shape, though the ellipse of the
    // skin leaves that corner out.
    QVERIFY(s->rect().contains(b->geometry()));
    const QPoint corner = b->geometry().bottomRight();
    const double ex = (corner.x() - 100) / 100.0, ey = (corner.y() - 50) / 50.0;
    QVERIFY(ex * ex + ey * ey > 1);
    QVERIFY(s->mask().contains(corner));
    b->click();
    QMenu *menu = nullptr;
    QTRY_VERIFY((menu = [] {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *m = qobject_cast<QMenu *>(w); m && m->isVisible())
                return m;
        return static_cast<QMenu *>(nullptr);
    }()));
    QAction *thirty = nullptr;
    for (QAction *a : menu->actions())
        if (a->text() == QStringLiteral("Отложить на 30 минут"))
            thirty = a;
    QVERIFY(thirty);
    thirty->trigger();
    menu->close();
    QTRY_VERIFY(!guard);
    QCOMPARE(put_off, 30);
}

void test_my_stiker::usable_while_a_modal_dialog_is_open_data()
{
    QTest::addColumn<bool>("before");
    QTest::newRow("fired while the dialog is open") << false;
    QTest::newRow("open when the dialog opens") << true;
}

// The toolkit blocks the pointer over every window but an open modal
// dialog; a reminder must still be moved and closed. Clicks go in through
// the window system, as the user's do.
void test_my_stiker::usable_while_a_modal_dialog_is_open()
{
    QFETCH(bool, before);
    counting_player player;
    QPointer<my_stiker> guard;
    auto open = [&] {
        guard = new my_stiker(&player, still_skin(200, 100));
        guard->move(40, 40);
        guard->show();
        QVERIFY(QTest::qWaitForWindowExposed(guard.data()));
    };
    if (before)
        open();
    QDialog dialog;
    dialog.resize(400, 300);
    bool checked = false;
    QTimer::singleShot(0, &dialog, [&] {
        struct closer
        {
            QDialog &d;
            ~closer() { d.reject(); }
        } guard_dialog{dialog};
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        if (!before)
            open();
        QWindow *w = guard->windowHandle();
        const QPoint start = guard->pos();
        QTest::mousePress(w, Qt::LeftButton, {}, QPoint(100, 8));
        QTest::mouseMove(w, QPoint(130, 28));
        // The sticker went with the pointer, which is on the same spot of it again.
        QTest::mouseRelease(w, Qt::LeftButton, {}, QPoint(100, 8));
        QTRY_COMPARE(guard->pos(), start + QPoint(30, 20));
        QTest::mouseClick(w, Qt::RightButton, {}, QPoint(100, 50));
        QTRY_VERIFY(!guard);
        checked = true;
    });
    dialog.exec();
    QVERIFY(checked);
    QCOMPARE(player.halts, 1);
}

void test_my_stiker::a_huge_text_is_shown_cut()
{
    counting_player player;
    my_stiker s(&player, QString());
    const QString huge = "Начало. " + QString(1000000, QChar(u'ю'));
    s.set_text(huge);
    const QString shown = s.text_panel()->toPlainText();
    QVERIFY2(shown.size() < my_stiker::shown_limit + 100, qPrintable(QString::number(shown.size())));
    QVERIFY(shown.startsWith("Начало. юююю"));
    QVERIFY(shown.contains(QStringLiteral("показаны первые 4000 знаков из 1000008")));
    // The whole text is still there to copy.
    std::unique_ptr<QMenu> menu(s.text_menu());
    QAction *copy = menu->actions().value(0);
    QCOMPARE(copy->text(), QStringLiteral("Скопировать текст"));
    copy->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), huge);
    // A text up to the limit is shown as it is.
    s.set_text("<b>Жирный</b>");
    QCOMPARE(s.text_panel()->toPlainText(), QStringLiteral("Жирный"));
}

QTEST_MAIN(test_my_stiker)
#include "tst_my_stiker.moc"
