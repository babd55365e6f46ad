#include "search/search_window.h"

#include "search/hit_list.h"
#include "search/search_log.h"
#include "search/search_service.h"

#include <QApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QVBoxLayout>

namespace {

// Typing pause before a search starts.
constexpr int typing_pause_ms = 120;

QString pages_word(int n)
{
    const int d = n % 10, h = n % 100;
    if (d == 1 && h != 11)
        return QStringLiteral("страница");
    if (d >= 2 && d <= 4 && (h < 12 || h > 14))
        return QStringLiteral("страницы");
    return QStringLiteral("страниц");
}

QString notes_word(int n)
{
    const int d = n % 10, h = n % 100;
    if (d == 1 && h != 11)
        return QStringLiteral("заметка");
    if (d >= 2 && d <= 4 && (h < 12 || h > 14))
        return QStringLiteral("заметки");
    return QStringLiteral("заметок");
}

} // namespace

search_window::search_window(search_service &service, QWidget *parent) : QWidget(parent), m_service(service)
{
    setObjectName(QStringLiteral("search_form"));
    setWindowTitle(QStringLiteral("Поиск"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/find.png")));
    setWindowFlag(Qt::Window);
    resize(560, 420);

    m_query = new QLineEdit(this);
    m_query->setObjectName(QStringLiteral("search_query"));
    m_query->setPlaceholderText(QStringLiteral("Слово или начало слова: заметки календаря и страницы блокнота"));
    m_query->setClearButtonEnabled(true);
    m_query->installEventFilter(this);

    m_model = new hit_model(this);
    m_view = new QListView(this);
    m_view->setObjectName(QStringLiteral("search_hits"));
    m_view->setModel(m_model);
    m_view->setItemDelegate(new hit_delegate(m_view));
    m_view->setUniformItemSizes(true);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->installEventFilter(this);

    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("search_status"));
    m_status->setTextFormat(Qt::PlainText);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(4);
    layout->addWidget(m_query);
    layout->addWidget(m_view, 1);
    layout->addWidget(m_status);

    m_pause.setSingleShot(true);
    m_pause.setInterval(typing_pause_ms);
    connect(&m_pause, &QTimer::timeout, this, &search_window::start_search);
    connect(m_query, &QLineEdit::textChanged, this, [this] { m_pause.start(); });
    connect(m_view, &QListView::clicked, this, [this](const QModelIndex &i) { open_hit(i.row()); });
    connect(m_view, &QListView::activated, this, [this](const QModelIndex &i) { open_hit(i.row()); });
    connect(&m_service, &search_service::found, this, &search_window::show_results);
    connect(&m_service, &search_service::indexing, this, [this](int left) {
        m_indexing = left;
        show_status();
        // The index grew: what is typed may find more now.
        if (left == 0 && !m_query->text().isEmpty())
            search_again();
    });
    connect(&m_service, &search_service::unavailable, this, [this](const QString &why) {
        m_problem = why;
        show_status();
    });
    show_status();
}

search_window::~search_window() = default;

void search_window::begin()
{
    if (isMinimized())
        setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
    m_query->setFocus(Qt::OtherFocusReason);
    m_query->selectAll();
}

void search_window::showEvent(QShowEvent *e)
{
    QWidget::showEvent(e);
    m_service.start();
    emit opened();
}

void search_window::search_again()
{
    m_pause.stop();
    start_search();
}

void search_window::start_search()
{
    m_ticket = m_service.search(m_query->text());
    if (!m_query->text().trimmed().isEmpty())
        m_status->setText(QStringLiteral("Ищу…"));
}

void search_window::show_results(const search_results &r)
{
    if (r.ticket != m_ticket)
        return;
    if (!r.problem.isEmpty())
        m_problem = r.problem;
    if (r.indexing >= 0)
        m_indexing = r.indexing;
    qCDebug(lc_search).noquote() << QStringLiteral("listed %1 hits for «%2» in %3 ms")
                                        .arg(r.hits.size())
                                        .arg(r.query)
                                        .arg(r.milliseconds, 0, 'f', 1);
    m_model->set_results(r);
    m_last_opened = -1; // another list: its first row is another hit
    if (m_model->rowCount() > 0)
        m_view->setCurrentIndex(m_model->index(0));
    show_status();
    emit listed();
}

void search_window::show_status()
{
    const search_results &r = m_model->results();
    QString s;
    if (m_query->text().trimmed().isEmpty()) {
        s = QStringLiteral("Введите слово или его начало");
    } else if (r.hits.isEmpty()) {
        s = QStringLiteral("Ничего не найдено");
    } else {
        s = QStringLiteral("%1 %2%3 в календаре, %4%5 %6 в блокноте")
                .arg(r.notes)
                .arg(notes_word(r.notes),
                     r.more_notes ? QStringLiteral(" (показаны первые %1)").arg(r.hits.size() - r.pages) : QString())
                .arg(r.pages)
                .arg(r.more_pages ? QStringLiteral("+") : QString(), pages_word(r.pages));
    }
    if (m_indexing > 0)
        s += QStringLiteral(" · блокнот индексируется, осталось %1 %2").arg(m_indexing).arg(pages_word(m_indexing));
    if (!m_problem.isEmpty())
        s += QStringLiteral(" · поиск по блокноту недоступен: ") + m_problem;
    m_status->setText(s);
}

void search_window::open_hit(int row)
{
    if (row < 0 || row >= m_model->rowCount())
        return;
    if (row == m_last_opened && m_opened_at.isValid() && m_opened_at.elapsed() < QApplication::doubleClickInterval())
        return;
    m_last_opened = row;
    m_opened_at.start();
    const search_hit &h = m_model->hit(row);
    qCDebug(lc_search).noquote() << "opening" << (h.what == search_hit::kind::note ? "note of" : "page")
                                 << h.place.text;
    if (h.what == search_hit::kind::note)
        emit note_chosen(h.date, h.key);
    else
        emit page_chosen(h.page);
}

bool search_window::eventFilter(QObject *watched, QEvent *e)
{
    if (e->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, e);
    auto *k = static_cast<QKeyEvent *>(e);
    if (watched == m_query) {
        if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
            if (m_pause.isActive()) // typed and pressed Enter at once: search first
                search_again();
            else
                open_hit(m_view->currentIndex().isValid() ? m_view->currentIndex().row() : 0);
            return true;
        }
        if (k->key() == Qt::Key_Down || k->key() == Qt::Key_PageDown) {
            m_view->setFocus();
            if (!m_view->currentIndex().isValid() && m_model->rowCount() > 0)
                m_view->setCurrentIndex(m_model->index(0));
            return true;
        }
    }
    return QWidget::eventFilter(watched, e);
}

void search_window::changeEvent(QEvent *e)
{
    QWidget::changeEvent(e);
    // Back from the notebook or the calendar, where the user may have
    // changed what was found: the list is brought up to date.
    if (e->type() == QEvent::ActivationChange && isActiveWindow() && !m_query->text().trimmed().isEmpty())
        search_again();
}

void search_window::keyPressEvent(QKeyEvent *e)
{
    if (e->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(e);
}
