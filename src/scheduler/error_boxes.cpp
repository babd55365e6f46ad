#include "scheduler/error_boxes.h"

#include <QMessageBox>

error_boxes::~error_boxes()
{
    for (const QPointer<QMessageBox> &box : std::as_const(m_open))
        delete box.data();
}

void error_boxes::add(const QString &title, const QString &text)
{
    for (const error &e : std::as_const(m_pending))
        if (e.title == title && e.text == text)
            return;
    m_pending.append({title, text});
}

void error_boxes::show_pending()
{
    const QList<error> errors = std::exchange(m_pending, {});
    for (const error &e : errors) {
        const QString key = id(e.title, e.text);
        const QPointer<QMessageBox> open = m_open.value(key);
        if (open && open->isVisible())
            continue;
        auto *box = new QMessageBox(QMessageBox::Information, e.title, e.text, QMessageBox::Ok);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->setWindowModality(Qt::NonModal);
        box->show();
        m_open.insert(key, box);
    }
    // Forget the boxes the user has closed.
    for (auto it = m_open.begin(); it != m_open.end();)
        it = it.value() ? std::next(it) : m_open.erase(it);
}

QList<QMessageBox *> error_boxes::open_boxes() const
{
    QList<QMessageBox *> r;
    for (const QPointer<QMessageBox> &box : m_open)
        if (box && box->isVisible())
            r << box.data();
    return r;
}
