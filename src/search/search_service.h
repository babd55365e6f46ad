#pragma once
// search_service: runs searches on a thread of their own, so a keystroke
// never waits for the database. Only the newest query is answered; older
// ones still queued are dropped. Between queries the thread indexes pages
// that are waiting (a new index, another program's changes) in short
// slices, and says how many are left.

#include "search/note_index.h"
#include "search/search_hit.h"

#include <QObject>
#include <QThread>
#include <atomic>
#include <memory>

class search_worker;

class search_service : public QObject
{
    Q_OBJECT
public:
    // notebook_file: notebook.db; empty for notes only.
    explicit search_service(QString notebook_file, QObject *parent = nullptr);
    ~search_service() override;

    // Starts the thread (once): opens the database and indexes what waits.
    void start();
    void set_notes(note_list notes);
    // Answered by found() with the same ticket, unless a newer search
    // came first. An empty query answers with no hits at once.
    quint64 search(const QString &query);
    bool running() const { return m_thread.isRunning(); }

signals:
    void found(const search_results &results);
    // Pages waiting to be indexed (0: the index is complete).
    void indexing(int pending);
    // Why pages cannot be searched; notes still are.
    void unavailable(const QString &why);

private:
    friend class search_worker;
    QString m_file;
    QThread m_thread;
    search_worker *m_worker = nullptr;
    note_list m_notes;
    std::shared_ptr<std::atomic<quint64>> m_latest;
    std::shared_ptr<std::atomic<bool>> m_stop;
    quint64 m_next = 0;
};
