#pragma once
// The XDG autostart entry that starts the clock when the user logs in:
// $XDG_CONFIG_HOME/autostart/orvella.desktop (~/.config/autostart).
// Nothing is written until the user asks for it.

#include <QString>

class autostart_entry
{
public:
    // program: the executable the entry starts (by default this process's own).
    explicit autostart_entry(QString program = {});

    static QString path();

    // True when the entry exists and is not switched off inside
    // (Hidden=true or X-GNOME-Autostart-enabled=false, as desktops do).
    bool enabled() const;
    // Writes (atomically) or removes the entry; false with error() set when
    // that failed.
    bool set_enabled(bool on);
    QString error() const { return m_error; }

    // The entry's text, and the program quoted for an Exec line.
    QString contents() const;
    static QString exec_quoted(const QString &program);

private:
    QString m_program;
    QString m_error;
};
