#include "clock/clock_tray.h"

#include "clock/clock_window.h"
#include "common/log.h"
#include "platform/audio_notice.h"

#include <QAction>
#include <QIcon>
#include <QMenu>
#include <QMessageBox>
#include <QSystemTrayIcon>

clock_tray::clock_tray(orvella *clock) : m_clock(clock)
{
    struct entry
    {
        const char *text;
        const char *icon;
        void (orvella::*slot)();
    };
    const entry entries[] = {
        {"&Показать/скрыть часы", ":/icons/clock.png", &orvella::do_state},
        {"&Показать/скрыть календарь", ":/icons/calendar.png", &orvella::do_cal_state},
        {"&Заметки", ":/icons/inserttext.png", &orvella::view_notebook},
        {"&Настройки программы", ":/icons/setup.png", &orvella::my_alarm},
        {"&О программе", ":/icons/help_.png", &orvella::about_prg},
        {"&Параметры окон по умолчанию", ":/icons/default.png", &orvella::set_default},
        {"&Выход", ":/icons/exit.png", &orvella::close_application},
    };
    for (const entry &e : entries) {
        auto *a = new QAction(QIcon(QString::fromLatin1(e.icon)), orvella::tr(e.text), clock);
        QObject::connect(a, &QAction::triggered, clock, e.slot);
        m_actions << a;
    }

    m_menu = new QMenu(clock);
    // Menu order differs from creation order: settings first, exit last.
    for (int i : {3, 0, 1, 2, 5, 4})
        m_menu->addAction(m_actions[i]);
    m_menu->addSeparator();
    m_menu->addAction(m_actions[6]);

    m_icon = new QSystemTrayIcon(QIcon(QStringLiteral(":/icons/iconka.png")));
    m_icon->setContextMenu(m_menu);
    m_icon->setToolTip(QStringLiteral("Orvella"));
    QObject::connect(m_icon, &QSystemTrayIcon::activated, clock, &orvella::iconActivated);
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
