// The actions of a due event with real processes, real pictures and message
// boxes: program start (arguments, working folder, single instance), the
// sound procedure, the tone, the sticker, and the re-entrancy of the pass.

#include "counting_player.h"
#include "stiker_support.h"
#include "test_support.h"

#include "common/time_source.h"
#include "platform/audio_player.h"
#include "platform/process_list.h"
#include "scheduler/event_actions.h"
#include "scheduler/event_evaluator.h"
#include "scheduler/event_scheduler.h"
#include "scheduler/event_store.h"
#include "scheduler/my_stiker.h"
#include "scheduler/play_sound_file.h"
#include "scheduler/program_launch.h"
#include "storage/data_folder.h"
#include "storage/ini_format.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QStringEncoder>
#include <QTest>
#include <QTextEdit>
#include <algorithm>

namespace k = event_keys;

class test_event_actions : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void arguments_split_at_single_spaces_data();
    void arguments_split_at_single_spaces();
    void working_folder_defaults_to_the_programs_folder();
    void single_instance_names_compare_exactly();
    void started_program_gets_arguments_and_folder();
    void running_process_blocks_a_second_start();
    void missing_or_unrunnable_program_is_harmless();
    void sound_error_box_then_play();
    void empty_sound_plays_nothing();
    void event_with_message_shows_a_sticker();
    void event_with_only_beep_opens_no_window();
    void real_tone_does_not_hold_the_caller();
    void sound_error_box_does_not_stop_the_pass();
    void program_that_cannot_start_is_reported_after_the_pass();
    void scripts_and_links_are_not_started_twice_data();
    void scripts_and_links_are_not_started_twice();
    void snoozed_reminder_comes_back_after_a_restart();
    void real_sound_plays_and_sticker_close_halts_it();

private:
    QString script(const QString &name, const QString &marker);
    QString copy_of_shell(const QString &folder, const QString &name);
    void run_event(event_actions &actions, const QList<QPair<QString, QString>> &keys, bool do_find = false);

    temp_data_home m_home;
    std::unique_ptr<QSettings> m_ini;
    std::unique_ptr<event_store> m_store;
    manual_time_source m_clock{QDateTime(QDate(2026, 3, 5), QTime(10, 15))};
};

void test_event_actions::initTestCase()
{
    QDir().mkpath(m_home.data_folder());
    m_ini = ini_format::open(data_folder::file("//alarm.ini"));
    m_store = std::make_unique<event_store>(*m_ini);
}

void test_event_actions::cleanup()
{
    close_open_stikers();
}

QString test_event_actions::script(const QString &name, const QString &marker)
{
    // Writes its working folder and arguments, one per line in brackets.
    const QString path = m_home.home() + "/" + name;
    write_file(path, "#!/bin/sh\n{ pwd; echo \"$#\"; for a in \"$@\"; do echo \"[$a]\"; done; } > \"" +
                         marker.toUtf8() + ".tmp\"\nmv \"" + marker.toUtf8() + ".tmp\" \"" + marker.toUtf8() + "\"\n");
    QFile::setPermissions(path, QFile::permissions(path) | QFile::ExeOwner);
    return path;
}

QString test_event_actions::copy_of_shell(const QString &folder, const QString &name)
{
    QDir().mkpath(folder);
    const QString path = folder + "/" + name;
    if (!QFile::exists(path))
        QFile::copy("/bin/sh", path);
    QFile::setPermissions(path, QFile::permissions(path) | QFile::ExeOwner);
    return path;
}

void test_event_actions::run_event(event_actions &actions, const QList<QPair<QString, QString>> &keys, bool do_find)
{
    m_store->remove_event("1000");
    event_store::scope in(*m_store, "1000");
    for (const auto &[key, value] : keys)
        m_store->document().set(m_store->current() + '/' + key, value);
    actions.run(*m_store, do_find);
}

void test_event_actions::arguments_split_at_single_spaces_data()
{
    QTest::addColumn<QString>("run_arg");
    QTest::addColumn<QStringList>("args");
    QTest::newRow("two spaces") << "-a  -b" << QStringList{"-a", "", "-b"};
    QTest::newRow("empty") << "" << QStringList{""};
    QTest::newRow("one") << "--full" << QStringList{"--full"};
    QTest::newRow("leading space") << " x" << QStringList{"", "x"};
    QTest::newRow("tab is no separator") << "a\tb c" << QStringList{"a\tb", "c"};
}

void test_event_actions::arguments_split_at_single_spaces()
{
    QFETCH(QString, run_arg);
    QFETCH(QStringList, args);
    QCOMPARE(program_launch::split_arguments(run_arg), args);
}

void test_event_actions::working_folder_defaults_to_the_programs_folder()
{
    QCOMPARE(program_launch::working_folder("/opt/tools/app.sh", ""), QStringLiteral("/opt/tools"));
    QCOMPARE(program_launch::working_folder("/opt/tools/app.sh", "/srv/work"), QStringLiteral("/srv/work"));
    QCOMPARE(program_launch::working_folder("app.sh", ""), QDir::currentPath());
}

void test_event_actions::single_instance_names_compare_exactly()
{
    QVERIFY(program_launch::is_running("D:/Tools/app.exe", {"init", "app.exe"}));
    QVERIFY(!program_launch::is_running("D:/Tools/app.exe", {"App.exe"}));
    QVERIFY(program_launch::is_running("D:\\Tools\\app.exe", {"app.exe"}));
    QVERIFY(!program_launch::is_running("/usr/bin/app", {"app.exe", "ap"}));
}

void test_event_actions::started_program_gets_arguments_and_folder()
{
    const QString marker = m_home.home() + "/started.txt";
    const QString prog = script("leave_marker.sh", marker);
    event_actions actions(nullptr, m_clock);
    run_event(actions, {{"run_file", prog}, {"run_arg", "-a  -b"}});
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(marker), 10000);
    const QStringList lines = QString::fromUtf8(read_file(marker)).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines, (QStringList{m_home.home(), "3", "[-a]", "[]", "[-b]"}));

    // An explicit working folder is used as given.
    QFile::remove(marker);
    const QString cat = m_home.home() + "/work";
    QDir().mkpath(cat);
    run_event(actions, {{"run_file", prog}, {"run_arg", ""}, {"run_cat", cat}});
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(marker), 10000);
    QCOMPARE(QString::fromUtf8(read_file(marker)).split('\n', Qt::SkipEmptyParts), (QStringList{cat, "1", "[]"}));
    QCOMPARE(std::as_const(*m_store).document().value("1000/lastrun").toString(),
             QString()); // actions never write the store
}

void test_event_actions::running_process_blocks_a_second_start()
{
    if (process_names().isEmpty())
        QSKIP("this build has no process list");
    // A long-running process named orv_runner, started from another folder.
    const QString running = copy_of_shell(m_home.home() + "/a", "orv_runner");
    QProcess sleeper;
    sleeper.start(running, {"-c", "read line"}); // waits on its open input, with no child to leave behind
    QVERIFY(sleeper.waitForStarted());
    QTRY_VERIFY(process_names().contains("orv_runner"));

    const QString marker = m_home.home() + "/second.txt";
    const QString body = script("second.sh", marker);
    const QString same_name = copy_of_shell(m_home.home() + "/b", "orv_runner");
    const QString other_case = copy_of_shell(m_home.home() + "/b", "Orv_Runner");
    event_actions actions(nullptr, m_clock);

    run_event(actions, {{"run_file", same_name}, {"run_arg", body}}, true);
    QTest::qWait(1500);
    QVERIFY(!QFile::exists(marker));

    // The comparison is case-sensitive.
    run_event(actions, {{"run_file", other_case}, {"run_arg", body}}, true);
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(marker), 10000);
    QCOMPARE(QString::fromUtf8(read_file(marker)).section('\n', 0, 0), m_home.home() + "/b");

    // Without do_find the running process does not matter.
    QFile::remove(marker);
    run_event(actions, {{"run_file", same_name}, {"run_arg", body}}, false);
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(marker), 10000);

    sleeper.kill();
    sleeper.waitForFinished();
}

void test_event_actions::missing_or_unrunnable_program_is_harmless()
{
    event_actions actions(nullptr, m_clock);
    const QString plain = m_home.home() + "/not_executable.txt";
    write_file(plain, "just text");
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cannot start .*no_such_program"));
    run_event(actions, {{"run_file", m_home.home() + "/no_such_program"}});
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cannot start .*not_executable"));
    run_event(actions, {{"run_file", plain}});
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cannot start .*leave"));
    run_event(actions, {{"run_file", script("leave.sh", m_home.home() + "/x")}, {"run_cat", "/no/such/folder"}});
    QVERIFY(open_stikers().isEmpty());
}

void test_event_actions::sound_error_box_then_play()
{
    counting_player player;
    box_answerer boxes;
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cannot play"));
    play_sound_file(&player, "/music/garbage.mp3");
    QCOMPARE(player.opened, QStringList{"/music/garbage.mp3"});
    QCOMPARE(boxes.seen().size(), 1);
    QCOMPARE(boxes.seen()[0].title, QStringLiteral("Ошибка воспроизведения файла !"));
    QCOMPARE(boxes.seen()[0].text, QStringLiteral("Файл не распознан: /music/garbage.mp3"));
    QCOMPARE(boxes.seen()[0].buttons, QStringList{"OK"});
    QCOMPARE(player.plays, 1); // play follows even a failed open

    play_sound_file(&player, "/music/fine.wav");
    QCOMPARE(boxes.seen().size(), 1);
    QCOMPARE(player.plays, 2);
}

void test_event_actions::empty_sound_plays_nothing()
{
    counting_player player;
    event_actions actions(&player, m_clock);
    run_event(actions, {{"soundfile", ""}, {"alarmmessage", ""}});
    QVERIFY(player.opened.isEmpty());
    QCOMPARE(player.plays, 0);
}

void test_event_actions::event_with_message_shows_a_sticker()
{
    counting_player player;
    int tones = 0;
    event_actions actions(&player, m_clock);
    actions.set_tone([&] { ++tones; });
    run_event(actions, {{"alarmmessage", "Позвонить маме"}, {"soundfile", "/music/bell.wav"}, {"beep_pc", "true"}});
    const QList<my_stiker *> stikers = open_stikers();
    QCOMPARE(stikers.size(), 1);
    QCOMPARE(stikers[0]->text_panel()->toPlainText(), QStringLiteral("Позвонить маме"));
    QCOMPARE(stikers[0]->parentWidget(), nullptr);
    QCOMPARE(player.opened, QStringList{"/music/bell.wav"});
    QCOMPARE(player.plays, 1);
    QCOMPARE(tones, 1);
    // Closing any sticker halts the sound.
    stikers[0]->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(player.halts, 1);
}

void test_event_actions::event_with_only_beep_opens_no_window()
{
    int tones = 0;
    event_actions actions(nullptr, m_clock);
    actions.set_tone([&] { ++tones; });
    const int windows = QApplication::topLevelWidgets().size();
    run_event(actions, {{"beep_pc", "true"}});
    QCOMPARE(tones, 1);
    QCOMPARE(QApplication::topLevelWidgets().size(), windows);
    run_event(actions, {{"beep_pc", "false"}});
    QCOMPARE(tones, 1);
}

void test_event_actions::real_tone_does_not_hold_the_caller()
{
    // The tone lasts 2 s; the window must keep working meanwhile.
    event_actions actions(nullptr, m_clock);
    QElapsedTimer t;
    t.start();
    run_event(actions, {{"beep_pc", "true"}});
    QVERIFY2(t.elapsed() < 1500, qPrintable(QString::number(t.elapsed())));
}

void test_event_actions::sound_error_box_does_not_stop_the_pass()
{
    temp_data_home home;
    write_file(home.data_folder() + "/alarm.ini",
               "[1000]\ntime=10:15\ndate=05.03.2026\nsoundfile=/music/garbage.wav\nalarmmessage=first\n"
               "[1001]\ntime=10:15\ndate=05.03.2026\nalarmmessage=second\n"
               "[1002]\ntime=10:15\ndate=05.03.2026\nrepeat=4\nrepeat_min=60\nalarmmessage=third\n"
               "[1003]\ntime=00:15\nrepeat=5\nrepeat_min=1\nsoundfile=/music/garbage.wav\n");
    auto ini = ini_format::open(data_folder::file("//alarm.ini"));
    counting_player player;
    m_clock.set(QDateTime(QDate(2026, 3, 5), QTime(10, 15)));
    event_scheduler scheduler(*ini, m_clock, &player, nullptr);
    box_answerer *answer = nullptr;

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cannot play"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cannot play"));
    scheduler.pass();
    // Every event due in the pass fired; one box for the one distinct error,
    // shown after the pass and waiting for nobody.
    QCOMPARE(open_stikers().size(), 3);
    for (const char *key : {"1000", "1001", "1002", "1003"})
        QCOMPARE(scheduler.store().document().value(QString(key) + "/lastrun").toString(),
                 QStringLiteral("05:03:2026:10:15"));
    QCOMPARE(scheduler.store().document().value("1002/time").toString(), QStringLiteral("11:15"));
    QList<QMessageBox *> boxes = scheduler.actions().errors().open_boxes();
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes[0]->windowTitle(), QStringLiteral("Ошибка воспроизведения файла !"));
    QCOMPARE(boxes[0]->text(), QStringLiteral("Файл не распознан: /music/garbage.wav"));
    QVERIFY(!boxes[0]->isModal());
    QVERIFY(!QApplication::activeModalWidget());

    // The same failure a minute later while its box is open: no second box.
    m_clock.set(QDateTime(QDate(2026, 3, 5), QTime(10, 16, 5)));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cannot play"));
    scheduler.pass();
    QCOMPARE(scheduler.actions().errors().open_boxes().size(), 1);
    QCOMPARE(scheduler.store().document().value("1003/lastrun").toString(), QStringLiteral("05:03:2026:10:16"));

    // Once it is closed, the next failure shows again.
    answer = new box_answerer;
    QTRY_VERIFY(scheduler.actions().errors().open_boxes().isEmpty());
    delete answer;
    m_clock.set(QDateTime(QDate(2026, 3, 5), QTime(10, 17, 5)));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cannot play"));
    scheduler.pass();
    QCOMPARE(scheduler.actions().errors().open_boxes().size(), 1);
}

void test_event_actions::program_that_cannot_start_is_reported_after_the_pass()
{
    counting_player player;
    event_actions actions(&player, m_clock);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cannot start .*no_such_program"));
    run_event(actions, {{"run_file", m_home.home() + "/no_such_program"}});
    QCOMPARE(actions.errors().pending(), 1);
    const QWidgetList windows = QApplication::topLevelWidgets();
    QVERIFY(std::none_of(windows.begin(), windows.end(), [](QWidget *w) { return qobject_cast<QMessageBox *>(w); }));
    actions.errors().show_pending();
    const QList<QMessageBox *> boxes = actions.errors().open_boxes();
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes[0]->windowTitle(), QStringLiteral("Внимание!"));
    QVERIFY(boxes[0]->text().contains("no_such_program"));
    boxes[0]->close();
}

void test_event_actions::scripts_and_links_are_not_started_twice_data()
{
    QTest::addColumn<QString>("how"); // how the running copy was started
    QTest::newRow("script through its #! line") << "direct";
    QTest::newRow("script handed to sh") << "sh";
    QTest::newRow("script by a relative path") << "relative";
    QTest::newRow("link to a program") << "link";
}

void test_event_actions::scripts_and_links_are_not_started_twice()
{
    QFETCH(QString, how);
    if (running_processes().isEmpty())
        QSKIP("this build has no process list");
    const QString folder = m_home.home() + "/once_" + how;
    QDir().mkpath(folder);
    const QString marker = folder + "/started.txt";
    QString run_file;
    QString run_arg;
    QProcess running;
    if (how == "link") {
        // A link named otherwise than the program it points to; started by
        // the event it would run a script that leaves the marker.
        const QString target = copy_of_shell(folder + "/real", "orv_target");
        run_file = folder + "/orv_link";
        QVERIFY(QFile::link(target, run_file));
        run_arg = script("leave_" + how + ".sh", marker);
        running.start(run_file, {"-c", "read line"});
    } else {
        // Each start adds a line; the running copy then waits on its input.
        run_file = folder + "/orv_watch.sh";
        write_file(run_file, "#!/bin/sh\necho started >> \"" + marker.toUtf8() + "\"\nread line\n");
        QFile::setPermissions(run_file, QFile::permissions(run_file) | QFile::ExeOwner);
        if (how == "direct") {
            running.start(run_file);
        } else if (how == "sh") {
            running.start("/bin/sh", {run_file});
        } else {
            running.setWorkingDirectory(folder);
            running.start("/bin/sh", {"./orv_watch.sh"});
        }
    }
    QVERIFY(running.waitForStarted());
    QTRY_VERIFY(program_launch::is_running_in(run_file, running_processes()));
    // The bare names alone never matched these.
    QVERIFY(!program_launch::is_running(run_file, process_names()));
    // The running script shows in the process list before it has run its
    // first line: its own mark must be in before the count is taken.
    if (how != "link")
        QTRY_COMPARE(read_file(marker).count('\n'), 1);
    const int lines_before = read_file(marker).count('\n');

    event_actions actions(nullptr, m_clock);
    run_event(actions, {{"run_file", run_file}, {"run_arg", run_arg}}, true);
    QTest::qWait(1500);
    QCOMPARE(read_file(marker).count('\n'), lines_before);

    running.kill();
    running.waitForFinished();
    QTRY_VERIFY(!program_launch::is_running_in(run_file, running_processes()));
}

void test_event_actions::snoozed_reminder_comes_back_after_a_restart()
{
    temp_data_home home;
    const QDate day(2026, 3, 5);
    write_file(home.data_folder() + "/alarm.ini",
               cp1251("[1000]\ntime=10:15\ndate=05.03.2026\nalarmmessage=Позвонить\nsoundfile=/music/bell.wav\n"
                      "beep_pc=true\nrun_file=/no/such/program\n"));
    auto ini = ini_format::open(data_folder::file("//alarm.ini"));
    counting_player player;
    int tones = 0;
    m_clock.set(QDateTime(day, QTime(10, 15)));
    {
        event_scheduler scheduler(*ini, m_clock, &player, nullptr);
        scheduler.actions().set_tone([&] { ++tones; });
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cannot start"));
        scheduler.pass();
        for (QMessageBox *box : scheduler.actions().errors().open_boxes())
            box->close();
        QCOMPARE(open_stikers().size(), 1);
        my_stiker *s = open_stikers()[0];
        QVERIFY(s->snoozable());
        std::unique_ptr<QMenu> menu(s->text_menu());
        QVERIFY(!menu->parent()); // not styled by the transparent panel
        QStringList labels;
        QAction *ten = nullptr;
        for (QAction *a : menu->actions()) {
            labels << a->text();
            if (a->text() == QStringLiteral("Отложить на 10 минут"))
                ten = a;
        }
        for (const auto &[minutes, label] : my_stiker::snooze_choices())
            QVERIFY2(labels.contains(label), qPrintable(label));
        QVERIFY(ten);
        ten->trigger();
        QTRY_VERIFY(open_stikers().isEmpty());
        QCOMPARE(player.halts, 1);
    }
    // Kept in a file of its own; alarm.ini keeps only the event.
    const QByteArray kept = read_file(home.data_folder() + "/snooze.ini");
    QVERIFY(kept.contains("due=" + QByteArray::number(QDateTime(day, QTime(10, 25)).toSecsSinceEpoch())));
    QVERIFY(kept.contains(cp1251("Позвонить")));
    QCOMPARE(ini->childGroups(), QStringList{"1000"});

    // The program starts again; the reminder comes back ten minutes on,
    // with its sound but no tone and no program.
    event_scheduler again(*ini, m_clock, &player, nullptr);
    again.actions().set_tone([&] { ++tones; });
    m_clock.set(QDateTime(day, QTime(10, 24, 55)));
    again.pass();
    QVERIFY(open_stikers().isEmpty());
    m_clock.set(QDateTime(day, QTime(10, 25)));
    again.pass();
    QCOMPARE(open_stikers().size(), 1);
    QCOMPARE(open_stikers()[0]->text_panel()->toPlainText(), QStringLiteral("Позвонить"));
    QVERIFY(open_stikers()[0]->snoozable());
    QCOMPARE(player.opened, (QStringList{"/music/bell.wav", "/music/bell.wav"}));
    QCOMPARE(tones, 1);
    QVERIFY(again.actions().errors().open_boxes().isEmpty());
    QVERIFY(again.snoozes().all().isEmpty());
    m_clock.set(QDateTime(day, QTime(10, 30)));
    again.pass();
    QCOMPARE(open_stikers().size(), 1);

    // Today's notes are not a reminder to put off.
    event_actions actions(&player, m_clock);
    my_stiker *today = actions.open_today_stiker("Сегодня");
    QVERIFY(!today->snoozable());
    std::unique_ptr<QMenu> menu(today->text_menu());
    for (QAction *a : menu->actions())
        QVERIFY(!a->text().startsWith(QStringLiteral("Отложить")));
}

void test_event_actions::real_sound_plays_and_sticker_close_halts_it()
{
    QProcess pactl;
    pactl.start("pactl", {"info"});
    const bool server =
        pactl.waitForFinished(5000) && pactl.exitStatus() == QProcess::NormalExit && pactl.exitCode() == 0;
    if (!server && qEnvironmentVariableIntValue("ORVELLA_REQUIRE_AUDIO") != 1)
        QSKIP("no sound server (pactl info fails); set ORVELLA_REQUIRE_AUDIO=1 to make this a failure");
    const QString wav = m_home.home() + "/bell.wav";
    if (QProcess::execute("sox", {"-n", "-r", "44100", "-c", "2", "-b", "16", wav, "synth", "4", "sine", "660"}) != 0)
        QSKIP("sox is needed to make the sound file");
    auto player = audio_player::create();
    event_actions actions(player.get(), m_clock);
    run_event(actions, {{"alarmmessage", "звук"}, {"soundfile", wav}});
    QTRY_VERIFY_WITH_TIMEOUT(player->is_playing(), 5000);
    const QList<my_stiker *> stikers = open_stikers();
    QCOMPARE(stikers.size(), 1);
    stikers[0]->close();
    QTRY_VERIFY_WITH_TIMEOUT(!player->is_playing(), 5000);
    player->release();
}

QTEST_MAIN(test_event_actions)
#include "tst_event_actions.moc"
