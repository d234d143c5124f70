#include "handle_count.h"

#include <windows.h>

#include <tlhelp32.h>
#include <winternl.h>

#include <algorithm>
#include <vector>

#include "platform/win32/unique_handle.h"

namespace quorvel::vmouse {
namespace {

// The system's handle list as the documented information class 16 gives it; the process's
// own count (ProcessHandleCount) is always 0 under Wine 8, so the list is counted instead.
constexpr auto kSystemHandleInformation = static_cast<SYSTEM_INFORMATION_CLASS>(16);
struct HandleEntry {
    ULONG ownerPid;
    BYTE objectType;
    BYTE flags;
    USHORT value;
    PVOID object;
    ULONG access;
};
struct HandleList {
    ULONG count;
    HandleEntry entries[1];
};

std::optional<DWORD> processId(const std::wstring& executable, std::string& error) {
    win32::UniqueKernelHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot) {
        error = "CreateToolhelp32Snapshot failed, error " + std::to_string(GetLastError());
        return std::nullopt;
    }
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof(entry);
    for (BOOL more = Process32FirstW(snapshot.get(), &entry); more;
         more = Process32NextW(snapshot.get(), &entry)) {
        if (lstrcmpiW(entry.szExeFile, executable.c_str()) == 0)
            return entry.th32ProcessID;
    }
    error = "no process " + std::string(executable.begin(), executable.end());
    return std::nullopt;
}

}  // namespace

std::optional<unsigned> handleCount(const std::wstring& executable, std::string& error) {
    const std::optional<DWORD> pid = processId(executable, error);
    if (!pid)
        return std::nullopt;
    std::vector<std::byte> buffer(1 << 16);
    for (;;) {
        ULONG needed = 0;
        const NTSTATUS status = NtQuerySystemInformation(
            kSystemHandleInformation, buffer.data(), static_cast<ULONG>(buffer.size()), &needed);
        if (status == static_cast<NTSTATUS>(0xC0000004L) /* STATUS_INFO_LENGTH_MISMATCH */) {
            buffer.resize(std::max<std::size_t>(needed, buffer.size()) * 2);
            continue;
        }
        if (status != 0) {
            error = "NtQuerySystemInformation failed, status " + std::to_string(status);
            return std::nullopt;
        }
        break;
    }
    const auto* list = reinterpret_cast<const HandleList*>(buffer.data());
    unsigned count = 0;
    for (ULONG i = 0; i < list->count; ++i)
        count += list->entries[i].ownerPid == *pid ? 1 : 0;
    return count;
}

}  // namespace quorvel::vmouse
