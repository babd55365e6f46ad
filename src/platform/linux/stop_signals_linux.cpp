#include "platform/stop_signals.h"

#include "common/log.h"

#include <QSocketNotifier>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <iterator>
#include <sys/socket.h>
#include <unistd.h>

// The handler may only do async-signal-safe work: it writes the signal's
// number to one end of a socket pair; a notifier on the other end reads
// it in the event loop.
namespace {

std::atomic<int> write_end{-1};
constexpr int watched[] = {SIGTERM, SIGINT, SIGHUP};

extern "C" void on_signal(int number)
{
    const int saved = errno;
    const int fd = write_end.load();
    if (fd >= 0) {
        const unsigned char byte = static_cast<unsigned char>(number);
        [[maybe_unused]] const ssize_t n = ::write(fd, &byte, 1);
    }
    errno = saved;
}

QString name_of(int number)
{
    switch (number) {
    case SIGTERM:
        return QStringLiteral("SIGTERM");
    case SIGINT:
        return QStringLiteral("SIGINT");
    case SIGHUP:
        return QStringLiteral("SIGHUP");
    default:
        return QStringLiteral("signal %1").arg(number);
    }
}

} // namespace

struct stop_signals::impl
{
    int fds[2] = {-1, -1};
    QSocketNotifier *notifier = nullptr;
    struct sigaction previous[std::size(watched)] = {};
    bool installed = false;
};

stop_signals::stop_signals(QObject *parent) : QObject(parent), d(std::make_unique<impl>())
{
    if (write_end.load() >= 0) {
        qCWarning(lc_platform) << "stop signals are already watched elsewhere";
        return;
    }
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, d->fds) != 0) {
        qCWarning(lc_platform) << "no socket pair for stop signals:" << strerror(errno);
        return;
    }
    write_end.store(d->fds[0]);
    d->notifier = new QSocketNotifier(d->fds[1], QSocketNotifier::Read, this);
    connect(d->notifier, &QSocketNotifier::activated, this, [this] {
        unsigned char byte = 0;
        while (::read(d->fds[1], &byte, 1) == 1) {
            const QString name = name_of(byte);
            qCInfo(lc_platform).noquote() << name << "received: keeping what is unsaved, then leaving";
            emit stop_requested(name);
        }
    });
    struct sigaction sa = {};
    sa.sa_handler = on_signal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    for (size_t i = 0; i < std::size(watched); ++i)
        ::sigaction(watched[i], &sa, &d->previous[i]);
    d->installed = true;
}

stop_signals::~stop_signals()
{
    if (d->installed) {
        for (size_t i = 0; i < std::size(watched); ++i)
            ::sigaction(watched[i], &d->previous[i], nullptr);
        write_end.store(-1);
    }
    delete d->notifier;
    for (int fd : d->fds)
        if (fd >= 0)
            ::close(fd);
}

bool stop_signals::active() const
{
    return d->installed;
}
