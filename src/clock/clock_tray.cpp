#include "clock/clock_tray.h"

#include "common/log.h"
#include "platform/audio_notice.h"

#include <QAction>
#include <QIcon>
#include <QMenu>
#include <QMessageBox>
#include <QSystemTrayIcon>
#include <QWidget>

clock_tray::clock_tray(QWidget *anchor)
{
    struct entry
    {
        const char *text;
        const char *icon;
    };
    // In the order of `command`.
    const entry entries[] = {
        {"&Показать/скрыть часы", ":/icons/clock.png"},
        {"&Показать/скрыть календарь", ":/icons/calendar.png"},
        {"&Заметки", ":/icons/inserttext.png"},
        {"&Настройки программы", ":/icons/setup.png"},
        {"&О программе", ":/icons/help_.png"},
        {"&Параметры окон по умолчанию", ":/icons/default.png"},
        {"&Выход", ":/icons/exit.png"},
        {"&Поиск", ":/icons/find.png"},
    };
    for (const entry &e : entries)
        m_actions << new QAction(QIcon(QString::fromLatin1(e.icon)), QString::fromUtf8(e.text), anchor);

    m_menu = new QMenu(anchor);
    // Menu order differs from creation order: settings first, the search
    // beside the notes it searches, exit last.
    for (int i : {3, 0, 1, 2, 7, 5, 4})
        m_menu->addAction(m_actions[i]);
    m_menu->addSeparator();
    m_menu->addAction(m_actions[6]);

    m_icon = new QSystemTrayIcon(QIcon(QStringLiteral(":/icons/iconka.png")));
    m_icon->setContextMenu(m_menu);
    m_icon->setToolTip(QStringLiteral("Orvella"));
    m_icon->setVisible(true);
    if (!QSystemTrayIcon::isSystemTrayAvailable())
        qCWarning(lc_clock) << "no system tray here: a right click on the clock opens the menu";
    set_output_unavailable_handler([this] { tell_no_sound_output(); });
}

void clock_tray::tell_no_sound_output()
{
    const QString text = QStringLiteral("Звук не воспроизводится: нет устройства вывода");
    qCWarning(lc_clock).noquote() << text;
    if (QSystemTrayIcon::isSystemTrayAvailable() && m_icon->isVisible()) {
        m_icon->showMessage(QStringLiteral("Orvella"), text, QSystemTrayIcon::Warning);
        return;
    }
    // An event's sound fails inside the evaluation pass: the box must not
    // hold it up.
    auto *box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Orvella"), text, QMessageBox::Ok);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    box->show();
}

bool clock_tray::open_menu_without_tray(const QPoint &global)
{
    // Asked each time: a tray may appear (or go) after start-up.
    if (QSystemTrayIcon::isSystemTrayAvailable())
        return false;
    m_menu->popup(global);
    return true;
}

clock_tray::~clock_tray()
{
    set_output_unavailable_handler({});
    // Fixed order: menu, icon, actions.
    delete m_menu;
    m_menu = nullptr;
    delete m_icon;
    m_icon = nullptr;
    qDeleteAll(m_actions);
    m_actions.clear();
}
