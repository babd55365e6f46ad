#include "calendar/datetime_edit.h"

#include "calendar/notes_store.h"

#include <QDateEdit>
#include <QPushButton>
#include <QVBoxLayout>

_datetimeEdit::_datetimeEdit(notes_store &store, QWidget *parent) : QDialog(parent), m_store(store)
{
    setObjectName(QStringLiteral("_datetimeEdit"));
    const QString title = QStringLiteral("На какую дату скопировать ?:");
    setWindowTitle(title);
    setWindowIcon(QIcon(QStringLiteral(":/icons/iconka.png")));
    setWindowModality(Qt::ApplicationModal);
    auto *layout = new QVBoxLayout(this);
    m_date = new QDateEdit(this);
    m_date->setObjectName(QStringLiteral("dateEdit"));
    m_date->setCalendarPopup(false);
    m_date->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setObjectName(QStringLiteral("pushButton"));
    layout->addWidget(m_date);
    layout->addWidget(m_ok);
    setMinimumWidth(10 * int(title.size()));
    connect(m_ok, &QPushButton::clicked, this, &_datetimeEdit::endEdit);
}

void _datetimeEdit::endEdit()
{
    if (note.size() >= 2)
        m_store.copy_note(m_date->date(), note.at(0), note.at(1));
    emit doUpdate();
    close();
}
