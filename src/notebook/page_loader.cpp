#include "notebook/page_loader.h"

#include <QPointer>
#include <QTextDocument>
#include <QThread>
#include <memory>

page_loader::page_loader(QObject *parent) : QObject(parent), m_current(std::make_shared<std::atomic<quint64>>(0))
{
    // One page at a time; a request made stale before it starts is skipped.
    m_pool.setMaxThreadCount(1);
}

page_loader::~page_loader()
{
    cancel();
    m_pool.waitForDone();
}

quint64 page_loader::next_ticket()
{
    m_pending = true;
    return ++*m_current;
}

void page_loader::cancel()
{
    ++*m_current;
    m_pending = false;
}

void page_loader::wait_idle()
{
    m_pool.waitForDone();
}

void page_loader::build_text(std::function<QTextDocument *()> build)
{
    const quint64 ticket = next_ticket();
    QThread *home = thread();
    QPointer<page_loader> self(this);
    auto current = m_current;
    m_pool.start([=, this] {
        if (*current != ticket)
            return;
        // Owned here until the window takes it; a result nobody takes any
        // more is deleted with the call that would have brought it.
        auto held = std::make_shared<std::unique_ptr<QTextDocument>>(build());
        (*held)->moveToThread(home);
        QMetaObject::invokeMethod(
            this,
            [self, ticket, held] {
                if (self)
                    self->deliver_text(ticket, held->release());
            },
            Qt::QueuedConnection);
    });
}

void page_loader::decode_picture(std::function<QImage()> decode)
{
    const quint64 ticket = next_ticket();
    QPointer<page_loader> self(this);
    auto current = m_current;
    m_pool.start([=, this] {
        if (*current != ticket)
            return;
        const QImage picture = decode();
        QMetaObject::invokeMethod(
            this,
            [self, ticket, picture] {
                if (self)
                    self->deliver_picture(ticket, picture);
            },
            Qt::QueuedConnection);
    });
}

void page_loader::deliver_text(quint64 ticket, QTextDocument *document)
{
    if (ticket != *m_current) {
        delete document;
        return;
    }
    m_pending = false;
    emit text_ready(document);
}

void page_loader::deliver_picture(quint64 ticket, const QImage &picture)
{
    if (ticket != *m_current)
        return;
    m_pending = false;
    emit picture_ready(picture);
}
