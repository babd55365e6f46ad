#pragma once
// image_page: the picture half of the notebook window. It fills the scene
// from a page (picture and caption), writes it back, and carries out the
// picture view's context-menu commands. Changes stay in the scene until
// save(), except the caption font and colour, which are stored at once.

#include <QColor>
#include <QFont>
#include <QObject>
#include <QRectF>

class QGraphicsScene;
class QGraphicsView;
class QWidget;
class TextItem;
class notebook_prompts;
class notebook_store;
struct page_draft;

class image_page : public QObject
{
    Q_OBJECT
public:
    image_page(QGraphicsScene &scene, QGraphicsView &view, notebook_store &store, notebook_prompts &prompts,
               QWidget *window);

    // Font and colour a new caption starts with.
    void set_caption_defaults(const QFont &font, const QColor &color);

    void clear();
    // Fills the scene from the page's stored bytes and caption columns.
    // With later allowed, a large picture is only measured here: the
    // scene takes its size and the captions their places, and the picture
    // itself is to be decoded elsewhere and given to picture_decoded().
    // True when that is awaited.
    bool load(qint64 id, const QByteArray &data, bool later = false);
    void picture_decoded(const QImage &image);
    // The picture a page's bytes hold, ready to be shown; null when they
    // hold none that can be read. Safe on any thread.
    static QImage decode(const QByteArray &data);
    // False when a write failed (each failure was reported); the page's
    // columns are then as they were.
    bool save(qint64 id);

    // The page as a draft keeps it; picture is set when the user changed
    // the picture (null when it was removed or left as stored).
    void fill_draft(page_draft &d, QImage &picture) const;
    void restore(const page_draft &d);

    // Changed since load or save.
    bool modified() const { return m_modified; }
    void set_modified(bool m) { m_modified = m; }
    // The stored picture could not be decoded; it is kept as it is.
    bool keeps_unreadable_picture() const { return m_keep_stored; }

    // Fits the whole scene rectangle into the view, keeping its shape.
    void refit();
    QList<TextItem *> captions() const;
    bool has_picture() const;

    void add_from_clipboard();
    void add_from_file();
    void fit();
    void export_to_file();
    void delete_picture();
    void add_or_change_caption();
    void delete_captions();
    void rotate_captions();
    void choose_caption_font(qint64 id);
    void choose_caption_color(qint64 id);
    void editorLostFocus(TextItem *item);

    // The scene drawn as the export writes it.
    QImage render() const;

signals:
    // The user changed the page in the scene.
    void edited();

private:
    // False (and said) when the picture is larger than the notebook takes.
    bool acceptable(QSize size);
    void mark_edited();
    void put_picture(const QImage &image, bool from_user);
    void remove_pictures();
    void pull_captions_in(bool edge_is_outside);
    TextItem *new_caption();

    QGraphicsScene &m_scene;
    QGraphicsView &m_view;
    notebook_store &m_store;
    notebook_prompts &m_prompts;
    QWidget *m_window;
    QFont m_caption_font;
    QColor m_caption_color;
    bool m_modified = false;
    bool m_keep_stored = false;
    bool m_picture_changed = false;
};
