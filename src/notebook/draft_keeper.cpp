#include "notebook/draft_keeper.h"

#include "notebook/notebook_log.h"
#include "notebook/notebook_prompts.h"

#include <QBuffer>

draft_keeper::draft_keeper(const QString &folder, QObject *parent) : QObject(parent), m_folder(folder)
{
    m_pool.setMaxThreadCount(1); // one worker: writes and removals keep their order
}

draft_keeper::~draft_keeper()
{
    flush();
}

void draft_keeper::keep(page_draft d, const QImage &picture)
{
    if (d.file.isEmpty())
        d.file = m_files.value(d.page);
    if (d.file.isEmpty())
        d.file = page_draft_files::new_file_name(d.page, d.written);
    m_files.insert(d.page, d.file);
    const QString folder = m_folder;
    m_pool.start([folder, d, picture]() mutable {
        if (!picture.isNull()) {
            QBuffer buffer(&d.body);
            buffer.open(QIODevice::WriteOnly);
            picture.save(&buffer, "PNG");
        }
        QString error;
        if (!page_draft_files::write(folder, d, &error))
            qCWarning(lc_notebook) << "cannot keep the draft of page" << d.page << error;
        else
            qCDebug(lc_notebook) << "draft of page" << d.page << "kept in" << d.file;
    });
}

void draft_keeper::drop(qint64 page)
{
    const QString file = m_files.take(page);
    if (file.isEmpty())
        return;
    const QString folder = m_folder;
    m_pool.start([folder, file] { page_draft_files::remove(folder, file); });
}

void draft_keeper::adopt(const page_draft &d)
{
    const QString earlier = m_files.value(d.page);
    if (!earlier.isEmpty() && earlier != d.file)
        drop(d.page);
    m_files.insert(d.page, d.file);
}

void draft_keeper::discard(const page_draft &d)
{
    if (m_files.value(d.page) == d.file)
        m_files.remove(d.page);
    const QString folder = m_folder;
    const QString file = d.file;
    m_pool.start([folder, file] { page_draft_files::remove(folder, file); });
}

QList<page_draft> draft_keeper::stored()
{
    flush();
    return page_draft_files::read_all(m_folder);
}

void draft_keeper::offer(notebook_prompts &prompts, QWidget *parent,
                         const std::function<void(const page_draft &)> &restore)
{
    for (const page_draft &d : stored()) {
        if (owns(d))
            continue; // this run's own
        const auto answer = prompts.ask_restore_draft(parent, d.title, d.written);
        if (answer == notebook_prompts::draft_answer::discard) {
            discard(d);
        } else if (answer == notebook_prompts::draft_answer::restore) {
            restore(d);
            return;
        }
    }
}

void draft_keeper::flush()
{
    m_pool.waitForDone();
}
