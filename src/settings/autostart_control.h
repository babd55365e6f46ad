#pragma once
// The "Запускать при входе в систему" check box: shows whether the XDG
// autostart entry is there each time the dialog opens, and writes or
// removes it when the user ticks or unticks the box.

#include <QObject>

class QCheckBox;
class QWidget;

class autostart_control : public QObject
{
    Q_OBJECT
public:
    // Lives as long as dialog; reloads the box whenever dialog is shown.
    autostart_control(QCheckBox *box, QWidget *dialog);

    void load();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void toggled(bool on);

    QCheckBox *m_box;
    QWidget *m_dialog;
};
