#pragma once
// page_draft: the unsaved state of one notebook page, kept on disk beside
// the database so that nothing typed is lost to a crash, a kill or a
// logout. One file per page and session in the drafts folder, written
// whole (a kill mid-write keeps the previous file), readable by the user
// alone.

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <optional>

struct page_draft
{
    qint64 page = -1;
    QString title;
    bool image = false;
    QDateTime written;

    // Text page: body holds the bytes as a save would store them, html
    // whether they are the editor's HTML. Picture page: body is the PNG of
    // a picture the user changed (empty: the picture was removed) unless
    // picture_as_stored says the stored one still holds.
    bool html = false;
    QByteArray body;
    bool picture_as_stored = true;
    bool has_caption = false;
    QString caption;
    double x = 0, y = 0, rotation = 0, z = 0;
    QString font, color;

    // The file it was read from or is written to (a name in the folder).
    QString file;
};

namespace page_draft_files {

QByteArray encode(const page_draft &d);
// Nothing for bytes that are not a draft of ours (or a later format).
std::optional<page_draft> decode(const QByteArray &bytes);

// A file name for a page's draft of this session.
QString new_file_name(qint64 page, const QDateTime &now);

// Writes d to folder/d.file: the folder is made private when absent, the
// file is created readable by the user alone and replaced whole.
bool write(const QString &folder, const page_draft &d, QString *error = nullptr);
void remove(const QString &folder, const QString &file);
// Every readable draft in the folder, oldest first; files that are not
// drafts are left alone (logged).
QList<page_draft> read_all(const QString &folder);

} // namespace page_draft_files
