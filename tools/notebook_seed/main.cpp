// Writes the seed notebook: the two tables, the editor set-up row and
// welcome pages that show what the notebook does.
#include "welcome_picture.h"

#include <QBuffer>
#include <QColor>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <cstdio>

namespace {

bool exec(QSqlQuery &q, const QString &sql)
{
    if (q.exec(sql))
        return true;
    std::fprintf(stderr, "notebook seed: %s: %s\n", qPrintable(sql), qPrintable(q.lastError().text()));
    return false;
}

const char *const welcome_text = "Добро пожаловать в блокнот Orvella!\n"
                                 "\n"
                                 "Здесь хранятся ваши заметки: текстовые страницы и картинки с подписями. "
                                 "Всё лежит в одном файле notebook.db в папке данных программы.\n"
                                 "\n"
                                 "• Новая заметка — кнопка «Добавить заметку» на панели инструментов: "
                                 "выберите «Добавить текст» или «Добавить картинку».\n"
                                 "• Изменения записываются кнопкой «Сохранить». Если уйти со страницы, не сохранив её, "
                                 "программа спросит, что сделать с изменениями.\n"
                                 "• Тему заметки можно переименовать двойным щелчком по ней в списке слева.\n"
                                 "• Поиск по темам, удаление и сжатие базы — в контекстном меню списка.\n";

const char *const tips_text =
    "Несколько советов\n"
    "\n"
    "1. Переключатель «Обрабатывать данные как HTML» позволяет выделять слова цветом и шрифтом "
    "(пункты контекстного меню редактора). В режиме текста шрифт и цвет задаются для всех страниц сразу "
    "кнопками на панели инструментов.\n"
    "2. На странице-картинке щёлкните правой кнопкой мыши: картинку можно вставить из буфера обмена "
    "или из файла, добавить к ней подпись, повернуть подпись, сменить её шрифт и цвет, "
    "а готовый результат сохранить в PNG-файл вместе с подписью.\n"
    "3. Подпись перетаскивается мышью; двойной щелчок по ней — правка прямо на картинке.\n"
    "4. Окно блокнота открывается из меню значка часов в трее: пункт «Заметки».\n";

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.db\n", argv[0]);
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    const QString tmp = out + ".part";
    QFile::remove(tmp);

    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("seed"));
        db.setDatabaseName(tmp);
        if (!db.open()) {
            std::fprintf(stderr, "notebook seed: cannot create %s\n", qPrintable(tmp));
            return 1;
        }
        QSqlQuery q(db);
        // AUTOINCREMENT: a new page always gets a larger id than any before,
        // even after the newest was deleted.
        ok = exec(q, "CREATE TABLE notebook (id INTEGER PRIMARY KEY AUTOINCREMENT, name TEXT, data BLOB, "
                     "image INTEGER NOT NULL DEFAULT 0, comment TEXT DEFAULT '', pos_x REAL DEFAULT 0, "
                     "pos_y REAL DEFAULT 0, rotation REAL DEFAULT 0, zvalue REAL DEFAULT 0, "
                     "font TEXT DEFAULT '', color TEXT DEFAULT '')") &&
             exec(q, "CREATE TABLE setup (html INTEGER NOT NULL DEFAULT 0, font TEXT DEFAULT '', "
                     "color TEXT DEFAULT '')") &&
             exec(q, "INSERT INTO setup (html, font, color) VALUES (0, '', '')");

        auto add_text = [&](const QString &name, const QString &body) {
            q.prepare(QStringLiteral("INSERT INTO notebook (name, data, image) VALUES (?, ?, 0)"));
            q.addBindValue(name);
            q.addBindValue(body.toUtf8());
            return q.exec() || (std::fprintf(stderr, "%s\n", qPrintable(q.lastError().text())), false);
        };
        ok = ok && add_text(QStringLiteral("Добро пожаловать"), QString::fromUtf8(welcome_text)) &&
             add_text(QStringLiteral("Как пользоваться блокнотом"), QString::fromUtf8(tips_text));

        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        welcome_picture().save(&buffer, "PNG");
        QFont caption(QStringLiteral("DejaVu Sans"), 20, QFont::Bold);
        q.prepare(QStringLiteral("INSERT INTO notebook (name, data, image, comment, pos_x, pos_y, rotation, zvalue, "
                                 "font, color) VALUES (?, ?, 1, ?, ?, ?, ?, ?, ?, ?)"));
        q.addBindValue(QStringLiteral("Картинка с подписью"));
        q.addBindValue(png);
        q.addBindValue(QStringLiteral("Рассвет на озере"));
        q.addBindValue(24.0);
        q.addBindValue(24.0);
        q.addBindValue(0.0);
        q.addBindValue(0.0);
        q.addBindValue(caption.toString());
        q.addBindValue(QColor(255, 250, 235).name());
        ok = ok && (q.exec() || (std::fprintf(stderr, "%s\n", qPrintable(q.lastError().text())), false));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("seed"));
    if (!ok) {
        QFile::remove(tmp);
        return 1;
    }
    QFile::remove(out);
    if (!QFile::rename(tmp, out)) {
        std::fprintf(stderr, "notebook seed: cannot write %s\n", qPrintable(out));
        return 1;
    }
    return 0;
}
