#include "clock/faces/face_size.h"

#include "common/log.h"

#include <QGuiApplication>
#include <QScreen>

QSize face_size::wanted(clock_faces &faces, const clock_look &look, const QDateTime &t, bool framed,
                        int &remembered_width, const QPaintDevice *device)
{
    if (look.clock == QLatin1String("analog"))
        return look.pictures.face.isNull() ? QSize() : analog_face::wanted_size(look);
    if (look.clock == QLatin1String("digital"))
        return faces.digital.layout(look, t, framed, remembered_width, device).size;
    if (look.clock == QLatin1String("flip"))
        return faces.flip.wanted_size(look, t, device);
    return QSize();
}

QSize face_size::clamped(QSize wanted, QSize limit)
{
    QSize s(qMax(1, wanted.width()), qMax(1, wanted.height()));
    if (!limit.isEmpty())
        s = s.boundedTo(limit);
    return s;
}

QSize face_size::largest_screen()
{
    QSize best;
    const auto screens = QGuiApplication::screens();
    for (const QScreen *s : screens) {
        const QSize g = s->geometry().size();
        if (qint64(g.width()) * g.height() > qint64(best.width()) * best.height() || best.isEmpty())
            best = g;
    }
    return best;
}

QSize face_fit::size_for(clock_faces &faces, const clock_look &look, const QDateTime &t, bool framed,
                         int &remembered_width, const QPaintDevice *device, QSize limit)
{
    const QSize want = face_size::wanted(faces, look, t, framed, remembered_width, device);
    if (!want.isValid())
        return want;
    const QSize got = face_size::clamped(want, limit);
    if (got != want && !m_reported && want.width() > 0 && want.height() > 0) {
        m_reported = true;
        qCWarning(lc_clock).nospace() << "the " << look.clock << " face asks for a window of " << want.width() << " x "
                                      << want.height() << ", more than the largest screen shows; it is cut to "
                                      << got.width() << " x " << got.height()
                                      << " (clock.ini keeps its settransform, font and font_flip_clock)";
    }
    return got;
}
