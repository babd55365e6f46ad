#pragma once
// password_store: the server password in the desktop's secret store (the
// Secret Service or KWallet, through qtkeychain), never in a file of ours.
// Asynchronous: the secret store may ask the user to unlock it.

#include <QObject>
#include <QString>
#include <functional>

namespace password_store {

// `done(password, error)`: error empty on success; a missing entry gives an
// empty password and an error.
void read(const QString &account, QObject *context, std::function<void(QString, QString)> done);
void write(const QString &account, const QString &password, QObject *context, std::function<void(QString)> done);

} // namespace password_store
