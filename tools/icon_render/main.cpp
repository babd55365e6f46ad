// orvella_icon_render: SVG icon sources -> PNG, and a contact sheet of a set.
//
//   orvella_icon_render --out DIR a.svg b.svg ...   DIR/a.png at each file's own size
//   orvella_icon_render --sheet OUT.png a.png ...   all pictures at 16/22/32/48 px,
//                                                   on a light and a dark ground
#include "icon_sheet.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

namespace {

int usage()
{
    std::fprintf(stderr, "usage: orvella_icon_render --out DIR file.svg...\n"
                         "       orvella_icon_render --sheet OUT.png file.png...\n");
    return 2;
}

bool render_one(const QString &svg_path, const QDir &out_dir)
{
    QSvgRenderer renderer(svg_path);
    if (!renderer.isValid()) {
        std::fprintf(stderr, "%s: not a valid SVG\n", qPrintable(svg_path));
        return false;
    }
    const QSize size = renderer.defaultSize();
    if (size.isEmpty()) {
        std::fprintf(stderr, "%s: no width/height\n", qPrintable(svg_path));
        return false;
    }
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        renderer.render(&p);
    }
    const QString out = out_dir.filePath(QFileInfo(svg_path).completeBaseName() + QStringLiteral(".png"));
    // Straight alpha keeps the file small and what every reader expects.
    if (!image.convertToFormat(QImage::Format_ARGB32).save(out, "PNG")) {
        std::fprintf(stderr, "%s: cannot write\n", qPrintable(out));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    // Text on the contact sheet needs a platform; rendering itself does not.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.size() < 3)
        return usage();

    const QString mode = args.takeFirst();
    const QString target = args.takeFirst();
    if (mode == QLatin1String("--out")) {
        QDir out_dir(target);
        if (!out_dir.mkpath(QStringLiteral("."))) {
            std::fprintf(stderr, "%s: cannot create\n", qPrintable(target));
            return 1;
        }
        bool ok = true;
        for (const QString &svg : args)
            ok = render_one(svg, out_dir) && ok;
        return ok ? 0 : 1;
    }
    if (mode == QLatin1String("--sheet")) {
        const QImage sheet = icon_sheet(args);
        if (!sheet.save(target, "PNG")) {
            std::fprintf(stderr, "%s: cannot write\n", qPrintable(target));
            return 1;
        }
        return 0;
    }
    return usage();
}
