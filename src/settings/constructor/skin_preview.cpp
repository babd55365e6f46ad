#include "settings/constructor/skin_preview.h"

#include <QGraphicsPixmapItem>

namespace {
const QRectF empty_scene(0, 0, 300, 300);
}

skin_preview::skin_preview()
{
    m_scene.setSceneRect(empty_scene);
    // Added in drawing order: the cap ends up on top.
    for (skin_part p : all_skin_parts) {
        auto *it = m_scene.addPixmap(QPixmap());
        it->setTransformationMode(Qt::SmoothTransformation);
        m_items[index(p)] = it;
    }
    show_time(m_time);
}

QPointF skin_preview::hand_position(QSizeF scene, QSize picture, const part_place &p)
{
    const int w = picture.width(), h = picture.height();
    return {scene.width() * 0.5 * p.x - w / 2, scene.height() * 0.5 * p.y - (h - h * p.z)};
}

QPointF skin_preview::hand_origin(QSize picture, double z)
{
    const int w = picture.width(), h = picture.height();
    return {double(w / 2), h - h * z};
}

QPointF skin_preview::cap_position(QSizeF scene, QSize picture, const part_place &p)
{
    return {scene.width() * 0.5 * p.x - picture.width() / 2, scene.height() * 0.5 * p.y - picture.height() / 2};
}

void skin_preview::set_picture(skin_part part, const QPixmap &picture)
{
    m_pictures[index(part)] = picture;
    item(part)->setPixmap(picture);
    if (part == skin_part::face)
        m_scene.setSceneRect(picture.isNull() ? empty_scene : QRectF(QPointF(0, 0), picture.size()));
    place_items();
}

void skin_preview::set_layout(const skin_layout &l)
{
    m_layout = l;
    place_items();
}

void skin_preview::place_items()
{
    const QSizeF scene = m_scene.sceneRect().size();
    item(skin_part::face)->setPos(0, 0);
    for (skin_part p : {skin_part::hour, skin_part::mins, skin_part::secunds}) {
        QGraphicsPixmapItem *it = item(p);
        const QSize size = it->pixmap().size();
        const part_place &place = *m_layout.place(p);
        it->setPos(hand_position(scene, size, place));
        it->setTransformOriginPoint(hand_origin(size, place.z));
    }
    QGraphicsPixmapItem *cap = item(skin_part::shapocka);
    cap->setPos(cap_position(scene, cap->pixmap().size(), m_layout.shapocka));
}

void skin_preview::show_time(const QTime &t)
{
    m_time = t;
    item(skin_part::hour)->setRotation(hour_angle(t));
    item(skin_part::mins)->setRotation(minute_angle(t));
    item(skin_part::secunds)->setRotation(second_angle(t));
}

void skin_preview::clear()
{
    for (skin_part p : all_skin_parts) {
        m_pictures[index(p)] = QPixmap();
        item(p)->setPixmap(QPixmap());
    }
    m_scene.setSceneRect(empty_scene);
    place_items();
}
