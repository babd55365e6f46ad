#pragma once
// find_dialog: the "find in titles" box of the notebook. Each change of
// its text asks the owner to move to the first matching page.

#include <QDialog>

class QLineEdit;

class find_dialog : public QDialog
{
    Q_OBJECT
public:
    explicit find_dialog(QWidget *parent = nullptr);
    QLineEdit *line_edit() const { return m_edit; }

signals:
    void search(const QString &text);

public slots:
    void on_lineEdit_textChanged(const QString &text);

private:
    QLineEdit *m_edit;
};
