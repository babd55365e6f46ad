// The calendar skin picker: the list of Calendar_skins, stepping from where
// the stored skin is (or from nowhere), transparent mode, choosing a file.
#include "constructor_rig.h"
#include "settings/constructor/calendar_skin_picker.h"
#include "storage/ini_format.h"

#include <QBuffer>
#include <QImage>
#include <QTest>
#include <QWidget>

namespace {

struct picker_rig
{
    temp_data_home home;
    box_answerer boxes;
    queued_prompts prompts;
    QWidget parent;
    QList<bool> reloads;
    QString stored_path;
    std::unique_ptr<QSettings> calendar_ini;
    std::unique_ptr<calendar_skin_picker> picker;

    QString skins() const { return home.data_folder() + "/Calendar_skins"; }
    QString ini() const { return home.data_folder() + "/calendar.ini"; }

    // stored: a file name in Calendar_skins, a path below the home folder
    // (starting with "/", the picture is made there) or empty.
    picker_rig(const QString &stored, bool transparent)
    {
        for (const char *n : {"calendar_1.png", "calendar_2.png", "calendar_3.png"})
            write_picture(skins() + "/" + n, {40, 30}, Qt::blue);
        if (stored.startsWith('/')) {
            stored_path = home.home() + stored;
            write_picture(stored_path, {40, 30}, Qt::red);
        } else if (!stored.isEmpty()) {
            stored_path = skins() + "/" + stored;
        }
        QByteArray text = "[Skin]\r\nmy_skin=" + stored_path.toUtf8() + "\r\n";
        text += transparent ? "[Transparent]\r\ndo_transp_calendar=2\r\n" : "";
        write_file(ini(), text);
        calendar_ini = ini_format::open(ini());
        picker = std::make_unique<calendar_skin_picker>(&parent, *calendar_ini, &prompts);
        picker->set_calendar_reload([this](bool full) { reloads << full; });
    }
    QString stored() const
    {
        // A second, uncached reader: what is really on disk.
        write_file(home.home() + "/copy.ini", read_file(ini()));
        return ini_format::open(home.home() + "/copy.ini")->value("Skin/my_skin").toString();
    }
};

} // namespace

class tst_calendar_skin_picker : public QObject
{
    Q_OBJECT

private slots:
    void stepping_data()
    {
        QTest::addColumn<QString>("stored"); // file name in Calendar_skins, or a path outside
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("direction");
        QTest::addColumn<QString>("after"); // empty: nothing stored
        QTest::newRow("outside, up takes the first") << "/elsewhere/sky.png" << -1 << +1 << "calendar_1.png";
        QTest::newRow("outside, down does nothing") << "/elsewhere/sky.png" << -1 << -1 << "";
        QTest::newRow("middle, up") << "calendar_2.png" << 1 << +1 << "calendar_3.png";
        QTest::newRow("middle, down") << "calendar_2.png" << 1 << -1 << "calendar_1.png";
        QTest::newRow("last, up stays") << "calendar_3.png" << 2 << +1 << "";
        QTest::newRow("first, down stays") << "calendar_1.png" << 0 << -1 << "";
    }
    void stepping()
    {
        QFETCH(QString, stored);
        QFETCH(int, start);
        QFETCH(int, direction);
        QFETCH(QString, after);
        picker_rig rig(stored, false);
        QCOMPARE(rig.picker->index(), start);
        direction > 0 ? rig.picker->step_up() : rig.picker->step_down();
        QCOMPARE(rig.stored(), after.isEmpty() ? rig.stored_path : rig.skins() + "/" + after);
        QCOMPARE(rig.reloads, after.isEmpty() ? QList<bool>{} : QList<bool>{true});
        if (!after.isEmpty())
            QCOMPARE(rig.picker->index(), rig.picker->names().indexOf(after));
    }

    void steps_from_a_skin_stored_meanwhile()
    {
        picker_rig rig("calendar_1.png", false);
        QCOMPARE(rig.picker->index(), 0);
        rig.calendar_ini->setValue("Skin/my_skin", rig.skins() + "/calendar_2.png");
        rig.picker->step_up();
        QCOMPARE(rig.stored(), rig.skins() + "/calendar_3.png");
    }

    void transparent_calendar_does_not_step()
    {
        picker_rig rig(QString(), true);
        rig.picker->step_up();
        rig.picker->step_down();
        QVERIFY(rig.reloads.isEmpty());
        // Choosing a file still stores it.
        const QString mine = rig.home.home() + "/mine.png";
        write_picture(mine, {50, 50}, Qt::green);
        rig.prompts.files << mine;
        rig.picker->choose_file();
        QCOMPARE(rig.stored(), mine);
        QCOMPARE(rig.reloads, QList<bool>{false});
        QCOMPARE(rig.prompts.file_titles, QStringList{"Выберете скин календаря"});
    }

    void cancelled_choice_stores_nothing()
    {
        picker_rig rig(QString(), false);
        const QString before = rig.stored();
        rig.picker->choose_file();
        QCOMPARE(rig.stored(), before);
        QVERIFY(rig.reloads.isEmpty());
    }

    void vanished_skin_warns()
    {
        picker_rig rig(QString(), false);
        QFile::remove(rig.skins() + "/calendar_1.png");
        // The list still names it until the next scan.
        rig.picker->step_up();
        QTRY_COMPARE(rig.boxes.seen().size(), 1);
        QCOMPARE(rig.boxes.seen().first().text, "Файла " + rig.skins() + "/calendar_1.png к сожалению нет...");
        QCOMPARE(rig.picker->names(), (QStringList{"calendar_2.png", "calendar_3.png"}));
        QVERIFY(rig.reloads.isEmpty());
    }

    // Neither chosen nor stepped to: a file that is no picture (a text
    // named .png, a picture cut short) would turn the calendar black.
    void a_file_that_is_no_picture_is_refused_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("text") << QByteArray("not a picture at all\n");
        QTest::newRow("empty") << QByteArray();
        QByteArray png;
        {
            QImage img(60, 40, QImage::Format_ARGB32);
            img.fill(Qt::red);
            QBuffer b(&png);
            b.open(QIODevice::WriteOnly);
            img.save(&b, "PNG");
        }
        QTest::newRow("cut short") << png.left(png.size() / 2);
    }
    void a_file_that_is_no_picture_is_refused()
    {
        QFETCH(QByteArray, bytes);
        picker_rig rig("calendar_1.png", false);
        const QString bad = rig.home.home() + "/bad.png";
        write_file(bad, bytes);
        rig.prompts.files << bad;
        rig.picker->choose_file();
        QTRY_COMPARE(rig.boxes.seen().size(), 1);
        QCOMPARE(rig.boxes.seen().first().title, QStringLiteral("Внимание!"));
        QCOMPARE(rig.boxes.seen().first().text, "Файл " + bad + " не удалось прочитать как рисунок.");
        QCOMPARE(rig.stored(), rig.stored_path);
        QVERIFY(rig.reloads.isEmpty());

        // In the folder, between two good skins: refused, and the next step goes past it.
        QFile::rename(rig.skins() + "/calendar_2.png", rig.skins() + "/calendar_2.keep");
        write_file(rig.skins() + "/calendar_2.png", bytes);
        rig.boxes.clear();
        rig.picker->step_up();
        QTRY_COMPARE(rig.boxes.seen().size(), 1);
        QCOMPARE(rig.stored(), rig.stored_path);
        rig.picker->step_up();
        QCOMPARE(rig.stored(), rig.skins() + "/calendar_3.png");
        QCOMPARE(rig.reloads, QList<bool>{true});
    }

    void empty_folder_steps_nowhere()
    {
        picker_rig rig(QString(), false);
        QDir(rig.skins()).removeRecursively();
        rig.picker->rescan();
        rig.picker->step_up();
        rig.picker->step_down();
        QVERIFY(rig.reloads.isEmpty());
        QVERIFY(rig.boxes.seen().isEmpty());
    }
};

QTEST_MAIN(tst_calendar_skin_picker)
#include "tst_calendar_skin_picker.moc"
