#include "test_support.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QStringEncoder>
#include <QTest>

#include <unistd.h>

temp_data_home::temp_data_home()
{
    m_had_old = qEnvironmentVariableIsSet("XDG_DATA_HOME");
    m_old = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", m_dir.path().toLocal8Bit());
}

temp_data_home::~temp_data_home()
{
    if (m_had_old)
        qputenv("XDG_DATA_HOME", m_old);
    else
        qunsetenv("XDG_DATA_HOME");
}

folder_lock::folder_lock(const QString &folder) : m_folder(folder)
{
    if (::geteuid() == 0) {
        m_attribute = QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), folder}) == 0;
    } else {
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    }
    // Locked only if a file really cannot be made there.
    QFile probe(folder + QStringLiteral("/.probe"));
    m_locked = !probe.open(QIODevice::WriteOnly);
    if (!m_locked)
        probe.remove();
}

folder_lock::~folder_lock()
{
    if (m_attribute)
        QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), m_folder});
    else
        QFile::setPermissions(m_folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

box_answerer::box_answerer(QObject *parent) : QObject(parent)
{
    connect(&m_timer, &QTimer::timeout, this, &box_answerer::poll);
    m_timer.start(20);
}

void box_answerer::poll()
{
    const auto widgets = QApplication::topLevelWidgets();
    for (QWidget *w : widgets) {
        auto *box = qobject_cast<QMessageBox *>(w);
        if (!box || !box->isVisible())
            continue;
        seen_box s{box->windowTitle(), box->text(), {}};
        QAbstractButton *pick = nullptr;
        for (QAbstractButton *b : box->buttons()) {
            QString t = b->text();
            t.remove('&');
            s.buttons << t;
            if (!m_prefer.isEmpty() && t == m_prefer)
                pick = b;
        }
        m_seen << s;
        if (m_reject) {
            box->reject();
        } else {
            if (!pick)
                pick = box->defaultButton() ? static_cast<QAbstractButton *>(box->defaultButton())
                                            : (box->buttons().isEmpty() ? nullptr : box->buttons().first());
            if (pick)
                pick->click();
            else
                box->accept();
        }
    }
}

void write_file(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(path));
    f.write(bytes);
}

QByteArray read_file(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

QString built_app_data()
{
    return qEnvironmentVariable("ORVELLA_APP_DATA");
}

QString built_bin()
{
    return qEnvironmentVariable("ORVELLA_TEST_BIN");
}

QByteArray cp1251(const QString &text)
{
    QStringEncoder enc("windows-1251");
    return enc.encode(text);
}
