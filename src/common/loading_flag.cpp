#include "common/loading_flag.h"

namespace loading_flag {

namespace {
int g_depth = 0; // GUI thread only
}

bool raised()
{
    return g_depth > 0;
}

scope::scope()
{
    ++g_depth;
}

scope::~scope()
{
    --g_depth;
}

} // namespace loading_flag
