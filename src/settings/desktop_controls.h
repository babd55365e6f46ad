#pragma once
// The dialog's desktop options: pinning, fixing, click-through, on-top,
// windowed mode and the clock's opacity. The widgets are the form's; this
// names them by what they do.

class QCheckBox;
class QDoubleSpinBox;

struct desktop_controls
{
    QCheckBox *pinned = nullptr;          // checkBox_21
    QCheckBox *fixed = nullptr;           // checkBox_3
    QCheckBox *click_through = nullptr;   // checkBox_4
    QCheckBox *on_top = nullptr;          // checkBox
    QCheckBox *windowed = nullptr;        // checkBox_7
    QCheckBox *calendar_on_top = nullptr; // checkBox_23
    QDoubleSpinBox *opacity = nullptr;    // doubleSpinBox
};
