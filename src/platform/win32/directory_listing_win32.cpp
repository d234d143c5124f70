#include "platform/win32/directory_listing_win32.h"

#include <windows.h>

#include "platform/win32/wide_text.h"

namespace quorvel::win32 {
namespace {

class FindHandle {
  public:
    explicit FindHandle(HANDLE handle) : handle_(handle) {}
    ~FindHandle() {
        if (valid())
            FindClose(handle_);  // nothing to do about a failed close of a search
    }
    FindHandle(const FindHandle&) = delete;
    FindHandle& operator=(const FindHandle&) = delete;
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle_; }

  private:
    HANDLE handle_;
};

}  // namespace

std::vector<DirectoryEntry> Win32DirectoryListing::list(const std::string& directory) {
    std::wstring pattern = wideFromUtf8(directory);
    if (!pattern.empty() && pattern.back() != L'/' && pattern.back() != L'\\')
        pattern += L'\\';
    pattern += L"*.*";
    WIN32_FIND_DATAW found{};
    FindHandle search(FindFirstFileW(pattern.c_str(), &found));
    std::vector<DirectoryEntry> entries;
    if (!search.valid())
        return entries;
    do {
        entries.push_back(DirectoryEntry{utf8FromWide(found.cFileName),
                                         (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
    } while (FindNextFileW(search.get(), &found));
    return entries;
}

}  // namespace quorvel::win32
