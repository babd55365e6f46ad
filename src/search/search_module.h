#pragma once
// The search's entry point for the program's composition: the search
// window over the date notes of one notes store and the pages of
// notebook.db, and the search thread behind it. The window's signals say
// which note or page the user chose.

#include <QObject>
#include <QTimer>
#include <memory>

class notes_store;
class search_service;
class search_window;

class search_module : public QObject
{
    Q_OBJECT
public:
    search_module(notes_store &notes, const QString &notebook_file);
    ~search_module() override;

    // Shows "Поиск" in front, ready for typing.
    void show();
    search_window *window() const { return m_window.get(); }
    search_service &service() { return *m_service; }

private:
    // Takes a new copy of the notes for the search thread.
    void take_notes();

    notes_store &m_notes;
    std::unique_ptr<search_service> m_service;
    std::unique_ptr<search_window> m_window;
    quint64 m_notes_revision = ~quint64(0);
    QTimer m_notes_pause;
};
