#include "settings/desktop_controls.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QVBoxLayout>

namespace {
QCheckBox *box(QWidget *parent, const char *name, const QString &text)
{
    auto *b = new QCheckBox(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}
} // namespace

desktop_controls::desktop_controls(QWidget *parent) : QWidget(parent)
{
    pinned = box(this, "checkBox_21", QStringLiteral("Не реагировать на Win+D"));
    fixed = box(this, "checkBox_3", QStringLiteral("Закрепить на рабочем столе"));
    click_through = box(this, "checkBox_4", QStringLiteral("\"Прозрачность\" для мыши"));
    on_top = box(this, "checkBox", QStringLiteral("Показывать часы поверх остальных окон"));
    windowed = box(this, "checkBox_7", QStringLiteral("Оконный режим"));
    calendar_on_top = box(this, "checkBox_23", QStringLiteral("Показывать календарь поверх остальных окон"));

    opacity = new QDoubleSpinBox(this);
    opacity->setObjectName(QStringLiteral("doubleSpinBox"));
    opacity->setDecimals(1);
    opacity->setRange(0.0, 1.0);
    opacity->setSingleStep(0.1);

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Прозрачность часов:"), opacity);
    auto *l = new QVBoxLayout(this);
    for (QCheckBox *b : {on_top, calendar_on_top, windowed, pinned, fixed, click_through})
        l->addWidget(b);
    l->addLayout(form);
    l->addStretch();
}
