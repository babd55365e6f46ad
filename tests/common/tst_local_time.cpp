// The clock's local time, read without a zone lookup at every tick: it must
// still be the zone's own local time through both summer-time changes, and
// follow a change of zone within a minute.
#include "common/time_source.h"

#include <QTest>

namespace {

QDateTime utc(int y, int mo, int d, int h, int mi, int s)
{
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s), Qt::UTC);
}

} // namespace

class tst_local_time : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        qputenv("TZ", "Europe/Berlin");
    }

    void ticks_through_the_zone_s_changes_data()
    {
        QTest::addColumn<QDateTime>("change");
        QTest::newRow("summer time begins") << utc(2026, 3, 29, 1, 0, 0);
        QTest::newRow("summer time ends") << utc(2026, 10, 25, 1, 0, 0);
        QTest::newRow("an ordinary minute") << utc(2026, 12, 9, 11, 59, 0);
        QTest::newRow("before 1970") << utc(1969, 12, 31, 23, 0, 0);
    }
    void ticks_through_the_zone_s_changes()
    {
        QFETCH(QDateTime, change);
        const local_time_reader reader;
        // Second by second, and at sub-second steps just around the change.
        for (qint64 ms = -90000; ms <= 90000; ms += (qAbs(ms) < 2000 ? 250 : 1000)) {
            const qint64 at = change.toMSecsSinceEpoch() + ms;
            const QDateTime local = QDateTime::fromMSecsSinceEpoch(at).toLocalTime();
            const QDateTime read = reader.at(at);
            QCOMPARE(read, local); // the same moment
            QCOMPARE(read.date(), local.date());
            QCOMPARE(read.time(), local.time());
        }
    }

    void follows_a_change_of_zone_within_a_minute()
    {
        const local_time_reader reader;
        const qint64 at = utc(2026, 12, 9, 12, 0, 10).toMSecsSinceEpoch();
        QCOMPARE(reader.at(at).time(), QTime(13, 0, 10));
        qputenv("TZ", "Asia/Tokyo");
        QCOMPARE(reader.at(at + 60000).time(), QTime(21, 1, 10));
        qputenv("TZ", "Europe/Berlin");
    }

    void the_clock_s_offsets_move_the_moment()
    {
        manual_time_source t(utc(2026, 3, 29, 0, 30, 0));
        const local_time_reader reader;
        // Half an hour on from 01:30 winter time crosses into summer time.
        QCOMPARE(shifted_time(t, reader, 0, 45).time(), QTime(3, 15));
        QCOMPARE(shifted_time(t, reader, -1, 0).time(), QTime(0, 30));
    }

    void a_format_naming_the_zone_gets_its_abbreviation()
    {
        const local_time_reader reader;
        const QDateTime winter = reader.at(utc(2026, 1, 15, 12, 0, 0).toMSecsSinceEpoch());
        const QDateTime summer = reader.at(utc(2026, 7, 15, 12, 0, 0).toMSecsSinceEpoch());
        QCOMPARE(for_zone_format(winter, "HH:mm t").toString("HH:mm t"), QStringLiteral("13:00 CET"));
        QCOMPARE(for_zone_format(summer, "HH:mm t").toString("HH:mm t"), QStringLiteral("14:00 CEST"));
        QCOMPARE(for_zone_format(summer, "HH:mm").toString("HH:mm"), QStringLiteral("14:00"));
    }
};

QTEST_GUILESS_MAIN(tst_local_time)
#include "tst_local_time.moc"
