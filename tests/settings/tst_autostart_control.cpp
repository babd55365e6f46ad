// The "Запускать при входе в систему" box: off by default and nothing
// written until ticked; ticking writes the autostart entry, unticking
// removes it; a failure is said and the box shows what is on disk.
#include "platform/autostart_entry.h"
#include "settings/alarm_setup.h"
#include "settings/autostart_control.h"
#include "test_support.h"

#include <QCheckBox>
#include <QDialog>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {
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

class tst_autostart_control : public QObject
{
    Q_OBJECT

private slots:
    void the_box_is_on_the_general_page_off_and_writes_nothing()
    {
        temp_data_home data;
        temp_config_home config;
        write_file(data.data_folder() + "/clock.ini", "[TYPE]\nclock=analog\n");
        alarm_setup setup(nullptr);
        auto *box = setup.findChild<QCheckBox *>(QStringLiteral("checkBox_autostart"));
        QVERIFY(box);
        QCOMPARE(box->text(), QStringLiteral("Запускать при входе в систему"));
        setup.show();
        QVERIFY(QTest::qWaitForWindowExposed(&setup));
        QVERIFY(!box->isChecked());
        setup.hide();
        QVERIFY(!QFileInfo::exists(config.path() + "/autostart"));

        box->click();
        QVERIFY(QFileInfo::exists(autostart_entry::path()));
        // Opening the dialog again shows the entry that is there.
        setup.show();
        QVERIFY(box->isChecked());
        box->click();
        QVERIFY(!QFileInfo::exists(autostart_entry::path()));
    }

    void the_box_follows_the_entry_on_disk_each_time_it_opens()
    {
        temp_config_home config;
        QDialog dialog;
        auto *box = new QCheckBox(&dialog);
        new autostart_control(box, &dialog);
        QVERIFY(!box->isChecked());
        QVERIFY(autostart_entry().set_enabled(true)); // written by another session
        dialog.show();
        QVERIFY(box->isChecked());
        dialog.hide();
        QVERIFY(autostart_entry().set_enabled(false));
        dialog.show();
        QVERIFY(!box->isChecked());
        QVERIFY(!QFileInfo::exists(autostart_entry::path())); // showing never writes
    }

    void a_failed_write_is_said_and_the_box_stays_off()
    {
        temp_config_home config;
        write_file(config.path() + "/autostart", "a file where the folder should be");
        QDialog dialog;
        auto *box = new QCheckBox(&dialog);
        new autostart_control(box, &dialog);
        box_answerer boxes;
        box->click();
        QTRY_COMPARE(boxes.seen().size(), 1);
        QCOMPARE(boxes.seen()[0].title, QStringLiteral("Внимание!"));
        QVERIFY(boxes.seen()[0].text.startsWith(QStringLiteral("Не удалось изменить запуск при входе в систему")));
        QVERIFY(!box->isChecked());
    }
};

QTEST_MAIN(tst_autostart_control)
#include "tst_autostart_control.moc"
