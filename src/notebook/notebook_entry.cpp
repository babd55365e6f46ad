#include "notebook/notebook_entry.h"

#include "notebook/my_notebook.h"
#include "notebook/notebook_log.h"
#include "notebook/notebook_prompts.h"
#include "notebook/notebook_seed.h"
#include "storage/data_folder.h"

namespace {

// Before the window opens the database: a missing or empty one is replaced
// by the shipped seed. Without one the window still opens, on an empty
// notebook, after the user has been told why.
void seed_database()
{
    const QString install = data_folder::installation_folder();
    const notebook_seed::result seeded = notebook_seed::ensure(
        data_folder::path() + "/notebook.db", install.isEmpty() ? QString() : install + "/notebook.db");
    if (seeded.what != notebook_seed::outcome::failed)
        return;
    qCWarning(lc_notebook).noquote() << seeded.message;
    dialog_prompts().message(nullptr, notebook_prompts::box::warning, QStringLiteral("Внимание!"), seeded.message);
}

} // namespace

my_notebook *create_notebook_window()
{
    seed_database();
    return new my_notebook;
}
