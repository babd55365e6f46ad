#include "settings/constructor/skin_constructor.h"

#include "common/log.h"
#include "common/time_source.h"
#include "common/user_prompts.h"
#include "settings/clock_face_host.h"
#include "settings/constructor/skin_creation.h"
#include "storage/clock_settings.h"
#include "storage/data_folder.h"
#include "ui_skin_constructor.h"

#include <QEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QTabBar>

namespace {

// Library folders under Base/, by part.
const char *const library_folder[5] = {"Clockface", "Hourface", "Minface", "Secundsface", "Dots"};

struct file_question
{
    const char *title;
};
const file_question file_titles[5] = {{"Выберете циферблат"},
                                      {"Выберете скин часовой стрелки"},
                                      {"Выберете скин минутной стрелки"},
                                      {"Выберете скин секундной стрелки"},
                                      {"Выберете скин шапочки"}};

const QTime preview_start(10, 10, 15);

double factor(int a)
{
    return a / 100.0 + 1.0;
}

double fraction(int a)
{
    return a * 0.01;
}

// Keeps the preview fitted into the view whenever the view changes size.
class fit_on_resize : public QObject
{
public:
    fit_on_resize(QObject *parent, std::function<void()> fit) : QObject(parent), m_fit(std::move(fit)) {}
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::Resize || e->type() == QEvent::Show)
            m_fit();
        return false;
    }

private:
    std::function<void()> m_fit;
};

} // namespace

skin_constructor::skin_constructor(QWidget *parent) : QWidget(parent), ui(std::make_unique<Ui::skin_constructor>())
{
    ui->setupUi(this);
    ui->graphicsView->setScene(m_preview.scene());
    ui->graphicsView->setBackgroundBrush(Qt::gray);
    ui->graphicsView->setRenderHint(QPainter::SmoothPixmapTransform);
    ui->graphicsView->installEventFilter(new fit_on_resize(this, [this] { fit_view(); }));
    connect(ui->graphicsView, &QWidget::customContextMenuRequested, this,
            &skin_constructor::customContextMenuRequested);

    connect(ui->hour_x, &QSlider::valueChanged, this, &skin_constructor::set_offset_hour_x);
    connect(ui->hour_y, &QSlider::valueChanged, this, &skin_constructor::set_offset_hour_y);
    connect(ui->hour_z, &QSlider::valueChanged, this, &skin_constructor::set_offset_hour_z);
    connect(ui->mins_x, &QSlider::valueChanged, this, &skin_constructor::set_offset_mins_x);
    connect(ui->mins_y, &QSlider::valueChanged, this, &skin_constructor::set_offset_mins_y);
    connect(ui->mins_z, &QSlider::valueChanged, this, &skin_constructor::set_offset_mins_z);
    connect(ui->secunds_x, &QSlider::valueChanged, this, &skin_constructor::set_offset_secunds_x);
    connect(ui->secunds_y, &QSlider::valueChanged, this, &skin_constructor::set_offset_secunds_y);
    connect(ui->secunds_z, &QSlider::valueChanged, this, &skin_constructor::set_offset_secunds_z);
    connect(ui->shapocka_x, &QSlider::valueChanged, this, &skin_constructor::set_offset_shapocka_x);
    connect(ui->shapocka_y, &QSlider::valueChanged, this, &skin_constructor::set_offset_shapocka_y);
    connect(ui->time_up_down, &QSlider::valueChanged, this, &skin_constructor::up_down_time);

    const QString base = data_folder::path() + "/Base/";
    for (int i = 0; i < 5; ++i)
        m_libraries[i] = picture_library(base + library_folder[i]);
    m_preview.show_time(preview_start);
    reread();
}

skin_constructor::~skin_constructor() = default;

user_prompts &skin_constructor::ask()
{
    return m_ask ? *m_ask : user_prompts::standard();
}

void skin_constructor::fit_view()
{
    ui->graphicsView->fitInView(m_preview.scene()->sceneRect(), Qt::KeepAspectRatio);
}

void skin_constructor::set_factor(part_place skin_layout::*part, double part_place::*axis, double value)
{
    skin_layout l = m_preview.layout();
    (l.*part).*axis = value;
    m_preview.set_layout(l);
}

void skin_constructor::set_offset_hour_x(int a)
{
    set_factor(&skin_layout::hour, &part_place::x, factor(a));
}
void skin_constructor::set_offset_hour_y(int a)
{
    set_factor(&skin_layout::hour, &part_place::y, factor(a));
}
void skin_constructor::set_offset_hour_z(int a)
{
    set_factor(&skin_layout::hour, &part_place::z, fraction(a));
}
void skin_constructor::set_offset_mins_x(int a)
{
    set_factor(&skin_layout::mins, &part_place::x, factor(a));
}
void skin_constructor::set_offset_mins_y(int a)
{
    set_factor(&skin_layout::mins, &part_place::y, factor(a));
}
void skin_constructor::set_offset_mins_z(int a)
{
    set_factor(&skin_layout::mins, &part_place::z, fraction(a));
}
void skin_constructor::set_offset_secunds_x(int a)
{
    set_factor(&skin_layout::secunds, &part_place::x, factor(a));
}
void skin_constructor::set_offset_secunds_y(int a)
{
    set_factor(&skin_layout::secunds, &part_place::y, factor(a));
}
void skin_constructor::set_offset_secunds_z(int a)
{
    set_factor(&skin_layout::secunds, &part_place::z, fraction(a));
}
void skin_constructor::set_offset_shapocka_x(int a)
{
    set_factor(&skin_layout::shapocka, &part_place::x, factor(a));
}
void skin_constructor::set_offset_shapocka_y(int a)
{
    set_factor(&skin_layout::shapocka, &part_place::y, factor(a));
}

void skin_constructor::up_down_time(int s)
{
    m_preview.show_time(preview_start.addSecs(s));
}

void skin_constructor::load_default_skin()
{
    m_preview.show_time(m_time ? m_time->now().time() : QTime::currentTime());
}

void skin_constructor::reset_pos_scene()
{
    for (QSlider *s :
         {ui->hour_x, ui->hour_y, ui->mins_x, ui->mins_y, ui->secunds_x, ui->secunds_y, ui->shapocka_x, ui->shapocka_y})
        s->setValue(0);
    ui->hour_z->setValue(9);
    ui->mins_z->setValue(6);
    ui->secunds_z->setValue(23);
}

void skin_constructor::clear_my_scene()
{
    m_preview.clear();
    m_preview.show_time(preview_start.addSecs(ui->time_up_down->value()));
    for (QString &c : m_chosen)
        c.clear();
    fit_view();
}

void skin_constructor::reread()
{
    for (picture_library &l : m_libraries)
        l.rescan();
}

void skin_constructor::customContextMenuRequested(const QPoint &)
{
    QMenu menu(this);
    menu.addAction(QIcon(QStringLiteral(":/icons/clock.png")), QStringLiteral("Показать текущее время"), this,
                   &skin_constructor::load_default_skin);
    menu.addAction(QIcon(QStringLiteral(":/icons/default1.png")), QStringLiteral("Координаты стрелок по умолчанию"),
                   this, &skin_constructor::reset_pos_scene);
    menu.addAction(QIcon(QStringLiteral(":/icons/default2.png")), QStringLiteral("Очистить сцену"), this,
                   &skin_constructor::clear_my_scene);
    menu.addAction(QIcon(QStringLiteral(":/icons/reread.png")), QStringLiteral("Перечитать базу скинов"), this,
                   &skin_constructor::reread);
    menu.exec(QCursor::pos());
}

void skin_constructor::step(skin_part part, int direction)
{
    const QString path = library(part).step(direction);
    if (path.isEmpty())
        return; // an empty library has nothing to show
    m_chosen[int(part)] = path;
    if (QFileInfo(path).isFile()) {
        use_picture(part, path);
    } else {
        qCWarning(lc_settings) << "library picture" << path << "has gone; rescanning";
        QMessageBox::warning(this, QStringLiteral("Внимание !"),
                             QStringLiteral("Файла ") + path + QStringLiteral(" к сожалению нет..."));
        reread();
    }
}

void skin_constructor::choose_file(skin_part part)
{
    const int i = int(part);
    const QString path = ask().open_file(this, QString::fromUtf8(file_titles[i].title), library(part).folder(),
                                         QStringLiteral("png images (*.png)"));
    if (path.isEmpty())
        return;
    if (QPixmap(path).isNull()) {
        // Copied into a skin it would leave the clock with nothing to draw.
        qCWarning(lc_settings) << path << "is not a picture";
        QMessageBox::warning(this, QStringLiteral("Внимание!"),
                             QStringLiteral("Файл ") + path + QStringLiteral(" не удалось прочитать как рисунок."));
        return;
    }
    m_chosen[i] = path;
    use_picture(part, path);
}

void skin_constructor::use_picture(skin_part part, const QString &path)
{
    m_preview.set_picture(part, QPixmap(path));
    if (part == skin_part::face)
        fit_view();
}

QImage skin_constructor::render_preview() const
{
    auto *scene = const_cast<skin_preview &>(m_preview).scene();
    const QRectF r = scene->sceneRect();
    QImage img(r.size().toSize(), QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    scene->render(&p, QRectF(QPointF(0, 0), r.size()), r);
    return img;
}

void skin_constructor::on_pushButton_20_clicked()
{
    const QString folder =
        skin_creation::create(this, ask(), data_folder::path() + "/Skins", m_chosen, m_preview.layout());
    if (folder.isEmpty())
        return;
    const auto answer =
        QMessageBox::question(this, QStringLiteral("Внимание!"), QStringLiteral("Применить созданный скин ?"),
                              QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer == QMessageBox::Yes)
        apply_folder(folder);
}

void skin_constructor::choose_skin_folder()
{
    const QString folder = ask().folder(this, QStringLiteral("Выберете шкурку"), data_folder::file("//Skins"));
    if (folder.isEmpty())
        return;
    if (!QFileInfo(folder + "/settings.ini").isFile()) {
        QMessageBox::information(this, QStringLiteral("Внимание !"),
                                 QStringLiteral("В ") + folder + QStringLiteral(" нет settings.ini"));
        return;
    }
    apply_folder(folder);
}

bool skin_constructor::apply_folder(const QString &folder)
{
    if (!m_host || !m_host->apply_skin_folder(folder))
        return false;
    if (m_settings) {
        m_settings->set(clock_keys::my_skin, folder);
        m_settings->sync();
    }
    qCInfo(lc_settings) << "skin" << folder << "applied";
    emit skin_applied(folder);
    return true;
}

QList<QWidget *> skin_constructor::tab_order() const
{
    const Ui::skin_constructor &u = *ui;
    return {
        u.graphicsView,
        u.time_up_down,
        u.pushButton_20,
        u.tabWidget_3->tabBar(),
        // Pickers: "<", the file button, ">" for each library.
        u.counter_face_down,
        u.pushButton_16,
        u.counter_face_up,
        u.counter_hour_down,
        u.pushButton_17,
        u.counter_hour_up,
        u.counter_mins_down,
        u.pushButton_18,
        u.counter_mins_up,
        u.counter_secunds_down,
        u.pushButton_19,
        u.counter_secunds_up,
        u.counter_dots_down,
        u.pushButton_21,
        u.counter_dots_up,
        // Hands.
        u.hour_x,
        u.hour_y,
        u.hour_z,
        u.mins_x,
        u.mins_y,
        u.mins_z,
        u.secunds_x,
        u.secunds_y,
        u.secunds_z,
        u.shapocka_x,
        u.shapocka_y,
    };
}
