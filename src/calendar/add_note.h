#pragma once
// addNote: the note editor. One text line, a "timed" check box and the
// time; OK accepts, any other way of closing leaves it unaccepted.

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimeEdit;

class addNote : public QDialog
{
    Q_OBJECT
public:
    explicit addNote(QWidget *parent = nullptr);

    // Fills the editor; the text is selected.
    void prepare(const QString &title, const QString &prompt, const QString &text, bool timed, QTime time);
    bool accepted = false;
    QString text() const;
    bool timed() const;
    QTime time() const;

    QLabel *prompt;
    QLineEdit *text_edit;
    QCheckBox *timed_box;
    QTimeEdit *time_edit;
    QPushButton *ok_button;

public slots:
    void endEdit();
    void set_timeNote_visibility(int state);

protected:
    void showEvent(QShowEvent *e) override;
};
