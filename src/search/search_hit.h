#pragma once
// What one search found: the hits, in the order they are listed, and how
// many there were.

#include "search/search_text.h"

#include <QDate>
#include <QList>
#include <QString>

struct search_hit
{
    enum class kind
    {
        note,        // a date note of the calendar
        text_page,   // a notebook text page
        picture_page // a notebook picture page (its caption matched, or its title)
    };
    kind what = kind::note;
    QDate date;                  // note
    QString key;                 // note
    qint64 page = 0;             // page id
    search_text::marked place;   // the note's date (and time) or the page's title
    search_text::marked snippet; // around the first match
};

struct search_results
{
    quint64 ticket = 0;
    QString query;
    QList<search_hit> hits;
    int notes = 0;           // notes found (all of them counted)
    int pages = 0;           // pages listed
    bool more_notes = false; // more notes than listed
    bool more_pages = false;
    QString problem;  // why pages could not be searched; empty when they were
    int indexing = 0; // pages still waiting to be indexed
    double milliseconds = 0;
};
