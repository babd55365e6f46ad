// Prints how long audio_player::open_file holds its caller on 3-minute
// sounds of each format (median of several runs).

#include "platform/audio_player.h"
#include "sound_fixture.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QLoggingCategory::setFilterRules("orvella.audio.debug=false");
    constexpr double seconds = 180;
    constexpr int runs = 5;
    QTemporaryDir dir;
    std::printf("open_file of a %.0f s 440 Hz sine, median of %d runs\n", seconds, runs);
    for (const char *ext : {"wav", "mp3", "ogg", "flac", "aac", "ac3", "pcm"}) {
        const QString path = dir.filePath(QStringLiteral("three_minutes.") + ext);
        QElapsedTimer make;
        make.start();
        const QString error = sound_fixture::make_sine(path, seconds, 440);
        if (!error.isEmpty()) {
            std::printf("%-5s cannot be made: %s\n", ext, qPrintable(error));
            continue;
        }
        std::vector<double> ms;
        auto player = audio_player::create();
        for (int i = 0; i < runs; ++i) {
            QElapsedTimer t;
            t.start();
            const int ok = player->open_file(path);
            ms.push_back(double(t.nsecsElapsed()) / 1e6);
            if (!ok) {
                std::printf("%-5s open failed: %s\n", ext, qPrintable(player->last_error()));
                break;
            }
        }
        std::sort(ms.begin(), ms.end());
        std::printf("%-5s %8.1f ms  (min %7.1f, max %7.1f)  file %6.1f MB\n", ext, ms[ms.size() / 2], ms.front(),
                    ms.back(), double(QFileInfo(path).size()) / 1e6);
    }
    return 0;
}
