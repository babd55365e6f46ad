#pragma once
// command_line: what the program does without a window when asked on the
// command line (calendar export and import), then exits.

#include <optional>

namespace command_line {

// The exit status when the arguments asked for a command-line task, or
// nullopt when the program should start as usual.
std::optional<int> run(int argc, char *argv[]);

} // namespace command_line
