// The skin constructor tab: sliders, preview time, library stepping and
// choosing, creating a skin folder (with its boxes) and applying one.
#include "storage/ini_format.h"
#include "constructor_rig.h"
#include "settings/constructor/skin_files.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QGraphicsPixmapItem>
#include <QMenu>
#include <QSlider>
#include <QTest>
#include <QTimer>

namespace {

QSlider *slider(skin_constructor &w, const char *name)
{
    return w.findChild<QSlider *>(QString::fromLatin1(name));
}

const part_place &place_of(skin_constructor &w, const QString &part)
{
    const skin_layout &l = w.preview().layout();
    if (part == "hour")
        return l.hour;
    if (part == "mins")
        return l.mins;
    if (part == "secunds")
        return l.secunds;
    return l.shapocka;
}

QStringList lines_of(const QByteArray &text)
{
    QStringList out;
    for (const QByteArray &l : text.split('\n'))
        if (!l.trimmed().isEmpty())
            out << QString::fromLatin1(l.trimmed());
    return out;
}

} // namespace

class tst_skin_constructor : public QObject
{
    Q_OBJECT

private slots:
    void xy_slider_gives_factor_data()
    {
        QTest::addColumn<QString>("part");
        QTest::addColumn<QString>("axis");
        QTest::addColumn<int>("value");
        QTest::addColumn<double>("factor");
        for (const char *part : {"hour", "mins", "secunds", "shapocka"})
            for (const char *axis : {"x", "y"}) {
                const QByteArray n = QByteArray(part) + "_" + axis;
                QTest::newRow(n + " 100") << part << axis << 100 << 2.0;
                QTest::newRow(n + " -100") << part << axis << -100 << 0.0;
                QTest::newRow(n + " 50") << part << axis << 50 << 1.5;
                // Back to 0 after a move: exactly 1, not 1 plus rounding.
                QTest::newRow(n + " 0") << part << axis << 0 << 1.0;
            }
    }
    void xy_slider_gives_factor()
    {
        QFETCH(QString, part);
        QFETCH(QString, axis);
        QFETCH(int, value);
        QFETCH(double, factor);
        constructor_rig rig;
        QSlider *s = slider(*rig.w, qPrintable(part + "_" + axis));
        QVERIFY(s);
        QCOMPARE(s->minimum(), -100);
        QCOMPARE(s->maximum(), 100);
        s->setValue(37);
        s->setValue(value);
        const part_place &p = place_of(*rig.w, part);
        QCOMPARE(axis == "x" ? p.x : p.y, factor);
    }

    void z_sliders_have_their_ranges_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("lo");
        QTest::addColumn<int>("hi");
        QTest::addColumn<int>("initial");
        QTest::newRow("hour") << "hour_z" << -119 << 140 << 9;
        QTest::newRow("mins") << "mins_z" << -92 << 110 << 6;
        QTest::newRow("secunds") << "secunds_z" << -50 << 100 << 23;
        QTest::newRow("time") << "time_up_down" << -21600 << 21600 << 0;
    }
    void z_sliders_have_their_ranges()
    {
        QFETCH(QString, name);
        QFETCH(int, lo);
        QFETCH(int, hi);
        QFETCH(int, initial);
        constructor_rig rig;
        QSlider *s = slider(*rig.w, qPrintable(name));
        QVERIFY(s);
        QCOMPARE(s->minimum(), lo);
        QCOMPARE(s->maximum(), hi);
        QCOMPARE(s->value(), initial);
    }

    void reset_restores_the_starting_places()
    {
        constructor_rig rig;
        for (const char *n : {"hour_x", "hour_y", "mins_x", "mins_y", "secunds_x", "secunds_y", "shapocka_x",
                              "shapocka_y", "hour_z", "mins_z", "secunds_z"})
            slider(*rig.w, n)->setValue(-40);
        rig.w->reset_pos_scene();
        const skin_layout &l = rig.w->preview().layout();
        QCOMPARE(l.hour.z, 0.09);
        QCOMPARE(l.mins.z, 0.06);
        QCOMPARE(l.secunds.z, 0.23);
        for (const part_place *p : {&l.hour, &l.mins, &l.secunds, &l.shapocka}) {
            QCOMPARE(p->x, 1.0);
            QCOMPARE(p->y, 1.0);
        }
    }

    void time_slider_turns_the_preview_data()
    {
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QTime>("shown");
        QTest::newRow("start") << 0 << QTime(10, 10, 15);
        QTest::newRow("+6 h") << 21600 << QTime(16, 10, 15);
        QTest::newRow("-6 h") << -21600 << QTime(4, 10, 15);
        QTest::newRow("+1 s") << 1 << QTime(10, 10, 16);
    }
    void time_slider_turns_the_preview()
    {
        QFETCH(int, seconds);
        QFETCH(QTime, shown);
        constructor_rig rig;
        slider(*rig.w, "time_up_down")->setValue(seconds == 0 ? 5 : 0);
        slider(*rig.w, "time_up_down")->setValue(seconds);
        QCOMPARE(rig.w->preview().time(), shown);
        const auto items = rig.w->preview().scene()->items(Qt::AscendingOrder);
        QCOMPARE(items.size(), 5);
        QCOMPARE(items.at(1)->rotation(), (shown.hour() + shown.minute() / 60.0) * 30.0);
        QCOMPARE(items.at(2)->rotation(), (shown.minute() + shown.second() / 60.0) * 6.0);
        QCOMPARE(items.at(3)->rotation(), shown.second() * 6.0);
    }

    void stepping_stops_at_both_ends_data()
    {
        QTest::addColumn<int>("ups");
        QTest::addColumn<int>("downs");
        QTest::addColumn<QString>("shown");
        QTest::newRow("first, down") << 0 << 1 << "a_dial.png";
        QTest::newRow("one up") << 1 << 0 << "b_dial.png";
        QTest::newRow("last, up again") << 5 << 0 << "c_dial.png";
        QTest::newRow("last, then down") << 5 << 1 << "b_dial.png";
        QTest::newRow("back past the first") << 2 << 6 << "a_dial.png";
    }
    void stepping_stops_at_both_ends()
    {
        QFETCH(int, ups);
        QFETCH(int, downs);
        QFETCH(QString, shown);
        constructor_rig rig;
        for (int i = 0; i < ups; ++i)
            rig.w->on_counter_face_up_clicked();
        for (int i = 0; i < downs; ++i)
            rig.w->on_counter_face_down_clicked();
        QCOMPARE(rig.w->chosen()[0], rig.base("Clockface") + "/" + shown);
        QCOMPARE(rig.w->preview().picture(skin_part::face).size(), QPixmap(rig.w->chosen()[0]).size());
        QVERIFY(rig.boxes.seen().isEmpty());
    }

    void empty_library_steps_nowhere()
    {
        constructor_rig rig;
        QDir(rig.base("Dots")).removeRecursively();
        rig.w->reread();
        rig.w->on_counter_dots_up_clicked();
        rig.w->on_counter_dots_down_clicked();
        QVERIFY(rig.w->chosen()[4].isEmpty());
        QVERIFY(rig.boxes.seen().isEmpty());
    }

    void vanished_picture_warns_and_rescans()
    {
        constructor_rig rig;
        QFile::remove(rig.base("Hourface") + "/b.png");
        rig.w->on_counter_hour_up_clicked();
        QTRY_COMPARE(rig.boxes.seen().size(), 1);
        QCOMPARE(rig.boxes.seen().first().title, "Внимание !");
        QCOMPARE(rig.boxes.seen().first().text, "Файла " + rig.base("Hourface") + "/b.png к сожалению нет...");
        // The slot keeps the missing path; the rescan drops it from the list.
        QCOMPARE(rig.w->chosen()[1], rig.base("Hourface") + "/b.png");
        QCOMPARE(rig.w->library(skin_part::hour).names(), (QStringList{"a.png", "c.png"}));
    }

    void another_dial_resizes_the_scene_and_keeps_the_hands_in_place()
    {
        constructor_rig rig;
        rig.choose_all();
        slider(*rig.w, "hour_x")->setValue(50); // pivot at three quarters of the width
        auto *hour = rig.w->preview().scene()->items(Qt::AscendingOrder).at(1);
        const auto pivot = [&] { return hour->mapToScene(hour->transformOriginPoint()); };
        QCOMPARE(rig.w->preview().scene()->sceneRect(), QRectF(0, 0, 200, 200));
        QCOMPARE(pivot(), QPointF(150, 100));
        rig.w->on_counter_face_up_clicked();
        rig.w->on_counter_face_up_clicked();
        QCOMPARE(rig.w->preview().scene()->sceneRect(), QRectF(0, 0, 160, 120));
        QCOMPARE(pivot(), QPointF(120, 60));
    }

    void choosing_a_file_takes_it_without_moving_the_library()
    {
        constructor_rig rig;
        const QString elsewhere = rig.home.home() + "/mine/dial.png";
        write_picture(elsewhere, {180, 180}, Qt::green);
        rig.prompts.files << elsewhere << QString();
        rig.w->on_pushButton_16_clicked();
        QCOMPARE(rig.prompts.file_titles, QStringList{"Выберете циферблат"});
        QCOMPARE(rig.w->chosen()[0], elsewhere);
        QCOMPARE(rig.w->preview().scene()->sceneRect(), QRectF(0, 0, 180, 180));
        QCOMPARE(rig.w->library(skin_part::face).index(), 0);
        // Cancelled: the slot keeps its picture.
        rig.w->on_pushButton_17_clicked();
        QCOMPARE(rig.w->chosen()[0], elsewhere);
        QVERIFY(rig.w->chosen()[1].isEmpty());
    }

    void a_file_that_is_no_picture_is_refused()
    {
        constructor_rig rig;
        const QString junk = rig.home.home() + "/junk.png";
        write_file(junk, "not a picture");
        rig.prompts.files << junk;
        rig.w->on_pushButton_21_clicked();
        QTRY_COMPARE(rig.boxes.seen().size(), 1);
        QVERIFY(rig.w->chosen()[4].isEmpty());
    }

    void clearing_empties_the_scene_and_the_slots()
    {
        constructor_rig rig;
        rig.choose_all();
        slider(*rig.w, "time_up_down")->setValue(3600);
        rig.w->clear_my_scene();
        for (const QString &c : rig.w->chosen())
            QVERIFY(c.isEmpty());
        QCOMPARE(rig.w->preview().scene()->sceneRect(), QRectF(0, 0, 300, 300));
        QCOMPARE(rig.w->preview().time(), QTime(11, 10, 15));
        const QImage img = rig.w->render_preview();
        for (int y = 0; y < img.height(); y += 7)
            for (int x = 0; x < img.width(); x += 7)
                QCOMPARE(qAlpha(img.pixel(x, y)), 0);
    }

    void missing_part_writes_nothing_data()
    {
        QTest::addColumn<int>("missing");
        for (int i = 0; i < 5; ++i)
            QTest::newRow(qPrintable(QString::number(i))) << i;
    }
    void missing_part_writes_nothing()
    {
        QFETCH(int, missing);
        constructor_rig rig;
        rig.choose_all();
        // Leave one slot empty by choosing a file for all but that one.
        rig.w->clear_my_scene();
        const char *libs[5] = {"Clockface", "Hourface", "Minface", "Secundsface", "Dots"};
        for (int i = 0; i < 5; ++i)
            rig.prompts.files << (i == missing ? QString()
                                               : QDir(rig.base(libs[i])).entryInfoList({"*.png"}).first().filePath());
        rig.w->on_pushButton_16_clicked();
        rig.w->on_pushButton_17_clicked();
        rig.w->on_pushButton_18_clicked();
        rig.w->on_pushButton_19_clicked();
        rig.w->on_pushButton_21_clicked();
        rig.prompts.texts << "Skin";
        rig.w->on_pushButton_20_clicked();
        QTRY_COMPARE(rig.boxes.seen().size(), 1);
        QCOMPARE(rig.boxes.seen().first().text, "Выбраны не все компоненты скина!");
        QCOMPARE(rig.boxes.seen().first().title, "Внимание!");
        QVERIFY(rig.skin_files().isEmpty());
        QCOMPARE(rig.prompts.texts.size(), 1); // the name was never asked for
    }

    void created_skin_has_its_files_and_settings_in_order()
    {
        constructor_rig rig;
        rig.choose_all();
        rig.w->on_counter_secunds_up_clicked(); // b.png
        slider(*rig.w, "hour_x")->setValue(10);
        slider(*rig.w, "mins_y")->setValue(-20);
        slider(*rig.w, "secunds_z")->setValue(30);
        slider(*rig.w, "shapocka_x")->setValue(5);
        rig.prompts.texts << "Мой скин";
        rig.boxes.prefer_button("Yes");
        rig.w->on_pushButton_20_clicked();
        const QString folder = rig.skins() + "/Мой скин";
        QCOMPARE(rig.skin_files(),
                 (QStringList{"Мой скин/a.png", "Мой скин/a_dial.png", "Мой скин/b.png", "Мой скин/min_a.png",
                              "Мой скин/settings.ini", "Мой скин/shapocka_a.png"}));
        QCOMPARE(lines_of(read_file(folder + "/settings.ini")),
                 (QStringList{"[SkinSettings]", "fon=a_dial.png", "hour=a.png", "offset_hour_x=1.1", "offset_hour_y=1",
                              "offset_hour_z=0.09", "mins=min_a.png", "offset_mins_x=1", "offset_mins_y=0.8",
                              "offset_mins_z=0.06", "secunds=b.png", "offset_secunds_x=1", "offset_secunds_y=1",
                              "offset_secunds_z=0.3", "shapocka=shapocka_a.png", "offset_shapocka_x=1.05",
                              "offset_shapocka_y=1"}));
        QStringList texts;
        for (const auto &b : rig.boxes.seen())
            texts << b.text;
        QCOMPARE(texts, (QStringList{"Скин в каталоге " + folder + " создан.", "Применить созданный скин ?"}));
        QCOMPARE(rig.host.applied, QStringList{folder});
        QCOMPARE(rig.my_skin(), folder);
    }

    void no_to_overwrite_leaves_the_folder_untouched()
    {
        constructor_rig rig;
        rig.choose_all();
        write_file(rig.skins() + "/Old/keep.txt", "mine");
        write_file(rig.skins() + "/Old/settings.ini", "[SkinSettings]\r\nfon=x.png\r\n");
        const QStringList before = rig.skin_files();
        rig.prompts.texts << "Old";
        rig.w->on_pushButton_20_clicked(); // the default button answers No
        QTRY_COMPARE(rig.boxes.seen().size(), 1);
        QCOMPARE(rig.boxes.seen().first().text, "Такой каталог уже есть. Очистить его содержимое ?");
        QCOMPARE(rig.skin_files(), before);
        QCOMPARE(read_file(rig.skins() + "/Old/keep.txt"), QByteArray("mine"));
        QVERIFY(rig.host.applied.isEmpty());
    }

    void yes_to_overwrite_replaces_the_files()
    {
        constructor_rig rig;
        rig.choose_all();
        write_file(rig.skins() + "/Old/keep.txt", "mine");
        rig.prompts.texts << "Old";
        rig.boxes.prefer_button("Yes");
        rig.w->on_pushButton_20_clicked();
        QVERIFY(!QFileInfo::exists(rig.skins() + "/Old/keep.txt"));
        QVERIFY(QFileInfo::exists(rig.skins() + "/Old/settings.ini"));
    }

    // Pictures chosen from the folder being overwritten are read before it is
    // cleaned, so they end up in the new skin instead of being lost.
    void pictures_from_the_folder_being_overwritten_survive()
    {
        constructor_rig rig;
        const QString old = rig.skins() + "/Old";
        write_picture(old + "/face.png", {150, 150}, Qt::cyan);
        rig.choose_all();
        rig.prompts.files << old + "/face.png";
        rig.w->on_pushButton_16_clicked();
        rig.prompts.texts << "Old";
        rig.boxes.prefer_button("Yes");
        rig.w->on_pushButton_20_clicked();
        QCOMPARE(QImage(old + "/face.png").size(), QSize(150, 150));
        QCOMPARE(rig.host.applied, QStringList{old});
    }

    void unsafe_names_are_refused_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("slash") << "../../evil";
        QTest::newRow("inner slash") << "a/b";
        QTest::newRow("dot dot") << "..";
        QTest::newRow("dot") << ".";
        QTest::newRow("backslash") << "a\\b";
        QTest::newRow("blank") << "   ";
        QTest::newRow("control") << QString("a") + QChar(1);
        QTest::newRow("too long") << QString(200, QChar(0x0436)); // 400 bytes in UTF-8
    }
    void unsafe_names_are_refused()
    {
        QFETCH(QString, name);
        constructor_rig rig;
        rig.choose_all();
        rig.prompts.texts << name;
        const QStringList outside_before = QDir(rig.data()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        rig.w->on_pushButton_20_clicked();
        QTRY_COMPARE(rig.boxes.seen().size(), 1);
        QCOMPARE(rig.boxes.seen().first().title, "Внимание!");
        QVERIFY(rig.boxes.seen().first().text.contains("Скин не сохранен."));
        QVERIFY(rig.skin_files().isEmpty());
        QCOMPARE(QDir(rig.data()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), outside_before);
        QVERIFY(!QFileInfo::exists(rig.home.home() + "/evil"));
    }

    void a_name_linking_out_of_skins_is_not_cleaned()
    {
        constructor_rig rig;
        rig.choose_all();
        const QString outside = rig.home.home() + "/precious";
        write_file(outside + "/letter.txt", "keep");
        QVERIFY(QFile::link(outside, rig.skins() + "/Link"));
        rig.prompts.texts << "Link";
        rig.boxes.prefer_button("Yes");
        rig.w->on_pushButton_20_clicked();
        QCOMPARE(read_file(outside + "/letter.txt"), QByteArray("keep"));
        QVERIFY(rig.host.applied.isEmpty());
    }

    void context_menu_offers_the_four_commands()
    {
        constructor_rig rig;
        QStringList texts;
        int with_icons = 0;
        QTimer::singleShot(50, [&] {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            if (!menu)
                return;
            for (QAction *a : menu->actions()) {
                texts << a->text();
                with_icons += !a->icon().isNull();
            }
            // The last command, as a user would pick it.
            menu->actions().last()->trigger();
            menu->close();
        });
        QFile::remove(rig.base("Dots") + "/b.png");
        rig.w->customContextMenuRequested(QPoint(10, 10));
        QCOMPARE(texts, (QStringList{"Показать текущее время", "Координаты стрелок по умолчанию", "Очистить сцену",
                                     "Перечитать базу скинов"}));
        QCOMPARE(with_icons, 4);
        QCOMPARE(rig.w->library(skin_part::shapocka).names(), QStringList{"a.png"});
    }

    void choose_skin_folder_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<bool>("applied");
        QTest::addColumn<QString>("box");
        QTest::newRow("cancelled") << "cancel" << false << "";
        QTest::newRow("no settings.ini") << "bare" << false << "В %1 нет settings.ini";
        QTest::newRow("complete") << "complete" << true << "";
        QTest::newRow("picture missing") << "missing" << false << "";
    }
    void choose_skin_folder()
    {
        QFETCH(QString, setup);
        QFETCH(bool, applied);
        QFETCH(QString, box);
        constructor_rig rig;
        const QString folder = rig.skins() + "/Picked";
        QDir().mkpath(folder);
        if (setup != "bare" && setup != "cancel") {
            write_file(folder + "/settings.ini", "[SkinSettings]\r\n");
            for (const char *n : {"clock.png", "hour.png", "min.png", "sec.png", "shapocka.png"})
                if (setup == "complete" || QByteArray(n) != "sec.png")
                    write_picture(folder + "/" + n, {10, 10}, Qt::red);
        }
        if (setup != "cancel")
            rig.prompts.folders << folder;
        rig.settings->set(clock_keys::my_skin, QStringLiteral("/before"));
        rig.w->choose_skin_folder();
        QCOMPARE(rig.host.applied.size(), applied ? 1 : 0);
        QCOMPARE(rig.my_skin(), applied ? folder : QStringLiteral("/before"));
        if (box.isEmpty()) {
            QTest::qWait(60);
            QVERIFY(rig.boxes.seen().isEmpty());
        } else {
            QTRY_COMPARE(rig.boxes.seen().size(), 1);
            QCOMPARE(rig.boxes.seen().first().title, "Внимание !");
            QCOMPARE(rig.boxes.seen().first().text, box.arg(folder));
        }
    }
};

QTEST_MAIN(tst_skin_constructor)
#include "tst_skin_constructor.moc"
