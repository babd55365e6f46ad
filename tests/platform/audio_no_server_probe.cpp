// Child process for test_audio_no_server: drives the player and the tone
// with whatever sound server the environment names, prints what happened
// and exits 0 when nothing went wrong. The parent watches for crashes and
// hangs, which would take a test runner down with them if done in-process.

#include "platform/audio_player.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>
#include <QTimer>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    if (argc < 2) {
        out << "usage: audio_no_server_probe <sound file>\n";
        return 2;
    }
    auto player = audio_player::create();
    const int opened = player->open_file(QString::fromLocal8Bit(argv[1]));
    out << "opened " << opened << "\n";
    player->play();
    out << "playing " << player->is_playing() << "\n";
    out << "error " << player->last_error() << "\n";
    play_tone(1000, 300);
    // Let any asynchronous machinery run for a while.
    QTimer::singleShot(800, &app, &QCoreApplication::quit);
    app.exec();
    player->halt();
    player->release();
    out << "done\n";
    return 0;
}
