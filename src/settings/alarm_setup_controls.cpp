// alarm_setup: the setters of the clock's look and of the calendar, and the
// colour, font, format and file buttons.
#include "common/loading_flag.h"
#include "common/user_prompts.h"
#include "gradients/gradient_editor.h"
#include "scheduler/scheduler_page.h"
#include "settings/alarm_setup.h"
#include "settings/calendar_host.h"
#include "settings/clock_host.h"
#include "settings/gradient_writer.h"
#include "settings/skin_scale.h"
#include "storage/calendar_keys.h"
#include "storage/data_folder.h"
#include "ui_alarm_setup.h"

using face_flag = clock_face_host::face_flag;
using face_colour = clock_face_host::face_colour;
using face_font = clock_face_host::face_font;
using face_text = clock_face_host::face_text;

namespace {

bool on(int state)
{
    return state != Qt::Unchecked;
}

} // namespace

// ---- face type -------------------------------------------------------------

void alarm_setup::set_face_type(bool on, const QString &face, int page)
{
    // The button turned off by the one turned on writes nothing.
    if (loading_flag::raised() || !on)
        return;
    m_clock_settings.set(clock_keys::clock, face);
    if (m_face)
        m_face->set_face(face);
    m_ui->toolBox->setCurrentIndex(page);
}

void alarm_setup::set_analog_type(bool on)
{
    set_face_type(on, QStringLiteral("analog"), 1);
}

void alarm_setup::set_digital_type(bool on)
{
    set_face_type(on, QStringLiteral("digital"), 0);
}

void alarm_setup::set_flip_type(bool on)
{
    set_face_type(on, QStringLiteral("flip"), 2);
}

// ---- time offset, tray, start-up --------------------------------------------

void alarm_setup::set_hourOffset(int hours)
{
    if (loading_flag::raised())
        return;
    m_clock_settings.set(clock_keys::hourOffset, hours);
    if (m_face)
        m_face->set_time_offset(hours, m_ui->minsOffset->value());
}

void alarm_setup::set_minsOffset(int minutes)
{
    if (loading_flag::raised())
        return;
    m_clock_settings.set(clock_keys::minsOffset, minutes);
    if (m_face)
        m_face->set_time_offset(m_ui->hourOffset->value(), minutes);
}

void alarm_setup::set_autorun(int index)
{
    if (loading_flag::raised())
        return;
    m_clock_settings.set(clock_keys::autorun, index);
    m_clock_settings.sync();
    if (m_face)
        m_face->set_tray_action(index);
}

void alarm_setup::set_start(int index)
{
    if (loading_flag::raised())
        return;
    m_clock_settings.set(clock_keys::set_start, index);
}

// ---- analog face -------------------------------------------------------------

void alarm_setup::set_resize(int position)
{
    if (loading_flag::raised()) {
        // The stored text as written, not the number it reads as.
        m_ui->label_9->setText(skin_scale::loading_label(m_clock_ini->value(clock_keys::resize.path()).toString()));
        return;
    }
    const QString face = m_face ? m_face->face() : m_clock_settings.get(clock_keys::clock);
    const bool windowed =
        m_host ? m_host->desktop_flag(clock_host::flag_id::no_trans) : m_clock_settings.get(clock_keys::no_trans);
    const bool windowed_digital = windowed && face == QLatin1String("digital");
    if (windowed_digital)
        return;
    m_scale = skin_scale::factor(position);
    if (m_face)
        m_face->set_skin_pictures(skin_scale::scaled(m_pristine, m_scale));
    m_clock_settings.set(clock_keys::resize, m_scale);
    m_ui->label_9->setText(skin_scale::label(m_scale));
}

void alarm_setup::set_sec_speed(double seconds)
{
    if (loading_flag::raised())
        return;
    // During the clock's fade-in the clock keeps the new pace and takes it
    // up when the fade-in ends, so the change is not lost.
    m_clock_settings.set(clock_keys::sec_speed, seconds);
    if (m_face)
        m_face->set_repaint_interval(seconds * 1000.0);
}

void alarm_setup::set_clock_flag(const ini_key<bool> &key, face_flag f, int state)
{
    if (loading_flag::raised())
        return;
    m_clock_settings.set(key, on(state));
    if (m_face)
        m_face->set_flag(f, on(state));
}

void alarm_setup::set_clock_state(const ini_key<check_state> &key, face_flag f, int state)
{
    if (loading_flag::raised())
        return;
    m_clock_settings.set(key, check_state{on(state)});
    if (m_face)
        m_face->set_flag(f, on(state));
}

void alarm_setup::paint_sec(int state)
{
    set_clock_flag(clock_keys::not_paint_sec, face_flag::not_paint_sec, state);
}

void alarm_setup::do_view_sec(int state)
{
    set_clock_state(clock_keys::do_draw_sec, face_flag::do_draw_sec, state);
}

void alarm_setup::set_top_sec(int state)
{
    set_clock_state(clock_keys::set_top_sec, face_flag::set_top_sec, state);
}

// ---- flip face ---------------------------------------------------------------

void alarm_setup::set_resize_flip_clock(int size)
{
    if (loading_flag::raised())
        return;
    m_clock_settings.set(clock_keys::settransform, size);
    if (m_face)
        m_face->set_flip_size(size);
}

void alarm_setup::do_am_pm(int state)
{
    set_clock_flag(clock_keys::ampm, face_flag::ampm, state);
}

void alarm_setup::paint_flip_sec(int state)
{
    set_clock_flag(clock_keys::paint_flip_sec, face_flag::paint_flip_sec, state);
}

void alarm_setup::do_anim(int state)
{
    set_clock_flag(clock_keys::do_anim, face_flag::do_anim, state);
}

void alarm_setup::textChanged(const QString &text)
{
    if (loading_flag::raised())
        return;
    m_clock_settings.set(clock_keys::text_flip_clock, text);
    m_clock_settings.sync();
    if (m_face)
        m_face->set_text(face_text::flip_caption, text);
}

void alarm_setup::load_gradient(const char *group)
{
    const bool background = group == clock_keys::gradient_bk;
    QGradientStops stops;
    if (m_face)
        stops = m_face->gradient_of(background ? clock_face_host::face_gradient::background
                                               : clock_face_host::face_gradient::digits);
    else
        stops = m_clock_settings.gradient(group);
    m_ui->gradientEditor->setGradientStops(stops);
}

void alarm_setup::set_GradientStop_BK(bool on)
{
    if (on)
        load_gradient(clock_keys::gradient_bk);
}

void alarm_setup::set_GradientStop_Font(bool on)
{
    if (on)
        load_gradient(clock_keys::gradient_font);
}

void alarm_setup::setGradientStops(const QGradientStops &stops)
{
    // Laying out the opening dialog resizes the editor, which moves its
    // points; that is no edit.
    if (loading_flag::raised())
        return;
    const bool background = m_ui->radioButton_4->isChecked();
    if (!background && !m_ui->radioButton_5->isChecked())
        return;
    // The clock follows the pointer; the file follows at most every 100 ms.
    if (m_face)
        m_face->set_gradient(
            background ? clock_face_host::face_gradient::background : clock_face_host::face_gradient::digits, stops);
    m_gradient_writer->write(background ? clock_keys::gradient_bk : clock_keys::gradient_font, stops);
}

void alarm_setup::on_pushButton_31_clicked()
{
    const QGradientStops bk = clock_settings::default_gradient(clock_keys::gradient_bk);
    const QGradientStops digits = clock_settings::default_gradient(clock_keys::gradient_font);
    if (m_face) {
        m_face->set_gradient(clock_face_host::face_gradient::background, bk);
        m_face->set_gradient(clock_face_host::face_gradient::digits, digits);
    }
    m_gradient_writer->flush();
    m_clock_settings.set_gradient(clock_keys::gradient_bk, bk);
    m_clock_settings.set_gradient(clock_keys::gradient_font, digits);
    // The editor shows the gradient it edits.
    if (m_ui->radioButton_4->isChecked())
        m_ui->gradientEditor->setGradientStops(bk);
    else if (m_ui->radioButton_5->isChecked())
        m_ui->gradientEditor->setGradientStops(digits);
}

// ---- colour, font and format buttons of the clock ----------------------------------

void alarm_setup::choose_clock_colour(const ini_key<QColor> &key, face_colour c)
{
    const QColor initial = m_face ? m_face->colour_of(c) : m_clock_settings.get(key);
    const QColor chosen = prompts().color(initial, this);
    if (!chosen.isValid())
        return;
    m_clock_settings.set(key, chosen);
    if (m_face)
        m_face->set_colour(c, chosen);
}

void alarm_setup::choose_clock_font(const ini_key<QFont> &key, face_font f)
{
    const QFont initial = m_face ? m_face->font_of(f) : m_clock_settings.get(key);
    const std::optional<QFont> chosen = prompts().font(initial, this);
    if (!chosen)
        return;
    m_clock_settings.set(key, *chosen);
    if (m_face)
        m_face->set_font(f, m_clock_settings.get(key));
}

void alarm_setup::choose_format(const ini_key<QString> &key, face_text t, const QString &preset, bool allow_empty)
{
    const std::optional<QString> format =
        prompts().text(this, QStringLiteral("Отображение данных"), QStringLiteral("Формат вывода времени:"), preset);
    if (!format || (format->isEmpty() && !allow_empty))
        return;
    m_clock_settings.set(key, *format);
    if (m_face)
        m_face->set_text(t, *format);
}

void alarm_setup::on_pushButton_6_clicked()
{
    choose_clock_font(clock_keys::font, face_font::digital);
}

void alarm_setup::on_pushButton_5_clicked()
{
    choose_clock_colour(clock_keys::color, face_colour::digital);
}

void alarm_setup::on_pushButton_7_clicked()
{
    choose_format(clock_keys::format_1, face_text::format_1, QStringLiteral("dddd,hh:mm:ss"), false);
}

void alarm_setup::on_pushButton_8_clicked()
{
    choose_format(clock_keys::format_2, face_text::format_2, QStringLiteral("ddd,dd"), true);
}

void alarm_setup::on_pushButton_9_clicked()
{
    choose_clock_colour(clock_keys::color_sec, face_colour::second_marks);
}

void alarm_setup::on_pushButton_32_clicked()
{
    choose_clock_font(clock_keys::font_flip_clock, face_font::flip_caption);
}

void alarm_setup::on_pushButton_30_clicked()
{
    choose_clock_colour(clock_keys::color_flip_clock, face_colour::flip_caption);
}

void alarm_setup::on_pushButton_33_clicked()
{
    choose_clock_colour(clock_keys::shade_flip_clock, face_colour::flip_shadow);
}

// ---- calendar --------------------------------------------------------------------

void alarm_setup::refresh_calendar()
{
    if (m_calendar)
        m_calendar->refresh_calendar();
}

void alarm_setup::show_calendar(int state)
{
    set_clock_flag(clock_keys::show_calendar, face_flag::show_calendar, state);
}

void alarm_setup::view_resize(int state)
{
    if (loading_flag::raised())
        return;
    m_clock_settings.set(clock_keys::view_resize_control, on(state));
    if (m_calendar)
        m_calendar->set_resize_control(on(state));
}

void alarm_setup::fix_cal_on_mouse(int state)
{
    if (loading_flag::raised())
        return;
    m_clock_settings.set(clock_keys::fix_cal_on_mouse, on(state));
    if (m_calendar)
        m_calendar->set_fixed_position(on(state));
}

void alarm_setup::set_today_date(int state)
{
    if (loading_flag::raised())
        return;
    m_clock_settings.set(clock_keys::set_today, on(state) ? 2 : 0);
    if (m_calendar)
        m_calendar->set_overview_from_today(on(state));
}

void alarm_setup::do_today_notes(int state)
{
    set_clock_state(clock_keys::do_today, face_flag::do_today, state);
}

void alarm_setup::set_calendar_state(const ini_key<check_state> &key, int state, bool refresh)
{
    if (loading_flag::raised())
        return;
    m_calendar_settings.set(key, check_state{on(state)});
    m_calendar_settings.sync();
    if (refresh)
        refresh_calendar();
}

void alarm_setup::do_transp_calendar(int state)
{
    set_calendar_state(calendar_keys::do_transp_calendar, state, true);
    if (!loading_flag::raised() && m_calendar)
        m_calendar->repaint_overview();
}

void alarm_setup::show_monitor_notes(int state)
{
    set_calendar_state(calendar_keys::show_monitor_notes, state, false);
    if (!loading_flag::raised() && m_calendar)
        m_calendar->set_show_overview(on(state));
}

void alarm_setup::inst_font_from_calendar(int state)
{
    set_calendar_state(calendar_keys::set_font_from_calendar, state, true);
}

void alarm_setup::inst_color_from_calendar(int state)
{
    set_calendar_state(calendar_keys::set_color_from_calendar, state, true);
}

void alarm_setup::do_shadow_calendar(int state)
{
    set_calendar_state(calendar_keys::do_shadow, state, true);
}

void alarm_setup::choose_calendar_colour(const ini_key<QColor> &key)
{
    const QColor chosen = prompts().color(m_calendar_settings.get(key), this);
    if (chosen.isValid()) {
        m_calendar_settings.set(key, chosen);
        m_calendar_settings.sync();
    }
    refresh_calendar();
}

void alarm_setup::on_pushButton_27_clicked()
{
    choose_calendar_colour(calendar_keys::today_color);
}

void alarm_setup::on_pushButton_26_clicked()
{
    choose_calendar_colour(calendar_keys::month_color);
}

void alarm_setup::on_pushButton_25_clicked()
{
    choose_calendar_colour(calendar_keys::border);
}

void alarm_setup::on_pushButton_23_clicked()
{
    choose_calendar_colour(calendar_keys::day_not_this_months);
}

void alarm_setup::on_pushButton_13_clicked()
{
    choose_calendar_colour(calendar_keys::weekend);
}

void alarm_setup::on_pushButton_12_clicked()
{
    choose_calendar_colour(calendar_keys::weekday);
}

void alarm_setup::on_pushButton_34_clicked()
{
    choose_calendar_colour(calendar_keys::shadow);
}

void alarm_setup::on_pushButton_22_clicked()
{
    const std::optional<QFont> chosen = prompts().font(m_calendar_settings.get(calendar_keys::font), this);
    if (!chosen)
        return;
    m_calendar_settings.set(calendar_keys::font, *chosen);
    m_calendar_settings.sync();
    refresh_calendar();
}

void alarm_setup::on_pushButton_28_clicked()
{
    const QString file =
        prompts().open_file(this, QStringLiteral("Выберите скин стикера"), data_folder::file(QStringLiteral("//Skins")),
                            QStringLiteral("Images (*.png *.gif)"));
    if (file.isEmpty())
        return;
    m_clock_settings.set(clock_keys::stiker_skin, file);
    m_clock_settings.sync();
}

void alarm_setup::on_pushButton_29_clicked()
{
    const QString file = prompts().open_file(this, sound_prompt::title(), data_folder::file(QStringLiteral("//Sound")),
                                             sound_prompt::filter());
    if (file.isEmpty())
        return;
    m_calendar_settings.set(calendar_keys::sound, file);
    m_calendar_settings.sync();
}
