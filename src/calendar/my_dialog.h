#pragma once
// my_dialog: the overview's find dialog. Typing selects the matching cells
// of the overview table named "monitor_notes" among its parent's children.

#include <QDialog>

class QLineEdit;
class QTableWidget;

class my_dialog : public QDialog
{
    Q_OBJECT
public:
    explicit my_dialog(QWidget *parent = nullptr);
    QLineEdit *line_edit() const { return m_edit; }
    // Selects in `table` as typing `text` would.
    static void find(QTableWidget *table, const QString &text);

public slots:
    void on_lineEdit_textChanged(const QString &text);

private:
    QLineEdit *m_edit;
};
