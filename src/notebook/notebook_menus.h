#pragma once
// The notebook window's menus and tool bar: the context menus of the text editor, the
// page list and the picture view, run at the mouse cursor, and the choice
// of a new page's kind under the tool bar's add button. Each is built when
// asked for; its commands go to the window and the pages it holds.

class my_notebook;

namespace notebook_menus {

// Editing commands; for HTML pages also the selection's colour and font.
// Nothing while the notebook has no pages.
void editor_menu(my_notebook &window);
void page_list_menu(my_notebook &window);
void picture_menu(my_notebook &window);
// Text or picture; the page is then added (or not) as the window asks.
void add_page_menu(my_notebook &window);
// The window's tool bar: add, delete, save, the editor's font and colour,
// the mode switch; and the search shortcut.
void build_tool_bar(my_notebook &window);

} // namespace notebook_menus
