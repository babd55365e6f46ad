#pragma once
// Writes a flip gradient group to clock.ini behind a dragged point: the
// first change at once, then at most one write every 100 ms, and the last
// one when the drag stops, so a drag does not rewrite the file on every
// pointer move.

#include <QGradientStops>
#include <QObject>
#include <QTimer>

class clock_settings;

class gradient_writer : public QObject
{
    Q_OBJECT
public:
    static constexpr int interval_ms = 100;

    explicit gradient_writer(clock_settings &settings, QObject *parent = nullptr);
    ~gradient_writer() override;

    void write(const char *group, const QGradientStops &stops);
    // Writes what is pending now.
    void flush();
    int writes() const { return m_writes; }

private:
    void on_timeout();
    void write_now(const char *group, const QGradientStops &stops);

    clock_settings &m_settings;
    QTimer m_timer;
    const char *m_group = nullptr;
    QGradientStops m_stops;
    bool m_pending = false;
    int m_writes = 0;
};
