#include "calendar/add_note.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimeEdit>
#include <QVBoxLayout>

addNote::addNote(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("addNote"));
    setWindowModality(Qt::ApplicationModal);
    setWindowTitle(QStringLiteral("Редактирование заметки:"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/iconka.png")));
    auto *layout = new QVBoxLayout(this);
    prompt = new QLabel(QStringLiteral("Текст заметки:"), this);
    text_edit = new QLineEdit(this);
    text_edit->setObjectName(QStringLiteral("lineEdit"));
    // The line edit would cut a long note (from the file) to 32767 characters
    // and OK would write the cut text back.
    text_edit->setMaxLength(1 << 26);
    timed_box = new QCheckBox(QStringLiteral("Показать на экране в:"), this);
    timed_box->setObjectName(QStringLiteral("checkBox"));
    time_edit = new QTimeEdit(this);
    time_edit->setObjectName(QStringLiteral("timeEdit"));
    time_edit->setDisplayFormat(QStringLiteral("HH:mm"));
    ok_button = new QPushButton(QStringLiteral("OK"), this);
    ok_button->setObjectName(QStringLiteral("pushButton"));
    ok_button->setDefault(true);
    for (QWidget *w :
         {static_cast<QWidget *>(prompt), static_cast<QWidget *>(text_edit), static_cast<QWidget *>(timed_box),
          static_cast<QWidget *>(time_edit), static_cast<QWidget *>(ok_button)})
        layout->addWidget(w);
    setMinimumWidth(320);
    connect(ok_button, &QPushButton::clicked, this, &addNote::endEdit);
    connect(timed_box, &QCheckBox::stateChanged, this, &addNote::set_timeNote_visibility);
}

void addNote::prepare(const QString &title, const QString &prompt_text, const QString &text, bool timed, QTime time)
{
    accepted = false;
    setWindowTitle(title);
    prompt->setText(prompt_text);
    text_edit->setText(text);
    text_edit->selectAll();
    text_edit->setFocus();
    timed_box->setChecked(timed);
    time_edit->setTime(time.isValid() ? time : QTime(0, 0));
}

QString addNote::text() const
{
    return text_edit->text();
}

bool addNote::timed() const
{
    return timed_box->isChecked();
}

QTime addNote::time() const
{
    return time_edit->time();
}

void addNote::endEdit()
{
    accepted = true;
    close();
}

void addNote::set_timeNote_visibility(int state)
{
    time_edit->setEnabled(state != 0);
}

void addNote::showEvent(QShowEvent *e)
{
    time_edit->setEnabled(timed_box->isChecked());
    QDialog::showEvent(e);
}
