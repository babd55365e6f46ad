#include "settings/constructor/calendar_skin_picker.h"

#include "common/log.h"
#include "common/user_prompts.h"
#include "storage/calendar_keys.h"
#include "storage/data_folder.h"
#include "storage/typed_settings.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QMessageBox>
#include <QWidget>

namespace {

QString skins_folder()
{
    return data_folder::path() + "/Calendar_skins";
}

// Read through, as the calendar will: a file that only starts like a
// picture would still leave the calendar black.
bool is_picture(const QString &path)
{
    QImageReader reader(path);
    return reader.canRead() && !reader.read().isNull();
}

} // namespace

calendar_skin_picker::calendar_skin_picker(QWidget *parent, QSettings &calendar_ini, user_prompts *ask)
    : QObject(parent), m_parent(parent), m_ini(calendar_ini), m_ask(ask)
{
    rescan();
}

void calendar_skin_picker::rescan()
{
    m_names = QDir(skins_folder()).entryList({QStringLiteral("*.png")}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    locate_stored();
}

void calendar_skin_picker::locate_stored()
{
    const QString stored = typed_settings(m_ini).get(calendar_keys::my_skin);
    m_index = -1;
    if (!stored.isEmpty() && QFileInfo(stored).isFile()) {
        // Only a skin that really lies in Calendar_skins has a place in the list.
        const QFileInfo fi(stored);
        if (QFileInfo(fi.absolutePath()).canonicalFilePath() == QFileInfo(skins_folder()).canonicalFilePath())
            m_index = int(m_names.indexOf(fi.fileName()));
    }
}

void calendar_skin_picker::step(int direction)
{
    if (typed_settings(m_ini).get(calendar_keys::do_transp_calendar).on)
        return; // a transparent calendar shows no skin to step through
    // Step from the skin the calendar shows now: its own fallback to the
    // default skin writes calendar.ini without telling the picker.
    locate_stored();
    if (!m_refused.isEmpty()) {
        const int refused = int(m_names.indexOf(m_refused));
        if (refused >= 0)
            m_index = refused;
        m_refused.clear();
    }
    if (m_names.isEmpty())
        return;
    if (direction < 0 && m_index > 0)
        --m_index;
    else if (direction > 0 && m_index < int(m_names.size()) - 1)
        ++m_index;
    else
        return;
    const QString path = skins_folder() + "/" + m_names.at(m_index);
    if (QFileInfo(path).isFile()) {
        if (!accept(path)) {
            m_refused = m_names.at(m_index);
            return;
        }
        store(path, true);
    } else {
        qCWarning(lc_settings) << "calendar skin" << path << "has gone";
        QMessageBox::warning(m_parent, QStringLiteral("Внимание !"),
                             QStringLiteral("Файла ") + path + QStringLiteral(" к сожалению нет..."));
    }
    rescan();
}

void calendar_skin_picker::choose_file()
{
    user_prompts &ask = m_ask ? *m_ask : user_prompts::standard();
    const QString path = ask.open_file(m_parent, QStringLiteral("Выберете скин календаря"),
                                       data_folder::file("//Calendar_skins"), QStringLiteral("png images (*.png)"));
    if (path.isEmpty() || !accept(path))
        return;
    store(path, false);
    rescan();
}

bool calendar_skin_picker::accept(const QString &path)
{
    if (is_picture(path))
        return true;
    qCWarning(lc_settings) << "calendar skin" << path << "is not a picture; not taken";
    QMessageBox::warning(m_parent, QStringLiteral("Внимание!"),
                         QStringLiteral("Файл ") + path + QStringLiteral(" не удалось прочитать как рисунок."));
    return false;
}

void calendar_skin_picker::store(const QString &path, bool full)
{
    m_refused.clear();
    typed_settings s(m_ini);
    s.set(calendar_keys::my_skin, path);
    s.sync();
    if (m_reload)
        m_reload(full);
}
