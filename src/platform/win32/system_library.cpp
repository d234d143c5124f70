#include "platform/win32/system_library.h"

// Header-only helper; this unit gives the Win32 library a source to build from until
// the glue modules arrive.
