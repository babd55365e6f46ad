#pragma once
// scheduler_page: the event list and editor on the settings dialog. It
// lists the events of the store, loads one into the form, saves the form
// into an event, adds and deletes events, chooses a sound or a program and
// previews the sound. Everything goes through the program's one event_store,
// and the page never stays inside an event's group while a box or dialog
// is open, so the evaluation pass is never kept out of the file.
//
// The form is never replaced behind the user's back: moving to another
// event (a click or the arrow keys in the list) asks first when the form
// holds edits not saved into the event it shows, and focus alone (Tab into
// the list) loads nothing.

#include <QDate>
#include <QObject>
#include <QString>

#include <array>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QStackedWidget;
class QTableWidget;
class QTableWidgetItem;
class QTextEdit;
class QTimeEdit;
class QWidget;
class audio_player;
class event_store;
class time_source;
class user_prompts;

// The widgets of the page, as the dialog's form holds them.
struct scheduler_page_form
{
    QTableWidget *table = nullptr;
    QLineEdit *name = nullptr;
    QTimeEdit *time = nullptr;
    QDateEdit *date = nullptr;
    QTextEdit *message = nullptr;
    QLineEdit *sound = nullptr;
    QLineEdit *program = nullptr;
    QLineEdit *arguments = nullptr;
    QLineEdit *folder = nullptr;
    QComboBox *repeat = nullptr;
    QStackedWidget *pages = nullptr;
    QSpinBox *repeat_min = nullptr;
    QCheckBox *beep = nullptr;
    // Optional: start the event's program on every synced machine, not only
    // on the one that made the event.
    QCheckBox *run_everywhere = nullptr;
    QCheckBox *disable = nullptr;
    QCheckBox *single_instance = nullptr;
    std::array<QCheckBox *, 7> days{};    // Monday ... Sunday
    std::array<QCheckBox *, 12> months{}; // January ... December
    QPushButton *add = nullptr;
    QPushButton *save = nullptr;
    QPushButton *remove = nullptr;
    QPushButton *choose_sound = nullptr;
    QPushButton *choose_program = nullptr;
    QPushButton *play = nullptr;
    QPushButton *pause = nullptr;
};

// The sound chooser's title and filter, shared with the note sound chooser.
namespace sound_prompt {
QString title();
QString filter();
} // namespace sound_prompt

// Everything the form holds, as the widgets show it.
struct scheduler_form_values
{
    QString name, time, message, sound, program, arguments, folder;
    QDate date;
    int repeat = 0, repeat_min = 1;
    bool beep = false, disable = false, single_instance = false, run_everywhere = false;
    std::array<bool, 7> days{};
    std::array<bool, 12> months{};
    friend bool operator==(const scheduler_form_values &, const scheduler_form_values &) = default;
};

class scheduler_page : public QObject
{
    Q_OBJECT
public:
    // `dialog` parents the page's boxes and file dialogs.
    scheduler_page(const scheduler_page_form &form, event_store &store, const time_source &clock, audio_player *preview,
                   user_prompts &prompts, QWidget *dialog);

    // Refills the list from the file when the dialog is shown, keeping the
    // event that was selected.
    void prepare();

    void reload_task_list();
    void load_task(const QString &key);
    // Writes the form into the event's group; false when nothing was written.
    bool save_task(const QString &key);

    // The key of the table's current row; empty when none.
    QString current_key() const;
    // The event the form was last loaded from; empty before the first.
    QString loaded_key() const { return m_loaded_key; }
    scheduler_form_values form_values() const;
    // The form differs from the event it was loaded from.
    bool has_unsaved_edits() const;
    // Asks about unsaved edits: saves them, drops them, or (false) the
    // user wants to stay. True at once when there is nothing to ask.
    bool settle_unsaved();

public slots:
    void add();
    void save_changes();
    void remove();
    void choose_sound();
    void choose_program();
    void play();
    void pause();
    void switch_mode(int index);

private:
    void current_item_changed(QTableWidgetItem *current);
    void select_row(int row);
    int row_of(const QString &key) const;

    scheduler_page_form m_form;
    event_store &m_store;
    const time_source &m_clock;
    audio_player *m_preview;
    user_prompts &m_prompts;
    QWidget *m_dialog;
    QString m_loaded_key;
    scheduler_form_values m_loaded;
};
