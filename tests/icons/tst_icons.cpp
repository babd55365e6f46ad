// The icon set is compiled into orvella_icons; linking the library alone must
// make every ":/icons/..." path the program uses resolve to a usable picture.
#include <QDir>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>
#include <QtTest>

namespace {

const char *const icon_paths[] = {
    ":/icons/add_comment.png",
    ":/icons/base.png",
    ":/icons/calendar.png",
    ":/icons/clock.png",
    ":/icons/colors.png",
    ":/icons/copy.png",
    ":/icons/cut.png",
    ":/icons/default.png",
    ":/icons/default1.png",
    ":/icons/default2.png",
    ":/icons/del.png",
    ":/icons/del_com.png",
    ":/icons/delete.png",
    ":/icons/exit.png",
    ":/icons/find.png",
    ":/icons/fit",
    ":/icons/fonts.png",
    ":/icons/help_.png",
    ":/icons/iconka.png",
    ":/icons/insertimage.png",
    ":/icons/insertimage_buf.png",
    ":/icons/inserttext.png",
    ":/icons/menu.png",
    ":/icons/new.png",
    ":/icons/note.png",
    ":/icons/now.png",
    ":/icons/paste.png",
    ":/icons/reread.png",
    ":/icons/save.png",
    ":/icons/select-all.png",
    ":/icons/setup.png",
    ":/icons/theme.png",
    ":/icons/turn.png",
    ":/icons/undo.png",
    ":/icons/update.png",
};

// How many pixels of the icon, drawn at `size` on `ground`, stand out from it.
int visible_pixels(const QIcon &icon, int size, QColor ground)
{
    QImage canvas(size, size, QImage::Format_RGB32);
    canvas.fill(ground);
    {
        QPainter p(&canvas);
        icon.paint(&p, QRect(0, 0, size, size));
    }
    int count = 0;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const QColor c = canvas.pixelColor(x, y);
            const int diff =
                qAbs(c.red() - ground.red()) + qAbs(c.green() - ground.green()) + qAbs(c.blue() - ground.blue());
            if (diff > 120)
                ++count;
        }
    return count;
}

} // namespace

class test_icons : public QObject
{
    Q_OBJECT

private slots:
    void every_path_loads_data()
    {
        QTest::addColumn<QString>("path");
        for (const char *path : icon_paths)
            QTest::newRow(path) << QString::fromLatin1(path);
    }

    void every_path_loads()
    {
        QFETCH(QString, path);
        const QPixmap pixmap(path);
        QVERIFY2(!pixmap.isNull(), qPrintable(path));
        QCOMPARE(pixmap.size(), QSize(48, 48));
        const QIcon icon(path);
        QVERIFY(!icon.isNull());
        QCOMPARE(icon.pixmap(QSize(16, 16)).size(), QSize(16, 16));
    }

    // Menus show icons at 16 px on light and dark themes alike.
    void legible_at_menu_size_data() { every_path_loads_data(); }
    void legible_at_menu_size()
    {
        QFETCH(QString, path);
        const QIcon icon(path);
        QVERIFY2(visible_pixels(icon, 16, QColor(0xf5, 0xf5, 0xf5)) >= 30, "lost on a light ground");
        QVERIFY2(visible_pixels(icon, 16, QColor(0x2d, 0x30, 0x36)) >= 30, "lost on a dark ground");
    }

    // A shape running off the canvas gets cut off when drawn; keep a clear edge.
    void nothing_touches_the_edge_data() { every_path_loads_data(); }
    void nothing_touches_the_edge()
    {
        QFETCH(QString, path);
        const QImage image = QImage(path).convertToFormat(QImage::Format_ARGB32);
        const int last = image.width() - 1;
        for (int i = 0; i <= last; ++i) {
            for (const QPoint pt : {QPoint(i, 0), QPoint(i, last), QPoint(0, i), QPoint(last, i)})
                QVERIFY2(qAlpha(image.pixel(pt)) < 64,
                         qPrintable(QStringLiteral("opaque edge pixel at %1,%2").arg(pt.x()).arg(pt.y())));
        }
    }

    void icons_are_distinct()
    {
        QHash<QByteArray, QString> seen;
        for (const char *path : icon_paths) {
            const QImage image = QImage(QString::fromLatin1(path)).convertToFormat(QImage::Format_ARGB32);
            const QByteArray bits(reinterpret_cast<const char *>(image.constBits()), image.sizeInBytes());
            const QString other = seen.value(bits);
            QVERIFY2(other.isEmpty(), qPrintable(QStringLiteral("%1 equals %2").arg(path, other)));
            seen.insert(bits, QString::fromLatin1(path));
        }
    }

    // A splash picture: opaque (no mask on the splash window) with room for
    // the black status line at its bottom edge.
    void loader_is_an_opaque_splash()
    {
        const QImage image = QImage(QStringLiteral(":/icons/loader.png")).convertToFormat(QImage::Format_ARGB32);
        QVERIFY(!image.isNull());
        QVERIFY(image.width() >= 160 && image.height() >= 80);
        int dark_at_bottom = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb px = image.pixel(x, y);
                QCOMPARE(qAlpha(px), 255);
                if (y >= image.height() - 20 && x > 1 && x < image.width() - 2 && qGray(px) < 160)
                    ++dark_at_bottom;
            }
        QCOMPARE(dark_at_bottom, 0);
    }

    void tray_icon_reads_at_panel_size()
    {
        const QIcon icon(QStringLiteral(":/icons/iconka.png"));
        QVERIFY(visible_pixels(icon, 22, QColor(0xf5, 0xf5, 0xf5)) >= 200);
        QVERIFY(visible_pixels(icon, 22, QColor(0x2d, 0x30, 0x36)) >= 200);
    }

    void desktop_entry_icon_is_built()
    {
        const QString path = qEnvironmentVariable("ORVELLA_TEST_BIN") +
                             QStringLiteral("/../share/icons/hicolor/scalable/apps/orvella.svg");
        QVERIFY2(QFile::exists(path), qPrintable(path));
        QSvgRenderer renderer(path);
        QVERIFY(renderer.isValid());
        QCOMPARE(renderer.defaultSize().width(), renderer.defaultSize().height());
    }
};

QTEST_MAIN(test_icons)
#include "tst_icons.moc"
