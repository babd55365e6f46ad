#include "notebook/image_page.h"

#include "notebook/notebook_limits.h"
#include "notebook/notebook_log.h"
#include "notebook/notebook_prompts.h"
#include "notebook/notebook_store.h"
#include "notebook/page_draft.h"
#include "notebook/text_item.h"

#include <QBuffer>
#include <QClipboard>
#include <QGraphicsPixmapItem>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QGuiApplication>
#include <QImageReader>
#include <QPainter>

namespace {

const QRectF empty_scene(0, 0, 300, 300);
// Above this, smooth scaling of every repaint costs more than it shows.
constexpr qint64 smooth_limit = 6'000'000;

} // namespace

image_page::image_page(QGraphicsScene &scene, QGraphicsView &view, notebook_store &store, notebook_prompts &prompts,
                       QWidget *window)
    : m_scene(scene), m_view(view), m_store(store), m_prompts(prompts), m_window(window)
{}

void image_page::set_caption_defaults(const QFont &font, const QColor &color)
{
    m_caption_font = font;
    m_caption_color = color;
}

void image_page::clear()
{
    // Items leaving with the scene must not come back through lostFocus.
    for (TextItem *t : captions())
        t->disconnect(this);
    m_scene.clear();
    m_modified = false;
    m_keep_stored = false;
    m_picture_changed = false;
}

void image_page::mark_edited()
{
    m_modified = true;
    emit edited();
}

bool image_page::acceptable(QSize size)
{
    if (qint64(size.width()) * size.height() <= notebook_limits::picture_pixels)
        return true;
    qCWarning(lc_notebook) << "picture of" << size << "refused: larger than the notebook takes";
    m_prompts.message(m_window, notebook_prompts::box::warning, QStringLiteral("Внимание!"),
                      QStringLiteral("Картинка слишком велика: %1 × %2 точек, а заметка принимает картинки "
                                     "не больше %3 мегапикселей. Заметка не изменена.")
                          .arg(size.width())
                          .arg(size.height())
                          .arg(notebook_limits::picture_pixels / 1'000'000));
    return false;
}

QImage image_page::decode(const QByteArray &data)
{
    if (data.isEmpty() || static_cast<unsigned char>(data.at(0)) != 137)
        return {};
    QImage image = QImage::fromData(data);
    if (image.isNull())
        return image;
    // In the form the screen paints from, so showing it costs no conversion.
    return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
}

QList<TextItem *> image_page::captions() const
{
    QList<TextItem *> out;
    for (QGraphicsItem *i : m_scene.items())
        if (i->type() == TextItem::Type)
            out << static_cast<TextItem *>(i);
    return out;
}

bool image_page::has_picture() const
{
    for (QGraphicsItem *i : m_scene.items())
        if (i->type() == QGraphicsPixmapItem::Type)
            return true;
    return false;
}

void image_page::refit()
{
    // Stretched out of shape a picture is not the one the user stored; the
    // captions keep their places on it either way.
    m_view.fitInView(m_scene.sceneRect(), Qt::KeepAspectRatio);
}

void image_page::put_picture(const QImage &image, bool from_user)
{
    m_scene.setSceneRect(0, 0, image.width(), image.height());
    auto *item = m_scene.addPixmap(QPixmap::fromImage(image));
    if (qint64(image.width()) * image.height() <= smooth_limit)
        item->setTransformationMode(Qt::SmoothTransformation);
    if (from_user)
        item->setZValue(-1000);
    refit();
}

void image_page::remove_pictures()
{
    for (QGraphicsItem *i : m_scene.items())
        if (i->type() == QGraphicsPixmapItem::Type) {
            m_scene.removeItem(i);
            delete i;
        }
}

TextItem *image_page::new_caption()
{
    auto *item = new TextItem;
    connect(item, &TextItem::lostFocus, this, &image_page::editorLostFocus);
    connect(item, &TextItem::changed, this, &image_page::mark_edited);
    return item;
}

bool image_page::load(qint64 id, const QByteArray &data, bool later)
{
    m_scene.setSceneRect(empty_scene);
    refit();
    m_keep_stored = false;
    bool awaited = false;
    if (!data.isEmpty()) {
        QByteArray header = data;
        QBuffer buffer(&header);
        QImageReader reader(&buffer);
        const QSize size = static_cast<unsigned char>(data.at(0)) == 137 ? reader.size() : QSize();
        QImage image;
        if (size.isValid() && !acceptable(size)) {
            // Kept in the database as it is; the page shows its caption only.
            m_keep_stored = true;
        } else if (later && size.isValid() &&
                   qint64(size.width()) * size.height() >= notebook_limits::picture_in_background) {
            m_scene.clear();
            m_scene.setSceneRect(0, 0, size.width(), size.height());
            refit();
            awaited = true;
        } else {
            image = decode(data);
            if (image.isNull()) {
                picture_decoded(image);
            } else {
                m_scene.clear();
                put_picture(image, false);
            }
        }
    }

    notebook_store::caption c;
    if (m_store.read_caption(id, c) && !c.text.isEmpty()) {
        TextItem *item = new_caption();
        item->setFont(m_store.read_page_font(id));
        item->setDefaultTextColor(m_store.read_page_color(id));
        item->setPos(c.x, c.y);
        item->setRotation(c.rotation);
        item->setZValue(c.z);
        item->setPlainText(c.text);
        m_scene.addItem(item);
    }
    pull_captions_in(false);
    m_modified = false;
    m_picture_changed = false;
    return awaited;
}

void image_page::picture_decoded(const QImage &image)
{
    if (image.isNull()) {
        // Saving would replace bytes we could not read; keep them.
        m_keep_stored = true;
        m_prompts.message(m_window, notebook_prompts::box::warning, QStringLiteral("Внимание!"),
                          QStringLiteral("Картинка этой заметки не читается (это не PNG или файл повреждён). "
                                         "Она остаётся в базе без изменений."));
        return;
    }
    // The scene already has the picture's size and the captions their places.
    auto *item = m_scene.addPixmap(QPixmap::fromImage(image));
    if (qint64(image.width()) * image.height() <= smooth_limit)
        item->setTransformationMode(Qt::SmoothTransformation);
    refit();
}

void image_page::pull_captions_in(bool edge_is_outside)
{
    const QRectF r = m_scene.sceneRect();
    for (TextItem *t : captions()) {
        const QPointF p = t->pos();
        const bool outside = edge_is_outside ? (p.x() < 0 || p.x() >= r.width() || p.y() < 0 || p.y() >= r.height())
                                             : (p.x() < 0 || p.x() > r.width() || p.y() < 0 || p.y() > r.height());
        if (outside)
            t->setPos(1, 1);
    }
}

bool image_page::save(qint64 id)
{
    QImage image;
    if (!m_keep_stored)
        for (QGraphicsItem *i : m_scene.items(Qt::AscendingOrder))
            if (i->type() == QGraphicsPixmapItem::Type)
                image = static_cast<QGraphicsPixmapItem *>(i)->pixmap().toImage();
    QByteArray bytes;
    if (!image.isNull()) {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
    }

    // All columns or none: a lock taken by another program half-way must
    // not leave the caption of one save beside the picture of another.
    const QString failed = QStringLiteral("Заметка не сохранена.");
    if (!m_store.begin(failed))
        return false;
    bool ok = true;
    const QList<TextItem *> caps = captions();
    for (TextItem *t : caps) {
        ok = ok && m_store.write_caption_text(id, t->toPlainText());
        ok = ok && m_store.write_caption_geometry(id, t->pos().x(), t->pos().y(), t->rotation(), t->zValue());
        ok = ok && m_store.write_caption_style(id, t->font().toString(), t->defaultTextColor().name());
    }
    if (caps.isEmpty()) {
        ok = ok && m_store.write_caption_text(id, QString());
        ok = ok && m_store.write_caption_geometry(id, 0, 0, 0, 0);
    }
    if (!m_keep_stored)
        ok = ok && m_store.write_page_data(id, bytes);
    if (!ok) {
        m_store.rollback();
        return false;
    }
    if (!m_store.commit(failed))
        return false;
    // A failed write leaves the page marked changed, so leaving it still asks.
    m_modified = false;
    m_picture_changed = false;
    return true;
}

void image_page::fill_draft(page_draft &d, QImage &picture) const
{
    d.image = true;
    d.picture_as_stored = !m_picture_changed;
    picture = QImage();
    if (m_picture_changed)
        for (QGraphicsItem *i : m_scene.items(Qt::AscendingOrder))
            if (i->type() == QGraphicsPixmapItem::Type)
                picture = static_cast<QGraphicsPixmapItem *>(i)->pixmap().toImage();
    const QList<TextItem *> caps = captions();
    d.has_caption = !caps.isEmpty();
    if (d.has_caption) {
        const TextItem *t = caps.first();
        d.caption = t->toPlainText();
        d.x = t->pos().x();
        d.y = t->pos().y();
        d.rotation = t->rotation();
        d.z = t->zValue();
        d.font = t->font().toString();
        d.color = t->defaultTextColor().name();
    }
}

void image_page::restore(const page_draft &d)
{
    if (!d.picture_as_stored) {
        remove_pictures();
        const QImage image = decode(d.body);
        if (!image.isNull())
            put_picture(image, true);
        m_keep_stored = false;
        m_picture_changed = true;
    }
    delete_captions();
    if (d.has_caption) {
        TextItem *item = new_caption();
        QFont f = m_caption_font;
        if (!d.font.isEmpty())
            f.fromString(d.font);
        item->setFont(f);
        item->setDefaultTextColor(QColor::fromString(d.color));
        item->setPos(d.x, d.y);
        item->setRotation(d.rotation);
        item->setZValue(d.z);
        item->setPlainText(d.caption);
        m_scene.addItem(item);
    }
    m_modified = true;
}

void image_page::add_from_clipboard()
{
    const QImage image = QGuiApplication::clipboard()->image();
    if (image.isNull()) {
        m_prompts.message(m_window, notebook_prompts::box::information, QStringLiteral("Внимание!"),
                          QStringLiteral("В буфере обмена нет картинки. Заметка не изменена."));
        return;
    }
    if (!acceptable(image.size()))
        return;
    remove_pictures();
    put_picture(image, true);
    m_keep_stored = false;
    m_picture_changed = true;
    mark_edited();
}

void image_page::add_from_file()
{
    const QString file =
        m_prompts.open_file(m_window, QStringLiteral("Выберете картинку"), QStringLiteral("Картинки (*.png *.jpg)"));
    if (file.isEmpty())
        return;
    QImageReader reader(file);
    reader.setAutoTransform(true);
    if (reader.size().isValid() && !acceptable(reader.size()))
        return;
    const QImage image = reader.read();
    if (image.isNull()) {
        qCWarning(lc_notebook) << "cannot read" << file << reader.errorString();
        m_prompts.message(m_window, notebook_prompts::box::warning, QStringLiteral("Внимание!"),
                          QStringLiteral("Не удалось прочитать картинку ") + file + QStringLiteral(": ") +
                              reader.errorString() + QStringLiteral(". Заметка не изменена."));
        return;
    }
    remove_pictures();
    put_picture(image, true);
    m_keep_stored = false;
    m_picture_changed = true;
    mark_edited();
}

void image_page::fit()
{
    refit();
    pull_captions_in(true);
}

QImage image_page::render() const
{
    const QRectF r = m_scene.sceneRect();
    QImage image(int(r.width()), int(r.height()), QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return image;
    image.fill(Qt::transparent);
    // The selection outline is not part of the picture.
    const QList<QGraphicsItem *> selected = m_scene.selectedItems();
    for (QGraphicsItem *i : selected)
        i->setSelected(false);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const_cast<QGraphicsScene &>(m_scene).render(&p, QRectF(image.rect()), r, Qt::KeepAspectRatio);
    p.end();
    for (QGraphicsItem *i : selected)
        i->setSelected(true);
    return image;
}

void image_page::export_to_file()
{
    const QImage image = render();
    const QString file =
        m_prompts.save_file(m_window, QStringLiteral("Сохранить в файл"), QStringLiteral("Images (*.png)"));
    if (file.isEmpty())
        return;
    if (image.isNull() || !image.save(file, "PNG")) {
        qCWarning(lc_notebook) << "cannot write" << file;
        m_prompts.message(m_window, notebook_prompts::box::warning, QStringLiteral("Внимание!"),
                          QStringLiteral("Файл ") + file + QStringLiteral(" не сохранен."));
        return;
    }
    m_prompts.message(m_window, notebook_prompts::box::information, QStringLiteral("Внимание!"),
                      QStringLiteral("Файл ") + file + QStringLiteral(" сохранен."));
}

void image_page::delete_picture()
{
    const bool had = has_picture() || m_keep_stored;
    remove_pictures();
    m_keep_stored = false;
    if (had) {
        m_picture_changed = true;
        mark_edited();
    }
}

void image_page::add_or_change_caption()
{
    const QList<TextItem *> caps = captions();
    TextItem *item = caps.isEmpty() ? nullptr : caps.first();
    const bool fresh = !item;
    if (fresh) {
        item = new_caption();
        item->setFont(m_caption_font);
        item->setDefaultTextColor(m_caption_color);
    }
    const std::optional<QString> t = m_prompts.text(m_window, QStringLiteral("Введите текст:"), item->toPlainText());
    if (!t || t->isEmpty()) {
        if (fresh)
            delete item;
        return;
    }
    item->setPlainText(*t);
    item->setPos(1, 1);
    item->setRotation(0);
    if (fresh)
        m_scene.addItem(item);
    refit();
    mark_edited();
}

void image_page::delete_captions()
{
    for (TextItem *t : captions()) {
        t->disconnect(this);
        m_scene.removeItem(t);
        t->deleteLater();
        mark_edited();
    }
}

void image_page::rotate_captions()
{
    for (TextItem *t : captions()) {
        if (t->rotation() == 360)
            t->setRotation(0);
        t->setRotation(t->rotation() + 90);
        mark_edited();
    }
}

void image_page::choose_caption_font(qint64 id)
{
    const QFont preset = m_store.read_page_font(id);
    const std::optional<QFont> chosen = m_prompts.font(m_window, preset);
    if (chosen)
        m_store.write_page_font(id, chosen->toString());
    for (TextItem *t : captions())
        t->setFont(chosen.value_or(preset));
}

void image_page::choose_caption_color(qint64 id)
{
    const QColor c = m_prompts.color(m_window, m_store.read_page_color(id));
    if (!c.isValid())
        return;
    m_store.write_page_color(id, c.name());
    for (TextItem *t : captions())
        t->setDefaultTextColor(c);
}

void image_page::editorLostFocus(TextItem *item)
{
    if (item->scene() != &m_scene || !item->toPlainText().isEmpty())
        return;
    m_scene.removeItem(item);
    item->deleteLater();
    mark_edited();
}
