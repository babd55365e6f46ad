#pragma once
// One folder of pictures a skin part can be taken from: the "*.png" file
// names in the folder listing's order (by name), and a current position that
// steps without wrapping around.

#include <QString>
#include <QStringList>

class picture_library
{
public:
    explicit picture_library(QString folder = QString()) : m_folder(std::move(folder)) {}

    // Lists the folder again; the position stays where it was, so a shorter
    // list may leave it past the end until the next step brings it back.
    void rescan();

    const QString &folder() const { return m_folder; }
    const QStringList &names() const { return m_names; }
    int index() const { return m_index; }
    void set_index(int i) { m_index = i; }

    // Step one picture on (+1) or back (-1), stopping at the ends. Returns the
    // path at the new position, or an empty string when the library is empty.
    QString step(int direction);
    QString path_at(int i) const;

private:
    QString m_folder;
    QStringList m_names;
    int m_index = 0;
};
