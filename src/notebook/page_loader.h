#pragma once
// page_loader: the slow half of opening a large page — building its text
// document or decoding its picture — done on a worker thread, so the
// window stays responsive. One result is awaited at a time: a new request
// or cancel() drops whatever an earlier one still brings.

#include <QImage>
#include <QObject>
#include <QThreadPool>
#include <atomic>
#include <functional>

class QTextDocument;

class page_loader : public QObject
{
    Q_OBJECT
public:
    explicit page_loader(QObject *parent = nullptr);
    // Waits for a job still running; its result is dropped.
    ~page_loader() override;

    // build runs on the worker; the document it returns (no parent) is
    // moved to this object's thread and handed over by text_ready.
    void build_text(std::function<QTextDocument *()> build);
    // decode runs on the worker; its image comes back by picture_ready.
    void decode_picture(std::function<QImage()> decode);
    void cancel();
    // A result is still to come.
    bool pending() const { return m_pending; }
    // Blocks until the job running now, if any, is done (for tests and benches).
    void wait_idle();

signals:
    // The receiver owns the document.
    void text_ready(QTextDocument *document);
    void picture_ready(const QImage &picture);

private:
    quint64 next_ticket();
    void deliver_text(quint64 ticket, QTextDocument *document);
    void deliver_picture(quint64 ticket, const QImage &picture);

    QThreadPool m_pool;
    std::shared_ptr<std::atomic<quint64>> m_current;
    bool m_pending = false;
};
