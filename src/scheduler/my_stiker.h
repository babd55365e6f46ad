#pragma once
// my_stiker: the reminder pop-up. An always-on-top label drawn from the
// sticker skin (a still picture or an animation) whose window shape follows
// the picture's transparency, with the reminder text on a text panel. With
// an animated skin the panel is a window of its own, shown while the
// pointer is over the sticker. Closed by a right click anywhere on it,
// text included; it deletes itself and halts the alarm player, silencing
// the current reminder sound. A reminder that can be put off shows a small
// "Отложить" button in its lower right corner, whose menu offers the times.
// Stickers stay usable while a modal dialog of the program is open.

#include <QLabel>
#include <QPointer>
#include <functional>
#include <memory>

class QMenu;
class QMovie;
class QTextEdit;
class QTimer;
class QToolButton;
class audio_player;

class my_stiker : public QLabel
{
    Q_OBJECT
public:
    // Skin from clock.ini (TYPE/stiker_skin, default Skins/stiker.png).
    explicit my_stiker(audio_player *alarm_player);
    my_stiker(audio_player *alarm_player, const QString &skin_path);
    ~my_stiker() override;

    static QString skin_from_settings();

    // Rich text when it looks like markup, else plain; cursor at the start.
    // A text longer than shown_limit is shown cut there, with a line that
    // says so: laying out a whole book would freeze the program.
    void set_text(const QString &text);
    static constexpr int shown_limit = 4000;
    QTextEdit *text_panel() const { return m_panel; }
    QMovie *skin_movie() const { return m_movie.get(); }
    // The skin has more than one frame: the text panel is a window of its own.
    bool animated() const;
    bool hide_timer_active() const;
    QString skin_path() const { return m_skin; }

    // Shows the "Отложить" button; choosing a time from its menu hands the
    // minutes to `snooze` and closes the sticker.
    void set_snooze(std::function<void(int minutes)> snooze);
    bool snoozable() const { return bool(m_snooze); }
    // The menu the button opens: copy the text, and the put-off times when
    // the reminder can be put off. The caller owns it.
    QMenu *text_menu();
    QToolButton *snooze_button() const { return m_snooze_button; }
    // The put-off choices, minutes and label.
    static QList<QPair<int, QString>> snooze_choices();

public slots:
    // Puts the reminder off by `minutes` and closes the sticker, as the
    // button's menu does; nothing when it cannot be put off.
    void put_off(int minutes);
    void setmymasks();
    void do_hide_msg();
    void disable_hide_timer();

protected:
    bool eventFilter(QObject *o, QEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void enterEvent(QEnterEvent *e) override;
    void leaveEvent(QEvent *e) override;

private:
    void apply_skin(const QString &skin_path);
    void apply_still(const QPixmap &picture, const QRegion &shape);
    // The window's shape: the skin's, with the button always in it.
    void set_shape(const QRegion &skin_shape);
    void place_snooze_button();
    void set_panel_style(const QString &sheet);

    QPointer<audio_player> m_player;
    QTextEdit *m_panel = nullptr;
    std::unique_ptr<QMovie> m_movie;
    QTimer *m_hide_timer = nullptr;
    int m_drag_x = 0;
    int m_drag_y = 0;
    QString m_skin;
    QString m_text;
    QRegion m_skin_shape;
    QToolButton *m_snooze_button = nullptr;
    std::function<void(int)> m_snooze;
};
