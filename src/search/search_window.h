#pragma once
// search_window: the window "Поиск". What the user types is looked up in
// every date note and every notebook page as they type (after a short
// pause, so a fast typist starts one search, not ten); the hits are listed
// with their date or page title and the words around the match. Choosing a
// hit (click, Enter) emits where it is; the program's composition opens
// the calendar or the notebook there.

#include "search/search_hit.h"

#include <QDate>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

class QLabel;
class QLineEdit;
class QListView;
class hit_model;
class search_service;

class search_window : public QWidget
{
    Q_OBJECT
public:
    explicit search_window(search_service &service, QWidget *parent = nullptr);
    ~search_window() override;

    // Shows the window in front with the query ready to be typed over.
    void begin();
    // Searches the current text again (the notes changed).
    void search_again();
    void set_pause(int ms) { m_pause.setInterval(ms); }
    // Emits where hit `row` is.
    void open_hit(int row);

    QLineEdit *query() const { return m_query; }
    QListView *hit_view() const { return m_view; }
    QLabel *status() const { return m_status; }
    hit_model *hits() const { return m_model; }

signals:
    void note_chosen(QDate date, const QString &key);
    void page_chosen(qint64 id);
    // Shown: a good moment to bring the notes up to date.
    void opened();
    // Results of a search were listed (tests and the benchmark wait for it).
    void listed();

protected:
    void showEvent(QShowEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    void changeEvent(QEvent *e) override;
    bool eventFilter(QObject *watched, QEvent *e) override;

private:
    void start_search();
    void show_results(const search_results &r);
    void show_status();

    search_service &m_service;
    QLineEdit *m_query = nullptr;
    QListView *m_view = nullptr;
    QLabel *m_status = nullptr;
    hit_model *m_model = nullptr;
    QTimer m_pause;
    quint64 m_ticket = 0;
    int m_indexing = 0;
    QString m_problem;
    // A double click is also two clicks: one opening is enough.
    int m_last_opened = -1;
    QElapsedTimer m_opened_at;
};
