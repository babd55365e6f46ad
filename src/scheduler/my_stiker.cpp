#include "scheduler/my_stiker.h"

#include "common/log.h"
#include "common/modal_reach.h"
#include "platform/audio_player.h"
#include "scheduler/stiker_placement.h"
#include "storage/clock_settings.h"
#include "storage/data_folder.h"
#include "storage/ini_format.h"

#include <QBitmap>
#include <QClipboard>
#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QMovie>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>

#include <sys/stat.h>

namespace {

// Tool window, fixed-size hint, always on top.
constexpr Qt::WindowFlags stiker_flags = Qt::Tool | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowStaysOnTopHint;

constexpr int hide_after_ms = 5000;

// The still skin last opened, decoded and with its shape worked out: every
// reminder wears the same skin, and decoding it and tracing its shape was
// most of what opening a sticker cost. Known by path and the file's
// identity and times, so a skin replaced or rewritten on disk is read afresh.
struct file_identity
{
    QString path;
    qint64 size = -1, inode = 0, mtime_ns = 0, ctime_ns = 0;
    friend bool operator==(const file_identity &, const file_identity &) = default;
};

file_identity identity(const QString &path)
{
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return {};
    return {path, qint64(st.st_size), qint64(st.st_ino), qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec,
            qint64(st.st_ctim.tv_sec) * 1000000000 + st.st_ctim.tv_nsec};
}

struct still_skin
{
    file_identity file;
    QPixmap picture;
    QRegion shape;
};

still_skin &last_still_skin()
{
    static still_skin skin;
    static const bool cleared_at_exit = [] {
        // Pictures must go before the application object that made them.
        qAddPostRoutine([] { last_still_skin() = {}; });
        return true;
    }();
    Q_UNUSED(cleared_at_exit);
    return skin;
}

} // namespace

my_stiker::my_stiker(audio_player *alarm_player) : my_stiker(alarm_player, skin_from_settings()) {}

my_stiker::my_stiker(audio_player *alarm_player, const QString &skin_path)
    : QLabel(nullptr, stiker_flags), m_player(alarm_player)
{
    setWindowTitle(QStringLiteral("Вам напоминание..."));
    setAttribute(Qt::WA_DeleteOnClose);

    m_panel = new QTextEdit(this);
    m_panel->setFocusPolicy(Qt::NoFocus);
    m_movie = std::make_unique<QMovie>();
    m_hide_timer = new QTimer(this);
    connect(m_hide_timer, &QTimer::timeout, this, &my_stiker::do_hide_msg);
    connect(m_panel, &QTextEdit::selectionChanged, this, &my_stiker::disable_hide_timer);
    // A right click closes the sticker wherever it lands, on the text too;
    // no menu of its own comes up first.
    setContextMenuPolicy(Qt::PreventContextMenu);
    m_panel->setContextMenuPolicy(Qt::PreventContextMenu);
    m_panel->installEventFilter(this);
    m_panel->viewport()->installEventFilter(this);
    // A reminder is always dismissable, also over the settings dialog.
    modal_reach::keep_reachable(this);

    apply_skin(skin_path);
    m_panel->moveCursor(QTextCursor::Start);
}

my_stiker::~my_stiker()
{
    if (m_player)
        m_player->halt();
    // A separate panel window has no parent to delete it.
    delete m_panel;
    m_panel = nullptr;
    if (m_movie)
        m_movie->stop();
    m_movie.reset();
}

QString my_stiker::skin_from_settings()
{
    auto ini = ini_format::open(data_folder::file(QStringLiteral("//clock.ini")));
    return clock_settings(*ini).stiker_skin();
}

void my_stiker::apply_skin(const QString &skin_path)
{
    m_skin = skin_path;
    auto plain = [this] {
        resize(300, 300);
        m_panel->resize(240, 240);
        m_panel->move(150 - m_panel->width() / 2, 150 - m_panel->height() / 2);
    };
    const file_identity file = identity(skin_path);
    if (file.size < 0) {
        plain();
        return;
    }
    still_skin &known = last_still_skin();
    if (known.file == file) {
        apply_still(known.picture, known.shape);
        return;
    }

    m_movie->setFileName(skin_path);
    if (!m_movie->isValid()) {
        // An unreadable skin would give an empty window that cannot be
        // clicked to close and shows no text; the plain sticker shows it.
        qCWarning(lc_scheduler).noquote() << "sticker skin" << skin_path << "is not a picture; using the plain sticker";
        m_movie->setFileName(QString());
        plain();
        return;
    }
    if (m_movie->frameCount() == 1) {
        // A single frame never changes: shown as a picture, the movie is not
        // needed any more.
        m_movie->jumpToFrame(0);
        known = {file, m_movie->currentPixmap(), {}};
        known.shape = QRegion(known.picture.mask());
        m_movie->setFileName(QString());
        apply_still(known.picture, known.shape);
        return;
    }
    m_movie->jumpToFrame(0);
    resize(m_movie->currentPixmap().size());
    m_panel->setParent(nullptr);
    m_panel->resize(250, 250);
    m_panel->setWindowFlags(stiker_flags);
    modal_reach::keep_reachable(m_panel);
    m_panel->setWindowTitle(QStringLiteral("Напоминание..."));
    set_panel_style(QStringLiteral("background-color: rgb(236, 243, 156);"));
    m_panel->hide();
    connect(m_movie.get(), &QMovie::frameChanged, this, &my_stiker::setmymasks);
    setMovie(m_movie.get());
    m_movie->start();
}

void my_stiker::set_panel_style(const QString &sheet)
{
    m_panel->setStyleSheet(sheet);
    // The viewport too, with the same rule, so it looks the same: the style
    // sheet style keeps what it worked out for a widget it cannot style (a
    // bare viewport) under that widget's address and never forgets it, a
    // little more with every sticker; a widget of its own style sheet is
    // forgotten when it goes.
    m_panel->viewport()->setStyleSheet(sheet);
}

void my_stiker::apply_still(const QPixmap &picture, const QRegion &shape)
{
    set_panel_style(QStringLiteral("background-color: rgba(255, 230, 34, 0);"));
    resize(picture.size());
    set_shape(shape);
    m_panel->resize(int(picture.width() * 0.8), int(picture.height() * 0.75));
    m_panel->move(picture.width() / 2 - m_panel->width() / 2, picture.height() / 2 - m_panel->height() / 2);
    setPixmap(picture);
}

void my_stiker::set_text(const QString &text)
{
    m_text = text;
    if (text.size() <= shown_limit) {
        m_panel->setText(text);
    } else {
        // Cut as plain text: a cut through markup would show half a tag.
        m_panel->setPlainText(
            text.left(shown_limit) +
            QStringLiteral("…\n\n(показаны первые %1 знаков из %2)").arg(shown_limit).arg(text.size()));
    }
    m_panel->moveCursor(QTextCursor::Start);
}

void my_stiker::set_snooze(std::function<void(int)> snooze)
{
    m_snooze = std::move(snooze);
    if (!m_snooze || m_snooze_button)
        return;
    m_snooze_button = new QToolButton(this);
    m_snooze_button->setObjectName(QStringLiteral("snooze_button"));
    m_snooze_button->setText(QStringLiteral("Отложить"));
    m_snooze_button->setToolTip(QStringLiteral("Отложить напоминание"));
    m_snooze_button->setFocusPolicy(Qt::NoFocus);
    m_snooze_button->setCursor(Qt::PointingHandCursor);
    // Readable on any skin.
    m_snooze_button->setStyleSheet(
        QStringLiteral("QToolButton { background-color: rgba(255, 255, 240, 220); color: black;"
                       " border: 1px solid rgba(0, 0, 0, 110); border-radius: 3px; padding: 1px 5px; }"
                       "QToolButton:hover { background-color: rgb(255, 255, 255); }"));
    // A right click on the button closes the sticker too.
    m_snooze_button->installEventFilter(this);
    connect(m_snooze_button, &QToolButton::clicked, this, [this] {
        QMenu *menu = text_menu();
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(m_snooze_button->mapToGlobal(QPoint(0, m_snooze_button->height())));
    });
    place_snooze_button();
    m_snooze_button->show();
    m_snooze_button->raise();
    set_shape(m_skin_shape);
}

void my_stiker::place_snooze_button()
{
    if (!m_snooze_button)
        return;
    m_snooze_button->adjustSize();
    const QSize b = m_snooze_button->size();
    m_snooze_button->move(qMax(0, width() - b.width() - 6), qMax(0, height() - b.height() - 6));
}

void my_stiker::set_shape(const QRegion &skin_shape)
{
    m_skin_shape = skin_shape;
    if (skin_shape.isEmpty())
        return; // no skin shape: the whole window
    QRegion r = skin_shape;
    if (m_snooze_button)
        r += m_snooze_button->geometry();
    setMask(r);
}

QList<QPair<int, QString>> my_stiker::snooze_choices()
{
    return {{5, QStringLiteral("Отложить на 5 минут")},
            {10, QStringLiteral("Отложить на 10 минут")},
            {30, QStringLiteral("Отложить на 30 минут")},
            {60, QStringLiteral("Отложить на 1 час")}};
}

QMenu *my_stiker::text_menu()
{
    // A window of its own: as a child of the sticker it would take the
    // panel's transparent background and show black entries on black.
    auto *menu = new QMenu;
    const QString text = m_text;
    connect(menu->addAction(QStringLiteral("Скопировать текст")), &QAction::triggered, menu,
            [text] { QGuiApplication::clipboard()->setText(text); });
    if (m_snooze) {
        menu->addSeparator();
        for (const auto &[minutes, label] : snooze_choices()) {
            const int m = minutes;
            // Queued: the sticker closes itself, and with it the menu's parent.
            connect(
                menu->addAction(label), &QAction::triggered, this, [this, m] { put_off(m); }, Qt::QueuedConnection);
        }
    }
    return menu;
}

void my_stiker::put_off(int minutes)
{
    if (!m_snooze)
        return;
    m_snooze(minutes);
    close();
}

bool my_stiker::animated() const
{
    return m_movie && m_movie->frameCount() > 1;
}

bool my_stiker::hide_timer_active() const
{
    return m_hide_timer->isActive();
}

void my_stiker::setmymasks()
{
    if (m_snooze_button)
        set_shape(QRegion(m_movie->currentPixmap().mask()));
    else
        setMask(m_movie->currentPixmap().mask());
}

bool my_stiker::eventFilter(QObject *o, QEvent *e)
{
    const bool on_sticker = o == m_panel || o == m_panel->viewport() || o == m_snooze_button;
    if (on_sticker && (e->type() == QEvent::MouseButtonPress || e->type() == QEvent::MouseButtonRelease ||
                       e->type() == QEvent::MouseButtonDblClick)) {
        auto *m = static_cast<QMouseEvent *>(e);
        if (m->button() == Qt::RightButton) {
            if (e->type() == QEvent::MouseButtonRelease)
                close();
            return true;
        }
    }
    return QLabel::eventFilter(o, e);
}

void my_stiker::do_hide_msg()
{
    m_hide_timer->stop();
    m_panel->hide();
}

void my_stiker::disable_hide_timer()
{
    m_hide_timer->stop();
}

void my_stiker::mousePressEvent(QMouseEvent *e)
{
    if (e->button() == Qt::LeftButton) {
        const QPoint d = e->globalPosition().toPoint() - frameGeometry().topLeft();
        m_drag_x = d.x();
        m_drag_y = d.y();
    }
    QLabel::mousePressEvent(e);
}

void my_stiker::mouseMoveEvent(QMouseEvent *e)
{
    if (e->buttons() & Qt::LeftButton)
        move(e->globalPosition().toPoint() - QPoint(m_drag_x, m_drag_y));
    QLabel::mouseMoveEvent(e);
}

void my_stiker::mouseReleaseEvent(QMouseEvent *e)
{
    if (e->button() == Qt::RightButton) {
        close();
        return;
    }
    QLabel::mouseReleaseEvent(e);
}

void my_stiker::enterEvent(QEnterEvent *e)
{
    if (animated()) {
        m_hide_timer->stop();
        m_movie->setPaused(true);
        const QRect avail = stiker_placement::available_area(this);
        m_panel->move(stiker_placement::panel(QRect(pos(), size()), m_panel->size(), avail.width()));
        m_panel->show();
    }
    QLabel::enterEvent(e);
}

void my_stiker::leaveEvent(QEvent *e)
{
    if (animated()) {
        m_hide_timer->start(hide_after_ms);
        m_movie->setPaused(false);
    }
    QLabel::leaveEvent(e);
}
