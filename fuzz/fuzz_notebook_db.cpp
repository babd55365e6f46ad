// notebook.db through the notebook window: the file is opened, every page
// in the list is loaded (text pages as text or HTML, picture pages with
// their captions), and the last one is changed and saved. A file that is
// not a notebook gives the program's message; a save either reads back or
// was reported.
#include "storage/data_folder.h"
#include "fuzz_support.h"
#include "notebook/my_notebook.h"
#include "notebook/notebook_prompts.h"

#include <QRadioButton>
#include <QTableWidget>
#include <QTextEdit>

#include <cstdio>
#include <cstdlib>

namespace {

// Answers every question with "no" and counts the messages.
class quiet_prompts : public notebook_prompts
{
public:
    int messages = 0;
    void message(QWidget *, box, const QString &, const QString &) override { ++messages; }
    bool confirm(QWidget *, const QString &, const QString &) override { return false; }
    unsaved_answer ask_unsaved(QWidget *, const QString &) override { return unsaved_answer::discard; }
    std::optional<QString> text(QWidget *, const QString &, const QString &) override { return std::nullopt; }
    std::optional<QFont> font(QWidget *, const QFont &) override { return std::nullopt; }
    QColor color(QWidget *, const QColor &) override { return {}; }
    QString open_file(QWidget *, const QString &, const QString &) override { return {}; }
    QString save_file(QWidget *, const QString &, const QString &) override { return {}; }
};

[[noreturn]] void fail(const char *what)
{
    fprintf(stderr, "%s\n", what);
    abort();
}

qint64 page_id(my_notebook &n, int row)
{
    const QTableWidgetItem *item = n.page_list()->item(row, 0);
    return item ? item->data(Qt::DisplayRole).toLongLong() : -1;
}

const QString saved_text = QStringLiteral("fuzz-saved Сохранено");

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    fuzz::init(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QDir().mkpath(data_folder::path());
    const QString db = data_folder::path() + "/notebook.db";
    for (const char *side : {"-journal", "-wal", "-shm"})
        QFile::remove(db + side);
    {
        QFile f(db);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        f.write(reinterpret_cast<const char *>(data), qint64(size));
    }
    const QByteArray head(reinterpret_cast<const char *>(data), qsizetype(std::min<size_t>(size, 16)));
    quiet_prompts prompts;
    {
        my_notebook window(&prompts);
        window.use_default_size();
        const int rows = window.page_list()->rowCount();
        for (int r = 0; r < rows; ++r)
            window.set_notebook_data(int(page_id(window, r)));
        const qint64 last = rows > 0 ? page_id(window, rows - 1) : -1;
        if (last >= 0 && window.loaded_page() == last && !window.editor()->isReadOnly() &&
            !window.store().is_image_page(last)) {
            window.editor()->setPlainText(saved_text);
            const int before = prompts.messages;
            window.save();
            bool ok = false;
            const QByteArray back = window.store().read_page_data(last, &ok);
            const bool stored = window.html_switch()->isChecked() ? QString::fromUtf8(back).contains(saved_text)
                                                                  : back == saved_text.toUtf8();
            if (prompts.messages == before && !(ok && stored))
                fail("a saved page did not read back and nothing was said");
        } else if (last >= 0 && window.loaded_page() == last) {
            window.save();
        }
    }
    // What the window handed to the event loop to delete goes now, as it
    // would in the program.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (size > 0 && !head.startsWith(QByteArray("SQLite format 3\0", 16)) && prompts.messages == 0)
        fail("a file that is not a database opened without a message");
    return 0;
}
