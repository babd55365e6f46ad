#include "calendar/calendar_module.h"

#include "storage/data_folder.h"
#include "calendar/my_calendar.h"
#include "calendar/notes_store.h"

namespace calendar_module {

my_calendar *create(const time_source &clock, QWidget *parent)
{
    auto *store = new notes_store(data_folder::file(QStringLiteral("//my_notes.ini")), clock);
    auto *calendar = new my_calendar(*store, clock, parent);
    // Made a child last, so it is destroyed after every widget that reads it.
    store->setParent(calendar);
    return calendar;
}

} // namespace calendar_module
