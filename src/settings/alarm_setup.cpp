// alarm_setup: construction, loading the controls, the desktop setters.
// The look and calendar setters are in alarm_setup_controls.cpp.
#include "settings/alarm_setup.h"

#include "common/loading_flag.h"
#include "common/log.h"
#include "common/user_prompts.h"
#include "platform/audio_player.h"
#include "scheduler/scheduler_page.h"
#include "settings/autostart_control.h"
#include "settings/calendar_host.h"
#include "settings/clock_host.h"
#include "settings/gradient_writer.h"
#include "settings/skin_scale.h"
#include "storage/calendar_keys.h"
#include "storage/data_folder.h"
#include "storage/ini_format.h"
#include "ui_alarm_setup.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>

#include <QAbstractButton>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QToolBox>

// Each desktop option: its key in clock.ini and its flag on the clock.
struct desktop_option
{
    const ini_key<bool> &key;
    clock_host::flag_id flag;
};

namespace {

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
    : QDialog(parent), m_ui(std::make_unique<Ui::Dialog>()),
      m_clock_ini(ini_format::open(data_folder::file("//clock.ini"))),
      m_alarm_ini(ini_format::open(data_folder::file("//alarm.ini"))),
      m_calendar_ini(ini_format::open(data_folder::file("//calendar.ini"))), m_clock_settings(*m_clock_ini),
      m_calendar_settings(*m_calendar_ini)
{
    m_ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);

    m_desktop.pinned = m_ui->checkBox_21;
    m_desktop.fixed = m_ui->checkBox_3;
    m_desktop.click_through = m_ui->checkBox_4;
    m_desktop.on_top = m_ui->checkBox;
    m_desktop.windowed = m_ui->checkBox_7;
    m_desktop.calendar_on_top = m_ui->checkBox_23;
    m_desktop.opacity = m_ui->doubleSpinBox;

    m_gradient_writer = new gradient_writer(m_clock_settings, this);
    new autostart_control(m_ui->checkBox_autostart, this);
    connect_controls();
    add_skin_choosers();
    set_tab_order();
}

alarm_setup::~alarm_setup()
{
    // The page's preview player goes before the player it uses.
    m_page.reset();
    if (m_preview)
        m_preview->release();
    delete m_gradient_writer;
    m_gradient_writer = nullptr;
    m_clock_ini->sync();
    m_alarm_ini->sync();
    m_calendar_ini->sync();
}

user_prompts &alarm_setup::prompts() const
{
    return m_prompts ? *m_prompts : user_prompts::standard();
}

void alarm_setup::add_page(QWidget *page, const QString &title, const QList<QWidget *> &order)
{
    m_ui->tabWidget->insertTab(qMax(0, m_ui->tabWidget->count() - 1), page, title);
    m_added_pages_order << order;
    set_tab_order();
}

QWidget *alarm_setup::scheduler_row()
{
    if (m_scheduler_row)
        return m_scheduler_row;
    auto *grid = qobject_cast<QGridLayout *>(m_ui->pushButton->parentWidget()->layout());
    // One row across the whole page, so the form's columns keep their widths.
    m_scheduler_row = new QWidget;
    auto *line = new QHBoxLayout(m_scheduler_row);
    line->setContentsMargins(0, 0, 0, 0);
    line->addStretch();
    m_run_everywhere = new QCheckBox(QStringLiteral("Запускать программу на всех компьютерах"));
    m_run_everywhere->setObjectName(QStringLiteral("run_everywhere"));
    m_run_everywhere->setToolTip(QStringLiteral(
        "Событие, пришедшее с другого компьютера, запускает свою программу только там, где его создали."));
    m_run_everywhere->setVisible(false);
    line->addWidget(m_run_everywhere);
    if (grid)
        grid->addWidget(m_scheduler_row, grid->rowCount(), 0, 1, grid->columnCount());
    return m_scheduler_row;
}

void alarm_setup::add_scheduler_buttons(const QList<QWidget *> &buttons)
{
    auto *line = static_cast<QHBoxLayout *>(scheduler_row()->layout());
    int at = 0;
    for (QWidget *b : buttons)
        line->insertWidget(at++, b);
    m_added_buttons << buttons;
    set_tab_order();
}

void alarm_setup::set_shared_events(bool shared)
{
    scheduler_row();
    m_run_everywhere->setVisible(shared);
}

void alarm_setup::attach_event_store(event_store &store, const time_source &clock)
{
    if (!m_preview)
        m_preview = audio_player::create();
    scheduler_page_form f;
    Ui::Dialog &u = *m_ui;
    f.table = u.tableWidget;
    f.name = u.lineEdit;
    f.time = u.timeEdit;
    f.date = u.dateEdit;
    f.message = u.textEdit;
    f.sound = u.lineEdit_2;
    f.program = u.lineEdit_3;
    f.arguments = u.lineEdit_4;
    f.folder = u.lineEdit_5;
    f.repeat = u.comboBox;
    f.pages = u.stackedWidget;
    f.repeat_min = u.repeat_min;
    f.beep = u.checkBox_10;
    f.disable = u.checkBox_24;
    f.single_instance = u.checkBox_25;
    scheduler_row();
    f.run_everywhere = m_run_everywhere;
    f.days = {u.ponedelnik, u.vtornik, u.sreda, u.chetverg, u.patnicha, u.subbota, u.voskresenie};
    f.months = {u.month_1, u.month_2, u.month_3, u.month_4,  u.month_5,  u.month_6,
                u.month_7, u.month_8, u.month_9, u.month_10, u.month_11, u.month_12};
    f.add = u.pushButton;
    f.save = u.pushButton_3;
    f.remove = u.pushButton_2;
    f.choose_sound = u.pushButton_10;
    f.choose_program = u.pushButton_24;
    f.play = u.pushButton_14;
    f.pause = u.pushButton_15;
    m_page = std::make_unique<scheduler_page>(f, store, clock, m_preview.get(), prompts(), this);
}

// One size for every page of the tool box and every tab, so the dialog
// neither jumps nor grows off the screen when the face type changes.
void alarm_setup::fix_size()
{
    // Sizes are only right once the style and fonts have been applied.
    ensurePolished();
    // The tool box shows its current page in a scroll area whose size hint
    // is capped; give it room for the largest page and its headers.
    QToolBox *box = m_ui->toolBox;
    QSize page;
    for (int i = 0; i < box->count(); ++i)
        page = page.expandedTo(box->widget(i)->sizeHint());
    int headers = 0;
    for (const QAbstractButton *b : box->findChildren<QAbstractButton *>(QStringLiteral("qt_toolbox_toolboxbutton")))
        headers += b->sizeHint().height();
    box->setMinimumSize(page.width() + 2 * box->frameWidth() + 4, page.height() + headers + 8);
    // Not adjustSize(): it caps a window at two thirds of the screen.
    layout()->activate();
    setFixedSize(sizeHint().expandedTo(minimumSizeHint()));
    if (const QScreen *s = QGuiApplication::primaryScreen()) {
        const QRect a = s->availableGeometry();
        move(a.width() / 2 - width() / 2, a.height() / 2 - height() / 2);
    }
}

void alarm_setup::connect_controls()
{
    Ui::Dialog &u = *m_ui;
    connect(u.checkBox_21, &QCheckBox::stateChanged, this, &alarm_setup::ignore_win_key);
    connect(u.checkBox_3, &QCheckBox::stateChanged, this, &alarm_setup::fix_on_desktop);
    connect(u.checkBox_4, &QCheckBox::stateChanged, this, &alarm_setup::fix_on_mouse);
    connect(u.checkBox, &QCheckBox::stateChanged, this, &alarm_setup::top_or_not_top);
    connect(u.checkBox_7, &QCheckBox::stateChanged, this, &alarm_setup::no_trans);
    connect(u.checkBox_23, &QCheckBox::stateChanged, this, &alarm_setup::top_or_not_top_cal);
    connect(u.doubleSpinBox, &QDoubleSpinBox::valueChanged, this, &alarm_setup::set_opacity);

    connect(u.radioButton, &QRadioButton::toggled, this, &alarm_setup::set_analog_type);
    connect(u.radioButton_2, &QRadioButton::toggled, this, &alarm_setup::set_digital_type);
    connect(u.radioButton_3, &QRadioButton::toggled, this, &alarm_setup::set_flip_type);
    connect(u.hourOffset, &QSpinBox::valueChanged, this, &alarm_setup::set_hourOffset);
    connect(u.minsOffset, &QSpinBox::valueChanged, this, &alarm_setup::set_minsOffset);
    connect(u.comboBox_3, &QComboBox::activated, this, &alarm_setup::set_autorun);
    connect(u.comboBox_2, &QComboBox::activated, this, &alarm_setup::set_start);
    connect(u.horizontalSlider, &QSlider::valueChanged, this, &alarm_setup::set_resize);
    connect(u.doubleSpinBox_2, &QDoubleSpinBox::valueChanged, this, &alarm_setup::set_sec_speed);
    connect(u.checkBox_2, &QCheckBox::stateChanged, this, &alarm_setup::paint_sec);
    connect(u.checkBox_17, &QCheckBox::stateChanged, this, &alarm_setup::do_view_sec);
    connect(u.checkBox_16, &QCheckBox::stateChanged, this, &alarm_setup::set_top_sec);
    connect(u.horizontalSlider_2, &QSlider::valueChanged, this, &alarm_setup::set_resize_flip_clock);
    connect(u.checkBox_20, &QCheckBox::stateChanged, this, &alarm_setup::do_am_pm);
    connect(u.checkBox_18, &QCheckBox::stateChanged, this, &alarm_setup::paint_flip_sec);
    connect(u.checkBox_19, &QCheckBox::stateChanged, this, &alarm_setup::do_anim);
    connect(u.lineEdit_6, &QLineEdit::textChanged, this, &alarm_setup::textChanged);
    connect(u.radioButton_4, &QRadioButton::toggled, this, &alarm_setup::set_GradientStop_BK);
    connect(u.radioButton_5, &QRadioButton::toggled, this, &alarm_setup::set_GradientStop_Font);
    connect(u.gradientEditor, &GradientEditor::gradientStopsChanged, this, &alarm_setup::setGradientStops);

    connect(u.checkBox_5, &QCheckBox::stateChanged, this, &alarm_setup::show_calendar);
    connect(u.checkBox_8, &QCheckBox::stateChanged, this, &alarm_setup::view_resize);
    connect(u.checkBox_9, &QCheckBox::stateChanged, this, &alarm_setup::fix_cal_on_mouse);
    connect(u.checkBox_6, &QCheckBox::stateChanged, this, &alarm_setup::set_today_date);
    connect(u.checkBox_11, &QCheckBox::stateChanged, this, &alarm_setup::do_today_notes);
    connect(u.checkBox_12, &QCheckBox::stateChanged, this, &alarm_setup::do_transp_calendar);
    connect(u.checkBox_13, &QCheckBox::stateChanged, this, &alarm_setup::show_monitor_notes);
    connect(u.checkBox_14, &QCheckBox::stateChanged, this, &alarm_setup::inst_font_from_calendar);
    connect(u.checkBox_15, &QCheckBox::stateChanged, this, &alarm_setup::inst_color_from_calendar);
    connect(u.checkBox_22, &QCheckBox::stateChanged, this, &alarm_setup::do_shadow_calendar);
    connect(u.checkBox_notify, &QCheckBox::toggled, this, [this](bool on) {
        if (!loading_flag::raised())
            m_clock_settings.set(clock_keys::desktop_notify, on);
    });
}

void alarm_setup::showEvent(QShowEvent *e)
{
    if (!m_sized) {
        m_sized = true;
        fix_size();
    }
    load_controls();
    QDialog::showEvent(e);
}

void alarm_setup::reject()
{
    if (m_page && !m_page->settle_unsaved())
        return;
    QDialog::reject();
}

void alarm_setup::hideEvent(QHideEvent *e)
{
    m_gradient_writer->flush();
    QDialog::hideEvent(e);
}

void alarm_setup::check_face(const QString &face)
{
    Ui::Dialog &u = *m_ui;
    QRadioButton *buttons[] = {u.radioButton_2, u.radioButton, u.radioButton_3};
    const QString names[] = {QStringLiteral("digital"), QStringLiteral("analog"), QStringLiteral("flip")};
    // An unknown face checks none, which exclusive buttons would not allow.
    for (QRadioButton *b : buttons)
        b->setAutoExclusive(false);
    for (int i = 0; i < 3; ++i) {
        buttons[i]->setChecked(face == names[i]);
        if (face == names[i])
            u.toolBox->setCurrentIndex(i);
    }
    for (QRadioButton *b : buttons)
        b->setAutoExclusive(true);
}

void alarm_setup::load_controls()
{
    loading_flag::scope loading;
    using namespace clock_keys;
    const clock_settings &s = m_clock_settings;
    Ui::Dialog &u = *m_ui;

    check_face(s.get(clock_keys::clock));
    load_desktop_controls();
    u.doubleSpinBox_2->setValue(s.get(sec_speed));
    u.hourOffset->setValue(s.get(hourOffset));
    u.minsOffset->setValue(s.get(minsOffset));
    u.checkBox_2->setChecked(s.get(not_paint_sec));
    u.checkBox_5->setChecked(s.get(clock_keys::show_calendar));
    u.checkBox_8->setChecked(s.get(view_resize_control));
    u.checkBox_9->setChecked(s.get(clock_keys::fix_cal_on_mouse));
    u.checkBox_6->setChecked(s.get(set_today) != 0);
    u.checkBox_11->setChecked(s.get(do_today).on);
    u.checkBox_16->setChecked(s.get(clock_keys::set_top_sec).on);
    u.checkBox_17->setChecked(s.get(do_draw_sec).on);
    u.checkBox_18->setChecked(s.get(clock_keys::paint_flip_sec));
    u.checkBox_19->setChecked(s.get(clock_keys::do_anim));
    u.checkBox_20->setChecked(s.get(ampm));
    u.comboBox_2->setCurrentIndex(qBound(-1, s.get(clock_keys::set_start), u.comboBox_2->count() - 1));
    u.comboBox_3->setCurrentIndex(qBound(-1, s.get(clock_keys::autorun), u.comboBox_3->count() - 1));
    u.lineEdit_6->setText(s.get(text_flip_clock));
    u.checkBox_notify->setChecked(s.get(desktop_notify));

    const typed_settings &c = m_calendar_settings;
    u.checkBox_12->setChecked(c.get(calendar_keys::do_transp_calendar).on);
    u.checkBox_13->setChecked(c.get(calendar_keys::show_monitor_notes).on);
    u.checkBox_14->setChecked(c.get(calendar_keys::set_font_from_calendar).on);
    u.checkBox_15->setChecked(c.get(calendar_keys::set_color_from_calendar).on);
    u.checkBox_22->setChecked(c.get(calendar_keys::do_shadow).on);

    const double r = s.get(clock_keys::resize);
    u.horizontalSlider->setValue(skin_scale::position(r));
    u.label_9->setText(r == 1.0 ? skin_scale::label(r) : skin_scale::loading_label(QString::number(r, 'g', 6)));
    u.horizontalSlider_2->setValue(s.get(settransform));
    // The gradient editor always edits one of the two gradients, the card
    // background unless the user took the digits, and shows it as it is now.
    if (u.radioButton_5->isChecked())
        load_gradient(clock_keys::gradient_font);
    else if (u.radioButton_4->isChecked())
        load_gradient(clock_keys::gradient_bk);
    else
        u.radioButton_4->setChecked(true);
    if (m_page)
        m_page->prepare();
}

void alarm_setup::load_desktop_controls()
{
    m_desktop.pinned->setChecked(m_clock_settings.get(clock_keys::ignore_win_key));
    m_desktop.fixed->setChecked(m_clock_settings.get(clock_keys::fix_on_desktop));
    m_desktop.click_through->setChecked(m_clock_settings.get(clock_keys::fix_on_mouse));
    m_desktop.on_top->setChecked(m_clock_settings.get(clock_keys::top));
    m_desktop.windowed->setChecked(m_clock_settings.get(clock_keys::no_trans));
    m_desktop.calendar_on_top->setChecked(m_clock_settings.get(clock_keys::top_cal));
    m_desktop.opacity->setValue(m_clock_settings.get(clock_keys::transp));
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
        untick(m_desktop.on_top, on_top, &alarm_setup::top_or_not_top);
        untick(m_desktop.calendar_on_top, calendar_on_top, &alarm_setup::top_or_not_top_cal);
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
        untick(m_desktop.pinned, pinned, &alarm_setup::ignore_win_key);
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
        untick(m_desktop.pinned, pinned, &alarm_setup::ignore_win_key);
    QWidget *calendar = m_host ? m_host->host_window(host_window::calendar) : nullptr;
    const bool calendar_shown = visible(calendar);
    set_option(calendar_on_top, state);
    if (m_host)
        m_host->reapply_window_flags(host_window::calendar);
    show_again(calendar, calendar_shown);
    if (m_calendar)
        m_calendar->set_overview_on_top(state != Qt::Unchecked);
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
