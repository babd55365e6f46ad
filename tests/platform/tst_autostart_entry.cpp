#include "platform/autostart_entry.h"
#include "test_support.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Reads an Exec value back the way a desktop does, written here from the
// rules rather than from the code under test: string escapes first, then
// the quoting, then %% for a literal %.
QString unquote_exec(const QString &value)
{
    QString s;
    for (int i = 0; i < value.size(); ++i) {
        if (value[i] == u'\\' && i + 1 < value.size()) {
            const QChar n = value[++i];
            s += n == u'n'   ? QChar(u'\n')
                 : n == u't' ? QChar(u'\t')
                 : n == u'r' ? QChar(u'\r')
                 : n == u's' ? QChar(u' ')
                             : n;
        } else {
            s += value[i];
        }
    }
    if (s.size() < 2 || s.front() != u'"' || s.back() != u'"')
        return QStringLiteral("<not quoted>");
    QString arg;
    for (int i = 1; i + 1 < s.size(); ++i) {
        if (s[i] == u'\\' && i + 2 < s.size())
            arg += s[++i];
        else if (s[i] == u'%' && i + 2 < s.size() && s[i + 1] == u'%')
            arg += s[++i];
        else
            arg += s[i];
    }
    return arg;
}

QString exec_line(const QString &entry)
{
    for (const QString &line : entry.split(u'\n'))
        if (line.startsWith(QStringLiteral("Exec=")))
            return line.mid(5);
    return {};
}

// A private XDG_CONFIG_HOME for the object's life.
class temp_config_home
{
public:
    temp_config_home() : m_old(qgetenv("XDG_CONFIG_HOME")) { qputenv("XDG_CONFIG_HOME", m_dir.path().toLocal8Bit()); }
    ~temp_config_home() { qputenv("XDG_CONFIG_HOME", m_old); }
    QString path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
    QByteArray m_old;
};

} // namespace

class tst_autostart_entry : public QObject
{
    Q_OBJECT

private slots:
    void off_by_default_and_nothing_written()
    {
        temp_config_home home;
        autostart_entry e(QStringLiteral("/usr/bin/orvella"));
        QCOMPARE(autostart_entry::path(), home.path() + "/autostart/orvella.desktop");
        QVERIFY(!e.enabled());
        QVERIFY(e.set_enabled(false)); // unticking with nothing there is fine
        QVERIFY(!QFileInfo::exists(home.path() + "/autostart"));
    }

    void tick_writes_a_valid_entry_and_untick_removes_it()
    {
        temp_config_home home;
        autostart_entry e(QStringLiteral("/opt/my clock/bin/orvella"));
        QVERIFY(e.set_enabled(true));
        QVERIFY(e.enabled());
        const QString file = home.path() + "/autostart/orvella.desktop";
        QVERIFY(QFileInfo::exists(file));
        const QString text = QString::fromUtf8(read_file(file));
        QVERIFY(text.startsWith(QStringLiteral("[Desktop Entry]\n")));
        QCOMPARE(unquote_exec(exec_line(text)), QStringLiteral("/opt/my clock/bin/orvella"));

        QProcess validate;
        validate.start(QStringLiteral("desktop-file-validate"), {file});
        QVERIFY2(validate.waitForFinished(10000), "desktop-file-validate missing (scripts/deps.sh installs it)");
        QVERIFY2(validate.exitCode() == 0 && validate.readAllStandardOutput().isEmpty(),
                 qPrintable(QString::fromUtf8(validate.readAllStandardOutput())));

        QVERIFY(e.set_enabled(true)); // ticking twice leaves one good entry
        QVERIFY(e.enabled());
        QVERIFY(e.set_enabled(false));
        QVERIFY(!QFileInfo::exists(file));
        QVERIFY(!e.enabled());
    }

    void switched_off_inside_counts_as_off_data()
    {
        QTest::addColumn<QByteArray>("entry");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("ours") << QByteArray("[Desktop Entry]\nType=Application\nExec=orvella\n") << true;
        QTest::newRow("hidden") << QByteArray("[Desktop Entry]\nExec=orvella\nHidden=true\n") << false;
        QTest::newRow("hidden false") << QByteArray("[Desktop Entry]\nExec=orvella\nHidden=false\n") << true;
        QTest::newRow("gnome off") << QByteArray("[Desktop Entry]\nX-GNOME-Autostart-enabled = false\n") << false;
    }

    void switched_off_inside_counts_as_off()
    {
        QFETCH(QByteArray, entry);
        QFETCH(bool, enabled);
        temp_config_home home;
        write_file(autostart_entry::path(), entry);
        autostart_entry e(QStringLiteral("/usr/bin/orvella"));
        QCOMPARE(e.enabled(), enabled);
        // Ticking the box makes it a working entry again.
        QVERIFY(e.set_enabled(true));
        QVERIFY(e.enabled());
    }

    void exec_quoting_round_trips_data()
    {
        QTest::addColumn<QString>("program");
        QTest::newRow("plain") << "/usr/bin/orvella";
        QTest::newRow("space") << "/home/u/My Programs/orvella";
        QTest::newRow("cyrillic") << QStringLiteral("/home/пользователь/часы/orvella");
        QTest::newRow("reserved") << "/tmp/a\"b`c$d\\e/orvella";
        QTest::newRow("percent") << "/tmp/100%u/orvella";
        QTest::newRow("newline") << "/tmp/a\nb/orvella";
        QTest::newRow("shell") << "/tmp/x;rm -rf ~ &(y)/orvella";
    }

    void exec_quoting_round_trips()
    {
        QFETCH(QString, program);
        autostart_entry e(program);
        const QString text = e.contents();
        QCOMPARE(text.count(u'\n'), 9); // nothing in the path breaks a line
        QCOMPARE(unquote_exec(exec_line(text)), program);
    }

    void unwritable_config_folder_is_reported()
    {
        temp_config_home home;
        write_file(home.path() + "/autostart", "a file where the folder should be");
        autostart_entry e(QStringLiteral("/usr/bin/orvella"));
        QVERIFY(!e.set_enabled(true));
        QVERIFY(e.error().contains(home.path() + "/autostart"));
        QVERIFY(!e.enabled());
        QCOMPARE(read_file(home.path() + "/autostart"), QByteArray("a file where the folder should be"));
    }

    void default_program_is_this_process()
    {
        temp_config_home home;
        autostart_entry e;
        QCOMPARE(unquote_exec(exec_line(e.contents())), QCoreApplication::applicationFilePath());
    }
};

QTEST_MAIN(tst_autostart_entry)
#include "tst_autostart_entry.moc"
