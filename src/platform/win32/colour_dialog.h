// The system's colour dialog.
#pragma once

#include <windows.h>

#include <optional>

#include "ui/canvas.h"

namespace quorvel::win32 {

// Runs modally over `owner`, started at `initial`; empty when the user cancelled.
std::optional<Colour> runColourDialog(HWND owner, Colour initial);

}  // namespace quorvel::win32
