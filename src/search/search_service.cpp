#include "search/search_service.h"

#include "search/search_engine.h"

#include <QPointer>

namespace {

// One slice of background indexing; queries queued meanwhile wait this long.
constexpr int index_slice_ms = 40;

} // namespace

// Lives on the search thread; everything it does runs there.
class search_worker : public QObject
{
public:
    search_worker(QString file, search_service *service, std::shared_ptr<std::atomic<quint64>> latest,
                  std::shared_ptr<std::atomic<bool>> stop)
        : m_file(std::move(file)), m_service(service), m_latest(std::move(latest)), m_stop(std::move(stop))
    {}

    void open()
    {
        m_engine = std::make_unique<search_engine>(m_file);
        if (!m_engine->problem().isEmpty())
            tell([problem = m_engine->problem()](search_service *s) { emit s->unavailable(problem); });
        index_more();
    }

    void set_notes(note_list notes) { m_engine->set_notes(std::move(notes)); }

    void search(quint64 ticket, const QString &query)
    {
        if (ticket < m_latest->load() || m_stop->load())
            return; // a newer query is on its way
        search_results r = m_engine->run(query);
        r.ticket = ticket;
        tell([r = std::move(r)](search_service *s) {
            if (r.ticket == s->m_latest->load())
                emit s->found(r);
        });
        if (r.indexing > 0)
            schedule_indexing();
    }

private:
    void index_more()
    {
        m_scheduled = false;
        if (m_stop->load())
            return;
        const int left = m_engine->index(index_slice_ms);
        if (left >= 0)
            tell([left](search_service *s) { emit s->indexing(left); });
        if (left > 0)
            schedule_indexing();
    }

    void schedule_indexing()
    {
        if (m_scheduled)
            return;
        m_scheduled = true;
        // Posted behind whatever query is queued now: queries go first.
        QMetaObject::invokeMethod(
            this, [this] { index_more(); }, Qt::QueuedConnection);
    }

    template <class F>
    void tell(F f)
    {
        QPointer<search_service> s = m_service;
        QMetaObject::invokeMethod(
            m_service,
            [s, f = std::move(f)] {
                if (s)
                    f(s.data());
            },
            Qt::QueuedConnection);
    }

    QString m_file;
    search_service *m_service;
    std::shared_ptr<std::atomic<quint64>> m_latest;
    std::shared_ptr<std::atomic<bool>> m_stop;
    std::unique_ptr<search_engine> m_engine;
    bool m_scheduled = false;
};

search_service::search_service(QString notebook_file, QObject *parent)
    : QObject(parent), m_file(std::move(notebook_file)), m_latest(std::make_shared<std::atomic<quint64>>(0)),
      m_stop(std::make_shared<std::atomic<bool>>(false))
{
    m_thread.setObjectName(QStringLiteral("search"));
}

search_service::~search_service()
{
    m_stop->store(true);
    m_thread.quit();
    m_thread.wait();
}

void search_service::start()
{
    if (m_worker)
        return;
    m_worker = new search_worker(m_file, this, m_latest, m_stop);
    m_worker->moveToThread(&m_thread);
    // The worker (and its database connection) goes with the thread's end.
    connect(&m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    m_thread.start();
    search_worker *w = m_worker;
    QMetaObject::invokeMethod(
        w, [w] { w->open(); }, Qt::QueuedConnection);
    if (m_notes)
        set_notes(m_notes);
}

void search_service::set_notes(note_list notes)
{
    m_notes = notes;
    if (!m_worker)
        return;
    search_worker *w = m_worker;
    QMetaObject::invokeMethod(
        w, [w, notes] { w->set_notes(notes); }, Qt::QueuedConnection);
}

quint64 search_service::search(const QString &query)
{
    const quint64 ticket = ++m_next;
    m_latest->store(ticket);
    if (search_text::terms(query).isEmpty()) {
        search_results r;
        r.ticket = ticket;
        r.query = query;
        QMetaObject::invokeMethod(
            this,
            [this, r] {
                if (r.ticket == m_latest->load())
                    emit found(r);
            },
            Qt::QueuedConnection);
        return ticket;
    }
    start();
    search_worker *w = m_worker;
    QMetaObject::invokeMethod(
        w, [w, ticket, query] { w->search(ticket, query); }, Qt::QueuedConnection);
    return ticket;
}
