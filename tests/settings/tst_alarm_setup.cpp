// The settings dialog's general tab: loading writes nothing, every control
// writes its key in its stored form and hands the value to the clock, the
// scale slider, gradients, format and file choosers.
#include "clock_rig.h"
#include "gradients/gradient_editor.h"
#include "gradients/shade_widget.h"
#include "settings/alarm_setup.h"
#include "settings/gradient_writer.h"
#include "settings_rig.h"
#include "storage/ini_format.h"
#include "test_support.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QTest>
#include <QToolBox>

namespace {

// A dialog on a private data folder with the recording clock and prompts.
struct dialog_rig
{
    explicit dialog_rig(const QByteArray &clock_ini = "[TYPE]\nclock=analog\n", const QByteArray &calendar_ini = "")
    {
        make_clock_data(home, clock_ini);
        write_file(home.data_folder() + "/calendar.ini", calendar_ini);
        setup = std::make_unique<alarm_setup>();
        setup->set_face_host(&face);
        setup->set_prompts(&prompts);
        skin_picture_set pristine;
        const QSize sizes[] = {{120, 90}, {6, 40}, {4, 50}, {2, 60}, {9, 9}};
        for (int i = 0; i < 5; ++i) {
            QPixmap p(sizes[i]);
            p.fill(Qt::gray);
            pristine[i] = p;
        }
        setup->set_pristine_pictures(pristine);
    }
    template <class T>
    T *w(const char *name)
    {
        T *found = setup->findChild<T *>(QString::fromLatin1(name));
        if (!found)
            qFatal("no %s on the form", name);
        return found;
    }
    QString clock_file() const { return home.data_folder() + "/clock.ini"; }
    QString calendar_file() const { return home.data_folder() + "/calendar.ini"; }
    QVariant clock_value(const QString &key)
    {
        setup->clock_ini().sync();
        return stored(clock_file(), key);
    }
    QVariant calendar_value(const QString &key)
    {
        setup->calendar_ini().sync();
        return stored(calendar_file(), key);
    }

    temp_data_home home;
    recording_face face;
    scripted_prompts prompts;
    std::unique_ptr<alarm_setup> setup;
};

const QByteArray garbage_clock = "[TYPE]\nclock=sundial\ntransp=abc\nsec_speed=fast\nresize=huge\n"
                                 "settransform=x\nhourOffset=noon\nminsOffset=\x01\x02\nnot_paint_sec=perhaps\n"
                                 "do_draw_sec=maybe\nset_top_sec=%%%\npaint_flip_sec=yes please\ndo_anim=??\n"
                                 "ampm=[]\nset_start=later\nautorun=-7\ntop=xyz\nno_trans=1e999x\n"
                                 "text_flip_clock=\nset_today=abc\ndo_today=\xff\xfe\n"
                                 "[Gradient_BK]\nabc=def\n";
const QByteArray garbage_calendar = "[Transparent]\ndo_transp_calendar=what\n[Monitor]\nshow_monitor_notes=@@\n"
                                    "[Color]\ndo_shadow=nope\nweekday=notacolour\n[Sound]\nsound=\n";

} // namespace

class tst_alarm_setup : public QObject
{
    Q_OBJECT

private slots:
    void opening_the_dialog_writes_nothing_data()
    {
        QTest::addColumn<QByteArray>("clock");
        QTest::addColumn<QByteArray>("calendar");
        QTest::newRow("shipped") << read_file(built_app_data() + "/clock.ini")
                                 << read_file(built_app_data() + "/calendar.ini");
        QTest::newRow("garbage") << garbage_clock << garbage_calendar;
        QTest::newRow("empty") << QByteArray() << QByteArray();
        QTest::newRow("flip, windowed, scaled")
            << QByteArray("[TYPE]\nclock=flip\nno_trans=true\nresize=-2.5\n") << QByteArray("[Color]\ndo_shadow=2\n");
    }
    void opening_the_dialog_writes_nothing()
    {
        QFETCH(QByteArray, clock);
        QFETCH(QByteArray, calendar);
        QVERIFY(!clock.isNull() || QTest::currentDataTag() != QLatin1String("shipped"));
        dialog_rig r(clock, calendar);
        const QByteArray clock_before = read_file(r.clock_file());
        const QByteArray calendar_before = read_file(r.calendar_file());
        r.setup->show();
        QVERIFY(QTest::qWaitForWindowExposed(r.setup.get()));
        r.setup->hide();
        r.setup->show();
        QTest::qWait(50);
        r.setup.reset();
        QCOMPARE(read_file(r.clock_file()), clock_before);
        QCOMPARE(read_file(r.calendar_file()), calendar_before);
        QVERIFY(r.face.faces.isEmpty());
    }

    void garbage_shows_every_default()
    {
        dialog_rig r(garbage_clock, garbage_calendar);
        r.setup->show();
        for (const char *b : {"radioButton", "radioButton_2", "radioButton_3"})
            QVERIFY2(!r.w<QRadioButton>(b)->isChecked(), b);
        QCOMPARE(r.w<QDoubleSpinBox>("doubleSpinBox")->value(), 0.7);
        QCOMPARE(r.w<QDoubleSpinBox>("doubleSpinBox_2")->value(), 1.0);
        QCOMPARE(r.w<QSlider>("horizontalSlider")->value(), 0);
        QCOMPARE(r.w<QLabel>("label_9")->text(), QString("Масштаб: 1:1"));
        QCOMPARE(r.w<QSlider>("horizontalSlider_2")->value(), 100);
        QCOMPARE(r.w<QSpinBox>("hourOffset")->value(), 0);
        QCOMPARE(r.w<QSpinBox>("minsOffset")->value(), 0);
        const struct
        {
            const char *box;
            bool on;
        } boxes[] = {{"checkBox_2", false}, {"checkBox_17", true},  {"checkBox_16", true},  {"checkBox_18", true},
                     {"checkBox_19", true}, {"checkBox_20", false}, {"checkBox", false},    {"checkBox_7", false},
                     {"checkBox_6", false}, {"checkBox_11", false}, {"checkBox_12", false}, {"checkBox_13", false},
                     {"checkBox_22", false}};
        for (const auto &b : boxes)
            QVERIFY2(r.w<QCheckBox>(b.box)->isChecked() == b.on, b.box);
        QCOMPARE(r.w<QComboBox>("comboBox_2")->currentIndex(), 0);
        QCOMPARE(r.w<QLineEdit>("lineEdit_6")->text(), QString());
    }

    void switching_the_face_writes_it_once_and_turns_the_page()
    {
        dialog_rig r("[TYPE]\nclock=analog\n");
        r.setup->show();
        QVERIFY(r.w<QRadioButton>("radioButton")->isChecked());
        QCOMPARE(r.w<QToolBox>("toolBox")->currentIndex(), 1);
        r.w<QRadioButton>("radioButton_3")->click();
        QCOMPARE(r.face.faces, QStringList{"flip"});
        QCOMPARE(r.clock_value("TYPE/clock").toString(), QString("flip"));
        QCOMPARE(r.w<QToolBox>("toolBox")->currentIndex(), 2);
        QVERIFY(!r.w<QRadioButton>("radioButton")->isChecked());
        r.w<QRadioButton>("radioButton_2")->click();
        QCOMPARE(r.face.faces, (QStringList{"flip", "digital"}));
        QCOMPARE(r.w<QToolBox>("toolBox")->currentIndex(), 0);
        QCOMPARE(r.clock_value("TYPE/clock").toString(), QString("digital"));
    }

    void check_boxes_store_their_form_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<bool>("calendar");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("on");
        QTest::addColumn<QString>("off");
        const QString t("true"), f("false"), two("2"), zero("0");
        QTest::newRow("not_paint_sec") << "checkBox_2" << false << "TYPE/not_paint_sec" << t << f;
        QTest::newRow("do_draw_sec") << "checkBox_17" << false << "TYPE/do_draw_sec" << two << zero;
        QTest::newRow("set_top_sec") << "checkBox_16" << false << "TYPE/set_top_sec" << two << zero;
        QTest::newRow("ampm") << "checkBox_20" << false << "TYPE/ampm" << t << f;
        QTest::newRow("paint_flip_sec") << "checkBox_18" << false << "TYPE/paint_flip_sec" << t << f;
        QTest::newRow("do_anim") << "checkBox_19" << false << "TYPE/do_anim" << t << f;
        QTest::newRow("show_calendar") << "checkBox_5" << false << "TYPE/show_calendar" << t << f;
        QTest::newRow("view_resize_control") << "checkBox_8" << false << "TYPE/view_resize_control" << t << f;
        QTest::newRow("fix_cal_on_mouse") << "checkBox_9" << false << "TYPE/fix_cal_on_mouse" << t << f;
        QTest::newRow("set_today") << "checkBox_6" << false << "TYPE/set_today" << two << zero;
        QTest::newRow("do_today") << "checkBox_11" << false << "TYPE/do_today" << two << zero;
        QTest::newRow("desktop_notify") << "checkBox_notify" << false << "TYPE/desktop_notify" << t << f;
        QTest::newRow("transparent calendar")
            << "checkBox_12" << true << "Transparent/do_transp_calendar" << two << zero;
        QTest::newRow("overview at start") << "checkBox_13" << true << "Monitor/show_monitor_notes" << two << zero;
        QTest::newRow("overview font") << "checkBox_14" << true << "Monitor/set_font_from_calendar" << two << zero;
        QTest::newRow("overview colour") << "checkBox_15" << true << "Monitor/set_color_from_calendar" << two << zero;
        QTest::newRow("shadow") << "checkBox_22" << true << "Color/do_shadow" << two << zero;
    }
    void check_boxes_store_their_form()
    {
        QFETCH(QString, box);
        QFETCH(bool, calendar);
        QFETCH(QString, key);
        QFETCH(QString, on);
        QFETCH(QString, off);
        dialog_rig r;
        r.setup->show();
        auto *b = r.w<QCheckBox>(qPrintable(box));
        const bool was = b->isChecked();
        auto value = [&] { return (calendar ? r.calendar_value(key) : r.clock_value(key)).toString(); };
        QVERIFY(value().isEmpty()); // nothing written by opening
        b->click();
        QCOMPARE(value(), was ? off : on);
        b->click();
        QCOMPARE(value(), was ? on : off);
    }

    void scale_slider_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<double>("stored");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QSize>("face");
        QTest::newRow("-100") << -100 << -3.0 << "Масштаб: -3 раз." << QSize(40, 30);
        QTest::newRow("+100") << 100 << 3.0 << "Масштаб: 3 раз." << QSize(360, 270);
        QTest::newRow("-50") << -50 << -2.0 << "Масштаб: -2 раз." << QSize(60, 45);
        QTest::newRow("+25") << 25 << 1.5 << "Масштаб: 1.5 раз." << QSize(180, 135);
    }
    void scale_slider()
    {
        QFETCH(int, position);
        QFETCH(double, stored);
        QFETCH(QString, label);
        QFETCH(QSize, face);
        dialog_rig r;
        r.setup->show();
        r.w<QSlider>("horizontalSlider")->setValue(position);
        QCOMPARE(r.clock_value("TYPE/resize").toDouble(), stored);
        QCOMPARE(r.w<QLabel>("label_9")->text(), label);
        QCOMPARE(r.face.pictures[0].size(), face);
        // Always from the pristine pictures: back to 0 gives them unscaled.
        r.w<QSlider>("horizontalSlider")->setValue(0);
        QCOMPARE(r.clock_value("TYPE/resize").toDouble(), 1.0);
        QCOMPARE(r.face.pictures[0].size(), QSize(120, 90));
        QCOMPARE(r.w<QLabel>("label_9")->text(), QString("Масштаб: 1:1"));

        // Reopened, the slider shows the stored factor.
        r.w<QSlider>("horizontalSlider")->setValue(position);
        r.setup->hide();
        r.setup->show();
        QCOMPARE(r.w<QSlider>("horizontalSlider")->value(), position);
    }

    void windowed_digital_clock_ignores_the_scale()
    {
        dialog_rig r("[TYPE]\nclock=digital\nno_trans=true\n");
        r.face.m_face = "digital";
        r.setup->show();
        r.w<QSlider>("horizontalSlider")->setValue(-100);
        QVERIFY(!r.clock_value("TYPE/resize").isValid());
        QCOMPARE(r.face.picture_changes, 0);
    }

    void gradient_keys_have_six_digits_at_most()
    {
        dialog_rig r;
        r.setup->show();
        const QGradientStops stops{{0.0, QColor(1, 2, 3)}, {0.49, QColor(4, 5, 6)}, {1.0, QColor(7, 8, 9)}};
        // Opening chose the background; with neither chosen nothing happens.
        auto *bk = r.w<QRadioButton>("radioButton_4");
        QVERIFY(bk->isChecked());
        bk->setAutoExclusive(false);
        bk->setChecked(false);
        bk->setAutoExclusive(true);
        r.setup->setGradientStops(stops);
        QCOMPARE(r.face.gradient_changes, 0);
        r.w<QRadioButton>("radioButton_4")->click();
        r.setup->setGradientStops(stops);
        r.setup->clock_ini().sync();
        QVERIFY(QFile::copy(r.clock_file(), r.clock_file() + ".copy"));
        auto ini = ini_format::open(r.clock_file() + ".copy");
        ini->beginGroup("Gradient_BK");
        QCOMPARE(ini->childKeys(), (QStringList{"0", "0.49", "1"}));
        QCOMPARE(ini->value("0.49").toString(), QString("#040506"));
        QCOMPARE(r.face.gradients.value(int(clock_face_host::face_gradient::background)), stops);
    }

    void a_dragged_point_writes_the_file_at_most_every_100_ms()
    {
        dialog_rig r;
        r.setup->show();
        r.w<QRadioButton>("radioButton_5")->click();
        auto *writer = r.setup->findChild<gradient_writer *>();
        QVERIFY(writer);
        QGradientStops last;
        for (int i = 0; i < 40; ++i) {
            last = {{0.0, QColor(i, 0, 0)}, {1.0, QColor(0, 0, i)}};
            r.setup->setGradientStops(last);
        }
        // The clock saw every step, the file only the first so far.
        QCOMPARE(r.face.gradient_changes, 40);
        QCOMPARE(writer->writes(), 1);
        QTRY_COMPARE(writer->writes(), 2);
        QTest::qWait(2 * gradient_writer::interval_ms);
        QCOMPARE(writer->writes(), 2);
        QCOMPARE(r.clock_value("Gradient_Font/1").toString(), last.at(1).second.name());
    }

    // Right after opening, a drag on the editor changes the card
    // background, and only the stop dragged.
    void the_gradient_editor_acts_as_soon_as_the_dialog_opens()
    {
        dialog_rig r("[TYPE]\nclock=flip\n");
        const QGradientStops bk = clock_settings::default_gradient(clock_keys::gradient_bk);
        r.face.gradients[int(clock_face_host::face_gradient::background)] = bk;
        r.setup->show();
        QVERIFY(QTest::qWaitForWindowExposed(r.setup.get()));
        QVERIFY(r.w<QRadioButton>("radioButton_4")->isChecked());
        auto *editor = r.w<GradientEditor>("gradientEditor");
        QCOMPARE(editor->redShade()->points().size(), bk.size());
        QCOMPARE(r.face.gradient_changes, 0);
        QWidget *red = editor->redShade();
        // Straight up, within the point's own pixel column.
        const QPointF loaded = editor->redShade()->points().at(1);
        const QPoint p(int(loaded.x()), qRound(loaded.y()));
        send_mouse(red, QEvent::MouseButtonPress, p, Qt::LeftButton, Qt::LeftButton);
        send_mouse(red, QEvent::MouseMove, QPoint(p.x(), 2), Qt::NoButton, Qt::LeftButton);
        send_mouse(red, QEvent::MouseButtonRelease, QPoint(p.x(), 2), Qt::LeftButton, Qt::NoButton);
        QVERIFY(r.face.gradient_changes >= 1);
        const QGradientStops now = r.face.gradients.value(int(clock_face_host::face_gradient::background));
        QCOMPARE(now.size(), bk.size());
        for (int i = 0; i < bk.size(); ++i) {
            QCOMPARE(now.at(i).first, bk.at(i).first);
            if (i == 1)
                continue;
            QCOMPARE(now.at(i).second, bk.at(i).second);
        }
        QVERIFY(now.at(1).second.red() > bk.at(1).second.red());
        QCOMPARE(now.at(1).second.green(), bk.at(1).second.green());
        QTRY_COMPARE(r.clock_value("Gradient_BK/0.49").toString(), now.at(1).second.name());
        QCOMPARE(r.clock_value("Gradient_BK/0.51").toString(), QString("#f5f5f5"));
        QCOMPARE(r.clock_value("Gradient_BK/1").toString(), QString("#c0c0c0"));
    }

    void default_flip_colours()
    {
        dialog_rig r;
        r.setup->show();
        r.w<QPushButton>("pushButton_31")->click();
        QCOMPARE(r.clock_value("Gradient_BK/0.49").toString(), QString("#c0c0c0"));
        QCOMPARE(r.clock_value("Gradient_BK/0.51").toString(), QString("#f5f5f5"));
        QCOMPARE(r.clock_value("Gradient_Font/1").toString(), QString("#101010"));
        QCOMPARE(r.face.gradients.value(int(clock_face_host::face_gradient::digits)).size(), 4);
    }

    void format_buttons_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("stored");
        QTest::addColumn<QString>("preset");
        const QString first = "pushButton_7", second = "pushButton_8";
        QTest::newRow("first line, empty: kept") << first << QString("") << false << "dddd,hh:mm:ss";
        QTest::newRow("second line, empty: stored") << second << QString("") << true << "ddd,dd";
        QTest::newRow("10 000 characters") << first << QString(10000, QChar('h')) << true << "dddd,hh:mm:ss";
        QTest::newRow("quotes") << second << QString("\"hh\" 'mm' \"\"\\\",;=[x]") << true << "ddd,dd";
        QTest::newRow("Cyrillic and beyond") << first << QString("hh ч. mm мин. ☺") << true << "dddd,hh:mm:ss";
    }
    void format_buttons()
    {
        QFETCH(QString, button);
        QFETCH(QString, answer);
        QFETCH(bool, stored);
        QFETCH(QString, preset);
        dialog_rig r("[TYPE]\nformat_1=hh:mm\nformat_2=dd\n");
        r.setup->show();
        r.prompts.next_text = answer;
        r.w<QPushButton>(qPrintable(button))->click();
        QCOMPARE(r.prompts.questions.size(), 1);
        QCOMPARE(r.prompts.questions[0].title, QString("Отображение данных"));
        QCOMPARE(r.prompts.questions[0].label_or_folder, QString("Формат вывода времени:"));
        QCOMPARE(r.prompts.questions[0].filter_or_initial, preset);
        const QString key = button == "pushButton_7" ? "TYPE/format_1" : "TYPE/format_2";
        const QString before = button == "pushButton_7" ? "hh:mm" : "dd";
        QCOMPARE(r.clock_value(key).toString(), stored ? answer : before);

        // Cancelled: nothing.
        r.prompts.next_text.reset();
        r.w<QPushButton>(qPrintable(button))->click();
        QCOMPARE(r.clock_value(key).toString(), stored ? answer : before);
    }

    void choosers_store_paths_exactly_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("calendar");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("filter");
        QTest::newRow("note sound") << "pushButton_29" << true << "Sound/sound"
                                    << "Выберете звуковой файл"
                                    << "//Sound"
                                    << "Звуковые файлы (*.wav *.mp3 *.ogg *.ac3 *.flac *.aac *.pcm)";
        QTest::newRow("sticker skin") << "pushButton_28" << false << "TYPE/stiker_skin"
                                      << "Выберите скин стикера"
                                      << "//Skins"
                                      << "Images (*.png *.gif)";
    }
    void choosers_store_paths_exactly()
    {
        QFETCH(QString, button);
        QFETCH(bool, calendar);
        QFETCH(QString, key);
        QFETCH(QString, title);
        QFETCH(QString, folder);
        QFETCH(QString, filter);
        dialog_rig r;
        r.setup->show();
        auto value = [&] { return (calendar ? r.calendar_value(key) : r.clock_value(key)).toString(); };
        r.w<QPushButton>(qPrintable(button))->click(); // cancelled
        QVERIFY(value().isEmpty());
        const QString path = "/tmp/мои звуки/\"quoted\" it's, a; file=1.wav";
        r.prompts.next_file = path;
        r.w<QPushButton>(qPrintable(button))->click();
        QCOMPARE(value(), path);
        QCOMPARE(r.prompts.questions.last().title, title);
        QCOMPARE(r.prompts.questions.last().label_or_folder, r.home.data_folder() + folder);
        QCOMPARE(r.prompts.questions.last().filter_or_initial, filter);
    }

    void colour_buttons_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("calendar");
        QTest::addColumn<QString>("key");
        QTest::newRow("digital") << "pushButton_5" << false << "TYPE/color";
        QTest::newRow("second marks") << "pushButton_9" << false << "TYPE/color_sec";
        QTest::newRow("caption") << "pushButton_30" << false << "TYPE/color_flip_clock";
        QTest::newRow("caption shadow") << "pushButton_33" << false << "TYPE/shade_flip_clock";
        QTest::newRow("today") << "pushButton_27" << true << "Color/today_color";
        QTest::newRow("month") << "pushButton_26" << true << "Color/month_color";
        QTest::newRow("ring") << "pushButton_25" << true << "Color/border";
        QTest::newRow("other month") << "pushButton_23" << true << "Color/day_not_this_months";
        QTest::newRow("weekend") << "pushButton_13" << true << "Color/weekend";
        QTest::newRow("weekday") << "pushButton_12" << true << "Color/weekday";
        QTest::newRow("shadow") << "pushButton_34" << true << "Color/shadow";
    }
    void colour_buttons()
    {
        QFETCH(QString, button);
        QFETCH(bool, calendar);
        QFETCH(QString, key);
        dialog_rig r;
        r.setup->show();
        auto value = [&] { return (calendar ? r.calendar_value(key) : r.clock_value(key)).toString(); };
        r.w<QPushButton>(qPrintable(button))->click(); // cancelled: an invalid colour
        QVERIFY(value().isEmpty());
        r.prompts.next_color = QColor(0x12, 0x34, 0x56);
        r.w<QPushButton>(qPrintable(button))->click();
        QCOMPARE(value(), QString("#123456"));
        if (!calendar)
            QVERIFY(r.face.colours.values().contains(QColor(0x12, 0x34, 0x56)));
    }

    void values_reach_the_clock()
    {
        dialog_rig r;
        r.setup->show();
        r.w<QSpinBox>("hourOffset")->setValue(-5);
        r.w<QSpinBox>("minsOffset")->setValue(30);
        QCOMPARE(r.face.hours, -5);
        QCOMPARE(r.face.minutes, 30);
        QCOMPARE(r.clock_value("TYPE/hourOffset").toInt(), -5);
        r.w<QSlider>("horizontalSlider_2")->setValue(350);
        QCOMPARE(r.face.flip_size, 350);
        QCOMPARE(r.clock_value("TYPE/settransform").toInt(), 350);
        r.w<QLineEdit>("lineEdit_6")->setText("dd MMMM");
        QCOMPARE(r.face.texts.value(int(clock_face_host::face_text::flip_caption)), QString("dd MMMM"));
        QCOMPARE(r.clock_value("TYPE/text_flip_clock").toString(), QString("dd MMMM"));
        auto *tray = r.w<QComboBox>("comboBox_3");
        tray->setCurrentIndex(3);
        emit tray->activated(3);
        QCOMPARE(r.face.tray_action, 3);
        QCOMPARE(r.clock_value("TYPE/autorun").toInt(), 3);
    }

    void second_hand_pace_during_the_fade_in_is_kept()
    {
        dialog_rig r;
        r.face.fading = true;
        r.setup->show();
        r.w<QDoubleSpinBox>("doubleSpinBox_2")->setValue(0.25);
        QCOMPARE(r.clock_value("TYPE/sec_speed").toDouble(), 0.25);
        QCOMPARE(r.face.interval, 250.0);
    }
};

QTEST_MAIN(tst_alarm_setup)
#include "tst_alarm_setup.moc"
