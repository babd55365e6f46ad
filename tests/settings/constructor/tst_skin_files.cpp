// Skin folder names, picture names and settings.ini text, read back through
// the program's own settings format.
#include "storage/ini_format.h"
#include "settings/constructor/skin_files.h"
#include "test_support.h"

#include <QTest>

class tst_skin_files : public QObject
{
    Q_OBJECT

private slots:
    void names_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("fine");
        QTest::newRow("plain") << "Новый скин" << true;
        QTest::newRow("dots inside") << "v1.2..final" << true;
        QTest::newRow("leading dot") << ".hidden" << true;
        QTest::newRow("255 bytes") << QString(255, 'a') << true;
        QTest::newRow("256 bytes") << QString(256, 'a') << false;
        QTest::newRow("slash") << "a/b" << false;
        QTest::newRow("backslash") << "a\\b" << false;
        QTest::newRow("dot") << "." << false;
        QTest::newRow("dot dot") << ".." << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("newline") << "a\nb" << false;
        QTest::newRow("nul") << QString("a") + QChar(0) << false;
    }
    void names()
    {
        QFETCH(QString, name);
        QFETCH(bool, fine);
        QCOMPARE(skin_files::name_problem(name).isEmpty(), fine);
    }

    void colliding_picture_names_are_kept_apart_data()
    {
        QTest::addColumn<QStringList>("sources");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("distinct") << QStringList{"/a/d.png", "/a/h.png", "/a/m.png", "/a/s.png", "/a/c.png"}
                                  << QStringList{"d.png", "h.png", "m.png", "s.png", "c.png"};
        QTest::newRow("one skin's stems")
            << QStringList{"/B/Clockface/x.png", "/B/Hourface/x.png", "/B/Minface/x.png", "/B/Secundsface/x.png",
                           "/B/Dots/x.png"}
            << QStringList{"x.png", "hour_x.png", "min_x.png", "sec_x.png", "shapocka_x.png"};
        QTest::newRow("prefixed name already taken")
            << QStringList{"/a/hour_x.png", "/b/x.png", "/c/x.png", "/d/s.png", "/e/c.png"}
            << QStringList{"hour_x.png", "x.png", "min_x.png", "s.png", "c.png"};
        QTest::newRow("prefix collides too")
            << QStringList{"/a/x.png", "/b/hour_x.png", "/c/x.png", "/d/x.png", "/e/x.png"}
            << QStringList{"x.png", "hour_x.png", "min_x.png", "sec_x.png", "shapocka_x.png"};
        QTest::newRow("case only") << QStringList{"/a/X.PNG", "/b/x.png", "/c/m.png", "/d/s.png", "/e/c.png"}
                                   << QStringList{"X.PNG", "hour_x.png", "m.png", "s.png", "c.png"};
    }
    void colliding_picture_names_are_kept_apart()
    {
        QFETCH(QStringList, sources);
        QFETCH(QStringList, names);
        std::array<QString, 5> in;
        for (int i = 0; i < 5; ++i)
            in[i] = sources[i];
        const auto out = skin_files::target_names(in);
        QCOMPARE(QStringList(out.begin(), out.end()), names);
    }

    // Whatever the file names, settings.ini reads back the same names.
    void values_read_back_data()
    {
        QTest::addColumn<QString>("name");
        for (const char *n : {"plain.png", "with space.png", " lead.png", "trail.png ", "a,b.png", "a;b.png", "a=b.png",
                              "@at.png", "quote\"d.png", "back\\slash.png"})
            QTest::newRow(n) << QString::fromLatin1(n);
        QTest::newRow("cyrillic") << "Часы.png";
        QTest::newRow("outside cp1251") << "時計.png";
    }
    void values_read_back()
    {
        QFETCH(QString, name);
        temp_data_home home;
        const std::array<QString, 5> names{name, "h.png", "m.png", "s.png", "c.png"};
        skin_layout l;
        l.hour = {1.25, 0.5, 0.12};
        const QString path = home.home() + "/settings.ini";
        write_file(path, skin_files::settings_text(names, l));
        auto ini = ini_format::open(path);
        QCOMPARE(ini->value("SkinSettings/fon").toString(), name);
        QCOMPARE(ini->value("SkinSettings/hour").toString(), QString("h.png"));
        QCOMPARE(ini->value("SkinSettings/offset_hour_x").toDouble(), 1.25);
        QCOMPARE(ini->value("SkinSettings/offset_hour_y").toDouble(), 0.5);
        QCOMPARE(ini->value("SkinSettings/offset_hour_z").toDouble(), 0.12);
        QCOMPARE(ini->value("SkinSettings/offset_mins_z").toDouble(), 0.06);
        QCOMPARE(ini->value("SkinSettings/offset_secunds_z").toDouble(), 0.23);
        QCOMPARE(ini->allKeys().size(), 16);
    }

    void cyrillic_is_written_as_cp1251()
    {
        const QByteArray text = skin_files::settings_text({"Ч.png", "h.png", "m.png", "s.png", "c.png"}, {});
        QVERIFY(text.contains("fon=\xD7.png\r\n"));
    }
};

QTEST_MAIN(tst_skin_files)
#include "tst_skin_files.moc"
