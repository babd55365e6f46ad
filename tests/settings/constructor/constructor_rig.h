#pragma once
// A skin constructor on a private data folder with small picture libraries,
// scripted answers for its dialogs and a recording stand-in for the clock.

#include "storage/clock_settings.h"
#include "common/user_prompts.h"
#include "settings/constructor/skin_constructor.h"
#include "settings_rig.h"
#include "test_support.h"

#include <QColor>
#include <QStringList>
#include <memory>

// Answers the constructor's dialogs from queues; an empty queue cancels.
class queued_prompts : public user_prompts
{
public:
    QStringList texts, files, folders;
    QStringList file_titles;

    std::optional<QString> text(QWidget *, const QString &, const QString &, const QString &) override
    {
        if (texts.isEmpty())
            return std::nullopt;
        return texts.takeFirst();
    }
    QString open_file(QWidget *, const QString &title, const QString &, const QString &) override
    {
        file_titles << title;
        return files.isEmpty() ? QString() : files.takeFirst();
    }
    QString folder(QWidget *, const QString &, const QString &) override
    {
        return folders.isEmpty() ? QString() : folders.takeFirst();
    }
};

using recording_host = recording_face;

// A solid picture of the given size and colour, saved as PNG.
void write_picture(const QString &path, QSize size, QColor colour);

class constructor_rig
{
public:
    // Libraries: three dials (200, 240, 160 wide), three pictures in each
    // hand library and two caps.
    constructor_rig();

    QString data() const { return home.data_folder(); }
    QString skins() const { return home.data_folder() + "/Skins"; }
    QString base(const QString &library) const { return home.data_folder() + "/Base/" + library; }
    // Steps every slot once so that all five paths are chosen.
    void choose_all();
    // Every file below Skins/, relative, sorted.
    QStringList skin_files() const;
    QString my_skin() const;

    temp_data_home home;
    std::unique_ptr<QSettings> clock_ini;
    std::unique_ptr<clock_settings> settings;
    queued_prompts prompts;
    recording_host host;
    box_answerer boxes;
    std::unique_ptr<skin_constructor> w;
};
