#include "settings/constructor/constructor_prompts.h"

#include <QFileDialog>
#include <QInputDialog>

bool constructor_prompts::text(QWidget *parent, const QString &title, const QString &label, const QString &preset,
                               QString *answer)
{
    bool ok = false;
    *answer = QInputDialog::getText(parent, title, label, QLineEdit::Normal, preset, &ok);
    return ok;
}

QString constructor_prompts::open_file(QWidget *parent, const QString &title, const QString &folder,
                                       const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, title, folder, filter);
}

QString constructor_prompts::folder(QWidget *parent, const QString &title, const QString &start)
{
    return QFileDialog::getExistingDirectory(parent, title, start);
}
