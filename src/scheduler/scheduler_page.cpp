#include "scheduler/scheduler_page.h"

#include "common/interface_locale.h"
#include "common/log.h"
#include "common/time_source.h"
#include "common/user_prompts.h"
#include "platform/audio_player.h"
#include "scheduler/event_store.h"
#include "scheduler/event_time.h"
#include "scheduler/play_sound_file.h"
#include "storage/alarm_keys.h"
#include "storage/data_folder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QHeaderView>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTextEdit>
#include <QTimeEdit>
#include <QTimer>

namespace k = event_keys;
using page_reader = event_store::reader;

namespace sound_prompt {

QString title()
{
    return QStringLiteral("Выберете звуковой файл");
}

QString filter()
{
    return QStringLiteral("Звуковые файлы (*.wav *.mp3 *.ogg *.ac3 *.flac *.aac *.pcm)");
}

} // namespace sound_prompt

namespace {

// What the form holds, read before the event's group is entered.
struct task_values
{
    QString name, time, date, message, sound, program, arguments, folder;
    int repeat = 0, repeat_min = 1;
    bool write_date = true;
    bool beep = false, disable = false, single_instance = false, run_everywhere = false;
    std::array<bool, 7> days{};
    std::array<bool, 12> months{};
};

} // namespace

scheduler_page::scheduler_page(const scheduler_page_form &form, event_store &store, const time_source &clock,
                               audio_player *preview, user_prompts &prompts, QWidget *dialog)
    : QObject(dialog), m_form(form), m_store(store), m_clock(clock), m_preview(preview), m_prompts(prompts),
      m_dialog(dialog)
{
    connect(m_form.table, &QTableWidget::currentItemChanged, this, &scheduler_page::current_item_changed);
    connect(m_form.repeat, &QComboBox::currentIndexChanged, this, &scheduler_page::switch_mode);
    connect(m_form.add, &QPushButton::clicked, this, &scheduler_page::add);
    connect(m_form.save, &QPushButton::clicked, this, &scheduler_page::save_changes);
    connect(m_form.remove, &QPushButton::clicked, this, &scheduler_page::remove);
    connect(m_form.choose_sound, &QPushButton::clicked, this, &scheduler_page::choose_sound);
    connect(m_form.choose_program, &QPushButton::clicked, this, &scheduler_page::choose_program);
    connect(m_form.play, &QPushButton::clicked, this, &scheduler_page::play);
    connect(m_form.pause, &QPushButton::clicked, this, &scheduler_page::pause);
    // Tab moves on through the form: it neither types a tab into the
    // message nor walks the list, where every step would load an event.
    m_form.message->setTabChangesFocus(true);
    m_form.table->setTabKeyNavigation(false);
    // "dd.MMM" and the date's calendar name months as the interface does.
    m_form.date->setLocale(interface_locale());
    m_form.time->setLocale(interface_locale());

    const QDateTime now = m_clock.now();
    m_form.date->setDate(now.date());
    m_form.time->setTime(now.time());
    reload_task_list();
    if (m_form.table->rowCount() > 0)
        select_row(0);
}

void scheduler_page::prepare()
{
    const QString key = current_key();
    const int row = m_form.table->currentRow();
    reload_task_list();
    if (m_form.table->rowCount() == 0)
        return;
    const QStringList keys = m_store.events();
    const int again = keys.indexOf(key);
    select_row(again >= 0 ? again : qBound(0, row, m_form.table->rowCount() - 1));
}

QString scheduler_page::current_key() const
{
    const int row = m_form.table->currentRow();
    if (row < 0 || !m_form.table->item(row, 0))
        return {};
    return m_form.table->item(row, 0)->text();
}

int scheduler_page::row_of(const QString &key) const
{
    const QTableWidget *t = m_form.table;
    for (int r = 0; r < t->rowCount(); ++r)
        if (t->item(r, 0) && t->item(r, 0)->text() == key)
            return r;
    return -1;
}

// Programmatic: whatever the form held has been saved or deliberately left.
void scheduler_page::select_row(int row)
{
    {
        const QSignalBlocker quiet(m_form.table);
        m_form.table->setCurrentCell(row, 1);
    }
    load_task(current_key());
}

void scheduler_page::current_item_changed(QTableWidgetItem *current)
{
    if (!current)
        return;
    QTableWidgetItem *key_item = m_form.table->item(current->row(), 0);
    if (!key_item)
        return;
    const QString key = key_item->text();
    // The list got the focus, or the same event was picked again.
    if (key == m_loaded_key)
        return;
    const bool had_edits = has_unsaved_edits();
    if (!settle_unsaved()) {
        // Stay on the event the form shows; once more when the click or key
        // that moved the list is done with it, as it selects after moving.
        auto stay = [this] {
            const int back = row_of(m_loaded_key);
            if (back < 0)
                return;
            const QSignalBlocker quiet(m_form.table);
            m_form.table->setCurrentCell(back, 1);
        };
        stay();
        QTimer::singleShot(0, this, stay);
        return;
    }
    if (had_edits && row_of(key) >= 0) {
        // Perhaps saved under a new name: the list shows it; then on to the
        // chosen event.
        reload_task_list();
        const int to = row_of(key);
        if (to >= 0)
            select_row(to);
        return;
    }
    load_task(key);
}

scheduler_form_values scheduler_page::form_values() const
{
    scheduler_form_values v;
    v.name = m_form.name->text();
    v.time = m_form.time->text();
    v.date = m_form.date->date();
    v.message = m_form.message->toPlainText();
    v.sound = m_form.sound->text();
    v.program = m_form.program->text();
    v.arguments = m_form.arguments->text();
    v.folder = m_form.folder->text();
    v.repeat = m_form.repeat->currentIndex();
    v.repeat_min = m_form.repeat_min->value();
    v.beep = m_form.beep->isChecked();
    v.disable = m_form.disable->isChecked();
    v.single_instance = m_form.single_instance->isChecked();
    v.run_everywhere = m_form.run_everywhere && m_form.run_everywhere->isChecked();
    for (int i = 0; i < 7; ++i)
        v.days[i] = m_form.days[i]->isChecked();
    for (int i = 0; i < 12; ++i)
        v.months[i] = m_form.months[i]->isChecked();
    return v;
}

bool scheduler_page::has_unsaved_edits() const
{
    return !m_loaded_key.isEmpty() && row_of(m_loaded_key) >= 0 && form_values() != m_loaded;
}

bool scheduler_page::settle_unsaved()
{
    if (!has_unsaved_edits())
        return true;
    const QString name = m_loaded.name.trimmed().isEmpty() ? QStringLiteral("без названия") : m_loaded.name.trimmed();
    switch (m_prompts.unsaved(m_dialog, QStringLiteral("Планировщик событий"),
                              QStringLiteral("Событие «%1» изменено. Сохранить изменения?").arg(name))) {
    case user_prompts::unsaved_answer::save:
        if (!save_task(m_loaded_key))
            return false;
        m_loaded = form_values();
        return true;
    case user_prompts::unsaved_answer::discard:
        // The form goes back to the event as stored.
        load_task(m_loaded_key);
        return true;
    case user_prompts::unsaved_answer::cancel:
        break;
    }
    return false;
}

void scheduler_page::reload_task_list()
{
    QTableWidget *t = m_form.table;
    const QStringList keys = m_store.events();
    // Filling the table moves its current item; the form keeps what it shows.
    const QSignalBlocker quiet(t);
    t->clear();
    t->setColumnCount(2);
    t->setRowCount(int(keys.size()));
    t->setHorizontalHeaderLabels({QStringLiteral("ID"), QStringLiteral("Наименование")});
    for (int i = 0; i < keys.size(); ++i) {
        t->setItem(i, 0, new QTableWidgetItem(keys.at(i)));
        event_store::scope in(m_store, keys.at(i));
        auto *name = new QTableWidgetItem(m_store.read(k::name, page_reader::page));
        if (m_store.read(k::disable, page_reader::page))
            name->setForeground(QColor(Qt::lightGray));
        t->setItem(i, 1, name);
    }
    t->hideColumn(0);
    t->resizeColumnsToContents();
    t->resizeRowsToContents();
    t->setFocus();
}

void scheduler_page::load_task(const QString &key)
{
    if (key.isEmpty())
        return;
    event_store::scope in(m_store, key);
    const auto read = [this](const auto &field) { return m_store.read(field, page_reader::page); };
    m_form.name->setText(read(k::name));
    const QTime at = event_time::parse_time(read(k::time));
    if (at.isValid())
        m_form.time->setTime(at);
    const int mode = read(k::repeat);
    m_form.repeat->setCurrentIndex(mode >= 0 && mode < m_form.repeat->count() ? mode : 0);
    const QDate d = event_time::parse_date(read(k::date));
    if (d.isValid())
        m_form.date->setDate(d);
    m_form.message->setPlainText(read(k::alarmmessage));
    m_form.sound->setText(read(k::soundfile));
    m_form.program->setText(read(k::run_file));
    m_form.arguments->setText(read(k::run_arg));
    m_form.folder->setText(read(k::run_cat));
    for (int i = 0; i < 7; ++i)
        m_form.days[i]->setChecked(read(k::day[i]));
    m_form.beep->setChecked(read(k::beep_pc));
    m_form.disable->setChecked(read(k::disable));
    m_form.single_instance->setChecked(read(k::do_find));
    if (m_form.run_everywhere)
        m_form.run_everywhere->setChecked(read(k::run_everywhere));
    for (int i = 0; i < 12; ++i)
        m_form.months[i]->setChecked(read(k::month[i]));
    m_form.repeat_min->setValue(read(k::repeat_min));
    m_loaded_key = key;
    m_loaded = form_values();
}

void scheduler_page::switch_mode(int index)
{
    struct mode_form
    {
        int page;
        bool page_enabled;
        bool date_enabled, time_enabled;
    };
    static const mode_form modes[] = {
        {0, false, true, true}, {0, true, false, true},  {1, true, true, true},
        {0, false, true, true}, {2, true, false, false}, {2, true, false, false},
    };
    if (index < 0 || index >= int(std::size(modes)))
        return;
    const mode_form &m = modes[index];
    m_form.pages->setCurrentIndex(m.page);
    m_form.pages->widget(m.page)->setEnabled(m.page_enabled);
    if (index == k::monthly) {
        for (QCheckBox *b : m_form.months)
            b->setChecked(true);
    } else {
        for (QCheckBox *b : m_form.days)
            b->setChecked(index == k::daily);
    }
    m_form.date->setDisplayFormat(index == k::monthly ? QStringLiteral("dd.MMM") : QStringLiteral("dd.MM.yyyy"));
    m_form.date->setEnabled(m.date_enabled);
    m_form.time->setEnabled(m.time_enabled);
}

bool scheduler_page::save_task(const QString &key)
{
    if (key.isEmpty())
        return false;
    task_values v;
    v.name = m_form.name->text();
    v.repeat = m_form.repeat->currentIndex();
    // Any box is shown before the group is entered: the evaluation pass
    // skips its tick while someone is inside a group, and a box left open
    // would keep every event from firing.
    if (v.repeat == k::minute_cycle && m_form.repeat_min->value() > 60) {
        QMessageBox::warning(m_dialog, QStringLiteral("Внимание!"),
                             QStringLiteral("В данном режиме ко-во минут = от 1 до 60"));
        m_form.repeat_min->setValue(60);
    }
    v.repeat_min = m_form.repeat_min->value();
    if (v.repeat == k::after_interval) {
        const QDateTime next = event_time::next_firing(m_clock.now(), v.repeat_min);
        v.time = event_time::format_time(next);
        v.date = event_time::format_date(next);
    } else if (v.repeat == k::minute_cycle) {
        v.time = QStringLiteral("00:") + QString::number(v.repeat_min);
        v.write_date = false;
    } else {
        v.time = m_form.time->text();
        v.date = m_form.date->date().toString(QStringLiteral("dd.MM.yyyy"));
    }
    v.message = m_form.message->toPlainText();
    for (int i = 0; i < 7; ++i)
        v.days[i] = m_form.days[i]->isChecked();
    for (int i = 0; i < 12; ++i)
        v.months[i] = m_form.months[i]->isChecked();
    v.sound = m_form.sound->text();
    v.program = m_form.program->text();
    v.arguments = m_form.arguments->text();
    v.folder = m_form.folder->text();
    v.beep = m_form.beep->isChecked();
    v.disable = m_form.disable->isChecked();
    v.single_instance = m_form.single_instance->isChecked();
    v.run_everywhere = m_form.run_everywhere && m_form.run_everywhere->isChecked();

    {
        event_store::scope in(m_store, key);
        m_store.write(k::name, v.name);
        m_store.write(k::time, v.time);
        if (v.write_date)
            m_store.write(k::date, v.date);
        m_store.write(k::alarmmessage, v.message);
        m_store.write(k::repeat, v.repeat);
        for (int i = 0; i < 7; ++i)
            m_store.write(k::day[i], v.days[i]);
        for (int i = 0; i < 12; ++i)
            m_store.write(k::month[i], v.months[i]);
        m_store.write(k::repeat_min, v.repeat_min);
        m_store.write(k::soundfile, v.sound);
        m_store.write(k::run_file, v.program);
        m_store.write(k::run_arg, v.arguments);
        m_store.write(k::run_cat, v.folder);
        m_store.write(k::beep_pc, v.beep);
        m_store.write(k::disable, v.disable);
        m_store.write(k::do_find, v.single_instance);
        if (m_form.run_everywhere)
            m_store.write(k::run_everywhere, v.run_everywhere);
    }
    m_store.sync();
    if (m_store.status() != QSettings::NoError)
        qCWarning(lc_scheduler) << "alarm.ini could not be written:" << m_store.status();
    return true;
}

void scheduler_page::add()
{
    // A second event added within the same second gets the next free key
    // instead of overwriting the first.
    const QString key = m_store.new_key(m_clock.now().toUTC());
    save_task(key);
    reload_task_list();
    if (m_form.table->rowCount() > 0)
        select_row(0);
}

void scheduler_page::save_changes()
{
    QTableWidget *t = m_form.table;
    if (t->rowCount() == 0 || t->selectedItems().isEmpty() || current_key().isEmpty()) {
        QMessageBox::information(nullptr, QStringLiteral("Внимание !"),
                                 QStringLiteral(" Выберите наименование напоминания для редактирования !"));
        return;
    }
    const int row = t->currentRow();
    save_task(current_key());
    reload_task_list();
    select_row(qBound(0, row, t->rowCount() - 1));
}

void scheduler_page::remove()
{
    QTableWidget *t = m_form.table;
    if (t->rowCount() == 0 || t->selectedItems().isEmpty())
        return;
    const QString key = current_key();
    if (key.isEmpty())
        return;
    // Asked before the group is entered (see save_task).
    const auto answer = QMessageBox::information(m_dialog, QStringLiteral("Удаление"),
                                                 QStringLiteral("Вы действительно хотите удалить выбранное ?"),
                                                 QMessageBox::Ok | QMessageBox::Cancel);
    if (answer == QMessageBox::Ok) {
        m_store.remove_event(key);
        m_store.sync();
    }
    reload_task_list();
    if (t->rowCount() > 0)
        select_row(0);
}

void scheduler_page::choose_sound()
{
    const QString file = m_prompts.open_file(m_dialog, sound_prompt::title(),
                                             data_folder::file(QStringLiteral("//Sound")), sound_prompt::filter());
    if (!file.isEmpty())
        m_form.sound->setText(file);
}

void scheduler_page::choose_program()
{
    const QString file = m_prompts.open_file(m_dialog, QStringLiteral("Выберете файл для запуска"), data_folder::path(),
                                             QStringLiteral("Все файлы (*.*)"));
    if (!file.isEmpty())
        m_form.program->setText(file);
}

void scheduler_page::play()
{
    play_sound_file(m_preview, m_form.sound->text());
}

void scheduler_page::pause()
{
    if (m_preview)
        m_preview->halt();
}
