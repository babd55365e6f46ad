#pragma once
// Shared helpers for the Qt Test executables: a private data home, an
// answering machine for message boxes, small file helpers.

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <QTemporaryDir>
#include <QTimer>

// Points XDG_DATA_HOME at a fresh temporary folder for the object's life,
// so the program's data folder is <tmp>/Orvella.
class temp_data_home
{
public:
    temp_data_home();
    ~temp_data_home();
    QString home() const { return m_dir.path(); }
    QString data_folder() const { return m_dir.path() + "/Orvella"; }

private:
    QTemporaryDir m_dir;
    QByteArray m_old;
    bool m_had_old = false;
};

// Watches for modal message boxes and dialogs and answers them, recording
// what they said. Answers with the default button unless told otherwise.
class box_answerer : public QObject
{
    Q_OBJECT
public:
    struct seen_box
    {
        QString title;
        QString text;
        QStringList buttons;
    };

    explicit box_answerer(QObject *parent = nullptr);
    // Press the button with this text (exact, after removing '&') when present.
    void prefer_button(const QString &text) { m_prefer = text; }
    // Reject (Escape) instead of accepting.
    void set_reject(bool reject) { m_reject = reject; }
    const QList<seen_box> &seen() const { return m_seen; }
    void clear() { m_seen.clear(); }

private:
    void poll();
    QTimer m_timer;
    QList<seen_box> m_seen;
    QString m_prefer;
    bool m_reject = false;
};

// Settings files hold CP1251 text.
QByteArray cp1251(const QString &text);
void write_file(const QString &path, const QByteArray &bytes);
QByteArray read_file(const QString &path);
// Folder of the shipped installation data in the build tree.
QString built_app_data();
// Folder of the built executables.
QString built_bin();
