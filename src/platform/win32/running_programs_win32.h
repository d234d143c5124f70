// The programs that show a window now, by the file name of their executable.
#pragma once

#include <string>
#include <vector>

namespace quorvel::win32 {

// One name per visible top-level window of another process, as found (repeats included);
// a process the system will not describe is left out.
std::vector<std::string> programsWithVisibleWindows();

}  // namespace quorvel::win32
