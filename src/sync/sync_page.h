#pragma once
// sync_page: the "Синхронизация" page of the settings dialog — the CalDAV
// server, the user and password, the calendar found on the server, how
// often to sync, "sync now" with the last result, and iCalendar files.

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
struct sync_result;
class sync_service;

class sync_page : public QWidget
{
    Q_OBJECT
public:
    explicit sync_page(sync_service &service, QWidget *parent = nullptr);
    // Its controls in Tab order.
    QList<QWidget *> tab_order() const;

private:
    void find_calendars();
    void save();
    void show_result(const QString &line);

    sync_service &m_service;
    QLineEdit *m_url;
    QLineEdit *m_user;
    QLineEdit *m_password;
    QComboBox *m_calendars;
    QPushButton *m_find;
    QSpinBox *m_interval;
    QPushButton *m_save;
    QPushButton *m_now;
    QLabel *m_result;
    QPushButton *m_export;
    QPushButton *m_import;
};
