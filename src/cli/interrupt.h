// Ctrl+C (and a polite kill) as a flag that long-running commands poll.
#pragma once

namespace quorvel::cli {

void installInterruptHandler();
bool interruptRequested();

}  // namespace quorvel::cli
