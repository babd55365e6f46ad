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

// False in an AddressSanitizer build: its allocator holds freed memory in a
// quarantine of up to 256 MB, so resident-memory figures measure the tool.
constexpr bool resident_memory_is_meaningful()
{
#if defined(__SANITIZE_ADDRESS__)
    return false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
    return false;
#else
    return true;
#endif
#else
    return true;
#endif
}

// Makes a folder unwritable for the object's life: its mode for a user,
// the immutable attribute (chattr +i) for root, whom modes do not stop.
// locked() is false where neither works (a file system without
// attributes, no chattr): tests then skip.
class folder_lock
{
public:
    explicit folder_lock(const QString &folder);
    ~folder_lock();
    folder_lock(const folder_lock &) = delete;
    folder_lock &operator=(const folder_lock &) = delete;
    bool locked() const { return m_locked; }

private:
    QString m_folder;
    bool m_attribute = false;
    bool m_locked = false;
};

// Settings files hold CP1251 text.
QByteArray cp1251(const QString &text);
void write_file(const QString &path, const QByteArray &bytes);
QByteArray read_file(const QString &path);
// Folder of the shipped installation data in the build tree.
QString built_app_data();
// Folder of the built executables.
QString built_bin();
