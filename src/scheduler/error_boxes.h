#pragma once
// error_boxes: failures met while reminders fire (a sound that does not
// open, a program that does not start) are gathered here and shown once the
// work is done, each in a box of its own that waits for nobody: the alarm
// timer keeps running while the user reads it. One box per distinct error;
// the same error is not shown again while its box is still open.

#include <QHash>
#include <QList>
#include <QPointer>
#include <QString>

class QMessageBox;

class error_boxes
{
public:
    error_boxes() = default;
    ~error_boxes();
    error_boxes(const error_boxes &) = delete;
    error_boxes &operator=(const error_boxes &) = delete;

    // Keeps an error for the next show_pending(); repeats are merged.
    void add(const QString &title, const QString &text);
    // Opens a box for each kept error whose box is not already open.
    void show_pending();

    int pending() const { return int(m_pending.size()); }
    // Boxes open now.
    QList<QMessageBox *> open_boxes() const;

private:
    struct error
    {
        QString title;
        QString text;
    };
    static QString id(const QString &title, const QString &text) { return title + QChar(0x1f) + text; }

    QList<error> m_pending;
    QHash<QString, QPointer<QMessageBox>> m_open;
};
