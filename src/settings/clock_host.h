#pragma once
// What the settings dialog's setters need of the clock window. The clock
// window implements it; settings/ never sees clock/ headers.

class QWidget;

class clock_host
{
public:
    enum class flag_id
    {
        ignore_win_key,
        fix_on_desktop,
        fix_on_mouse,
        top,
        top_cal,
        no_trans
    };
    enum class window_id
    {
        clock,
        calendar,
        notebook
    };

    virtual bool desktop_flag(flag_id f) const = 0;
    virtual void set_desktop_flag(flag_id f, bool on) = 0;

    // nullptr while that window does not exist.
    virtual QWidget *host_window(window_id w) = 0;
    // Sets the window's flags from the current on-top and windowed flags.
    // A flag change hides a visible window; the caller shows it again.
    virtual void reapply_window_flags(window_id w) = 0;

    // 0 or 1 while the clock is meant to be seen, 2 or 3 while it is not.
    virtual int start_mode() const = 0;

    // The faces' painting opacity, 0 to 1; repaints the clock.
    virtual void set_face_opacity(double opacity) = 0;

protected:
    ~clock_host() = default;
};
