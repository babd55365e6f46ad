#pragma once
// skin_constructor: the settings dialog's tab for building analog skins.
// Five pictures come from the picture libraries under Base/ (or any file),
// the sliders place the hands and their pivots, the preview shows the result
// at any time of day, and "Создать скин" writes it as a skin folder that can
// be applied to the clock at once. "Выбрать скин" of the analog page applies
// an existing folder through choose_skin_folder().

#include "settings/constructor/picture_library.h"
#include "settings/constructor/skin_preview.h"

#include <QWidget>
#include <array>
#include <memory>

namespace Ui {
class skin_constructor;
}
class clock_settings;
class clock_face_host;
class time_source;
class user_prompts;

class skin_constructor : public QWidget
{
    Q_OBJECT
public:
    explicit skin_constructor(QWidget *parent = nullptr);
    ~skin_constructor() override;

    // clock.ini's "my_skin" is written through settings; the clock loads
    // applied skins through host. Either may be left unset (nothing applied).
    void set_clock_settings(clock_settings *s) { m_settings = s; }
    void set_face_host(clock_face_host *h) { m_host = h; }
    void set_prompts(user_prompts *p) { m_ask = p; }
    void set_time_source(const time_source *t) { m_time = t; }

    skin_preview &preview() { return m_preview; }
    // Full paths of the chosen dial, hour, minute, second hand and cap.
    const std::array<QString, 5> &chosen() const { return m_chosen; }
    picture_library &library(skin_part p) { return m_libraries[int(p)]; }

    // Applies a skin folder to the clock; writes "my_skin" only when the clock
    // took all its pictures.
    bool apply_folder(const QString &folder);

    // The preview's scene rendered on its own, without the view around it.
    QImage render_preview() const;
    // The tab's controls in the order Tab visits them: the preview and its
    // time, "Создать скин", then the pickers' and the hands' pages.
    QList<QWidget *> tab_order() const;

signals:
    void skin_applied(const QString &folder);

public slots:
    void set_offset_hour_x(int a);
    void set_offset_hour_y(int a);
    void set_offset_hour_z(int a);
    void set_offset_mins_x(int a);
    void set_offset_mins_y(int a);
    void set_offset_mins_z(int a);
    void set_offset_secunds_x(int a);
    void set_offset_secunds_y(int a);
    void set_offset_secunds_z(int a);
    void set_offset_shapocka_x(int a);
    void set_offset_shapocka_y(int a);
    void up_down_time(int s);
    void load_default_skin();
    void reset_pos_scene();
    void clear_my_scene();
    void reread();
    void customContextMenuRequested(const QPoint &pos);
    // "Выбрать скин": asks for a folder and applies it.
    void choose_skin_folder();

    void on_pushButton_20_clicked();
    void on_counter_face_up_clicked() { step(skin_part::face, +1); }
    void on_counter_face_down_clicked() { step(skin_part::face, -1); }
    void on_counter_hour_up_clicked() { step(skin_part::hour, +1); }
    void on_counter_hour_down_clicked() { step(skin_part::hour, -1); }
    void on_counter_mins_up_clicked() { step(skin_part::mins, +1); }
    void on_counter_mins_down_clicked() { step(skin_part::mins, -1); }
    void on_counter_secunds_up_clicked() { step(skin_part::secunds, +1); }
    void on_counter_secunds_down_clicked() { step(skin_part::secunds, -1); }
    void on_counter_dots_up_clicked() { step(skin_part::shapocka, +1); }
    void on_counter_dots_down_clicked() { step(skin_part::shapocka, -1); }
    void on_pushButton_16_clicked() { choose_file(skin_part::face); }
    void on_pushButton_17_clicked() { choose_file(skin_part::hour); }
    void on_pushButton_18_clicked() { choose_file(skin_part::mins); }
    void on_pushButton_19_clicked() { choose_file(skin_part::secunds); }
    void on_pushButton_21_clicked() { choose_file(skin_part::shapocka); }

private:
    void step(skin_part part, int direction);
    void choose_file(skin_part part);
    // Takes the picture into the slot and shows it in the preview.
    void use_picture(skin_part part, const QString &path);
    void set_factor(part_place skin_layout::*part, double part_place::*axis, double value);
    void fit_view();
    user_prompts &ask();

    std::unique_ptr<Ui::skin_constructor> ui;
    skin_preview m_preview;
    std::array<picture_library, 5> m_libraries;
    std::array<QString, 5> m_chosen;
    clock_settings *m_settings = nullptr;
    clock_face_host *m_host = nullptr;
    user_prompts *m_ask = nullptr;
    const time_source *m_time = nullptr;
};
