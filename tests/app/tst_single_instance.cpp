// One program per data folder, with real processes: the hand-over, what a
// killed run leaves behind, and sockets of another user. The other user is
// the system's "nobody" account: a child process of this test drops to it
// (so those cases need root, as the test machines run; otherwise they are
// skipped).
#include "app/single_instance.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <csignal>
#include <cstdio>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Child modes of this executable.
//   --listen PATH          a server at PATH that answers "ok" and prints what it got
//   --run FOLDER RUNTIME   the single-instance start, then an event loop
int child(const QStringList &args)
{
    if (args.value(1) == "--listen") {
        QLocalServer::removeServer(args.value(2));
        QLocalServer server;
        server.setSocketOptions(QLocalServer::WorldAccessOption);
        if (!server.listen(args.value(2))) {
            std::printf("cannot listen: %s\n", qPrintable(server.errorString()));
            return 1;
        }
        QObject::connect(&server, &QLocalServer::newConnection, [&server] {
            QLocalSocket *c = server.nextPendingConnection();
            QObject::connect(c, &QLocalSocket::readyRead, c, [c] {
                std::printf("got: %s\n", c->readAll().trimmed().constData());
                std::fflush(stdout);
                c->write("ok\n");
            });
        });
        std::printf("ready\n");
        std::fflush(stdout);
        return QCoreApplication::exec();
    }
    single_instance s(args.value(2), args.value(3));
    const auto outcome = s.start();
    std::printf("%s\n", outcome == single_instance::outcome::first ? "ready" : "not first");
    std::fflush(stdout);
    return outcome == single_instance::outcome::first ? QCoreApplication::exec() : 2;
}

bool is_root()
{
    return ::geteuid() == 0 && ::getpwnam("nobody");
}

// Starts this executable in a child mode, as "nobody" when asked; waits
// for its first line.
std::unique_ptr<QProcess> start_child(const QStringList &args, bool as_nobody)
{
    auto p = std::make_unique<QProcess>();
    if (as_nobody) {
        const passwd *pw = ::getpwnam("nobody");
        const uid_t uid = pw->pw_uid;
        const gid_t gid = pw->pw_gid;
        p->setChildProcessModifier([uid, gid] {
            if (::setgid(gid) != 0 || ::setuid(uid) != 0)
                ::_exit(99);
        });
    }
    p->start(QCoreApplication::applicationFilePath(), args);
    if (!p->waitForStarted() || !p->waitForReadyRead(10000))
        qWarning() << "child did not start:" << p->readAllStandardError();
    return p;
}

QString legacy_socket(const QString &folder)
{
    // The name an earlier version used: predictable, in the shared /tmp.
    return QDir::tempPath() + "/orvella-" +
           QString::fromLatin1(QCryptographicHash::hash(folder.toUtf8(), QCryptographicHash::Sha1).toHex().left(16));
}

} // namespace

class tst_single_instance : public QObject
{
    Q_OBJECT

    struct rig
    {
        QTemporaryDir data, runtime;
        QString folder() const { return data.path() + "/Orvella"; }
    };

    // A second start in a thread of its own: its blocking hand-over would
    // otherwise wait on this very event loop.
    static single_instance::outcome second_start(const QString &folder, const QString &runtime)
    {
        single_instance::outcome result = single_instance::outcome::first;
        QThread *t = QThread::create([&] { result = single_instance(folder, runtime).start(); });
        t->start();
        while (!t->isFinished())
            QTest::qWait(10);
        delete t;
        return result;
    }

private slots:
    void second_start_hands_over_to_the_first()
    {
        rig r;
        single_instance first(r.folder(), r.runtime.path());
        QCOMPARE(first.start(), single_instance::outcome::first);
        QVERIFY(QFile::exists(first.lock_path()));
        QVERIFY(first.socket_path().startsWith(r.runtime.path()));
        QCOMPARE(QFile::permissions(first.lock_path()) & 0x0077, QFile::Permissions());
        QSignalSpy shown(&first, &single_instance::show_requested);
        QCOMPARE(second_start(r.folder(), r.runtime.path()), single_instance::outcome::handed_over);
        QTRY_COMPARE(shown.size(), 1);
    }

    // A run that is still ending when the next one starts: the new one
    // waits for its lock instead of giving up.
    void a_run_that_is_ending_is_waited_for()
    {
        rig r;
        auto first = std::make_unique<single_instance>(r.folder(), r.runtime.path());
        QCOMPARE(first->start(), single_instance::outcome::first);
        single_instance::outcome second = single_instance::outcome::handed_over;
        QThread *t = QThread::create([&] {
            // The socket is closed at once; the lock goes a moment later.
            second = single_instance(r.folder(), r.runtime.path()).start();
        });
        QTimer::singleShot(0, [&] { QLocalServer::removeServer(first->socket_path()); });
        QTest::qWait(50);
        t->start();
        QTest::qWait(500);
        first.reset();
        while (!t->isFinished())
            QTest::qWait(10);
        delete t;
        QCOMPARE(second, single_instance::outcome::first);
    }

    void different_data_folders_do_not_meet()
    {
        rig a, b;
        single_instance first(a.folder(), a.runtime.path());
        QCOMPARE(first.start(), single_instance::outcome::first);
        single_instance other(b.folder(), a.runtime.path());
        QCOMPARE(other.start(), single_instance::outcome::first);
    }

    void leftovers_never_block_a_start_data()
    {
        QTest::addColumn<QString>("left");
        QTest::newRow("lock and socket of a killed run") << "killed";
        QTest::newRow("plain file at the socket") << "socket file";
        QTest::newRow("empty lock file") << "empty lock";
        QTest::newRow("garbage lock file") << "garbage lock";
    }
    void leftovers_never_block_a_start()
    {
        QFETCH(QString, left);
        rig r;
        single_instance probe(r.folder(), r.runtime.path());
        QDir().mkpath(r.folder());
        if (left == "killed") {
            auto p = start_child({"--run", r.folder(), r.runtime.path()}, false);
            QCOMPARE(p->readLine().trimmed(), QByteArray("ready"));
            ::kill(pid_t(p->processId()), SIGKILL);
            QVERIFY(p->waitForFinished());
            QVERIFY(QFile::exists(probe.lock_path()));
            QVERIFY(QFile::exists(probe.socket_path()));
        } else if (left == "socket file") {
            QFile f(probe.socket_path());
            QVERIFY(f.open(QIODevice::WriteOnly));
        } else {
            QFile f(probe.lock_path());
            QVERIFY(f.open(QIODevice::WriteOnly));
            if (left == "garbage lock")
                f.write("not\x01 a lock\n");
        }
        single_instance first(r.folder(), r.runtime.path());
        QCOMPARE(first.start(), single_instance::outcome::first);
        // And it guards from now on.
        QSignalSpy shown(&first, &single_instance::show_requested);
        QCOMPARE(second_start(r.folder(), r.runtime.path()), single_instance::outcome::handed_over);
        QTRY_COMPARE(shown.size(), 1);
    }

    // Another local user binds the name an earlier version used, or leaves
    // a file there: neither stops a start nor lets two run on one folder.
    void another_users_socket_in_the_shared_folder_changes_nothing_data()
    {
        QTest::addColumn<bool>("server");
        QTest::newRow("a server that answers") << true;
        QTest::newRow("a plain file") << false;
    }
    void another_users_socket_in_the_shared_folder_changes_nothing()
    {
        QFETCH(bool, server);
        if (!is_root())
            QSKIP("needs root to run a child as the user nobody");
        rig r;
        const QString shared = legacy_socket(r.folder());
        std::unique_ptr<QProcess> squatter;
        if (server) {
            squatter = start_child({"--listen", shared}, true);
            QCOMPARE(squatter->readLine().trimmed(), QByteArray("ready"));
        } else {
            QFile::remove(shared);
            QFile f(shared);
            QVERIFY(f.open(QIODevice::WriteOnly));
            ::chown(qPrintable(shared), ::getpwnam("nobody")->pw_uid, ::getpwnam("nobody")->pw_gid);
        }
        single_instance first(r.folder(), r.runtime.path());
        QCOMPARE(first.start(), single_instance::outcome::first);
        QVERIFY(second_start(r.folder(), r.runtime.path()) != single_instance::outcome::first);
        if (squatter) {
            QVERIFY(!squatter->readAll().contains("got:"));
            squatter->kill();
            squatter->waitForFinished();
        }
        QFile::remove(shared);
    }

    // Where another user could put a socket at our name (a runtime folder
    // others may write), the second start does not hand over to it.
    void hand_over_only_to_the_same_user()
    {
        if (!is_root())
            QSKIP("needs root to run a child as the user nobody");
        rig r;
        QVERIFY(QFile::setPermissions(r.runtime.path(), QFile::Permissions(0x7777)));
        single_instance first(r.folder(), r.runtime.path());
        QCOMPARE(first.start(), single_instance::outcome::first);
        QSignalSpy shown(&first, &single_instance::show_requested);
        // The other user's server replaces ours at the socket's path.
        auto squatter = start_child({"--listen", first.socket_path()}, true);
        QCOMPARE(squatter->readLine().trimmed(), QByteArray("ready"));
        struct stat st = {};
        QCOMPARE(::stat(qPrintable(first.socket_path()), &st), 0);
        QCOMPARE(st.st_uid, ::getpwnam("nobody")->pw_uid);

        QCOMPARE(second_start(r.folder(), r.runtime.path()), single_instance::outcome::already_running);
        squatter->waitForReadyRead(300);
        QVERIFY(!squatter->readAll().contains("got:"));
        QCOMPARE(shown.size(), 0);
        squatter->kill();
        squatter->waitForFinished();
    }
};

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc > 1 && QByteArray(argv[1]).startsWith("--"))
        return child(app.arguments());
    tst_single_instance t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_single_instance.moc"
