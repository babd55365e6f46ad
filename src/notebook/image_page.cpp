#include "notebook/image_page.h"

#include "notebook/notebook_log.h"
#include "notebook/notebook_prompts.h"
#include "notebook/notebook_store.h"
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
    m_view.fitInView(m_scene.sceneRect(), Qt::IgnoreAspectRatio);
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
    connect(item, &TextItem::changed, this, [this] { m_modified = true; });
    return item;
}

void image_page::load(qint64 id, const QByteArray &data)
{
    m_scene.setSceneRect(empty_scene);
    refit();
    m_keep_stored = false;
    if (!data.isEmpty()) {
        QImage image;
        if (static_cast<unsigned char>(data.at(0)) == 137)
            image = QImage::fromData(data);
        if (image.isNull()) {
            // Saving would replace bytes we could not read; keep them.
            m_keep_stored = true;
            m_prompts.message(m_window, notebook_prompts::box::warning, QStringLiteral("Внимание!"),
                              QStringLiteral("Картинка этой заметки не читается (это не PNG или файл повреждён). "
                                             "Она остаётся в базе без изменений."));
        } else {
            m_scene.clear();
            put_picture(image, false);
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
    bool ok = true;
    const QList<TextItem *> caps = captions();
    for (TextItem *t : caps) {
        ok &= m_store.write_caption_text(id, t->toPlainText());
        ok &= m_store.write_caption_geometry(id, t->pos().x(), t->pos().y(), t->rotation(), t->zValue());
        ok &= m_store.write_caption_style(id, t->font().toString(), t->defaultTextColor().name());
    }
    if (caps.isEmpty()) {
        ok &= m_store.write_caption_text(id, QString());
        ok &= m_store.write_caption_geometry(id, 0, 0, 0, 0);
    }
    if (!m_keep_stored) {
        QImage image;
        for (QGraphicsItem *i : m_scene.items(Qt::AscendingOrder))
            if (i->type() == QGraphicsPixmapItem::Type)
                image = static_cast<QGraphicsPixmapItem *>(i)->pixmap().toImage();
        QByteArray bytes;
        if (!image.isNull()) {
            QBuffer buffer(&bytes);
            buffer.open(QIODevice::WriteOnly);
            image.save(&buffer, "PNG");
        }
        ok &= m_store.write_page_data(id, bytes);
    }
    // A failed write leaves the page marked changed, so leaving it still asks.
    if (ok)
        m_modified = false;
    return ok;
}

void image_page::add_from_clipboard()
{
    remove_pictures();
    put_picture(QGuiApplication::clipboard()->image(), true);
    m_keep_stored = false;
    m_modified = true;
}

void image_page::add_from_file()
{
    const QString file =
        m_prompts.open_file(m_window, QStringLiteral("Выберете картинку"), QStringLiteral("Картинки (*.png *.jpg)"));
    if (file.isEmpty())
        return;
    remove_pictures();
    QImageReader reader(file);
    reader.setAutoTransform(true);
    const QImage image = reader.read();
    if (image.isNull()) {
        qCWarning(lc_notebook) << "cannot read" << file << reader.errorString();
        m_prompts.message(m_window, notebook_prompts::box::warning, QStringLiteral("Внимание!"),
                          QStringLiteral("Не удалось прочитать картинку ") + file + QStringLiteral(": ") +
                              reader.errorString());
    }
    put_picture(image, true);
    m_keep_stored = false;
    m_modified = true;
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
    if (has_picture() || m_keep_stored)
        m_modified = true;
    remove_pictures();
    m_keep_stored = false;
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
    m_modified = true;
}

void image_page::delete_captions()
{
    for (TextItem *t : captions()) {
        t->disconnect(this);
        m_scene.removeItem(t);
        t->deleteLater();
        m_modified = true;
    }
}

void image_page::rotate_captions()
{
    for (TextItem *t : captions()) {
        if (t->rotation() == 360)
            t->setRotation(0);
        t->setRotation(t->rotation() + 90);
        m_modified = true;
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
    m_modified = true;
}
