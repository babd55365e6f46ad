#include "calendar/skin_picture.h"

#include "calendar/calendar_log.h"

#include <QImage>
#include <QImageReader>

void skin_picture::set_file(const QString &path)
{
    if (path == m_path)
        return;
    m_path = path;
    m_picture = QPixmap();
    m_reported = false;
}

const QPixmap &skin_picture::at(QSize size, qreal dpr)
{
    if (!m_picture.isNull() && size == m_size && dpr == m_dpr)
        return m_picture;
    m_size = size;
    m_dpr = dpr;
    const QSize device = (QSizeF(size) * dpr).toSize().expandedTo(QSize(1, 1));
    QImage image;
    if (!m_path.isEmpty()) {
        QImageReader reader(m_path);
        image = reader.read();
        if (image.isNull() && !m_reported) {
            m_reported = true;
            qCWarning(lc_calendar) << "calendar skin cannot be read:" << m_path << reader.errorString();
        }
    }
    if (image.isNull()) {
        m_picture = QPixmap(device);
        m_picture.fill(Qt::transparent);
    } else {
        // Scaled once, smoothly, as the windows used to scale it at each paint.
        m_picture = QPixmap::fromImage(image.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    }
    m_picture.setDevicePixelRatio(dpr);
    return m_picture;
}
