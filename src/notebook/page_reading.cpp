#include "notebook/page_reading.h"

#include "notebook/notebook_limits.h"
#include "notebook/notebook_log.h"
#include "notebook/notebook_store.h"

namespace page_reading {

result read(notebook_store &store, qint64 id)
{
    result r;
    const qint64 size = store.page_size(id);
    if (size < 0)
        return r;
    bool kind_known = true;
    r.image = store.is_image_page(id, &kind_known);
    if (!kind_known)
        return r;
    const qint64 limit = r.image ? notebook_limits::picture_page_bytes : notebook_limits::text_page_bytes;
    if (size > limit) {
        qCWarning(lc_notebook) << "page" << id << "of" << size << "bytes not opened: above the limit";
        r.what = result::outcome::too_large;
        r.refusal = QStringLiteral("Заметка слишком велика: %1 МБ, а открываются заметки не больше %2 МБ. "
                                   "Она остаётся в базе без изменений.")
                        .arg(notebook_limits::megabytes(size))
                        .arg(notebook_limits::megabytes(limit));
        return r;
    }
    bool readable = true;
    r.data = store.read_page_data(id, &readable);
    if (readable)
        r.what = result::outcome::read;
    return r;
}

} // namespace page_reading
