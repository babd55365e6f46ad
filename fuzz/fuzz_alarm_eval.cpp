// alarm.ini through one evaluation pass: any file, at any moment of the
// day, evaluates without harm. Due events are recorded, never acted on.
#include "storage/data_folder.h"
#include "storage/ini_format.h"
#include "common/time_source.h"
#include "fuzz_support.h"
#include "scheduler/event_evaluator.h"
#include "scheduler/event_runner.h"
#include "scheduler/event_store.h"

namespace {
class recording_runner : public event_runner
{
public:
    void run(event_store &store, bool do_find) override
    {
        fired << store.current();
        finds += do_find ? 1 : 0;
    }
    QStringList fired;
    int finds = 0;
};
} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    fuzz::init(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 4)
        return 0;
    // The first four bytes choose the moment: a day in 2026 and a second of it.
    const quint32 pick = quint32(data[0]) | quint32(data[1]) << 8 | quint32(data[2]) << 16 | quint32(data[3]) << 24;
    const QDateTime now(QDate(2026, 1, 1).addDays(pick % 365), QTime(0, 0).addSecs(int((pick / 365) % 86400)));
    const QString path = fuzz::write_scratch(fuzz::fresh_name("alarm", ".ini"), data + 4, size - 4);

    manual_time_source clock(now);
    recording_runner runner;
    {
        auto ini = ini_format::open(path);
        event_store store(*ini);
        event_evaluator evaluator(store, clock, runner);
        if (pick & 1)
            evaluator.rebase_tasks();
        evaluator.pass();
        clock.advance_secs(5);
        evaluator.pass();
        ini->sync();
    }
    QFile::remove(path);
    QFile::remove(path + ".unreadable");
    return 0;
}
