// Our INI reader and writer against the toolkit's own INI format, which
// reads and writes UTF-8: what our writer writes (CP1251, turned into
// UTF-8 for the toolkit) reads there as what the toolkit's writer would
// have given; what the toolkit's writer writes (the old settings code did
// exactly that, then turned it into CP1251) reads here as it reads there;
// and random INI text, broken lines included, reads the same on both
// sides except where ours deliberately stops at a line's end.

#include "storage/ini_format.h"
#include "storage/ini_reader.h"
#include "storage/ini_writer.h"
#include "storage/win1251.h"
#include "test_support.h"

#include <QDataStream>
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTest>

using namespace std::literals;

namespace {

QString text_of(const QString &s)
{
    return s.isNull() ? QStringLiteral("") : s;
}

// A list with an item in an "@" form reads as a list of values; compare
// lists of texts as string lists either way. An empty text may read back
// null or not (as in the toolkit's reader): nobody can tell them apart.
QByteArray serialised(const QVariant &v)
{
    QVariant n = v;
    if (v.typeId() == QMetaType::QString)
        n = text_of(v.toString());
    if (v.typeId() == QMetaType::QVariantList || v.typeId() == QMetaType::QStringList) {
        QStringList texts;
        bool all_text = true;
        for (const QVariant &e : v.toList()) {
            all_text = all_text && e.typeId() == QMetaType::QString;
            texts << text_of(e.toString());
        }
        if (all_text)
            n = texts;
    }
    QByteArray b;
    QDataStream s(&b, QIODevice::WriteOnly);
    s << n;
    return b;
}

QString shown(const QSettings::SettingsMap &m)
{
    QStringList out;
    for (auto it = m.cbegin(); it != m.cend(); ++it)
        out << it.key() + " = " + QDebug::toString(it.value());
    return out.join(u'\n');
}

// Where two byte strings part, with some context.
QString first_difference(const QByteArray &a, const QByteArray &b)
{
    qsizetype i = 0;
    while (i < a.size() && i < b.size() && a[i] == b[i])
        ++i;
    const qsizetype from = qMax<qsizetype>(0, i - 40);
    return QStringLiteral("at byte %1:\n  …%2\n  …%3")
        .arg(i)
        .arg(QString::fromLatin1(a.mid(from, 80).toPercentEncoding(" []=\n\\\"@,;")))
        .arg(QString::fromLatin1(b.mid(from, 80).toPercentEncoding(" []=\n\\\"@,;")));
}

bool same_maps(const QSettings::SettingsMap &a, const QSettings::SettingsMap &b)
{
    if (a.keys() != b.keys())
        return false;
    for (auto it = a.cbegin(); it != a.cend(); ++it)
        if (serialised(it.value()) != serialised(b.value(it.key())))
            return false;
    return true;
}

class random_ini
{
public:
    explicit random_ini(quint32 seed) : m_rng(seed) {}

    int below(int n) { return int(m_rng.bounded(n)); }

    QString text(const std::u16string_view pool, int max_len)
    {
        QString s;
        const int n = below(max_len + 1);
        for (int i = 0; i < n; ++i) {
            if (m_astral && below(12) == 0) {
                // Characters beyond 16 bits, as two units.
                s += QString::fromUcs4(U"\U0001F600\U0001F389\U00020000" + below(3), 1);
                continue;
            }
            s += QChar(pool[size_t(below(int(pool.size())))]);
        }
        return s;
    }

    QString name()
    {
        static const std::u16string_view pool = u"abzAZ09_-. %\\=;\"#[]ЖёЯ№中@,"sv;
        QString s;
        while (s.isEmpty() || s.compare(QLatin1String("general"), Qt::CaseInsensitive) == 0)
            s = text(pool, 6);
        return s;
    }

    QString key()
    {
        switch (below(6)) {
        case 0:
            return name(); // the top level
        case 1:
            return name() + u'/' + name() + u'/' + name();
        default:
            return name() + u'/' + name();
        }
    }

    QString value_text()
    {
        static const std::u16string_view pool = u"aF09 ,;=\"\\@#[]%\t\n\r\a\x01\x1f\x7f\x00ЖёЯ№€中\xfffd\x98\xa0"sv;
        QString s = text(pool, 14);
        if (below(8) == 0)
            s.prepend(u'@');
        if (below(10) == 0)
            s = QStringLiteral("@ByteArray(") + s + u')';
        return s;
    }

    QVariant value()
    {
        switch (below(8)) {
        case 0: {
            QStringList l;
            const int n = below(4);
            for (int i = 0; i < n; ++i)
                l << value_text();
            return l;
        }
        case 1: {
            QByteArray b(below(10), Qt::Uninitialized);
            for (char &c : b)
                c = char(below(256));
            return b;
        }
        case 2:
            return below(100000) - 50000;
        case 3:
            return double(below(100000)) / 64.0;
        default:
            return value_text();
        }
    }

    QSettings::SettingsMap map()
    {
        QSettings::SettingsMap m;
        const int n = 1 + below(12);
        for (int i = 0; i < n; ++i) {
            const QString k = key();
            // A key that is also a group of other keys is not something a
            // settings file can say twice over; keep maps free of such pairs.
            bool clash = false;
            for (auto it = m.cbegin(); it != m.cend() && !clash; ++it)
                clash = it.key().startsWith(k + u'/') || k.startsWith(it.key() + u'/');
            if (!clash)
                m.insert(k, value());
        }
        return m;
    }

    // One line of INI text, broken ones among them.
    QString line()
    {
        static const std::u16string_view plain = u"abc019 ЖёЯ"sv;
        static const std::u16string_view any = u"abc019 ЖёЯ,\"\\=;%[]@xn"sv;
        switch (below(14)) {
        case 0:
            return u'[' + text(plain, 5) + u']';
        case 1:
            return u'[' + text(any, 5) + u']'; // escapes, missing or extra brackets
        case 2:
            return u'[' + text(plain, 5); // no closing bracket
        case 3:
            return u';' + text(any, 8);
        case 4:
            return text(plain, 6); // no '='
        case 5:
            return text(plain, 4) + u'=' + text(any, 10) + u'\\'; // continued
        case 6:
            return text(plain, 4) + QStringLiteral("=\"") + text(plain, 5) + QStringLiteral("\", \"") + text(any, 5) +
                   u'"';
        case 7:
            return text(plain, 3) + QStringLiteral("%U0416") + text(plain, 2) + u'=' + text(plain, 4);
        case 8:
            return text(plain, 3) + u'\\' + text(plain, 3) + u'=' + text(plain, 4); // "/" in a name
        case 9:
            return QStringLiteral("  ") + text(plain, 4) + QStringLiteral(" = ") + text(any, 8) +
                   QStringLiteral(" ; c");
        case 10:
            return QStringLiteral("[%General]");
        case 11:
            return QStringLiteral("[general]");
        default:
            return text(plain, 5) + u'=' + text(any, 12);
        }
    }

    // Text CP1251 can hold, so both sides read the same characters.
    QString soup()
    {
        m_astral = false;
        const auto restore = qScopeGuard([this] { m_astral = true; });
        QStringList lines;
        const int n = below(14);
        for (int i = 0; i < n; ++i)
            lines << line();
        static const QString breaks[] = {QStringLiteral("\n"), QStringLiteral("\r\n"), QStringLiteral("\r")};
        return lines.join(breaks[below(3)]) + (below(2) ? QStringLiteral("\n") : QString());
    }

private:
    QRandomGenerator m_rng;
    bool m_astral = true;
};

} // namespace

class tst_ini_syntax : public QObject
{
    Q_OBJECT

    // In memory where the system has such a folder: the toolkit's writer
    // syncs every file to disk, and this test writes about a thousand.
    QTemporaryDir m_dir{QFileInfo(QStringLiteral("/dev/shm")).isWritable()
                            ? QStringLiteral("/dev/shm/tst_ini_syntax-XXXXXX")
                            : QDir::tempPath() + "/tst_ini_syntax-XXXXXX"};
    int m_serial = 0;

    QString fresh_path() { return m_dir.path() + QStringLiteral("/f%1.ini").arg(++m_serial); }

    // The toolkit's reader, on a path it has never seen (it caches by path).
    QSettings::SettingsMap qt_read(const QByteArray &utf8)
    {
        const QString path = fresh_path();
        write_file(path, utf8);
        QSettings s(path, QSettings::IniFormat);
        QSettings::SettingsMap m;
        for (const QString &k : s.allKeys())
            m.insert(k, s.value(k));
        return m;
    }

    QByteArray qt_write(const QSettings::SettingsMap &map)
    {
        const QString path = fresh_path();
        {
            QSettings s(path, QSettings::IniFormat);
            for (auto it = map.cbegin(); it != map.cend(); ++it)
                s.setValue(it.key(), it.value());
        }
        return read_file(path);
    }

    static QByteArray to_utf8(const QByteArray &cp1251_bytes) { return win1251::decode(cp1251_bytes).toUtf8(); }

private slots:
    void our_writer_reads_in_the_toolkit_as_its_own_writer()
    {
        random_ini r(21);
        for (int i = 0; i < 400; ++i) {
            const QSettings::SettingsMap m = r.map();
            const QByteArray ours = ini_writer::write(m);
            const QSettings::SettingsMap got = qt_read(to_utf8(ours));
            const QSettings::SettingsMap want = qt_read(qt_write(m));
            QVERIFY2(same_maps(got, want), qPrintable(shown(m) + "\n-- ours:\n" + QString::fromLatin1(ours) +
                                                      "\n-- read:\n" + shown(got) + "\n-- wanted:\n" + shown(want)));
        }
    }

    // Byte for byte what the old settings code wrote (the toolkit's writer,
    // then CP1251 with escapes), so a user's files do not churn.
    void our_writer_lays_out_files_as_before()
    {
        random_ini r(1251);
        for (int i = 0; i < 300; ++i) {
            const QSettings::SettingsMap m = r.map();
            const QByteArray before = ini_format::encode(QString::fromUtf8(qt_write(m)));
            const QByteArray now = ini_writer::write(m);
            QVERIFY2(now == before, qPrintable(shown(m) + "\n" + first_difference(now, before)));
        }
    }

    void files_written_before_read_the_same()
    {
        random_ini r(7);
        for (int i = 0; i < 400; ++i) {
            const QSettings::SettingsMap m = r.map();
            const QByteArray utf8 = qt_write(m);
            const ini_read_result got = ini_reader::read(ini_format::encode(QString::fromUtf8(utf8)));
            QVERIFY(got.clean());
            const QSettings::SettingsMap theirs = qt_read(utf8);
            QVERIFY2(same_maps(got.map, theirs), qPrintable(QString::fromUtf8(utf8) + "\n-- read:\n" + shown(got.map) +
                                                            "\n-- toolkit:\n" + shown(theirs)));
        }
    }

    void our_files_read_back_as_written()
    {
        random_ini r(99);
        for (int i = 0; i < 400; ++i) {
            const QSettings::SettingsMap m = r.map();
            const QByteArray bytes = ini_writer::write(m);
            const ini_read_result once = ini_reader::read(bytes);
            QVERIFY(once.clean());
            const QByteArray again = ini_writer::write(once.map);
            QVERIFY2(again == bytes, qPrintable(first_difference(again, bytes)));
        }
    }

    // Any text: both readers agree, except on lines ours reads more
    // strictly (it says so in its problems).
    void random_text_reads_as_the_toolkit_reads_it()
    {
        random_ini r(4);
        int compared = 0;
        for (int i = 0; i < 1200; ++i) {
            const QString text = r.soup();
            const ini_read_result ours = ini_reader::read(ini_format::encode(text));
            // A "\" before a letter beyond ASCII drops the letter here, as the
            // CP1251 program did; the toolkit, reading UTF-8, drops half of it.
            bool strict = QRegularExpression(QStringLiteral("\\\\[^\\x00-\\x7f]")).match(text).hasMatch();
            for (const ini_problem &p : ours.problems)
                strict = strict || p.reason.contains(QLatin1String("quote")) ||
                         p.reason.contains(QLatin1String("cannot be written back"));
            if (strict)
                continue;
            ++compared;
            const QSettings::SettingsMap theirs = qt_read(text.toUtf8());
            QVERIFY2(same_maps(ours.map, theirs),
                     qPrintable(text + "\n-- ours:\n" + shown(ours.map) + "\n-- toolkit:\n" + shown(theirs)));
        }
        QVERIFY2(compared > 350, qPrintable(QString::number(compared)));
    }

    void damaged_lines_are_reported_and_read_around_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<int>("problem_line");
        QTest::newRow("group without a bracket")
            << QByteArray("[A]\na=1\n[B\nb=2\n[C]\nc=3\n") << QStringList{"A/a", "B/b", "C/c"} << 3;
        QTest::newRow("line without '='") << QByteArray("[A]\na=1\ngarbage\nb=2\n") << QStringList{"A/a", "A/b"} << 3;
        // The toolkit would read the rest of the file into the open quote.
        QTest::newRow("quote left open") << QByteArray("[A]\na=\"one\nb=2\n[B]\nc=3\n")
                                         << QStringList{"A/a", "A/b", "B/c"} << 2;
        QTest::newRow("NUL bytes") << QByteArray("[A]\na=1\nb=\0\0\0\nc=3\n", 19) << QStringList{"A/a", "A/c"} << 3;
        QTest::newRow("text after the group name") << QByteArray("[A] x\na=1\n") << QStringList{"A/a"} << 1;
        QTest::newRow("cut off after a group line") << QByteArray("[A]\na=1\n[15.03.2026") << QStringList{"A/a"} << 3;
    }
    void damaged_lines_are_reported_and_read_around()
    {
        QFETCH(QByteArray, text);
        QFETCH(QStringList, keys);
        QFETCH(int, problem_line);
        const ini_read_result r = ini_reader::read(text);
        QCOMPARE(QStringList(r.map.keys()), keys);
        QVERIFY(!r.clean());
        QCOMPARE(r.problems.first().line, problem_line);
        QVERIFY(!r.not_ini);
    }

    void a_byte_order_mark_is_skipped()
    {
        const ini_read_result r = ini_reader::read("\xef\xbb\xbf[TYPE]\r\nclock=flip\r\n");
        QVERIFY(r.clean());
        QCOMPARE(r.map.value("TYPE/clock").toString(), QStringLiteral("flip"));
    }

    void text_that_is_no_settings_file_is_said_so()
    {
        QVERIFY(ini_reader::read("just some\ntext\n").not_ini);
        QVERIFY(ini_reader::read(QByteArray("\x7f"
                                            "ELF\0\0\x01",
                                            7))
                    .not_ini);
        QVERIFY(!ini_reader::read("").not_ini);
        QVERIFY(!ini_reader::read("; only a comment\n").not_ini);
    }
};

QTEST_GUILESS_MAIN(tst_ini_syntax)
#include "tst_ini_syntax.moc"
