#pragma once
// draft_keeper: writes and removes the notebook's drafts (page_draft) on a
// worker thread, in the order asked, so a large page or a picture to
// encode never holds up typing. It knows which draft file belongs to which
// page in this session; drafts of earlier sessions are only read and,
// when the user says so, removed.

#include "notebook/page_draft.h"

#include <QHash>
#include <QImage>
#include <QObject>
#include <QThreadPool>
#include <functional>

class QWidget;
class notebook_prompts;

class draft_keeper : public QObject
{
    Q_OBJECT
public:
    explicit draft_keeper(const QString &folder, QObject *parent = nullptr);
    // Finishes every write asked for.
    ~draft_keeper() override;

    QString folder() const { return m_folder; }

    // Keeps d as the page's draft. A picture to store goes as picture and
    // is encoded on the worker.
    void keep(page_draft d, const QImage &picture = QImage());
    // The page's draft of this session, if any, is removed.
    void drop(qint64 page);
    bool has(qint64 page) const { return m_files.contains(page); }
    // d is the draft this session keeps for its page.
    bool owns(const page_draft &d) const { return m_files.value(d.page) == d.file; }
    // A draft of an earlier session becomes this session's draft of its page.
    void adopt(const page_draft &d);
    // Removes a draft of an earlier session.
    void discard(const page_draft &d);
    // Drafts on disk, oldest first (after finishing the writes asked for).
    QList<page_draft> stored();
    // Asks about each draft an earlier run left, oldest first: one the user
    // discards is removed, one to restore goes to restore (and the others
    // wait for the next start), one put off stays.
    void offer(notebook_prompts &prompts, QWidget *parent, const std::function<void(const page_draft &)> &restore);
    // Blocks until every write and removal asked for is done.
    void flush();

private:
    QString m_folder;
    QHash<qint64, QString> m_files;
    QThreadPool m_pool;
};
