// my_notes.ini through every reader of the calendar's store at a fixed
// moment: the date list, each date's records, today's text and the
// reminder check. A reminder fires once; one edit is flushed and read back
// from disk with every other record as it was.
#include "calendar/note_reminders.h"
#include "calendar/notes_store.h"
#include "common/time_source.h"
#include "fuzz_support.h"

#include <QMap>

#include <cstdio>
#include <cstdlib>

namespace {

const QDateTime moment(QDate(2026, 3, 2), QTime(12, 0, 30));

using records = QMap<QString, QStringList>; // "group/key" -> record

records read_all(notes_store &store)
{
    records all;
    for (const QString &group : store.dates())
        for (const QString &key : store.keys(group))
            all.insert(group + '/' + key, store.read(group, key));
    return all;
}

// The file as another process would find it: the settings library caches
// parsed files by path, so the bytes go to a path it has never seen.
QString copy_to_fresh_path(const QString &path)
{
    const QString copy = fuzz::scratch_dir().path() + '/' + fuzz::fresh_name("my_notes", ".ini");
    QFile::copy(path, copy);
    return copy;
}

[[noreturn]] void fail(const char *what, const QString &detail)
{
    fprintf(stderr, "%s: %s\n", what, qPrintable(detail));
    abort();
}

void remove_run_files(const QString &path)
{
    QFile::remove(path);
    QFile::remove(path + ".unreadable");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    fuzz::init(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = fuzz::write_scratch(fuzz::fresh_name("my_notes", ".ini"), data, size);
    manual_time_source clock(moment);
    QString fresh;
    records before;
    QString added;
    {
        notes_store store(path, clock);
        (void)store.today_text();
        const QStringList fired = note_reminders::check(store, moment);
        if (!note_reminders::check(store, moment).isEmpty())
            fail("a reminder fired twice", fired.join(u'|'));
        before = read_all(store);
        added = store.add_note(moment.date(), QStringLiteral("Заметка ✓ \"кавычки\", запятая\\"), true, QTime(12, 30));
        store.flush();
        fresh = copy_to_fresh_path(path);
    }
    {
        notes_store back(fresh, clock);
        if (!note_reminders::check(back, moment).isEmpty())
            fail("a reminder marked shown fired again after reading back", back.today_text());
        records after = read_all(back);
        const QString added_name = notes_store::date_name(moment.date()) + '/' + added;
        const QStringList note = after.take(added_name);
        if (note != QStringList{QStringLiteral("Заметка ✓ \"кавычки\", запятая\\"), "2", "12:30"})
            fail("the added note did not read back", note.join(u'|'));
        if (after != before)
            for (auto it = before.cbegin(); it != before.cend(); ++it)
                if (after.value(it.key()) != it.value())
                    fail("a note changed on its way through the file",
                         it.key() + ": " + it.value().join(u'|') + " -> " + after.value(it.key()).join(u'|'));
        if (after.size() != before.size())
            fail("notes appeared on their way through the file", QStringList(after.keys()).join(u'|'));
    }
    remove_run_files(path);
    remove_run_files(fresh);
    return 0;
}
