// Child process for test_audio_no_server: drives the player and the tone
// with whatever sound server the environment names and prints what
// happened. The parent watches for crashes and hangs, which would take a
// test runner down with them if done in-process.
//
//   audio_no_server_probe <sound>          play with no server, exit 0
//                                          ("notice" when the user would be told)
//   audio_no_server_probe <sound> --steps  play, then act on stdin lines:
//                                          "check" prints the state,
//                                          "again" plays once more, "quit"

#include "platform/audio_notice.h"
#include "platform/audio_player.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTextStream>
#include <QTimer>

#include <csignal>
#include <cstdio>
#include <execinfo.h>
#include <unistd.h>

namespace {

// A crash prints where it happened before the process dies, so that a
// failure seen only on a loaded machine can be read from the test's log.
void print_backtrace(int sig)
{
    void *frames[64];
    const int n = backtrace(frames, 64);
    const char head[] = "probe crashed; backtrace:\n";
    (void)!write(STDERR_FILENO, head, sizeof head - 1);
    backtrace_symbols_fd(frames, n, STDERR_FILENO);
    signal(sig, SIG_DFL);
    raise(sig);
}

} // namespace

int main(int argc, char **argv)
{
    for (int sig : {SIGSEGV, SIGBUS, SIGABRT, SIGFPE, SIGILL})
        signal(sig, print_backtrace);
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    if (argc < 2) {
        out << "usage: audio_no_server_probe <sound file> [--steps]\n";
        return 2;
    }
    set_output_unavailable_handler([&] {
        out << "notice\n";
        out.flush();
    });
    auto player = audio_player::create();
    const int opened = player->open_file(QString::fromLocal8Bit(argv[1]));
    out << "opened " << opened << "\n";
    player->play();
    out << "playing " << player->is_playing() << "\n";
    out << "error " << player->last_error() << "\n";
    out.flush();

    if (argc > 2 && QByteArray(argv[2]) == "--steps") {
        QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
        QObject::connect(&input, &QSocketNotifier::activated, [&] {
            char line[64] = {};
            const ssize_t n = ::read(STDIN_FILENO, line, sizeof line - 1);
            const QByteArray command = QByteArray(line, n > 0 ? int(n) : 0).trimmed();
            if (command == "check") {
                out << "state playing " << player->is_playing() << "\n";
            } else if (command == "again") {
                player->play();
                out << "again playing " << player->is_playing() << " error " << player->last_error() << "\n";
            } else {
                app.quit();
            }
            out.flush();
        });
        app.exec();
    } else {
        play_tone(1000, 300);
        // Let any asynchronous machinery run for a while.
        QTimer::singleShot(800, &app, &QCoreApplication::quit);
        app.exec();
    }
    player->halt();
    player->release();
    out << "done\n";
    return 0;
}
