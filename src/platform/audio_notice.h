#pragma once
// The first sound or tone of a run that cannot be heard, for want of an
// output device or a sound server, is told to the user once. The platform
// layer only reports it; whoever owns the program's windows shows it.

#include <functional>

// Replaces the handler (an empty one removes it). It runs on the
// application's thread, queued, never inside the call that failed.
void set_output_unavailable_handler(std::function<void()> handler);

// The output's side: calls the handler the first time in a run. Until a
// handler is there to hear it, the notice is kept for the next failure.
void report_output_unavailable();
