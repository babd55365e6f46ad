#pragma once
// Test doubles for the settings dialog: a clock that records what the look
// controls hand it, and prompts that answer from a script and record what
// they were asked.

#include "common/user_prompts.h"
#include "settings/clock_face_host.h"

#include <QList>
#include <QMap>
#include <QStringList>

class recording_face : public clock_face_host
{
public:
    QString face() const override { return m_face; }
    void set_face(const QString &f) override
    {
        m_face = f;
        faces << f;
    }
    void set_flag(face_flag f, bool on) override { flags[int(f)] = on; }
    QColor colour_of(face_colour c) const override { return colours.value(int(c)); }
    void set_colour(face_colour c, const QColor &v) override { colours[int(c)] = v; }
    QFont font_of(face_font f) const override { return fonts.value(int(f)); }
    void set_font(face_font f, const QFont &v) override { fonts[int(f)] = v; }
    void set_text(face_text t, const QString &v) override { texts[int(t)] = v; }
    QGradientStops gradient_of(face_gradient g) const override { return gradients.value(int(g)); }
    void set_gradient(face_gradient g, const QGradientStops &s) override
    {
        gradients[int(g)] = s;
        ++gradient_changes;
    }
    void set_time_offset(int h, int m) override
    {
        hours = h;
        minutes = m;
    }
    void set_tray_action(int i) override { tray_action = i; }
    void set_flip_size(int s) override { flip_size = s; }
    void set_repaint_interval(double ms) override { interval = ms; }
    bool fading_in() const override { return fading; }
    // Takes a skin when all its pictures exist, as the clock does.
    bool apply_skin_folder(const QString &folder) override;
    QStringList applied;
    void set_skin_pictures(const skin_picture_set &p) override
    {
        pictures = p;
        ++picture_changes;
    }

    QString m_face = QStringLiteral("analog");
    QStringList faces;
    QMap<int, bool> flags;
    QMap<int, QColor> colours;
    QMap<int, QFont> fonts;
    QMap<int, QString> texts;
    QMap<int, QGradientStops> gradients;
    int gradient_changes = 0;
    int hours = 0, minutes = 0, tray_action = -1, flip_size = -1;
    double interval = -1;
    bool fading = false;
    skin_picture_set pictures;
    int picture_changes = 0;
};

class scripted_prompts : public user_prompts
{
public:
    struct asked
    {
        QString kind, title, label_or_folder, filter_or_initial;
    };

    QColor color(const QColor &initial, QWidget *) override
    {
        questions << asked{"color", {}, {}, initial.name()};
        return next_color;
    }
    std::optional<QFont> font(const QFont &initial, QWidget *) override
    {
        questions << asked{"font", {}, {}, initial.toString()};
        return next_font;
    }
    std::optional<QString> text(QWidget *, const QString &title, const QString &label, const QString &initial) override
    {
        questions << asked{"text", title, label, initial};
        return next_text;
    }
    QString open_file(QWidget *, const QString &title, const QString &folder, const QString &filter) override
    {
        questions << asked{"file", title, folder, filter};
        return next_file;
    }
    void warning(QWidget *, const QString &, const QString &text) override { warnings << text; }

    unsaved_answer unsaved(QWidget *, const QString &title, const QString &text) override
    {
        questions << asked{"unsaved", title, text, {}};
        return next_unsaved;
    }

    QColor next_color;
    unsaved_answer next_unsaved = unsaved_answer::cancel;
    std::optional<QFont> next_font;
    std::optional<QString> next_text;
    QString next_file;
    QList<asked> questions;
    QStringList warnings;
};
