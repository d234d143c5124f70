// The program's colours in the system's packed form and back.
#pragma once

#include <windows.h>

#include "config/colour.h"

namespace quorvel::win32 {

inline COLORREF colorRef(Colour colour) {
    return RGB(colour.red, colour.green, colour.blue);
}

inline Colour colourOfRef(COLORREF packed) {
    return rgbColour(GetRValue(packed), GetGValue(packed), GetBValue(packed));
}

}  // namespace quorvel::win32
