#include "platform/peer_identity.h"

// The peer cannot be told here: no hand-over is trusted.
namespace peer_identity {

quint32 current_user()
{
    return 0;
}

std::optional<quint32> user_of(qintptr)
{
    return std::nullopt;
}

} // namespace peer_identity
