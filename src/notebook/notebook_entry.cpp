#include "notebook/notebook_entry.h"

#include "notebook/my_notebook.h"

my_notebook *create_notebook_window()
{
    return new my_notebook;
}
