#pragma once
// Stickers on screen, for tests that drive the scheduler or the calendar.

#include "scheduler/my_stiker.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QList>

// Every sticker now visible.
inline QList<my_stiker *> open_stikers()
{
    QList<my_stiker *> r;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *s = qobject_cast<my_stiker *>(w); s && s->isVisible())
            r << s;
    return r;
}

// Closes every visible sticker and lets them delete themselves, so the next
// test starts with none on screen.
inline void close_open_stikers()
{
    for (my_stiker *s : open_stikers())
        s->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
