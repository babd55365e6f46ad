#include "common/modal_reach.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace modal_reach {

namespace {

// `w` is `ancestor` or one of its children or transients, at any depth.
bool belongs_to(const QWindow *w, const QWindow *ancestor)
{
    for (int depth = 0; w && depth < 64; ++depth) {
        if (w == ancestor)
            return true;
        w = w->parent() ? w->parent() : w->transientParent();
    }
    return false;
}

class reach_filter : public QObject
{
public:
    explicit reach_filter(QWidget *window) : QObject(window), m_window(window) { window->installEventFilter(this); }

    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (o == m_window && e->type() == QEvent::WindowBlocked)
            reach();
        return false;
    }

private:
    void reach()
    {
        QWindow *handle = m_window ? m_window->windowHandle() : nullptr;
        QWindow *modal = QGuiApplication::modalWindow();
        if (!handle || !modal || modal == handle || belongs_to(modal, handle))
            return;
        if (!(m_window->windowFlags() & Qt::WindowStaysOnTopHint))
            return;
        if (!m_is_lent)
            m_own_parent = handle->transientParent();
        disconnect(m_watch);
        m_lent = modal;
        m_is_lent = true;
        // Once the dialog is gone the window is itself again (or, from the
        // next turn of the event loop, the transient of a dialog still open).
        m_watch = connect(modal, &QWindow::visibleChanged, this, [this](bool shown) {
            if (!shown)
                QTimer::singleShot(0, this, &reach_filter::give_back);
        });
        handle->setTransientParent(modal);
    }

    void give_back()
    {
        QWindow *handle = m_window ? m_window->windowHandle() : nullptr;
        if (!handle || !m_is_lent || (m_lent && m_lent->isVisible()))
            return;
        disconnect(m_watch);
        m_lent = nullptr;
        m_is_lent = false;
        handle->setTransientParent(m_own_parent);
    }

    QPointer<QWidget> m_window;
    QPointer<QWindow> m_own_parent;
    QPointer<QWindow> m_lent;
    QMetaObject::Connection m_watch;
    bool m_is_lent = false;
};

} // namespace

void keep_reachable(QWidget *window)
{
    if (window)
        new reach_filter(window);
}

} // namespace modal_reach
