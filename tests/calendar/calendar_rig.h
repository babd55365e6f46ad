#pragma once
// A private data folder with a my_notes.ini written as CP1251 text, a fake
// clock and the notes store on them, for the calendar's tests.

#include "test_support.h"

#include "calendar/notes_store.h"
#include "common/time_source.h"

#include <QByteArray>
#include <QDateTime>
#include <memory>

// One group of my_notes.ini: "key=value" lines as they stand in the file.
QByteArray notes_group(const QString &date, const QStringList &lines);

class calendar_rig
{
public:
    explicit calendar_rig(const QByteArray &notes_ini = {},
                          const QDateTime &start = QDateTime(QDate(2026, 3, 5), QTime(10, 0)));

    QString notes_file() const { return home.data_folder() + "/my_notes.ini"; }
    // A record as stored on disk now, read through an uncached copy.
    QStringList on_disk(const QString &date, const QString &key) const;
    // The groups on disk now.
    QStringList groups_on_disk() const;
    // Replaces my_notes.ini behind the store's back, as another program would.
    void rewrite_file(const QByteArray &notes_ini);

    temp_data_home home;
    manual_time_source clock;
    std::unique_ptr<notes_store> store;
};
