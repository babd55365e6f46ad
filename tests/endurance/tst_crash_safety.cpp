// Kills a writer of the program's settings files with SIGKILL at random
// moments, 200 times, and checks after each kill that every file still
// parses and holds every value the writer had reported as flushed.
#include "app/ini_format.h"
#include "test_support.h"

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

#include <csignal>

namespace {

QSettings::SettingsMap parse(const QString &path, bool *ok)
{
    QSettings::SettingsMap map;
    QByteArray bytes = read_file(path);
    QBuffer b(&bytes);
    b.open(QIODevice::ReadOnly);
    *ok = !bytes.isEmpty() && ini_format::read(b, map) && !map.isEmpty();
    return map;
}

QByteArray starting_alarm_ini()
{
    QByteArray ini;
    for (int i = 0; i < 30; ++i) {
        const QByteArray key = QByteArray::number(1700000000 + i);
        ini += "[" + key + "]\nname=Событие " + key + "\nalarmmessage=Текст " + key + "\n";
        // Interval events (written and synced on every firing) and a few
        // that are only ever read.
        const int mode = i < 20 ? 4 : i < 26 ? 5 : i % 4;
        ini += "repeat=" + QByteArray::number(mode) + "\nrepeat_min=1\ntime=12:00\ndate=01.01.2026\n";
    }
    return ini_format::encode(QString::fromUtf8(ini));
}

} // namespace

class tst_crash_safety : public QObject
{
    Q_OBJECT

private slots:
    void killed_at_random_moments_loses_nothing_flushed()
    {
        const QString writer = qEnvironmentVariable("ORVELLA_CRASH_WRITER");
        QVERIFY2(QFileInfo::exists(writer), "ORVELLA_CRASH_WRITER not set");
        temp_data_home home;
        const QString data = home.data_folder();
        write_file(data + "/alarm.ini", starting_alarm_ini());
        write_file(data + "/clock.ini", ini_format::encode(QStringLiteral("[TYPE]\nclock=digital\nposx=0\n")));
        const QByteArray alarm_before = read_file(data + "/alarm.ini");

        QRandomGenerator rng(15);
        const qint64 t0 = QDateTime(QDate(2026, 3, 1), QTime(8, 0)).toSecsSinceEpoch();
        int kills = 0, reported_alarm = 0, reported_clock = 0, rounds_with_writes = 0;
        QStringList lost;
        for (int round = 0; round < 200; ++round) {
            QProcess p;
            p.setProcessChannelMode(QProcess::SeparateChannels);
            p.setProcessEnvironment(QProcessEnvironment::systemEnvironment());
            p.start(writer, {QString::number(t0 + qint64(round) * 86400), QString::number(qint64(round) * 1000000)});
            QVERIFY(p.waitForStarted());
            // Kill while it writes, not while it starts.
            QElapsedTimer waited;
            waited.start();
            while (!p.canReadLine() && waited.elapsed() < 20000)
                p.waitForReadyRead(100);
            QTest::qWait(int(rng.bounded(0, 300)));
            ::kill(pid_t(p.processId()), SIGKILL);
            QVERIFY(p.waitForFinished(5000));
            QCOMPARE(p.exitStatus(), QProcess::CrashExit);
            ++kills;

            // Only whole lines were reported before the kill.
            QByteArray out = p.readAllStandardOutput();
            out.truncate(out.lastIndexOf('\n') + 1);
            QMap<QString, QString> lastrun;
            qint64 posx = -1;
            for (const QByteArray &line : out.split('\n')) {
                const QList<QByteArray> f = line.split(' ');
                if (f.size() == 3 && f[0] == "alarm" && f[2].startsWith("lastrun=")) {
                    lastrun[QString::fromLatin1(f[1])] = QString::fromLatin1(f[2].mid(8));
                    ++reported_alarm;
                } else if (f.size() == 2 && f[0] == "clock" && f[1].startsWith("posx=")) {
                    posx = f[1].mid(5).toLongLong();
                    ++reported_clock;
                }
            }
            if (!lastrun.isEmpty() || posx >= 0)
                ++rounds_with_writes;

            bool ok_alarm = false, ok_clock = false;
            const QSettings::SettingsMap alarm = parse(data + "/alarm.ini", &ok_alarm);
            const QSettings::SettingsMap clock = parse(data + "/clock.ini", &ok_clock);
            QVERIFY2(ok_alarm, qPrintable(QStringLiteral("alarm.ini unreadable after kill %1").arg(round)));
            QVERIFY2(ok_clock, qPrintable(QStringLiteral("clock.ini unreadable after kill %1").arg(round)));
            QCOMPARE(alarm.size() >= 30 * 6, true);
            for (int i = 0; i < 30; ++i) {
                const QString key = QString::number(1700000000 + i);
                if (alarm.value(key + "/name").toString() != QStringLiteral("Событие ") + key)
                    lost << QStringLiteral("round %1: name of %2").arg(round).arg(key);
            }
            for (auto it = lastrun.cbegin(); it != lastrun.cend(); ++it) {
                const QDateTime want = QDateTime::fromString(it.value(), QStringLiteral("dd:MM:yyyy:HH:mm"));
                const QDateTime have = QDateTime::fromString(alarm.value(it.key() + "/lastrun").toString(),
                                                             QStringLiteral("dd:MM:yyyy:HH:mm"));
                if (!have.isValid() || have < want)
                    lost << QStringLiteral("round %1: %2 lastrun %3, file has %4")
                                .arg(round)
                                .arg(it.key(), it.value(), alarm.value(it.key() + "/lastrun").toString());
            }
            if (posx >= 0) {
                const qint64 have = clock.value(QStringLiteral("TYPE/posx")).toLongLong();
                if (have < posx)
                    lost << QStringLiteral("round %1: posx %2, file has %3").arg(round).arg(posx).arg(have);
                // Keys written together are flushed together.
                if (clock.value(QStringLiteral("TYPE/format_1")).toString() !=
                    QStringLiteral("hh:mm %1 часов").arg(have))
                    lost << QStringLiteral("round %1: format_1 does not go with posx %2").arg(round).arg(have);
            }
        }
        // The settings library's lock files may stay behind a killed writer;
        // the next one finds them stale by their process id and goes on.
        const QStringList leftovers = QDir(data)
                                          .entryList(QDir::Files | QDir::Hidden)
                                          .filter(QRegularExpression("^(?!(alarm|clock)\\.ini(\\.lock)?$)"));
        qInfo().noquote() << QStringLiteral("crash safety: %1 kills, %2 rounds with flushed writes, %3 alarm and %4 "
                                            "clock values reported flushed, %5 lost; files left beside: %6")
                                 .arg(kills)
                                 .arg(rounds_with_writes)
                                 .arg(reported_alarm)
                                 .arg(reported_clock)
                                 .arg(lost.size())
                                 .arg(leftovers.isEmpty() ? QStringLiteral("none") : leftovers.join(u' '));
        QVERIFY2(lost.isEmpty(), qPrintable(lost.mid(0, 10).join(u'\n')));
        // A writer killed inside a save can leave the save's temporary file
        // ("clock.ini.XXXXXX") beside the real one: untidy, never harmful,
        // and the real file is whole. Reported above, not a failure.
        for (const QString &f : leftovers)
            QVERIFY2(QRegularExpression("^(alarm|clock)\\.ini\\.\\w{6}$").match(f).hasMatch(), qPrintable(f));
        QVERIFY(rounds_with_writes > 150); // most kills land mid-writing, not before it starts
        QVERIFY(read_file(data + "/alarm.ini") != alarm_before);
    }
};

QTEST_MAIN(tst_crash_safety)
#include "tst_crash_safety.moc"
