#include "settings/constructor/picture_library.h"

#include <QDir>

void picture_library::rescan()
{
    // The folder listing's default order (by name, ignoring case): the raw
    // directory order of Linux file systems would shuffle between folders.
    m_names = QDir(m_folder).entryList({QStringLiteral("*.png")}, QDir::Files, QDir::Name | QDir::IgnoreCase);
}

QString picture_library::step(int direction)
{
    if (m_names.isEmpty())
        return QString();
    const int last = int(m_names.size()) - 1;
    if (direction > 0 && m_index < last)
        ++m_index;
    else if (direction < 0 && m_index > 0)
        --m_index;
    // A rescan that shortened the list may have left the position beyond it.
    m_index = qBound(0, m_index, last);
    return path_at(m_index);
}

QString picture_library::path_at(int i) const
{
    if (i < 0 || i >= m_names.size())
        return QString();
    return m_folder + "/" + m_names.at(i);
}
