#pragma once
// sleep_watch: tells when the machine wakes from suspend, so reminders
// missed while it slept are caught up at once rather than at the next tick.
// Where the system does not say (no logind), it never signals; the
// scheduler then notices the gap at its next tick by itself.

#include <QObject>

class sleep_watch : public QObject
{
    Q_OBJECT
public:
    explicit sleep_watch(QObject *parent = nullptr);
    // Whether wake-ups will be reported here.
    bool active() const { return m_active; }

signals:
    void resumed();

private slots:
    void prepare_for_sleep(bool sleeping);

private:
    bool m_active = false;
};
