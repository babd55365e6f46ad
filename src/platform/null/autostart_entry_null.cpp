// Where no login-start mechanism is known: the entry never exists and
// cannot be written.
#include "platform/autostart_entry.h"

#include <QCoreApplication>

autostart_entry::autostart_entry(QString program) : m_program(std::move(program)) {}

QString autostart_entry::path()
{
    return {};
}

bool autostart_entry::enabled() const
{
    return false;
}

bool autostart_entry::set_enabled(bool on)
{
    if (!on)
        return true;
    m_error = QCoreApplication::translate("autostart_entry", "Автозапуск на этой системе не поддерживается");
    return false;
}

QString autostart_entry::contents() const
{
    return {};
}

QString autostart_entry::exec_quoted(const QString &program)
{
    return program;
}
