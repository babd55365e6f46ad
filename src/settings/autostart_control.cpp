#include "settings/autostart_control.h"

#include "platform/autostart_entry.h"

#include <QCheckBox>
#include <QEvent>
#include <QMessageBox>
#include <QSignalBlocker>

autostart_control::autostart_control(QCheckBox *box, QWidget *dialog) : QObject(dialog), m_box(box), m_dialog(dialog)
{
    connect(m_box, &QCheckBox::toggled, this, &autostart_control::toggled);
    dialog->installEventFilter(this);
    load();
}

void autostart_control::load()
{
    // Reading the box must never write the entry.
    const QSignalBlocker quiet(m_box);
    m_box->setChecked(autostart_entry().enabled());
}

bool autostart_control::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_dialog && event->type() == QEvent::Show)
        load();
    return false;
}

void autostart_control::toggled(bool on)
{
    autostart_entry entry;
    if (entry.set_enabled(on))
        return;
    // The box shows what is on disk, not what was asked for.
    load();
    QMessageBox::warning(m_dialog, QStringLiteral("Внимание!"),
                         QStringLiteral("Не удалось изменить запуск при входе в систему: ") + entry.error(),
                         QMessageBox::Ok);
}
