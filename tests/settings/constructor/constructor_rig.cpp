#include "constructor_rig.h"

#include "storage/ini_format.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QImage>
#include <QSettings>
#include <QTest>

void write_picture(const QString &path, QSize size, QColor colour)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QImage img(size, QImage::Format_ARGB32);
    img.fill(colour);
    QVERIFY(img.save(path, "PNG"));
}

constructor_rig::constructor_rig()
{
    write_picture(base("Clockface") + "/a_dial.png", {200, 200}, Qt::white);
    write_picture(base("Clockface") + "/b_dial.png", {240, 240}, Qt::lightGray);
    write_picture(base("Clockface") + "/c_dial.png", {160, 120}, Qt::yellow);
    for (const char *lib : {"Hourface", "Minface", "Secundsface"})
        for (const char *n : {"a.png", "b.png", "c.png"})
            write_picture(base(lib) + "/" + n, {6, 60}, Qt::darkBlue);
    write_picture(base("Dots") + "/a.png", {8, 8}, Qt::black);
    write_picture(base("Dots") + "/b.png", {10, 10}, Qt::red);
    QDir().mkpath(skins());

    clock_ini = ini_format::open(data() + "/clock.ini");
    settings = std::make_unique<clock_settings>(*clock_ini);
    w = std::make_unique<skin_constructor>();
    w->set_prompts(&prompts);
    w->set_face_host(&host);
    w->set_clock_settings(settings.get());
}

void constructor_rig::choose_all()
{
    // The position starts at the first picture; stepping back stays there
    // and takes it.
    w->on_counter_face_down_clicked();
    w->on_counter_hour_down_clicked();
    w->on_counter_mins_down_clicked();
    w->on_counter_secunds_down_clicked();
    w->on_counter_dots_down_clicked();
}

QStringList constructor_rig::skin_files() const
{
    QStringList out;
    QDirIterator it(skins(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        out << QDir(skins()).relativeFilePath(it.next());
    out.sort();
    return out;
}

QString constructor_rig::my_skin() const
{
    clock_ini->sync();
    return clock_ini->value("TYPE/my_skin").toString();
}
