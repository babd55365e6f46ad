#pragma once
// One running program per data folder: a second start asks the first one
// to show its clock and exits, so events never fire twice and two
// processes never write the same files.

#include <QObject>
#include <QString>

class QLocalServer;

class single_instance : public QObject
{
    Q_OBJECT
public:
    // key identifies the data folder (its path).
    explicit single_instance(const QString &key, QObject *parent = nullptr);
    ~single_instance() override;

    // True when another instance answered and was asked to show itself.
    bool hand_over_to_running();
    // Starts listening; false if that fails (logged; the program runs anyway).
    bool listen();

    static QString server_name(const QString &key);

signals:
    void show_requested();

private:
    QString m_name;
    QLocalServer *m_server = nullptr;
};
