#pragma once
// _datetimeEdit: the overview's copy dialog. Asks for the date a note is
// copied to and writes the copy.

#include <QDialog>
#include <QStringList>

class QDateEdit;
class QPushButton;
class notes_store;

class _datetimeEdit : public QDialog
{
    Q_OBJECT
public:
    explicit _datetimeEdit(notes_store &store, QWidget *parent = nullptr);
    // The text and the time column ("-" for an untimed note) of the note.
    QStringList note;
    QDateEdit *date_edit() const { return m_date; }
    QPushButton *ok_button() const { return m_ok; }

signals:
    void doUpdate();

public slots:
    void endEdit();

private:
    notes_store &m_store;
    QDateEdit *m_date;
    QPushButton *m_ok;
};
