#pragma once
// Every key of sync.ini, the file of calendar exchange and server sync. It
// is created the first time the user exports, imports or sets up a server;
// without it the program keeps everything on this machine.
//
// [Ids] maps the uid of each date note to "dd.MM.yyyy/key" (a date's group in
// my_notes.ini holds nothing but notes, so the uid cannot live beside it).
// [Items] holds, per uid, what the last sync agreed with the server.

#include "storage/typed_settings.h"

namespace sync_keys {

// A random name of this data folder, so two machines (or two folders on one
// machine) tell their own events from each other's.
inline const ini_key<QString> machine{"Identity", "machine", QString()};

inline const ini_key<QString> server{"Server", "url", QString()};  // CalDAV address as typed
inline const ini_key<QString> user{"Server", "user", QString()};
inline const ini_key<QString> collection{"Server", "collection", QString()}; // found by discovery
inline const ini_key<int> interval{"Server", "interval", 15};       // minutes; 0: only by hand
inline const ini_key<bool> journals{"Server", "journals", true};    // the collection takes VJOURNAL
inline const ini_key<QString> sync_token{"Server", "sync_token", QString()};
inline const ini_key<QString> last_result{"Server", "last_result", QString()};

} // namespace sync_keys
