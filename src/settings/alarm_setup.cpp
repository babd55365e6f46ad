#include "settings/alarm_setup.h"

#include "app/data_folder.h"
#include "app/ini_format.h"
#include "common/log.h"
#include "settings/clock_host.h"
#include "settings/desktop_controls.h"
#include "settings/loading_flag.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QMessageBox>
#include <QVBoxLayout>

// Each desktop option: its key in clock.ini and its flag on the clock.
struct desktop_option
{
    const ini_key<bool> &key;
    clock_host::flag_id flag;
};

namespace {

alarm_setup *g_instance = nullptr;

using host_flag = clock_host::flag_id;
using host_window = clock_host::window_id;

const desktop_option pinned{clock_keys::ignore_win_key, host_flag::ignore_win_key};
const desktop_option fixed{clock_keys::fix_on_desktop, host_flag::fix_on_desktop};
const desktop_option click_through{clock_keys::fix_on_mouse, host_flag::fix_on_mouse};
const desktop_option on_top{clock_keys::top, host_flag::top};
const desktop_option calendar_on_top{clock_keys::top_cal, host_flag::top_cal};
const desktop_option windowed{clock_keys::no_trans, host_flag::no_trans};

// Shows a window again that a flag change hid.
void show_again(QWidget *w, bool was_visible)
{
    if (w && was_visible)
        w->show();
}

bool visible(QWidget *w)
{
    return w && w->isVisible();
}

} // namespace

alarm_setup::alarm_setup(QWidget *parent)
    : QDialog(parent), m_clock_ini(ini_format::open(data_folder::file("//clock.ini"))),
      m_alarm_ini(ini_format::open(data_folder::file("//alarm.ini"))), m_clock_settings(*m_clock_ini)
{
    setWindowTitle(QStringLiteral("Настройки программы"));
    g_instance = this;

    m_desktop = new desktop_controls(this);
    auto *l = new QVBoxLayout(this);
    l->addWidget(m_desktop);
    connect(m_desktop->pinned, &QCheckBox::stateChanged, this, &alarm_setup::ignore_win_key);
    connect(m_desktop->fixed, &QCheckBox::stateChanged, this, &alarm_setup::fix_on_desktop);
    connect(m_desktop->click_through, &QCheckBox::stateChanged, this, &alarm_setup::fix_on_mouse);
    connect(m_desktop->on_top, &QCheckBox::stateChanged, this, &alarm_setup::top_or_not_top);
    connect(m_desktop->windowed, &QCheckBox::stateChanged, this, &alarm_setup::no_trans);
    connect(m_desktop->calendar_on_top, &QCheckBox::stateChanged, this, &alarm_setup::top_or_not_top_cal);
    connect(m_desktop->opacity, &QDoubleSpinBox::valueChanged, this, &alarm_setup::set_opacity);
}

alarm_setup::~alarm_setup()
{
    m_clock_ini->sync();
    m_alarm_ini->sync();
    if (g_instance == this)
        g_instance = nullptr;
}

alarm_setup *alarm_setup::instance()
{
    return g_instance;
}

void alarm_setup::showEvent(QShowEvent *e)
{
    load_desktop_controls();
    QDialog::showEvent(e);
}

void alarm_setup::load_desktop_controls()
{
    loading_flag::scope loading;
    using namespace clock_keys;
    m_desktop->pinned->setChecked(m_clock_settings.get(clock_keys::ignore_win_key));
    m_desktop->fixed->setChecked(m_clock_settings.get(clock_keys::fix_on_desktop));
    m_desktop->click_through->setChecked(m_clock_settings.get(clock_keys::fix_on_mouse));
    m_desktop->on_top->setChecked(m_clock_settings.get(top));
    m_desktop->windowed->setChecked(m_clock_settings.get(clock_keys::no_trans));
    m_desktop->calendar_on_top->setChecked(m_clock_settings.get(top_cal));
    m_desktop->opacity->setValue(m_clock_settings.get(transp));
}

bool alarm_setup::option(const desktop_option &o) const
{
    return m_host ? m_host->desktop_flag(o.flag) : m_clock_settings.get(o.key);
}

void alarm_setup::set_option(const desktop_option &o, int state)
{
    const bool on = state != Qt::Unchecked;
    m_clock_settings.set(o.key, on);
    if (m_host)
        m_host->set_desktop_flag(o.flag, on);
}

// Unticks a box as the user would, so that its setter runs. The box may
// not have been loaded yet (the dialog never shown) while the option is on;
// then the setter runs directly.
void alarm_setup::untick(QCheckBox *box, const desktop_option &o, void (alarm_setup::*setter)(int))
{
    if (box->isChecked())
        box->setChecked(false);
    else if (option(o))
        (this->*setter)(Qt::Unchecked);
}

void alarm_setup::ignore_win_key(int state)
{
    if (loading_flag::raised())
        return;
    // Pinned under the icons and on top of everything exclude each other.
    if (state != Qt::Unchecked) {
        untick(m_desktop->on_top, on_top, &alarm_setup::top_or_not_top);
        untick(m_desktop->calendar_on_top, calendar_on_top, &alarm_setup::top_or_not_top_cal);
    }
    qCInfo(lc_settings) << "pinning changed: takes effect at the next start";
    QMessageBox::warning(this, QStringLiteral("Внимание!"),
                         QStringLiteral("Для изменения данной опции необходимо перезапустить программу!"));
    set_option(pinned, state);
    m_clock_ini->sync();
}

void alarm_setup::fix_on_desktop(int state)
{
    if (loading_flag::raised())
        return;
    set_option(fixed, state);
}

void alarm_setup::fix_on_mouse(int state)
{
    if (loading_flag::raised())
        return;
    set_option(click_through, state);
}

void alarm_setup::top_or_not_top(int state)
{
    if (loading_flag::raised())
        return;
    if (state != Qt::Unchecked)
        untick(m_desktop->pinned, pinned, &alarm_setup::ignore_win_key);
    QWidget *clock = m_host ? m_host->host_window(host_window::clock) : nullptr;
    QWidget *notebook = m_host ? m_host->host_window(host_window::notebook) : nullptr;
    const bool clock_shown = visible(clock), notebook_shown = visible(notebook);
    set_option(on_top, state);
    if (m_host) {
        m_host->reapply_window_flags(host_window::notebook);
        m_host->reapply_window_flags(host_window::clock);
    }
    show_again(clock, clock_shown);
    show_again(notebook, notebook_shown);
}

void alarm_setup::top_or_not_top_cal(int state)
{
    if (loading_flag::raised())
        return;
    if (state != Qt::Unchecked)
        untick(m_desktop->pinned, pinned, &alarm_setup::ignore_win_key);
    QWidget *calendar = m_host ? m_host->host_window(host_window::calendar) : nullptr;
    const bool calendar_shown = visible(calendar);
    set_option(calendar_on_top, state);
    if (m_host)
        m_host->reapply_window_flags(host_window::calendar);
    show_again(calendar, calendar_shown);
}

void alarm_setup::no_trans(int state)
{
    if (loading_flag::raised())
        return;
    QWidget *clock = m_host ? m_host->host_window(host_window::clock) : nullptr;
    QWidget *calendar = m_host ? m_host->host_window(host_window::calendar) : nullptr;
    const bool clock_shown = visible(clock), calendar_shown = visible(calendar);
    set_option(windowed, state);
    if (m_host) {
        m_host->reapply_window_flags(host_window::clock);
        m_host->reapply_window_flags(host_window::calendar);
    }
    // A clock the start mode keeps hidden stays hidden.
    const int mode = m_host ? m_host->start_mode() : 0;
    show_again(clock, clock_shown && (mode == 0 || mode == 1));
    show_again(calendar, calendar_shown);
    update();
}

void alarm_setup::set_opacity(double value)
{
    if (loading_flag::raised())
        return;
    m_clock_settings.set(clock_keys::transp, value);
    if (m_host)
        m_host->set_face_opacity(value);
}
