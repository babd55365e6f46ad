#pragma once
// The questions the constructor and the pickers ask through dialogs of the
// toolkit: a line of text, a file, a folder. Tests put answers in instead.

#include <QString>

class QWidget;

class constructor_prompts
{
public:
    virtual ~constructor_prompts() = default;
    // False when cancelled.
    virtual bool text(QWidget *parent, const QString &title, const QString &label, const QString &preset,
                      QString *answer);
    // Empty when cancelled.
    virtual QString open_file(QWidget *parent, const QString &title, const QString &folder, const QString &filter);
    virtual QString folder(QWidget *parent, const QString &title, const QString &start);
};
