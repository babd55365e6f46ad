#include "notebook/find_dialog.h"

#include <QHBoxLayout>
#include <QLineEdit>

find_dialog::find_dialog(QWidget *parent) : QDialog(parent)
{
    setWindowFlags(windowFlags() | Qt::MSWindowsFixedSizeDialogHint);
    setWindowTitle(QStringLiteral("Введите строку:"));
    auto *layout = new QHBoxLayout(this);
    m_edit = new QLineEdit(this);
    m_edit->setObjectName(QStringLiteral("lineEdit"));
    layout->addWidget(m_edit);
    connect(m_edit, &QLineEdit::textChanged, this, &find_dialog::on_lineEdit_textChanged);
}

void find_dialog::on_lineEdit_textChanged(const QString &text)
{
    emit search(text);
}
