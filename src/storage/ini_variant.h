#pragma once
// How a value that is not plain text is spelled in an INI file: the
// toolkit's "@" forms (@ByteArray(...), @String(...), @Variant(...),
// @Rect(...), @Invalid() and "@@" for a text that starts with '@'). The
// same rules as the toolkit's INI format, so either side reads what the
// other wrote.

#include <QString>
#include <QStringList>
#include <QVariant>

namespace ini_variant {

// The text a single value is stored as (before quoting and escapes).
QString to_text(const QVariant &v);
// Whether a value is written as a list.
bool is_list(const QVariant &v);
// The texts of a list value's items.
QStringList to_texts(const QVariant &v);

// The value one stored text stands for.
QVariant from_text(const QString &s);
// The value a stored list stands for: a string list, or a list of values
// when an item carries an "@" form.
QVariant from_texts(QStringList texts);

} // namespace ini_variant
