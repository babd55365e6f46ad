#include "common/user_prompts.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QMessageBox>

QColor user_prompts::color(const QColor &initial, QWidget *parent)
{
    return QColorDialog::getColor(initial, parent);
}

std::optional<QFont> user_prompts::font(const QFont &initial, QWidget *parent)
{
    bool ok = false;
    const QFont f = QFontDialog::getFont(&ok, initial, parent);
    return ok ? std::optional<QFont>(f) : std::nullopt;
}

std::optional<QString> user_prompts::text(QWidget *parent, const QString &title, const QString &label,
                                          const QString &initial)
{
    bool ok = false;
    const QString t = QInputDialog::getText(parent, title, label, QLineEdit::Normal, initial, &ok);
    return ok ? std::optional<QString>(t) : std::nullopt;
}

QString user_prompts::open_file(QWidget *parent, const QString &title, const QString &folder, const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, title, folder, filter);
}

QString user_prompts::folder(QWidget *parent, const QString &title, const QString &start)
{
    return QFileDialog::getExistingDirectory(parent, title, start);
}

void user_prompts::warning(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox::warning(parent, title, text, QMessageBox::Ok);
}

user_prompts &user_prompts::standard()
{
    static user_prompts prompts;
    return prompts;
}
