#pragma once
// The constructor's preview: a scene with the dial, three hands and the cap
// placed and turned the way the clock will paint them.

#include "settings/constructor/skin_layout.h"

#include <QGraphicsScene>
#include <QPixmap>
#include <QTime>
#include <array>

class QGraphicsPixmapItem;

class skin_preview
{
public:
    skin_preview();

    QGraphicsScene *scene() { return &m_scene; }

    // A dial also sets the scene to its size and moves everything for it.
    void set_picture(skin_part part, const QPixmap &picture);
    const QPixmap &picture(skin_part part) const { return m_pictures[index(part)]; }

    const skin_layout &layout() const { return m_layout; }
    void set_layout(const skin_layout &l);

    // Turns the hands to the time.
    void show_time(const QTime &t);
    QTime time() const { return m_time; }

    // Empties every item and goes back to a 300 x 300 scene.
    void clear();

    // Where an item goes: the hand's pivot (or the cap's centre) at the
    // factors of the scene's centre.
    static QPointF hand_position(QSizeF scene, QSize picture, const part_place &p);
    static QPointF hand_origin(QSize picture, double z);
    static QPointF cap_position(QSizeF scene, QSize picture, const part_place &p);

    // Clock angles in degrees for the three hands.
    static double hour_angle(const QTime &t) { return (t.hour() + t.minute() / 60.0) * 30.0; }
    static double minute_angle(const QTime &t) { return (t.minute() + t.second() / 60.0) * 6.0; }
    static double second_angle(const QTime &t) { return t.second() * 6.0; }

private:
    static int index(skin_part p) { return int(p); }
    void place_items();
    QGraphicsPixmapItem *item(skin_part p) const { return m_items[index(p)]; }

    QGraphicsScene m_scene;
    std::array<QGraphicsPixmapItem *, 5> m_items{};
    std::array<QPixmap, 5> m_pictures;
    skin_layout m_layout;
    QTime m_time{10, 10, 15};
};
