#include "notebook/layout_pacer.h"

#include <QAbstractTextDocumentLayout>
#include <QEvent>
#include <QTextBlock>
#include <QTextDocument>

layout_pacer::layout_pacer(QObject *parent) : QObject(parent)
{
    m_timer.setInterval(0);
    connect(&m_timer, &QTimer::timeout, this, &layout_pacer::step);
}

layout_pacer::~layout_pacer()
{
    stop();
}

void layout_pacer::pace(QTextDocument *document)
{
    stop();
    m_document = document;
    m_layout = document->documentLayout();
    m_position = 0;
    m_layout->installEventFilter(this);
    m_timer.start();
}

void layout_pacer::stop()
{
    m_timer.stop();
    if (m_layout)
        m_layout->removeEventFilter(this);
    m_layout = nullptr;
    m_document = nullptr;
}

bool layout_pacer::eventFilter(QObject *watched, QEvent *event)
{
    // The layout's own lazy steps come as its timer events.
    return watched == m_layout && event->type() == QEvent::Timer;
}

void layout_pacer::step()
{
    if (!m_document || !m_layout) {
        stop();
        return;
    }
    QAbstractTextDocumentLayout *layout = m_document->documentLayout();
    const QTextBlock block = m_document->findBlock(qMin(m_position + step_chars, m_document->characterCount() - 1));
    // Asking where a block lies lays the document out up to it.
    layout->blockBoundingRect(block);
    m_position = block.position() + block.length();
    // The editor sizes its scroll bars from what is laid out so far when the
    // layout says its size changed, which its held-back steps would have said.
    emit layout->documentSizeChanged(QSizeF());
    if (!block.next().isValid()) {
        stop();
        emit finished();
    }
}
