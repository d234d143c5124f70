// A system DLL loaded from the system directory by name, never from beside the exe:
// the program runs elevated, so a DLL planted next to it must not be picked up.
#pragma once

#include <windows.h>

#include "platform/win32/unique_handle.h"

namespace quorvel::win32 {

class SystemLibrary {
  public:
    explicit SystemLibrary(const wchar_t* name)
        : module_(LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)) {}

    bool loaded() const { return module_.valid(); }

    // nullptr when the library or the export is missing; callers report it where they are.
    template <typename Function>
    Function* function(const char* exportName) const {
        if (!module_.valid())
            return nullptr;
        return reinterpret_cast<Function*>(
            reinterpret_cast<void*>(GetProcAddress(module_.get(), exportName)));
    }

  private:
    UniqueModule module_;
};

}  // namespace quorvel::win32
