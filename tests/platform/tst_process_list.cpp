// The running-process list: real processes started from copies of a real
// executable under names chosen by the test.

#include "platform/process_list.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

class test_process_list : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void names_a_started_process();
    void names_are_exact_and_case_sensitive();
    void names_a_process_whose_executable_was_deleted();
    void names_with_spaces_and_cyrillic();
    void forgets_a_process_that_ended();
    void includes_this_test();

private:
    // Copies /bin/sleep to `name` and runs it for a minute.
    QProcess *start_probe(const QString &name);
    QTemporaryDir m_dir;
    std::vector<std::unique_ptr<QProcess>> m_probes;
};

void test_process_list::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY(QFile::exists("/bin/sleep"));
}

void test_process_list::cleanup()
{
    for (auto &p : m_probes) {
        p->kill();
        p->waitForFinished(5000);
    }
    m_probes.clear();
}

QProcess *test_process_list::start_probe(const QString &name)
{
    const QString path = m_dir.filePath(name);
    QFile::remove(path);
    if (!QFile::copy("/bin/sleep", path))
        return nullptr;
    QFile::setPermissions(path, QFile::permissions(path) | QFile::ExeOwner);
    auto process = std::make_unique<QProcess>();
    process->start(path, {"60"});
    if (!process->waitForStarted(5000))
        return nullptr;
    m_probes.push_back(std::move(process));
    return m_probes.back().get();
}

void test_process_list::names_a_started_process()
{
    QVERIFY(start_probe("orv_probe_Ab"));
    const QStringList names = process_names();
    QVERIFY(names.contains("orv_probe_Ab"));
    // Names only, never paths.
    for (const QString &n : names)
        QVERIFY2(!n.startsWith(m_dir.path()), qPrintable(n));
}

void test_process_list::names_are_exact_and_case_sensitive()
{
    QVERIFY(start_probe("orv_probe_Cd"));
    const QStringList names = process_names();
    QCOMPARE(names.count("orv_probe_Cd"), 1);
    QVERIFY(!names.contains("orv_probe_cd"));
    QVERIFY(!names.contains("orv_probe_CD"));
    QVERIFY(!names.contains("orv_probe_C"));
}

void test_process_list::names_a_process_whose_executable_was_deleted()
{
    QVERIFY(start_probe("orv_probe_Del"));
    QVERIFY(QFile::remove(m_dir.filePath("orv_probe_Del")));
    const QStringList names = process_names();
    QVERIFY(names.contains("orv_probe_Del"));
    QVERIFY(!names.contains("orv_probe_Del (deleted)"));
}

void test_process_list::names_with_spaces_and_cyrillic()
{
    QVERIFY(start_probe("орв проба (x)"));
    QVERIFY(process_names().contains("орв проба (x)"));
}

void test_process_list::forgets_a_process_that_ended()
{
    QProcess *probe = start_probe("orv_probe_End");
    QVERIFY(probe);
    QVERIFY(process_names().contains("orv_probe_End"));
    probe->kill();
    QVERIFY(probe->waitForFinished(5000));
    QVERIFY(!process_names().contains("orv_probe_End"));
}

void test_process_list::includes_this_test()
{
    QVERIFY(process_names().contains(QFileInfo(QCoreApplication::applicationFilePath()).fileName()));
}

QTEST_GUILESS_MAIN(test_process_list)
#include "tst_process_list.moc"
