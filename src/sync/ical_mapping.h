#pragma once
// ical_mapping: our events and date notes as iCalendar (RFC 5545) and back,
// through libical.
//
// An event is a VEVENT at its local time in the system's zone (TZID, with
// the zone's VTIMEZONE), its repeat as an RRULE, a DISPLAY alarm with the
// sticker message and an AUDIO alarm when it has a sound; what only this
// program does (the program to start, the tone, the window search) travels
// as X-ORVELLA-* properties. A timed note is a VEVENT with a DISPLAY alarm,
// an untimed note a VJOURNAL on its date (an all-day VEVENT where the
// calendar takes no journals). A reminder that fired or was shown carries
// ACKNOWLEDGED on its alarms (RFC 9074), so other machines see it done.
//
// What cannot be expressed is never silently changed: an event repeated
// "after n minutes" is re-anchored at every start and is not exported, and
// an incoming rule we cannot follow is refused with a line saying why.

#include "sync/sync_records.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

namespace ical_mapping {

struct options
{
    QString zone_id;          // IANA id of the local zone; empty: the system's
    bool journals = true;     // untimed notes as VJOURNAL, else all-day VEVENT
    QDateTime stamp;          // DTSTAMP / LAST-MODIFIED; invalid: now
};

// A line for each item left out, in the interface's language.
struct exported
{
    QByteArray text; // one VCALENDAR
    int events = 0;
    int notes = 0;
    QStringList skipped;
};

exported calendar(const QList<event_record> &events, const QList<note_record> &notes, const options &o = {});
// One item as a VCALENDAR of its own (a CalDAV resource); empty with `why`
// set when the event cannot be exported.
QByteArray item(const event_record &e, const options &o = {}, QString *why = nullptr);
QByteArray item(const note_record &n, const options &o = {});

struct parsed
{
    bool ok = false;
    QString error; // set when the text is no iCalendar at all
    QList<event_record> events;
    QList<note_record> notes;
    QStringList refused;
    // LAST-MODIFIED of each item by uid (UTC), where present.
    QHash<QString, QDateTime> modified;
};

parsed parse(const QByteArray &ics);

} // namespace ical_mapping
