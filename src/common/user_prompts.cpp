#include "common/user_prompts.h"

#include "common/font_choice.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

QColor user_prompts::color(const QColor &initial, QWidget *parent)
{
    return QColorDialog::getColor(initial, parent);
}

std::optional<QFont> user_prompts::font(const QFont &initial, QWidget *parent)
{
    QFontDialog dialog(parent);
    const QFont shown = font_choice::prepare(dialog, initial);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return font_choice::merge(initial, shown, dialog.selectedFont());
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

user_prompts::unsaved_answer user_prompts::unsaved(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::NoButton, parent);
    // A name may contain markup, which must show as typed.
    box.setTextFormat(Qt::PlainText);
    QPushButton *save = box.addButton(QStringLiteral("Сохранить"), QMessageBox::AcceptRole);
    QPushButton *discard = box.addButton(QStringLiteral("Не сохранять"), QMessageBox::DestructiveRole);
    QPushButton *cancel = box.addButton(QStringLiteral("Отмена"), QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == save)
        return unsaved_answer::save;
    if (box.clickedButton() == discard)
        return unsaved_answer::discard;
    return unsaved_answer::cancel;
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
