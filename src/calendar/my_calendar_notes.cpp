// my_calendar: the notes of the selected day through the context menu, and
// the reminder check.
#include "calendar/add_note.h"
#include "calendar/my_calendar.h"
#include "calendar/my_monitor.h"
#include "calendar/note_reminders.h"
#include "calendar/notes_store.h"
#include "calendar/qtcalendar.h"
#include "common/time_source.h"

#include <QCursor>
#include <QMenu>
#include <QMessageBox>

namespace {

// Entry data of the fixed entries; a note entry carries its key.
enum entry : int
{
    overview_entry = -1,
    add_entry = -2,
    delete_all_entry = -3,
    close_entry = -4,
    reload_entry = -5
};

constexpr int longest_label = 80; // a long note must not make the menu wider than the screen

QString menu_label(const QStringList &record)
{
    QString text = record.value(0);
    text.replace('\n', ' ');
    if (text.size() > longest_label)
        text = text.left(longest_label - 1) + QChar(0x2026);
    if (record.size() >= 2 && record.at(1) == QLatin1String("2"))
        text += QStringLiteral(" (Показать в ") + record.value(2) + ')';
    return text;
}

} // namespace

QDate my_calendar::selected() const
{
    return m_calendar->selectedDate();
}

void my_calendar::customContextMenuRequested(const QPoint &pos)
{
    m_menu_pointer = QCursor::pos();
    // The day clicked is the day the menu works on.
    const QDate clicked = m_calendar->date_at(mapToGlobal(pos));
    if (clicked.isValid() && clicked != selected())
        m_calendar->setSelectedDate(clicked);
    m_menu->clear();
    auto add = [this](const QString &text, const char *icon, int data, void (my_calendar::*slot)()) {
        QAction *a = m_menu->addAction(QIcon(tr(icon)), text);
        a->setData(data);
        connect(a, &QAction::triggered, this, slot);
    };
    const QDate d = selected();
    add(tr("Обзор заметок"), ":/icons/find.png", overview_entry, &my_calendar::show_browser);
    add(tr("Добавление новой заметки") + QStringLiteral(" на ") + notes_store::date_name(d), ":/icons/new.png",
        add_entry, &my_calendar::add_note);
    m_menu->addSeparator();
    const QStringList keys = m_store.keys(d);
    for (const QString &key : keys) {
        const QStringList r = m_store.read(d, key);
        if (r.value(0).isEmpty())
            continue;
        QAction *a = m_menu->addAction(QIcon(QStringLiteral(":/icons/note.png")), menu_label(r));
        a->setData(key);
    }
    m_menu->addSeparator();
    add(tr("Удалить все за выбранный день"), ":/icons/delete.png", delete_all_entry, &my_calendar::delete_note);
    add(tr("Обновить"), ":/icons/update.png", reload_entry, &my_calendar::update_note);
    add(tr("Закрыть календарь"), ":/icons/exit.png", close_entry, &my_calendar::close_calendar);
    m_menu->popup(QCursor::pos());
}

void my_calendar::after_note_change()
{
    m_store.reload_dates();
    m_monitor->fill();
    refresh();
    QCursor::setPos(m_menu_pointer);
}

void my_calendar::add_note()
{
    const QDate d = selected();
    m_editor->prepare(notes_store::date_name(d), QStringLiteral("Текст заметки:"), QStringLiteral("Новая заметка"),
                      false, QTime(0, 0));
    m_editor->exec();
    if (m_editor->accepted && !m_editor->text().isEmpty()) {
        m_store.add_note(d, m_editor->text(), m_editor->timed(), m_editor->time());
        m_store.reload_dates();
        m_monitor->fill();
        refresh();
    }
    QCursor::setPos(m_menu_pointer);
}

void my_calendar::edit_note(QAction *action)
{
    if (!action)
        return;
    // The fixed entries reach here too, with numbers; a note's entry carries
    // its key as text, whatever the text is (a hand-made file may use names).
    if (action->data().typeId() != QMetaType::QString)
        return;
    const QString key = action->data().toString();
    if (key.isEmpty())
        return;
    const QDate d = selected();
    const QStringList r =
        notes_store::fill({QStringLiteral("Новая заметка"), QStringLiteral("0"), QStringLiteral("00:00")},
                          m_store.read(d, key, QStringLiteral("Новая заметка")));
    m_editor->prepare(notes_store::date_name(d), QStringLiteral("Текст заметки: (или очистите для удаления)"), r.at(0),
                      r.at(1).toInt() != 0, QTime::fromString(r.at(2), QStringLiteral("HH:mm")));
    m_editor->exec();
    if (m_editor->accepted) {
        if (!m_editor->text().isEmpty())
            m_store.replace_note(d, key, m_editor->text(), m_editor->timed(), m_editor->time());
        else
            m_store.remove_note(d, key);
    }
    m_store.flush();
    after_note_change();
}

void my_calendar::delete_note()
{
    const QDate d = selected();
    const QString name = notes_store::date_name(d);
    const int n = int(m_store.keys(d).size());
    if (n > 0) {
        const auto answer = QMessageBox::information(
            this, QStringLiteral("Удаление ") + QString::number(n) + QStringLiteral(" записи(ей)"),
            QStringLiteral("Вы действительно хотите удалить все за ") + name + QStringLiteral(" ?"),
            QMessageBox::Ok | QMessageBox::Cancel);
        if (answer == QMessageBox::Ok)
            m_store.remove_date(d);
    }
    after_note_change();
}

void my_calendar::update_note()
{
    load_settings();
    refresh();
}

void my_calendar::show_notes()
{
    // Another program may have rewritten the file since the last check.
    m_store.reload_if_changed_on_disk();
    const QDateTime now = m_clock.now();
    const QDateTime minute(now.date(), QTime(now.time().hour(), now.time().minute()));
    for (const note_reminders::due_note &n : note_reminders::check_due(m_store, now)) {
        if (!m_note_gate) {
            emit doshowNotes(n.text);
            continue;
        }
        QPointer<my_calendar> self(this);
        m_note_gate(notes_store::parse_date(n.group), n.key, minute, [self, text = n.text](bool show) {
            if (show && self)
                emit self->doshowNotes(text);
        });
    }
}
