#pragma once
// The small modal questions the settings windows ask: a colour, a font, a
// line of text, a file; and a warning to acknowledge. One object answers
// them; tests hand in their own.

#include <QColor>
#include <QFont>
#include <QString>

#include <optional>

class QWidget;

class user_prompts
{
public:
    enum class unsaved_answer
    {
        save,
        discard,
        cancel
    };

    virtual ~user_prompts() = default;

    // An invalid colour when cancelled.
    virtual QColor color(const QColor &initial, QWidget *parent);
    virtual std::optional<QFont> font(const QFont &initial, QWidget *parent);
    virtual std::optional<QString> text(QWidget *parent, const QString &title, const QString &label,
                                        const QString &initial);
    // An empty string when cancelled.
    virtual QString open_file(QWidget *parent, const QString &title, const QString &folder, const QString &filter);
    virtual QString folder(QWidget *parent, const QString &title, const QString &start);
    // Leaving something edited and not saved: "Сохранить", "Не сохранять"
    // or "Отмена" (also Escape and closing the box).
    virtual unsaved_answer unsaved(QWidget *parent, const QString &title, const QString &text);
    // A warning with one OK button.
    virtual void warning(QWidget *parent, const QString &title, const QString &text);

    // The process's default answerer (the toolkit's dialogs).
    static user_prompts &standard();
};
