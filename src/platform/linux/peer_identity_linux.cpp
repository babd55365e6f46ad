#include "platform/peer_identity.h"

#include <sys/socket.h>
#include <unistd.h>

namespace peer_identity {

quint32 current_user()
{
    return quint32(::getuid());
}

std::optional<quint32> user_of(qintptr socket_descriptor)
{
    struct ucred cred = {};
    socklen_t len = sizeof cred;
    if (socket_descriptor < 0 || ::getsockopt(int(socket_descriptor), SOL_SOCKET, SO_PEERCRED, &cred, &len) != 0 ||
        len != sizeof cred)
        return std::nullopt;
    return quint32(cred.uid);
}

} // namespace peer_identity
