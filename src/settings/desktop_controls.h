#pragma once
// The dialog's desktop options: pinning, fixing, click-through, on-top,
// windowed mode and the clock's opacity. Object names are the ones the
// dialog's form uses, so finders and tests address them the same way.

#include <QWidget>

class QCheckBox;
class QDoubleSpinBox;

class desktop_controls : public QWidget
{
    Q_OBJECT
public:
    explicit desktop_controls(QWidget *parent = nullptr);

    QCheckBox *pinned = nullptr;          // checkBox_21
    QCheckBox *fixed = nullptr;           // checkBox_3
    QCheckBox *click_through = nullptr;   // checkBox_4
    QCheckBox *on_top = nullptr;          // checkBox
    QCheckBox *windowed = nullptr;        // checkBox_7
    QCheckBox *calendar_on_top = nullptr; // checkBox_23
    QDoubleSpinBox *opacity = nullptr;    // doubleSpinBox
};
