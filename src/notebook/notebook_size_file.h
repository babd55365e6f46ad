#pragma once
// notebook_size.dat: one length byte N, N bytes of window geometry, then
// the main window's state up to the end of the file.

#include <QByteArray>
#include <QString>
#include <optional>

namespace notebook_size_file {

struct layout
{
    QByteArray geometry;
    QByteArray state;
};

// The file's parts; a length byte that promises more than the file holds
// gives what there is. An empty file gives two empty parts.
layout parse(const QByteArray &bytes);

// The file's bytes, or nothing when the geometry does not fit the one
// length byte.
std::optional<QByteArray> compose(const layout &l);

enum class save_result
{
    written,
    too_long, // nothing written, the previous file kept
    failed    // error holds the file's error text
};
save_result save(const QString &path, const layout &l, QString *error);

// Reads the file; nothing when it cannot be opened.
std::optional<layout> load(const QString &path);

} // namespace notebook_size_file
