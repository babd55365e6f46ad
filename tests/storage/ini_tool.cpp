// ini_tool dump FILE: prints every key of a settings file as JSON.
// ini_tool set FILE KEY JSONVALUE: writes one key (string or list).
#include "storage/ini_format.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList a = app.arguments();
    if (a.size() >= 3 && a[1] == "dump") {
        auto s = ini_format::open(a[2]);
        QJsonObject o;
        for (const QString &k : s->allKeys())
            o.insert(k, QJsonValue::fromVariant(s->value(k)));
        QTextStream(stdout) << QJsonDocument(o).toJson(QJsonDocument::Compact);
        return s->status() == QSettings::NoError ? 0 : 2;
    }
    if (a.size() >= 5 && a[1] == "set") {
        auto s = ini_format::open(a[2]);
        const QJsonDocument d = QJsonDocument::fromJson("[" + a[4].toUtf8() + "]");
        s->setValue(a[3], d.array().first().toVariant());
        s->sync();
        return s->status() == QSettings::NoError ? 0 : 2;
    }
    return 1;
}
