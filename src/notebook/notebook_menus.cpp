#include "notebook/notebook_menus.h"

#include "notebook/my_notebook.h"
#include "notebook/text_page.h"

#include <QCursor>
#include <QDockWidget>
#include <QMenu>
#include <QRadioButton>
#include <QTableWidget>
#include <QTextEdit>
#include <QToolBar>

namespace notebook_menus {

namespace {

// The texts keep the window's translation context.
QAction *add(QMenu &m, const char *icon, const char *text)
{
    return m.addAction(QIcon(QString::fromLatin1(icon)), my_notebook::tr(text));
}

} // namespace

void editor_menu(my_notebook &window)
{
    if (window.page_list()->rowCount() == 0)
        return;
    QMenu m(&window);
    QTextEdit *editor = window.editor();
    QObject::connect(add(m, ":/icons/select-all.png", "Выделить все"), &QAction::triggered, editor,
                     &QTextEdit::selectAll);
    QObject::connect(add(m, ":/icons/undo.png", "Отменить"), &QAction::triggered, editor, &QTextEdit::undo);
    QObject::connect(add(m, ":/icons/cut.png", "Вырезать"), &QAction::triggered, editor, &QTextEdit::cut);
    QObject::connect(add(m, ":/icons/copy.png", "Копировать"), &QAction::triggered, editor, &QTextEdit::copy);
    QObject::connect(add(m, ":/icons/paste.png", "Вставить"), &QAction::triggered, editor, &QTextEdit::paste);
    text_page *text = &window.text();
    if (text->html()) {
        m.addSeparator();
        QObject::connect(add(m, ":/icons/colors.png", "Изменить цвет текста"), &QAction::triggered, text,
                         &text_page::choose_selection_color);
        QObject::connect(add(m, ":/icons/fonts.png", "Изменить шрифт текста"), &QAction::triggered, text,
                         &text_page::choose_selection_font);
    }
    if (QDockWidget *dock = window.page_dock(); dock->isHidden()) {
        m.addSeparator();
        QObject::connect(add(m, ":/icons/theme.png", "Показать темы"), &QAction::triggered, dock, &QWidget::show);
    }
    if (QToolBar *bar = window.tool_bar(); bar->isHidden()) {
        m.addSeparator();
        QObject::connect(add(m, ":/icons/menu.png", "Показать тулбар"), &QAction::triggered, bar, &QWidget::show);
    }
    m.exec(QCursor::pos());
}

void page_list_menu(my_notebook &window)
{
    QMenu m(&window);
    QObject::connect(add(m, ":/icons/new.png", "Добавить заметку"), &QAction::triggered, &window,
                     &my_notebook::add_notebook);
    QObject::connect(add(m, ":/icons/del.png", "Удалить заметку"), &QAction::triggered, &window,
                     &my_notebook::delete_notebook);
    m.addSeparator();
    QObject::connect(add(m, ":/icons/find.png", "Поиск по теме заметки"), &QAction::triggered, &window,
                     &my_notebook::find);
    QObject::connect(add(m, ":/icons/base.png", "Сжать базу данных"), &QAction::triggered, &window,
                     [&window] { window.store().compact_database(); });
    m.exec(QCursor::pos());
}

void picture_menu(my_notebook &window)
{
    QMenu m(&window);
    const struct
    {
        const char *text, *icon;
        void (my_notebook::*slot)();
    } items[] = {
        {"Добавить картинку из буфера", ":/icons/insertimage_buf.png", &my_notebook::add_img_buff},
        {"Добавить картинку из файла", ":/icons/insertimage.png", &my_notebook::add_img_file},
        {"Подоганть размер элементов", ":/icons/fit", &my_notebook::fit},
        {"Сохранить картинку в файл", ":/icons/save.png", &my_notebook::save_img_file},
        {"Удалить картинку", ":/icons/del.png", &my_notebook::del_img},
        {nullptr, nullptr, nullptr},
        {"Добавить/изменить комментарий", ":/icons/add_comment.png", &my_notebook::add_text},
        {"Удалить комментарий", ":/icons/del_com.png", &my_notebook::del_text},
        {"Повернуть комментарий", ":/icons/turn.png", &my_notebook::rotate_text},
        {"Изменить шрифт комментария", ":/icons/fonts.png", &my_notebook::setfont_GraphicsTextItem},
        {"Изменить цвет комментария", ":/icons/colors.png", &my_notebook::setcolor_GraphicsTextItem},
    };
    for (const auto &i : items) {
        if (!i.text) {
            m.addSeparator();
            continue;
        }
        QObject::connect(add(m, i.icon, i.text), &QAction::triggered, &window, i.slot);
    }
    m.exec(QCursor::pos());
}

void add_page_menu(my_notebook &window)
{
    QMenu m(&window);
    QAction *text = add(m, ":/icons/inserttext.png", "Добавить текст");
    QAction *picture = add(m, ":/icons/insertimage.png", "Добавить картинку");
    QWidget *button = window.tool_bar()->widgetForAction(window.findChild<QAction *>(QStringLiteral("addtsk_")));
    const QPoint at = button ? button->mapToGlobal(QPoint(0, button->height())) : QCursor::pos();
    QAction *chosen = m.exec(at);
    if (chosen == text)
        window.add_page(false);
    else if (chosen == picture)
        window.add_page(true);
}

void build_tool_bar(my_notebook &window)
{
    QToolBar *bar = window.tool_bar();
    const auto item = [&](const char *icon, const char *text, void (my_notebook::*slot)()) {
        QAction *a = bar->addAction(QIcon(QString::fromLatin1(icon)), my_notebook::tr(text));
        QObject::connect(a, &QAction::triggered, &window, slot);
        return a;
    };
    QAction *add = item(":/icons/new.png", "Добавить заметку", &my_notebook::add_notebook);
    add->setObjectName(QStringLiteral("addtsk_"));
    add->setShortcut(QKeySequence::New);
    item(":/icons/del.png", "Удалить заметку", &my_notebook::delete_notebook);
    bar->addSeparator();
    item(":/icons/save.png", "Сохранить", &my_notebook::save)->setShortcut(QKeySequence::Save);
    // Ctrl+F searches everything the user wrote; finding a page by its
    // title stays in the page list's menu.
    auto *search_action = new QAction(&window);
    search_action->setObjectName(QStringLiteral("search_everything"));
    search_action->setShortcut(QKeySequence::Find);
    window.addAction(search_action);
    QObject::connect(search_action, &QAction::triggered, &window, &my_notebook::search_requested);
    bar->addSeparator();
    item(":/icons/fonts.png", "Выбрать шрифт редактора", &my_notebook::seteditorfont)
        ->setObjectName(QStringLiteral("setfonttsk"));
    item(":/icons/colors.png", "Выбрать цвет букв редактора", &my_notebook::seteditorcolor)
        ->setObjectName(QStringLiteral("setcolortsk"));
    bar->addSeparator();
    bar->addWidget(window.html_switch());
    bar->addWidget(window.text_switch());
    bar->addSeparator();
}

} // namespace notebook_menus
