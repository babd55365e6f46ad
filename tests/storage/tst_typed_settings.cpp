#include "storage/calendar_keys.h"
#include "storage/clock_settings.h"
#include "storage/ini_format.h"
#include "test_support.h"

#include <QApplication>
#include <QTest>

namespace {

// What a key reads as, in a form a table of expectations can hold.
QString read_text(const typed_settings &s, const ini_key<int> &k)
{
    return QString::number(s.get(k));
}
QString read_text(const typed_settings &s, const ini_key<check_state> &k)
{
    return s.get(k).on ? "on" : "off";
}
QString read_text(const typed_settings &s, const ini_key<QColor> &k)
{
    const QColor c = s.get(k);
    return c.isValid() ? c.name() : "invalid";
}
QString read_text(const typed_settings &s, const ini_key<QFont> &k)
{
    const QFont f = s.get(k);
    return f == QApplication::font() ? "application font" : f.family() + ',' + QString::number(f.pointSize());
}
QString read_text(const typed_settings &s, const ini_key<QString> &k)
{
    return s.get(k);
}

} // namespace

class tst_typed_settings : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    int m_serial = 0;

    std::unique_ptr<QSettings> file_with(const QByteArray &text)
    {
        const QString path = m_dir.path() + QString("/t%1.ini").arg(++m_serial);
        write_file(path, text);
        return ini_format::open(path);
    }

private slots:
    void absent_keys_give_their_defaults()
    {
        temp_data_home home;
        auto ini = file_with("");
        clock_settings s(*ini);
        QCOMPARE(s.get(clock_keys::clock), QString());
        QCOMPARE(s.get(clock_keys::sec_speed), 1.0);
        QCOMPARE(s.get(clock_keys::settransform), 100);
        QCOMPARE(s.get(clock_keys::transp), 0.7);
        QCOMPARE(s.get(clock_keys::do_draw_sec).on, true);
        QCOMPARE(s.get(clock_keys::paint_flip_sec), true);
        QVERIFY(!s.get(clock_keys::color).isValid());
        QCOMPARE(s.get(clock_keys::font), QApplication::font()); // the running application's
        QCOMPARE(s.my_skin(), home.data_folder() + "/Skins/Standart");
        QCOMPARE(s.stiker_skin(), home.data_folder() + "/Skins/stiker.png");
        QVERIFY(ini->allKeys().isEmpty()); // reading writes nothing
    }

    void stored_forms()
    {
        auto ini = file_with("[TYPE]\ntop=true\nno_trans=false\ndo_today=2\ndo_draw_sec=0\nset_top_sec=\n"
                             "color=#1a2b3c\nhourOffset=-1\nminsOffset=30\nsec_speed=0.1\n"
                             "font=\"DejaVu Sans,14,-1,5,700,0,0,0,0,0,0,0,0,0,0,1\"\n");
        clock_settings s(*ini);
        QCOMPARE(s.get(clock_keys::top), true);
        QCOMPARE(s.get(clock_keys::no_trans), false);
        QCOMPARE(s.get(clock_keys::do_today).on, true);
        QCOMPARE(s.get(clock_keys::do_draw_sec).on, false);
        QCOMPARE(s.get(clock_keys::set_top_sec).on, false); // empty reads as false
        QCOMPARE(s.get(clock_keys::color), QColor(0x1a, 0x2b, 0x3c));
        QCOMPARE(s.get(clock_keys::hourOffset), -1);
        QCOMPARE(s.get(clock_keys::minsOffset), 30);
        QCOMPARE(s.get(clock_keys::sec_speed), 0.1);
        QCOMPARE(s.get(clock_keys::font).family(), QString("DejaVu Sans"));
        QCOMPARE(s.get(clock_keys::font).pointSize(), 14);

        s.set(clock_keys::top, false);
        s.set(clock_keys::do_today, check_state{true});
        s.set(clock_keys::color, QColor(255, 0, 0));
        QCOMPARE(ini->value("TYPE/top").toString(), QString("false"));
        QCOMPARE(ini->value("TYPE/do_today").toInt(), 2);
        QCOMPARE(ini->value("TYPE/color").toString(), QString("#ff0000"));
    }

    void unreadable_values_fall_back_to_defaults()
    {
        auto ini = file_with("[TYPE]\ntransp=abc\nsettransform=big\nsec_speed=nan\ncolor=notacolour\n"
                             "font=\nposx=12.0\n");
        clock_settings s(*ini);
        QCOMPARE(s.get(clock_keys::font), QApplication::font());
        QCOMPARE(s.get(clock_keys::transp), 0.7);
        QCOMPARE(s.get(clock_keys::settransform), 100);
        QCOMPARE(s.get(clock_keys::sec_speed), 1.0);
        QVERIFY(!s.get(clock_keys::color).isValid());
        QCOMPARE(s.get(clock_keys::posx), 12);
    }

    // Numbers no int can hold read as the key's default, as bad text does
    // (not as whatever the conversion of an out-of-range double gives).
    void whole_numbers_out_of_range_give_the_default_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<int>("expected");
        QTest::newRow("huge") << QByteArray("1e57") << 100;
        QTest::newRow("huge negative") << QByteArray("-1e57") << 100;
        QTest::newRow("just past int") << QByteArray("2147483648") << 100;
        QTest::newRow("just past int, as a fraction") << QByteArray("2147483648.5") << 100;
        QTest::newRow("infinity") << QByteArray("inf") << 100;
        QTest::newRow("past 64 bits") << QByteArray("99999999999999999999") << 100;
        QTest::newRow("largest int") << QByteArray("2147483647") << 2147483647;
        QTest::newRow("smallest int as a fraction") << QByteArray("-2147483648.0") << int(-2147483647 - 1);
        QTest::newRow("a fraction") << QByteArray("12.7") << 12;
    }
    void whole_numbers_out_of_range_give_the_default()
    {
        QFETCH(QByteArray, stored);
        QFETCH(int, expected);
        auto ini = file_with("[TYPE]\nsettransform=" + stored + "\n");
        clock_settings s(*ini);
        QCOMPARE(s.get(clock_keys::settransform), expected);
    }

    void gradients()
    {
        auto empty = file_with("[Gradient_BK]\n");
        clock_settings e(*empty);
        const QGradientStops bk = e.gradient(clock_keys::gradient_bk);
        QCOMPARE(bk.size(), 4);
        QCOMPARE(bk[1].first, 0.49);
        QCOMPARE(bk[1].second, QColor(192, 192, 192));
        QCOMPARE(e.gradient(clock_keys::gradient_font)[3].second, QColor(16, 16, 16));

        auto two = file_with("[Gradient_Font]\n1=#000000\n0=#ffffff\n");
        clock_settings t(*two);
        const QGradientStops f = t.gradient(clock_keys::gradient_font);
        QCOMPARE(f.size(), 2);
        QCOMPARE(f[0], QGradientStop(0.0, QColor(Qt::white)));
        QCOMPARE(f[1], QGradientStop(1.0, QColor(Qt::black)));

        t.set_gradient(clock_keys::gradient_font, {{0.0, Qt::red}, {0.333333333, Qt::green}, {1.0, Qt::blue}});
        two->beginGroup("Gradient_Font");
        QCOMPARE(two->childKeys(), (QStringList{"0", "0.333333", "1"}));
        two->endGroup();
    }

    // A misspelt group or name in the table reads the default where the
    // shipped file has a value; a key the file gained but the table lacks
    // is read by nobody.
    void calendar_keys_read_the_shipped_file()
    {
        auto ini = file_with(read_file(built_app_data() + "/calendar.ini"));
        const typed_settings s(*ini);
        namespace k = calendar_keys;
        struct row
        {
            QString path, read;
            const char *expected;
        };
        const auto r = [&s](const auto &key, const char *expected) {
            return row{key.path(), read_text(s, key), expected};
        };
        const row rows[] = {
            r(k::poscalendarx, "60"),
            r(k::poscalendary, "300"),
            r(k::width, "300"),
            r(k::height, "210"),
            r(k::weekday, "#eef3ff"),
            r(k::weekend, "#ffb49c"),
            r(k::day_not_this_months, "#8e9ab8"),
            r(k::border, "#ffd36a"),
            r(k::month_color, "#ffffff"),
            r(k::today_color, "#8dffb8"),
            r(k::shadow, "#000000"),
            r(k::do_shadow, "off"),
            r(k::font, "DejaVu Sans,10"),
            r(k::set_color_from_calendar, "on"),
            // Not in the shipped file: the defaults the calendar always had.
            r(k::set_font_from_calendar, "off"),
            r(k::show_monitor_notes, "off"),
            r(k::do_transp_calendar, "off"),
            r(k::my_skin, ""),
            r(k::sound, ""),
        };
        QSet<QString> declared;
        for (const row &x : rows) {
            QVERIFY2(x.read == QLatin1String(x.expected), qPrintable(x.path + " reads " + x.read));
            declared << x.path;
        }
        for (const QString &key : ini->allKeys())
            QVERIFY2(declared.contains(key), qPrintable(key + " is not in calendar_keys"));
    }
};

QTEST_MAIN(tst_typed_settings)
#include "tst_typed_settings.moc"
