#include "platform/autostart_entry.h"

#include "common/log.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

autostart_entry::autostart_entry(QString program) : m_program(std::move(program))
{
    if (m_program.isEmpty() && QCoreApplication::instance())
        m_program = QCoreApplication::applicationFilePath();
}

QString autostart_entry::path()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/autostart/orvella.desktop");
}

bool autostart_entry::enabled() const
{
    QFile f(path());
    if (!f.open(QIODevice::ReadOnly))
        return false;
    // A hand-edited entry may be bigger than ours, but never this big.
    const QList<QByteArray> lines = f.read(64 * 1024).split('\n');
    for (QByteArray line : lines) {
        line = line.trimmed();
        const int eq = line.indexOf('=');
        if (eq < 0)
            continue;
        const QByteArray key = line.left(eq).trimmed();
        const QByteArray value = line.mid(eq + 1).trimmed();
        if ((key == "Hidden" && value == "true") || (key == "X-GNOME-Autostart-enabled" && value == "false"))
            return false;
    }
    return true;
}

QString autostart_entry::exec_quoted(const QString &program)
{
    // Exec quoting: inside double quotes, " ` $ and \ take a backslash;
    // the value itself then escapes each backslash once more, and a
    // literal % is doubled so it is not read as a field code.
    QString q;
    for (const QChar c : program) {
        if (c == u'"' || c == u'`' || c == u'$')
            q += QStringLiteral("\\\\") + c;
        else if (c == u'\\')
            q += QStringLiteral("\\\\\\\\");
        else if (c == u'%')
            q += QStringLiteral("%%");
        else if (c == u'\n')
            q += QStringLiteral("\\n");
        else if (c == u'\t')
            q += QStringLiteral("\\t");
        else if (c == u'\r')
            q += QStringLiteral("\\r");
        else
            q += c;
    }
    return u'"' + q + u'"';
}

QString autostart_entry::contents() const
{
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=Orvella\n"
                          "Comment=Desktop clock with reminders, a calendar with notes and a notebook\n"
                          "Comment[ru]=Часы на рабочем столе с напоминаниями, календарём с заметками и записной "
                          "книжкой\n"
                          "Exec=") +
           exec_quoted(m_program) +
           QStringLiteral("\n"
                          "Icon=orvella\n"
                          "Terminal=false\n"
                          "X-GNOME-Autostart-enabled=true\n");
}

bool autostart_entry::set_enabled(bool on)
{
    m_error.clear();
    const QString file = path();
    if (!on) {
        if (!QFileInfo::exists(file) && !QFileInfo(file).isSymLink())
            return true;
        if (QFile::remove(file))
            return true;
        m_error = QStringLiteral("cannot remove ") + file;
        qCWarning(lc_app) << "autostart entry:" << m_error;
        return false;
    }
    if (!QDir().mkpath(QFileInfo(file).absolutePath())) {
        m_error = QStringLiteral("cannot create ") + QFileInfo(file).absolutePath();
        qCWarning(lc_app) << "autostart entry:" << m_error;
        return false;
    }
    QSaveFile f(file);
    if (!f.open(QIODevice::WriteOnly) || f.write(contents().toUtf8()) < 0 || !f.commit()) {
        m_error = QStringLiteral("cannot write ") + file + QStringLiteral(": ") + f.errorString();
        qCWarning(lc_app) << "autostart entry:" << m_error;
        return false;
    }
    return true;
}
