#pragma once
// The settings dialog's clock controls acting on the running program: the
// clock window's flags and look, and the window flags of the calendar and
// the notebook, which follow the clock's on-top and windowed options.

#include "settings/clock_face_host.h"
#include "settings/clock_host.h"

class QWidget;
class alarm_setup;
class orvella;
struct window_state;

class clock_link final : public clock_host, public clock_face_host
{
public:
    clock_link(orvella &clock, window_state &state, alarm_setup &setup);

    void set_calendar(QWidget *w) { m_calendar = w; }
    void set_notebook(QWidget *w) { m_notebook = w; }

    // clock_host
    bool desktop_flag(flag_id f) const override;
    void set_desktop_flag(flag_id f, bool on) override;
    QWidget *host_window(window_id w) override;
    void reapply_window_flags(window_id w) override;
    int start_mode() const override;
    void set_face_opacity(double opacity) override;

    // clock_face_host
    QString face() const override;
    void set_face(const QString &face) override;
    void set_flag(face_flag f, bool on) override;
    QColor colour_of(face_colour c) const override;
    void set_colour(face_colour c, const QColor &value) override;
    QFont font_of(face_font f) const override;
    void set_font(face_font f, const QFont &value) override;
    void set_text(face_text t, const QString &value) override;
    QGradientStops gradient_of(face_gradient g) const override;
    void set_gradient(face_gradient g, const QGradientStops &stops) override;
    void set_time_offset(int hours, int minutes) override;
    void set_tray_action(int index) override;
    void set_flip_size(int size) override;
    void set_repaint_interval(double ms) override;
    bool fading_in() const override;
    void set_skin_pictures(const skin_picture_set &pictures) override;
    bool apply_skin_folder(const QString &folder) override;

private:
    orvella &m_clock;
    window_state &m_state;
    alarm_setup &m_setup;
    QWidget *m_calendar = nullptr;
    QWidget *m_notebook = nullptr;
};
