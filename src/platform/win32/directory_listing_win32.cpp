#include "platform/win32/directory_listing_win32.h"

#include <windows.h>

#include "platform/win32/unique_handle.h"
#include "platform/win32/wide_text.h"

namespace quorvel::win32 {

std::vector<DirectoryEntry> Win32DirectoryListing::list(const std::string& directory) {
    std::wstring pattern = wideFromUtf8(directory);
    if (!pattern.empty() && pattern.back() != L'/' && pattern.back() != L'\\')
        pattern += L'\\';
    pattern += L"*.*";
    WIN32_FIND_DATAW found{};
    const UniqueFindHandle search(FindFirstFileW(pattern.c_str(), &found));
    std::vector<DirectoryEntry> entries;
    if (!search.valid())
        return entries;
    do {
        entries.push_back(DirectoryEntry{utf8FromWide(found.cFileName),
                                         (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
    } while (FindNextFileW(search.get(), &found));
    // FindNextFileW ends with ERROR_NO_MORE_FILES; any other error also ends the list, and the
    // entries read so far are all there is to show.
    return entries;
}

}  // namespace quorvel::win32
