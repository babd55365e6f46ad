#pragma once
// Shared set-up for the fuzz targets: one application object (offscreen),
// a private data home, quiet logging, and modal boxes closed as soon as
// they open so a warning never stalls a run.

#include <QApplication>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <cstddef>
#include <cstdint>

namespace fuzz {

inline QTemporaryDir &scratch_dir()
{
    static QTemporaryDir dir;
    return dir;
}

inline void init(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("XDG_DATA_HOME", scratch_dir().path().toLocal8Bit());
    // Warnings about bad input are expected by the thousand; printing them
    // would be most of the run's time.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    // Lives until the process ends: destroyed among the exit handlers, after
    // statics it relies on, it would crash on the way out.
    static QApplication *app = new QApplication(*argc, *argv);
    auto *closer = new QTimer(app);
    QObject::connect(closer, &QTimer::timeout, [] {
        if (QWidget *w = QApplication::activeModalWidget())
            w->close();
    });
    closer->start(0);
}

inline QString write_scratch(const QString &name, const uint8_t *data, size_t size)
{
    const QString path = scratch_dir().path() + "/" + name;
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(reinterpret_cast<const char *>(data), qint64(size));
    return path;
}

// A fresh path per run: the settings library caches parsed files by path.
inline QString fresh_name(const char *stem, const char *suffix)
{
    static quint64 n = 0;
    return QStringLiteral("%1-%2%3").arg(QLatin1String(stem)).arg(++n).arg(QLatin1String(suffix));
}

} // namespace fuzz
