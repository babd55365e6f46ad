#pragma once
// The calendar's skin: stepping through the pictures of Calendar_skins with
// "<" and ">", or choosing any picture file. The choice is written to
// calendar.ini at once and the calendar is told to show it. A file that is
// no picture is refused with a message; stepping goes on past it.

#include <QObject>
#include <QStringList>
#include <functional>

class QSettings;
class QWidget;
class user_prompts;

class calendar_skin_picker : public QObject
{
    Q_OBJECT
public:
    // parent carries the boxes and dialogs; calendar_ini stays open for the
    // picker's life.
    calendar_skin_picker(QWidget *parent, QSettings &calendar_ini, user_prompts *ask = nullptr);

    // Runs after a new skin is stored: the calendar reloads its look. full
    // is true after a step (reload, hide and show, repaint the overview),
    // false after choosing a file (repaint).
    void set_calendar_reload(std::function<void(bool full)> f) { m_reload = std::move(f); }
    void set_prompts(user_prompts *ask) { m_ask = ask; }

    // Lists Calendar_skins and finds the stored skin in it (-1 when it is
    // not there).
    void rescan();
    const QStringList &names() const { return m_names; }
    int index() const { return m_index; }

public slots:
    void step_up() { step(+1); }
    void step_down() { step(-1); }
    void choose_file();

private:
    void step(int direction);
    // The stored skin's place in the list as it stands (-1 when not there).
    void locate_stored();
    void store(const QString &path, bool full);
    // A picture, or a warning saying it is none.
    bool accept(const QString &path);

    QWidget *m_parent;
    QSettings &m_ini;
    user_prompts *m_ask;
    std::function<void(bool)> m_reload;
    QStringList m_names;
    int m_index = -1;
    QString m_refused; // the file a step stopped at and did not take
};
