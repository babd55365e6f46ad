#pragma once
// peer_identity: who is at the other end of a local socket. The single-
// instance hand-over trusts only a peer of the user running the program.

#include <QtGlobal>
#include <optional>

namespace peer_identity {

// The user id of the running program.
quint32 current_user();
// The user id of the process at the other end of a connected local socket
// (its descriptor); nothing when the system cannot say.
std::optional<quint32> user_of(qintptr socket_descriptor);

} // namespace peer_identity
