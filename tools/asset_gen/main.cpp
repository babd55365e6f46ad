// asset_gen: draws the pictures and synthesises the sounds shipped in app_data.
//   asset_gen <app_data folder>      write everything
//   asset_gen --preview <folder>     write skin previews for a person to look at

#include "library.h"
#include "preview.h"
#include "skins.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    // Painting only; no display is needed or wanted.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 3 && args.at(1) == "--preview")
        return asset::write_previews(asset::all_skins(), args.at(2)) ? 0 : 1;
    if (args.size() != 2 || args.at(1).startsWith('-')) {
        std::fprintf(stderr, "usage: asset_gen <app_data folder> | --preview <folder>\n");
        return 2;
    }
    return asset::write_all(args.at(1)) ? 0 : 1;
}
