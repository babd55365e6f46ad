#pragma once
// search_text: how the search compares words. Text is folded to lower case
// with "ё" read as "е" (Russian writers use them interchangeably), one
// UTF-16 unit for one, so a position in the folded text is the same
// position in the shown text. A query word matches a word of the text that
// begins with it.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace search_text {

QChar fold(QChar c);
QString fold(QStringView text);

// The words of a query, folded, without repeats, longest first (the rarest
// words narrow a search fastest). At most `limit` words.
QStringList terms(QStringView query, int limit = 8);

// The first place at or after `from` where a word of `text` begins with
// the folded `term`; -1 when there is none.
int find_word_start(QStringView text, QStringView term, int from = 0);
// Every term begins some word of the text.
bool matches_all(QStringView text, const QStringList &terms);

// HTML reduced to the text a reader sees: tags and what sits in head, style
// and script dropped, character references decoded, blocks apart by a space.
QString html_to_text(QStringView html);
// Whether a page body is a document written as HTML (the notebook's HTML
// mode stores the editor's HTML export).
bool looks_like_html(QStringView body);
// The readable text of a text page's stored body, white space collapsed.
QString page_text(const QByteArray &body);

struct marked
{
    QString text;
    // Highlighted spans: start, length.
    QList<std::pair<int, int>> marks;
};
// Where each term begins a word of text (all of them, for highlighting).
QList<std::pair<int, int>> marks_in(QStringView text, const QStringList &terms);
// A piece of text around the first word a term begins, about `width`
// characters, on one line, with every matched word start marked. Cut ends
// get "…". Without a match: the start of the text.
marked snippet(QStringView text, const QStringList &terms, int width = 110);

} // namespace search_text
