// my_notebook: how another window brings the notebook up at a page.
#include "notebook/my_notebook.h"

#include <QTableWidget>

bool my_notebook::show_page(qint64 id)
{
    if (isMinimized())
        setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
    int row = row_of(id);
    if (row < 0) {
        // Added since the list was read (by another program, say).
        build_list();
        row = row_of(id);
    }
    if (row < 0)
        return false;
    make_current(row);
    return !m_switch_cancelled && m_page_id == id;
}
