#include "notebook/notebook_prompts.h"

#include "common/user_prompts.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>

QString dialog_prompts::start_folder()
{
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (!pictures.isEmpty() && QDir(pictures).exists())
        return pictures;
    return QDir::homePath();
}

void dialog_prompts::message(QWidget *parent, box kind, const QString &title, const QString &text)
{
    if (kind == box::warning)
        QMessageBox::warning(parent, title, text);
    else
        QMessageBox::information(parent, title, text);
}

bool dialog_prompts::confirm(QWidget *parent, const QString &title, const QString &text)
{
    return QMessageBox::information(parent, title, text, QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

notebook_prompts::unsaved_answer dialog_prompts::ask_unsaved(QWidget *parent, const QString &page_title)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Заметки"),
                    QStringLiteral("Заметка «%1» изменена. Сохранить изменения?").arg(page_title.trimmed()),
                    QMessageBox::NoButton, parent);
    // Plain text: a title may contain markup, which must show as typed.
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

notebook_prompts::draft_answer dialog_prompts::ask_restore_draft(QWidget *parent, const QString &page_title,
                                                                 const QDateTime &written)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Заметки"),
                    QStringLiteral("Изменения заметки «%1» не были сохранены: программа была закрыта, "
                                   "не успев их сохранить (%2). Восстановить их?")
                        .arg(page_title.trimmed(), written.toLocalTime().toString(QStringLiteral("dd.MM.yyyy HH:mm"))),
                    QMessageBox::NoButton, parent);
    box.setTextFormat(Qt::PlainText);
    QPushButton *restore = box.addButton(QStringLiteral("Восстановить"), QMessageBox::AcceptRole);
    QPushButton *discard = box.addButton(QStringLiteral("Удалить"), QMessageBox::DestructiveRole);
    QPushButton *later = box.addButton(QStringLiteral("Позже"), QMessageBox::RejectRole);
    box.setDefaultButton(restore);
    box.setEscapeButton(later);
    box.exec();
    if (box.clickedButton() == restore)
        return draft_answer::restore;
    if (box.clickedButton() == discard)
        return draft_answer::discard;
    return draft_answer::later;
}

// The small questions are the same dialogs the settings windows use.
std::optional<QString> dialog_prompts::text(QWidget *parent, const QString &title, const QString &preset)
{
    return user_prompts::standard().text(parent, title, QString(), preset);
}

std::optional<QFont> dialog_prompts::font(QWidget *parent, const QFont &preset)
{
    return user_prompts::standard().font(preset, parent);
}

QColor dialog_prompts::color(QWidget *parent, const QColor &preset)
{
    return user_prompts::standard().color(preset, parent);
}

QString dialog_prompts::open_file(QWidget *parent, const QString &title, const QString &filter)
{
    return user_prompts::standard().open_file(parent, title, start_folder(), filter);
}

QString dialog_prompts::save_file(QWidget *parent, const QString &title, const QString &filter)
{
    return QFileDialog::getSaveFileName(parent, title, start_folder(), filter);
}
