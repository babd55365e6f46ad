#include "notebook/notebook_geometry.h"

#include "common/screen_placement.h"
#include "notebook/notebook_log.h"
#include "notebook/notebook_prompts.h"
#include "notebook/notebook_size_file.h"

#include <QGuiApplication>
#include <QLayout>
#include <QMainWindow>
#include <QScreen>
#include <QToolBar>
#include <QWindow>

notebook_geometry::notebook_geometry(QMainWindow &window, QWidget &dock_contents, QToolBar &bar, const QString &file)
    : m_window(window), m_dock_contents(dock_contents), m_bar(bar), m_file(file)
{}

void notebook_geometry::restore()
{
    const auto saved = notebook_size_file::load(m_file);
    if (saved) {
        m_window.restoreGeometry(saved->geometry);
        m_window.restoreState(saved->state, 0);
        // A geometry from a screen that is gone would put the window out of reach.
        const QRect frame = m_window.geometry();
        QList<QRect> areas;
        for (const QScreen *s : QGuiApplication::screens())
            areas.append(s->availableGeometry());
        if (saved->geometry.isEmpty() || areas.isEmpty() || screen_placement::on_screens(frame, areas)) {
            m_restored_position = true;
            return;
        }
        qCInfo(lc_notebook) << "stored notebook geometry" << frame << "is off screen; centring";
    } else {
        m_dock_contents.setMaximumWidth(180);
        // At its first size the window shows the whole tool bar, the mode
        // switch included, rather than hiding its end behind "»".
        const int need = m_bar.sizeHint().width() + 2 * m_bar.layout()->contentsMargins().left();
        if (m_window.width() < need)
            m_window.resize(need, m_window.height());
    }
    centre();
}

void notebook_geometry::centre()
{
    QScreen *scr = m_window.screen() ? m_window.screen() : QGuiApplication::primaryScreen();
    if (!scr)
        return;
    const QRect area = scr->availableGeometry();
    m_window.move(area.center() - QPoint(m_window.width() / 2, m_window.height() / 2));
}

void notebook_geometry::first_show()
{
    // Where it was, its frame around it. The flags set since (the
    // composition sets them after construction) left a position meant for
    // the frame, so each start would put the window a title bar lower; the
    // window's own geometry is set anew, by way of another one, since
    // setting the same geometry again changes nothing.
    if (!m_restored_position)
        return;
    m_restored_position = false;
    if (QWindow *w = m_window.windowHandle()) {
        const QRect g = w->geometry();
        w->setGeometry(g.translated(1, 0));
        w->setGeometry(g);
    }
}

void notebook_geometry::save(notebook_prompts &prompts)
{
    if (m_forgotten)
        return;
    QString error;
    switch (notebook_size_file::save(m_file, {m_window.saveGeometry(), m_window.saveState(0)}, &error)) {
    case notebook_size_file::save_result::written:
        break;
    case notebook_size_file::save_result::too_long:
        qCWarning(lc_notebook) << "window geometry does not fit" << m_file << "- the previous file is kept";
        break;
    case notebook_size_file::save_result::failed:
        qCWarning(lc_notebook) << "cannot write" << m_file << error;
        prompts.message(&m_window, notebook_prompts::box::warning, QStringLiteral("Ошибка"), error);
        break;
    }
}
