#pragma once
// What the settings dialog's look controls change on the running clock: the
// face, its pictures, colours, fonts, formats, gradients and flags. The
// clock window implements it; settings/ never sees clock/ headers.

#include <QColor>
#include <QFont>
#include <QGradientStops>
#include <QPixmap>
#include <QString>

#include <array>

// The five skin pictures: face, hour, minute and second hand, cap.
using skin_picture_set = std::array<QPixmap, 5>;

class clock_face_host
{
public:
    enum class face_flag
    {
        not_paint_sec,
        do_draw_sec,
        set_top_sec,
        ampm,
        paint_flip_sec,
        do_anim,
        show_calendar,
        do_today,
    };
    enum class face_colour
    {
        digital,
        second_marks,
        flip_caption,
        flip_shadow,
    };
    enum class face_font
    {
        digital,
        flip_caption,
    };
    enum class face_text
    {
        format_1,
        format_2,
        flip_caption,
    };
    enum class face_gradient
    {
        background,
        digits,
    };

    // "analog", "digital" or "flip"; an analog clock fits its window to the face.
    virtual QString face() const = 0;
    virtual void set_face(const QString &face) = 0;

    virtual void set_flag(face_flag f, bool on) = 0;
    virtual QColor colour_of(face_colour c) const = 0;
    virtual void set_colour(face_colour c, const QColor &value) = 0;
    virtual QFont font_of(face_font f) const = 0;
    // Takes the font as stored, so the clock draws what the file will give
    // at the next start.
    virtual void set_font(face_font f, const QFont &value) = 0;
    virtual void set_text(face_text t, const QString &value) = 0;
    virtual QGradientStops gradient_of(face_gradient g) const = 0;
    virtual void set_gradient(face_gradient g, const QGradientStops &stops) = 0;

    virtual void set_time_offset(int hours, int minutes) = 0;
    virtual void set_tray_action(int index) = 0;
    virtual void set_flip_size(int size) = 0;
    // Milliseconds between repaints once the fade-in has ended; during the
    // fade-in it is kept and takes over when the fade-in ends.
    virtual void set_repaint_interval(double ms) = 0;
    virtual bool fading_in() const = 0;

    // Shows scaled skin pictures; an analog clock fits its window to them.
    // Updates are suspended while the pictures change.
    virtual void set_skin_pictures(const skin_picture_set &pictures) = 0;

    // A skin folder chosen or made in the settings dialog: loads its pictures
    // and offsets, scales them by the stored "resize" factor and fits the
    // window to the dial. When a picture named in settings.ini is missing
    // the clock warns, keeps the skin it shows and returns false.
    virtual bool apply_skin_folder(const QString &folder) = 0;

protected:
    ~clock_face_host() = default;
};
