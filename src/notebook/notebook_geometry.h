#pragma once
// notebook_geometry: where the notebook window is and how it is laid out,
// kept in notebook_size.dat across runs. Restored at construction (a
// centred window, its whole tool bar shown, when there is no file), set
// again as the window first shows, written when asked.

#include <QString>

class QMainWindow;
class QToolBar;
class QWidget;
class notebook_prompts;

class notebook_geometry
{
public:
    notebook_geometry(QMainWindow &window, QWidget &dock_contents, QToolBar &bar, const QString &file);

    void restore();
    // Before the window is first mapped (from its show event).
    void first_show();
    // A failure is said in an "Ошибка" box.
    void save(notebook_prompts &prompts);
    // The file was deleted: it is not written again.
    void forget() { m_forgotten = true; }

private:
    void centre();

    QMainWindow &m_window;
    QWidget &m_dock_contents;
    QToolBar &m_bar;
    QString m_file;
    bool m_forgotten = false;
    bool m_restored_position = false; // from the file, not yet shown
};
