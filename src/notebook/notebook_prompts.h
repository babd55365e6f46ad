#pragma once
// notebook_prompts: every question and message the notebook puts to the
// user, behind one interface so the window can be driven without modal
// dialogs (tests answer through their own implementation).

#include <QColor>
#include <QDateTime>
#include <QFont>
#include <QString>
#include <optional>

class QWidget;

class notebook_prompts
{
public:
    enum class box
    {
        warning,
        information
    };
    enum class unsaved_answer
    {
        save,
        discard,
        cancel
    };
    enum class draft_answer
    {
        restore,
        discard,
        later // asked again at the next start
    };

    virtual ~notebook_prompts() = default;

    // parent may be null (a box over no window).
    virtual void message(QWidget *parent, box kind, const QString &title, const QString &text) = 0;
    // OK/Cancel question; true on OK.
    virtual bool confirm(QWidget *parent, const QString &title, const QString &text) = 0;
    virtual unsaved_answer ask_unsaved(QWidget *parent, const QString &page_title) = 0;
    // Changes left unsaved by an earlier run (a crash, a kill, a logout).
    virtual draft_answer ask_restore_draft(QWidget *parent, const QString &page_title, const QDateTime &written) = 0;
    // An input line: nothing when cancelled.
    virtual std::optional<QString> text(QWidget *parent, const QString &title, const QString &preset) = 0;
    virtual std::optional<QFont> font(QWidget *parent, const QFont &preset) = 0;
    // Invalid when cancelled.
    virtual QColor color(QWidget *parent, const QColor &preset) = 0;
    // Empty when cancelled. The dialogs start in the user's pictures folder
    // (else the home folder), never in the program's own.
    virtual QString open_file(QWidget *parent, const QString &title, const QString &filter) = 0;
    virtual QString save_file(QWidget *parent, const QString &title, const QString &filter) = 0;
};

// The real dialogs and message boxes.
class dialog_prompts : public notebook_prompts
{
public:
    // Where the file dialogs start: the user's pictures folder, else home.
    static QString start_folder();

    void message(QWidget *parent, box kind, const QString &title, const QString &text) override;
    bool confirm(QWidget *parent, const QString &title, const QString &text) override;
    unsaved_answer ask_unsaved(QWidget *parent, const QString &page_title) override;
    draft_answer ask_restore_draft(QWidget *parent, const QString &page_title, const QDateTime &written) override;
    std::optional<QString> text(QWidget *parent, const QString &title, const QString &preset) override;
    std::optional<QFont> font(QWidget *parent, const QFont &preset) override;
    QColor color(QWidget *parent, const QColor &preset) override;
    QString open_file(QWidget *parent, const QString &title, const QString &filter) override;
    QString save_file(QWidget *parent, const QString &title, const QString &filter) override;
};
