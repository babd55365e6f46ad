#pragma once
// snooze_store: reminders the user put off, kept in snooze.ini in the data
// folder until they are due again, so they outlive a restart and alarm.ini
// keeps only the user's events. One group per reminder:
//   due      seconds since 1970 when it comes back
//   due_at   the same as local "dd.MM.yyyy HH:mm", for people reading the file
//   text, skin, sound   what the sticker showed and played

#include <QDateTime>
#include <QList>
#include <QString>
#include <memory>

class QSettings;

class snooze_store
{
public:
    struct reminder
    {
        QDateTime due;
        QString text;
        QString skin;
        QString sound;
    };

    // The data folder's snooze.ini, or `path`.
    explicit snooze_store(const QString &path = {});
    ~snooze_store();
    snooze_store(const snooze_store &) = delete;
    snooze_store &operator=(const snooze_store &) = delete;

    void add(const reminder &r);
    // Removes and returns the reminders due at `now`, earliest first.
    QList<reminder> take_due(const QDateTime &now);
    QList<reminder> all();
    QString path() const { return m_path; }

private:
    QString m_path;
    std::unique_ptr<QSettings> m_s;
};
