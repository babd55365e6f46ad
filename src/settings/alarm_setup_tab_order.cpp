// alarm_setup: the Tab order of every page. A control added to a page goes
// into its list here, at the place a reader meets it; the dialog's tests
// check that every control that takes the focus is in a list.
#include "settings/alarm_setup.h"
#include "settings/constructor/skin_constructor.h"
#include "settings/tab_chain.h"
#include "ui_alarm_setup.h"

#include <QAbstractButton>
#include <QScrollArea>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBox>

QList<QWidget *> alarm_setup::general_tab_order() const
{
    const Ui::Dialog &u = *m_ui;
    // The tool box's page headers, each before its page.
    const QList<QAbstractButton *> headers =
        u.toolBox->findChildren<QAbstractButton *>(QStringLiteral("qt_toolbox_toolboxbutton"));
    auto header = [&headers](int i) -> QWidget * { return i < headers.size() ? headers.at(i) : nullptr; };
    return {
        // Face and desktop.
        u.radioButton,
        u.radioButton_2,
        u.radioButton_3,
        u.checkBox,
        u.checkBox_7,
        u.checkBox_21,
        u.checkBox_3,
        u.checkBox_4,
        u.doubleSpinBox,
        u.hourOffset,
        u.minsOffset,
        u.comboBox_3,
        // Digital face.
        header(0),
        u.pushButton_6,
        u.pushButton_5,
        u.pushButton_7,
        u.pushButton_8,
        // Analog face.
        header(1),
        u.pushButton_4,
        u.horizontalSlider,
        u.pushButton_9,
        u.doubleSpinBox_2,
        u.checkBox_2,
        u.checkBox_17,
        u.checkBox_16,
        // Flip face.
        header(2),
        u.radioButton_4,
        u.radioButton_5,
        u.horizontalSlider_2,
        u.checkBox_20,
        u.checkBox_18,
        u.checkBox_19,
        u.pushButton_32,
        u.pushButton_30,
        u.pushButton_33,
        u.lineEdit_6,
        u.pushButton_31,
        // Calendar and the rest.
        u.calendar_face_down,
        u.pushButton_11,
        u.calendar_face_up,
        u.pushButton_27,
        u.pushButton_26,
        u.pushButton_25,
        u.pushButton_34,
        u.pushButton_23,
        u.pushButton_13,
        u.pushButton_12,
        u.pushButton_22,
        u.pushButton_29,
        u.pushButton_28,
        u.checkBox_23,
        u.checkBox_5,
        u.checkBox_8,
        u.checkBox_9,
        u.checkBox_12,
        u.checkBox_22,
        u.checkBox_11,
        u.checkBox_13,
        u.checkBox_6,
        u.checkBox_14,
        u.checkBox_15,
        u.comboBox_2,
        u.checkBox_autostart,
        u.checkBox_notify,
    };
}

QList<QWidget *> alarm_setup::scheduler_tab_order() const
{
    const Ui::Dialog &u = *m_ui;
    // The form first, its buttons, then the list: Tab never walks the list
    // (every step there would load another event).
    QList<QWidget *> order{
        u.lineEdit,    u.timeEdit,      u.dateEdit,      u.textEdit,     u.pushButton_10, u.lineEdit_2, u.pushButton_14,
        u.checkBox_10, u.pushButton_15, u.pushButton_24, u.lineEdit_3,   u.lineEdit_4,    u.lineEdit_5, u.comboBox,
        u.checkBox_25, u.checkBox_24,   u.ponedelnik,    u.vtornik,      u.sreda,         u.chetverg,   u.patnicha,
        u.subbota,     u.voskresenie,   u.month_1,       u.month_2,      u.month_3,       u.month_4,    u.month_5,
        u.month_6,     u.month_7,       u.month_8,       u.month_9,      u.month_10,      u.month_11,   u.month_12,
        u.repeat_min,  u.pushButton,    u.pushButton_3,  u.pushButton_2,
    };
    // Buttons other parts of the program put under the form's own.
    order << m_added_buttons;
    if (m_run_everywhere)
        order << m_run_everywhere;
    order << u.tableWidget;
    return order;
}

void alarm_setup::set_tab_order()
{
    // The tool box shows each page in a scroll area, which would be a Tab
    // stop of its own with nothing in it.
    for (QScrollArea *a : m_ui->toolBox->findChildren<QScrollArea *>())
        a->setFocusPolicy(Qt::NoFocus);
    // A tab widget stands for its tab bar; met in the chain after its pages
    // it would send Tab back to the bar and round the same page for ever.
    // The bars are in the chain themselves.
    for (QTabWidget *t : findChildren<QTabWidget *>()) {
        t->setFocusPolicy(Qt::NoFocus); // the tab widget hands this on to its bar
        t->tabBar()->setFocusPolicy(Qt::TabFocus);
    }
    QList<QWidget *> chain{m_ui->tabWidget->tabBar()};
    chain << general_tab_order() << scheduler_tab_order() << m_added_pages_order;
    if (m_constructor)
        chain << m_constructor->tab_order();
    tab_chain::link(chain);
}
