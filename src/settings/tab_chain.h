#pragma once
// The Tab order of a form, given as the list of its controls in the order
// a reader meets them (top to bottom, left to right). Controls hidden or
// disabled at the moment are skipped by the toolkit, so one chain can run
// through every page of a tab widget or a tool box.

#include <QList>

class QWidget;

namespace tab_chain {

// Makes Tab go from each widget to the next one of the list.
void link(const QList<QWidget *> &order);

} // namespace tab_chain
