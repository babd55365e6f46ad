#pragma once
// A window's skin picture, decoded when the window first paints and at the
// size it is shown at: a calendar skin is drawn at its window's size every
// time, so the full-size picture would only cost memory (and a scaling at
// every paint). Hidden windows never decode theirs.

#include <QPixmap>
#include <QSize>
#include <QString>

class skin_picture
{
public:
    // An empty path, or one that cannot be read, shows nothing.
    void set_file(const QString &path);
    const QString &file() const { return m_path; }

    // The picture for a target of `size` at the device pixel ratio dpr,
    // decoded again only when either changes.
    const QPixmap &at(QSize size, qreal dpr);

    // True once decoded (and until the file or the size changes).
    bool decoded() const { return !m_picture.isNull(); }

private:
    QString m_path;
    QPixmap m_picture;
    QSize m_size;
    qreal m_dpr = 0;
    bool m_reported = false;
};
