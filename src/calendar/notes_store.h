#pragma once
// notes_store: the date notes in my_notes.ini. One group per date
// ("dd.MM.yyyy"), one key per note (its creation second since 1970), a
// string-list record of up to five fields: text, timed flag ("2" timed,
// "0" not), time "HH:mm", last-shown stamp "dd:MM:yyyy:HH:mm", shown flag.
//
// Every window of the calendar works on one store, so they never see each
// other's changes late. Changes made here are flushed at once; a change made
// on disk by another program is noticed by reload_if_changed_on_disk() and
// taken in key by key, and every flush merges such a change with ours
// before it writes, so neither side's notes are lost.
//
// A change that cannot be written (an unwritable folder, a file another
// program is writing) stays in memory, shown as any other note; the user
// is told at once, the write is tried again every few seconds, and at exit
// a box says what could not be saved.

#include <QDate>
#include <QDateTime>
#include <QObject>
#include <QSet>
#include <QStringList>
#include <QTime>
#include <QTimer>
#include <memory>

class ini_document;
class time_source;

class notes_store : public QObject
{
    Q_OBJECT
public:
    notes_store(const QString &path, const time_source &clock, QObject *parent = nullptr);
    ~notes_store() override;

    static QString date_name(QDate d);
    static QDate parse_date(const QString &group) { return QDate::fromString(group, QStringLiteral("dd.MM.yyyy")); }
    // A short record filled position by position over a reader's defaults;
    // stored fields beyond the defaults are ignored.
    static QStringList fill(QStringList defaults, const QStringList &stored);

    // Date list: the groups now in the file, in the settings order.
    void reload_dates();
    const QStringList &dates() const { return m_dates; }
    bool has_notes(QDate d) const { return m_date_set.contains(date_name(d)); }
    bool has_notes(const QString &group) const { return m_date_set.contains(group); }

    // Keys of a date's notes in key (= creation) order; empty without a group.
    QStringList keys(QDate d) const;
    QStringList keys(const QString &group) const;
    // The stored list, or `fallback` as a one-element list without the key.
    QStringList read(QDate d, const QString &key, const QString &fallback = QString()) const;
    QStringList read(const QString &group, const QString &key, const QString &fallback = QString()) const;

    // Each returns the new key; a key already used in that date takes the
    // next free second, so notes added within one second never collide.
    QString add_note(QDate d, const QString &text, bool timed, QTime time);
    // Copy from the overview: an untimed copy is "0", "0:00"; a timed one
    // keeps its "HH:mm".
    QString copy_note(QDate d, const QString &text, const QString &time_or_dash);
    // Three fields over the key: the reminder may fire again.
    void replace_note(QDate d, const QString &key, const QString &text, bool timed, QTime time);
    void mark_shown(QDate d, const QString &key, const QStringList &record);
    // Several records of one date, written and flushed together.
    void mark_shown(QDate d, const QList<std::pair<QString, QStringList>> &records);
    void remove_note(QDate d, const QString &key);
    void remove_note(const QString &group, const QString &key);
    void remove_date(QDate d);

    // The texts of today's notes, each followed by "\n"; empty without notes.
    // Reads what another program wrote first.
    QString today_text();

    // Writes pending changes, merged with what another program wrote.
    // False while they are not on disk.
    bool flush();
    // Changes not yet on disk.
    bool unsaved() const;
    // Many changes at once (a calendar import or sync): they go to disk
    // together when the outermost batch ends, not one write per note.
    class batch
    {
    public:
        explicit batch(notes_store &s) : m_s(s) { ++m_s.m_batch; }
        ~batch()
        {
            if (--m_s.m_batch == 0 && m_s.m_batch_dirty) {
                m_s.m_batch_dirty = false;
                m_s.after_change();
            }
        }
        batch(const batch &) = delete;
        batch &operator=(const batch &) = delete;

    private:
        notes_store &m_s;
    };
    // When the file differs from what was last read or written, takes in
    // what another program changed and re-reads the date list. True when it
    // did.
    bool reload_if_changed_on_disk();
    // Grows with every change made through the store or read from disk.
    quint64 revision() const { return m_revision; }

    // What the reminder check found at a revision: no note of `day` can be
    // due before `quiet_until` (invalid: for the rest of that day). It holds
    // only while the revision is unchanged.
    struct reminder_hint
    {
        quint64 revision = ~quint64(0);
        QDate day;
        QTime quiet_until;
    };
    reminder_hint &hint() { return m_hint; }

    QString path() const { return m_path; }
    const time_source &clock() const { return m_clock; }
    const ini_document &document() const { return *m_doc; }

signals:
    void changed();

private:
    QString write_new(QDate d, const QStringList &record);
    void after_change();

    QString m_path;
    const time_source &m_clock;
    std::unique_ptr<ini_document> m_doc;
    QTimer m_retry;
    QStringList m_dates;
    QSet<QString> m_date_set;
    quint64 m_revision = 0;
    int m_batch = 0;
    bool m_batch_dirty = false;
    reminder_hint m_hint;
};
