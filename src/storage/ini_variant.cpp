#include "storage/ini_variant.h"

#include <QDataStream>
#include <QIODevice>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace ini_variant {

namespace {

// "@Rect(1 2 3 4)" -> {"1", "2", "3", "4"}; `open` is the index of '('.
// Items are separated by single spaces; a ')' before the end closes an
// item without starting a new one, as the toolkit reads it.
QStringList arguments(const QString &s, qsizetype open)
{
    QStringList out;
    QString item;
    for (qsizetype i = open + 1; i < s.size(); ++i) {
        const QChar c = s.at(i);
        if (c == u')') {
            out << item;
        } else if (c == u' ') {
            out << item;
            item.clear();
        } else {
            item += c;
        }
    }
    return out;
}

QVariant from_stream(const QString &s, qsizetype offset, QDataStream::Version version)
{
    QByteArray a = QStringView(s).sliced(offset).toLatin1();
    QDataStream stream(&a, QIODevice::ReadOnly);
    stream.setVersion(version);
    QVariant result;
    stream >> result;
    return result;
}

} // namespace

QString to_text(const QVariant &v)
{
    switch (v.metaType().id()) {
    case QMetaType::UnknownType:
        return QStringLiteral("@Invalid()");
    case QMetaType::QByteArray:
        return QLatin1String("@ByteArray(") + QLatin1String(v.toByteArray()) + u')';
    case QMetaType::QKeySequence:
    case QMetaType::QString:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Bool:
    case QMetaType::Float:
    case QMetaType::Double: {
        QString r = v.toString();
        if (r.contains(QChar::Null))
            return QLatin1String("@String(") + r + u')';
        if (r.startsWith(u'@'))
            r.prepend(u'@');
        return r;
    }
    case QMetaType::QRect: {
        const QRect r = v.toRect();
        return QString::asprintf("@Rect(%d %d %d %d)", r.x(), r.y(), r.width(), r.height());
    }
    case QMetaType::QSize: {
        const QSize z = v.toSize();
        return QString::asprintf("@Size(%d %d)", z.width(), z.height());
    }
    case QMetaType::QPoint: {
        const QPoint p = v.toPoint();
        return QString::asprintf("@Point(%d %d)", p.x(), p.y());
    }
    default: {
        const bool datetime = v.metaType().id() == QMetaType::QDateTime;
        QByteArray a;
        {
            QDataStream s(&a, QIODevice::WriteOnly);
            s.setVersion(datetime ? QDataStream::Qt_5_6 : QDataStream::Qt_4_0);
            s << v;
        }
        return QLatin1String(datetime ? "@DateTime(" : "@Variant(") + QLatin1String(a) + u')';
    }
    }
}

bool is_list(const QVariant &v)
{
    // A one-item variant list is written as that item alone.
    const int id = v.metaType().id();
    return id == QMetaType::QStringList || (id == QMetaType::QVariantList && v.toList().size() != 1);
}

QStringList to_texts(const QVariant &v)
{
    QStringList out;
    const QVariantList items = v.toList();
    out.reserve(items.size());
    for (const QVariant &item : items)
        out << to_text(item);
    return out;
}

QVariant from_text(const QString &s)
{
    if (!s.startsWith(u'@'))
        return s;
    if (s.endsWith(u')')) {
        if (s.startsWith(QLatin1String("@ByteArray(")))
            return QStringView(s).sliced(11).chopped(1).toLatin1();
        if (s.startsWith(QLatin1String("@String(")))
            return QStringView(s).sliced(8).chopped(1).toString();
        if (s.startsWith(QLatin1String("@Variant(")))
            return from_stream(s, 9, QDataStream::Qt_4_0);
        if (s.startsWith(QLatin1String("@DateTime(")))
            return from_stream(s, 10, QDataStream::Qt_5_6);
        if (s.startsWith(QLatin1String("@Rect("))) {
            const QStringList a = arguments(s, 5);
            if (a.size() == 4)
                return QRect(a[0].toInt(), a[1].toInt(), a[2].toInt(), a[3].toInt());
        } else if (s.startsWith(QLatin1String("@Size("))) {
            const QStringList a = arguments(s, 5);
            if (a.size() == 2)
                return QSize(a[0].toInt(), a[1].toInt());
        } else if (s.startsWith(QLatin1String("@Point("))) {
            const QStringList a = arguments(s, 6);
            if (a.size() == 2)
                return QPoint(a[0].toInt(), a[1].toInt());
        } else if (s == QLatin1String("@Invalid()")) {
            return QVariant();
        }
    }
    if (s.startsWith(QLatin1String("@@")))
        return s.sliced(1);
    return s;
}

QVariant from_texts(QStringList texts)
{
    // One item in an "@" form makes every item a value of its own.
    for (const QString &t : std::as_const(texts))
        if (t.startsWith(u'@') && (t.size() < 2 || t.at(1) != u'@')) {
            QVariantList values;
            values.reserve(texts.size());
            for (const QString &item : std::as_const(texts))
                values << from_text(item);
            return values;
        }
    for (QString &t : texts)
        if (t.startsWith(QLatin1String("@@")))
            t.remove(0, 1);
    return texts;
}

} // namespace ini_variant
