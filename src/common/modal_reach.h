#pragma once
// modal_reach: windows that must stay usable while a modal dialog of ours
// is open. An application-modal dialog blocks every other window, and a
// window that stays on top (a reminder sticker, the notes overview, the
// calendar) then covers the dialog and can be neither closed nor moved.
// A window kept reachable becomes, for as long as the dialog is open, a
// transient of it, which the toolkit does not block; it goes back to its
// own transient parent when the dialog closes. Only while it stays on top:
// any other window goes under the dialog with a click on it, and one pinned
// to the desktop must stay down there. A window blocked by a dialog of its
// own (the overview's copy dialog) stays blocked.

class QWidget;

namespace modal_reach {

// For the life of `window`.
void keep_reachable(QWidget *window);

} // namespace modal_reach
