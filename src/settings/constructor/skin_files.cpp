#include "settings/constructor/skin_files.h"

#include "storage/ini_format.h"

#include <QFileInfo>
#include <QLocale>

namespace skin_files {

namespace {
const char *const part_prefix[5] = {"face", "hour", "min", "sec", "shapocka"};
// What most Linux file systems take as one name.
constexpr int max_name_bytes = 255;
} // namespace

QString name_problem(const QString &name)
{
    if (name.trimmed().isEmpty())
        return QStringLiteral("Имя скина не может быть пустым.");
    if (name == QLatin1String(".") || name == QLatin1String(".."))
        return QStringLiteral("Имя скина не может быть \"%1\".").arg(name);
    // Both separators: skins are also carried to and from Windows.
    if (name.contains('/') || name.contains('\\'))
        return QStringLiteral("Имя скина не может содержать символы \"/\" и \"\\\".");
    for (QChar c : name)
        if (c.category() == QChar::Other_Control || c.isNull())
            return QStringLiteral("Имя скина не может содержать управляющие символы.");
    if (name.toUtf8().size() > max_name_bytes)
        return QStringLiteral("Имя скина слишком длинное.");
    return QString();
}

std::array<QString, 5> target_names(const std::array<QString, 5> &source_paths)
{
    std::array<QString, 5> names;
    for (int i = 0; i < 5; ++i) {
        QString n = QFileInfo(source_paths[i]).fileName();
        const auto taken = [&](const QString &candidate) {
            for (int j = 0; j < i; ++j)
                if (names[j].compare(candidate, Qt::CaseInsensitive) == 0)
                    return true;
            return false;
        };
        if (taken(n)) {
            const QString base = QString::fromLatin1(part_prefix[i]) + '_' + n;
            n = base;
            for (int k = 2; taken(n); ++k)
                n = QString::number(k) + '_' + base;
        }
        names[i] = n;
    }
    return names;
}

QString ini_value(const QString &v)
{
    QString out;
    bool quote = v.startsWith(' ') || v.endsWith(' ') || v.isEmpty();
    if (v.startsWith('@'))
        out += '@'; // a leading @ would otherwise read back as a typed value
    for (QChar c : v) {
        switch (c.unicode()) {
        case '\\':
            out += QLatin1String("\\\\");
            break;
        case '"':
            out += QLatin1String("\\\"");
            break;
        case '\n':
            out += QLatin1String("\\n");
            break;
        case '\r':
            out += QLatin1String("\\r");
            break;
        case '\t':
            out += QLatin1String("\\t");
            break;
        case ';':
        case ',':
        case '=':
            quote = true;
            out += c;
            break;
        default:
            out += c;
        }
    }
    return quote ? '"' + out + '"' : out;
}

QByteArray settings_text(const std::array<QString, 5> &names, const skin_layout &l)
{
    QString t = QStringLiteral("[SkinSettings]\r\n");
    const auto text = [&t](const char *key, const QString &value) {
        t += QLatin1String(key) + '=' + ini_value(value) + QLatin1String("\r\n");
    };
    const auto number = [&t](const char *key, double value) {
        t += QLatin1String(key) + '=' + QString::number(value, 'g', QLocale::FloatingPointShortest) +
             QLatin1String("\r\n");
    };
    text("fon", names[0]);
    text("hour", names[1]);
    number("offset_hour_x", l.hour.x);
    number("offset_hour_y", l.hour.y);
    number("offset_hour_z", l.hour.z);
    text("mins", names[2]);
    number("offset_mins_x", l.mins.x);
    number("offset_mins_y", l.mins.y);
    number("offset_mins_z", l.mins.z);
    text("secunds", names[3]);
    number("offset_secunds_x", l.secunds.x);
    number("offset_secunds_y", l.secunds.y);
    number("offset_secunds_z", l.secunds.z);
    text("shapocka", names[4]);
    number("offset_shapocka_x", l.shapocka.x);
    number("offset_shapocka_y", l.shapocka.y);
    return ini_format::encode(t);
}

} // namespace skin_files
