#include "handle_count.h"

#include <windows.h>

#include <tlhelp32.h>
#include <winternl.h>

#include <algorithm>
#include <vector>

#include "platform/win32/unique_handle.h"
#include "platform/win32/wide_text.h"

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

// The kind of one of another process's handles ("File", "Event", "Key"...), by a copy of it;
// "type-N" (the system's number) when no copy or no name can be had.
std::string typeName(HANDLE process, const HandleEntry& entry) {
    HANDLE copy = nullptr;
    if (!DuplicateHandle(process, reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(entry.value)),
                         GetCurrentProcess(), &copy, 0, FALSE, DUPLICATE_SAME_ACCESS))
        return "type-" + std::to_string(entry.objectType);
    win32::UniqueKernelHandle owned(copy);
    alignas(PUBLIC_OBJECT_TYPE_INFORMATION) std::byte buffer[1024];
    ULONG length = 0;
    const UNICODE_STRING& name =
        reinterpret_cast<PUBLIC_OBJECT_TYPE_INFORMATION*>(buffer)->TypeName;
    if (NtQueryObject(copy, ObjectTypeInformation, buffer, sizeof buffer, &length) != 0 ||
        name.Length == 0)
        return "type-" + std::to_string(entry.objectType);
    return win32::utf8FromWide(std::wstring(name.Buffer, name.Length / sizeof(wchar_t)).c_str());
}

}  // namespace

std::optional<std::map<std::string, unsigned>> handlesByType(const std::wstring& executable,
                                                             std::string& error) {
    const std::optional<DWORD> pid = processId(executable, error);
    if (!pid)
        return std::nullopt;
    win32::UniqueKernelHandle process(OpenProcess(PROCESS_DUP_HANDLE, FALSE, *pid));
    if (!process) {
        error = "OpenProcess failed, error " + std::to_string(GetLastError());
        return std::nullopt;
    }
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
    std::map<std::string, unsigned> counts;
    for (ULONG i = 0; i < list->count; ++i) {
        if (list->entries[i].ownerPid == *pid)
            ++counts[typeName(process.get(), list->entries[i])];
    }
    return counts;
}

}  // namespace quorvel::vmouse
