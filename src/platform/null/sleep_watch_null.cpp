#include "platform/sleep_watch.h"

// Nothing reports wake-ups here.
sleep_watch::sleep_watch(QObject *parent) : QObject(parent) {}

void sleep_watch::prepare_for_sleep(bool) {}
