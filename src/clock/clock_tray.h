#pragma once
// The tray icon, its menu and its eight actions. What an action or a click
// on the icon does is wired by the program's composition.

#include <QList>
#include <QObject>

class QAction;
class QMenu;
class QPoint;
class QSystemTrayIcon;
class QWidget;

class clock_tray : public QObject
{
    Q_OBJECT
public:
    enum class command
    {
        clock,
        calendar,
        notes,
        settings,
        about,
        defaults,
        exit,
        search
    };
    // The actions and the menu are children of `anchor` (the clock window).
    explicit clock_tray(QWidget *anchor);
    ~clock_tray() override;

    QSystemTrayIcon *icon() const { return m_icon; }
    QMenu *menu() const { return m_menu; }
    // In creation order: clock, calendar, notes, settings, about, defaults, exit, search.
    const QList<QAction *> &actions() const { return m_actions; }
    QAction *action(command c) const { return m_actions[int(c)]; }

    // Where no system tray exists nothing else reaches the menu: pops it up
    // at the given global point and says true. With a tray, does nothing.
    bool open_menu_without_tray(const QPoint &global);

    // Sounds cannot be heard: says so in a tray message, or where no tray
    // exists in a box that does not wait. Called once per run by the audio
    // output (see platform/audio_notice.h).
    void tell_no_sound_output();

private:
    QList<QAction *> m_actions;
    QMenu *m_menu = nullptr;
    QSystemTrayIcon *m_icon = nullptr;
};
