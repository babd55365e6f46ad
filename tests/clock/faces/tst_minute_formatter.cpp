// A face's text formatted by the minute must be the locale's own text for
// every second: through minutes, hours, a day and the end of summer time,
// and for quoting, runs of s and the am/pm marker.
#include "clock/faces/time_fields.h"
#include "common/interface_locale.h"
#include "common/time_source.h"

#include <QTest>

class tst_minute_formatter : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        qputenv("TZ", "Europe/Berlin");
    }

    void every_second_reads_as_the_locale_writes_it_data()
    {
        QTest::addColumn<QString>("format");
        for (const char *f : {"hh:mm:ss", "h:m:s", "hh:mm", "h:mm:ss AP", "hh:mm:ss t", "dddd, d MMMM yyyy, ss",
                              "'s' ss 'ss'", "'x'ss''s", "sss|sssss", "ss:mm:hh ap 'o''clock'", "zzz ss", "HH.mm"})
            QTest::newRow(f) << QString::fromLatin1(f);
        QTest::newRow("a stand-in character of its own") << QString(QChar(0xE000)) + "ss";
    }
    void every_second_reads_as_the_locale_writes_it()
    {
        QFETCH(QString, format);
        const QLocale locale = interface_locale();
        minute_formatter formatter(locale);
        const local_time_reader reader;
        // From before summer time ends (01:00 UTC) across it and the hour,
        // in steps of 7 s, then back to the start, then to a new day.
        const qint64 start = QDateTime(QDate(2026, 10, 25), QTime(0, 55), Qt::UTC).toMSecsSinceEpoch();
        QList<qint64> moments;
        for (qint64 ms = start; ms < start + 3900 * 1000; ms += 7000 + 125)
            moments << ms;
        moments << start << start + 86400 * 1000 << start + 86400 * 1000 + 61000;
        // The same wall-clock minute twice, an hour apart: 02:30 CEST, then CET.
        const qint64 half_past = QDateTime(QDate(2026, 10, 25), QTime(0, 30, 5), Qt::UTC).toMSecsSinceEpoch();
        moments << half_past << half_past + 3600 * 1000 + 5000;
        for (const qint64 ms : moments) {
            const QDateTime t = for_zone_format(reader.at(ms), format);
            QCOMPARE(formatter.format(t, format), locale.toString(t, format));
        }
    }

    void a_new_format_is_read_at_once()
    {
        const QLocale locale = interface_locale();
        minute_formatter formatter(locale);
        const QDateTime t(QDate(2026, 12, 9), QTime(21, 28, 20));
        QCOMPARE(formatter.format(t, "hh:mm:ss"), QStringLiteral("21:28:20"));
        QCOMPARE(formatter.format(t, "ss:hh"), QStringLiteral("20:21"));
        QCOMPARE(formatter.format(t.addSecs(1), "hh:mm:ss"), QStringLiteral("21:28:21"));
    }
};

QTEST_GUILESS_MAIN(tst_minute_formatter)
#include "tst_minute_formatter.moc"
