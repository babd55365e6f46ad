#pragma once
// The program-wide loading flag: raised while the settings dialog fills its
// controls from the settings files, so that their change signals write
// nothing back. Every setter of the dialog returns early while it is up.

namespace loading_flag {

bool raised();

// Raises the flag for its lifetime; nests.
class scope
{
public:
    scope();
    ~scope();
    scope(const scope &) = delete;
    scope &operator=(const scope &) = delete;
};

} // namespace loading_flag
