#include "calendar/my_dialog.h"

#include "calendar/my_monitor.h"

#include <QDate>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QTableWidget>

my_dialog::my_dialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("my_dialog"));
    setWindowTitle(QStringLiteral("Найти..."));
    setWindowIcon(QIcon(QStringLiteral(":/icons/iconka.png")));
    setWindowModality(Qt::ApplicationModal);
    auto *layout = new QHBoxLayout(this);
    m_edit = new QLineEdit(this);
    m_edit->setObjectName(QStringLiteral("lineEdit"));
    layout->addWidget(m_edit);
    setMinimumWidth(240);
    connect(m_edit, &QLineEdit::textChanged, this, &my_dialog::on_lineEdit_textChanged);
}

void my_dialog::on_lineEdit_textChanged(const QString &text)
{
    if (!parent())
        return;
    find(parent()->findChild<QTableWidget *>(QStringLiteral("monitor_notes")), text);
}

void my_dialog::find(QTableWidget *table, const QString &text)
{
    if (!table)
        return;
    if (text.isEmpty()) {
        table->clearSelection();
        return;
    }
    // With no current cell yet nothing could match; look in the notes' texts.
    const int column = table->currentColumn() < 0 ? 1 : table->currentColumn();
    QString needle = text;
    if (column == 0) {
        // Dates are stored as date values; their text form is yyyy-MM-dd.
        const QDate d = QDate::fromString(text, QStringLiteral("dd.MM.yyyy"));
        if (d.isValid())
            needle = d.toString(QStringLiteral("yyyy-MM-dd"));
    }
    // A long note's cell shows only its beginning; the search looks at the
    // whole text the item keeps.
    const QList<QTableWidgetItem *> found = table->findItems(needle, Qt::MatchContains);
    QList<QTableWidgetItem *> in_column;
    for (QTableWidgetItem *item : found)
        if (item->column() == column)
            in_column << item;
    for (int r = 0; r < table->rowCount(); ++r) {
        QTableWidgetItem *item = table->item(r, column);
        const QVariant full = item ? item->data(my_monitor::full_text_role) : QVariant();
        if (full.isValid() && !in_column.contains(item) && full.toString().contains(needle))
            in_column << item;
    }
    for (QTableWidgetItem *item : in_column) {
        table->clearSelection();
        item->setSelected(true);
        table->setCurrentItem(item);
    }
}
