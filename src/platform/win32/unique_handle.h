// One owner for every kind of Win32 handle: closed exactly once, movable, never copied.
#pragma once

#include <windows.h>

#include <utility>

namespace quorvel::win32 {

// Traits give the handle type, its empty value, what counts as owned and how to close it.
template <typename Traits>
class UniqueHandle {
  public:
    using Type = typename Traits::Type;

    UniqueHandle() = default;
    explicit UniqueHandle(Type handle) : handle_(handle) {}
    ~UniqueHandle() {
        // Nothing can be done about a failed close while the owner goes away.
        (void)close();
    }
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other)
            reset(other.release());
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    Type get() const { return handle_; }
    bool valid() const { return Traits::owns(handle_); }
    explicit operator bool() const { return valid(); }

    // The caller owns the handle from now on.
    Type release() { return std::exchange(handle_, Traits::empty()); }

    // Closes now; false when the system refused (a file whose last write failed on close).
    // True when nothing was owned.
    bool close() {
        const Type handle = release();
        return !Traits::owns(handle) || Traits::close(handle);
    }

    void reset(Type handle = Traits::empty()) {
        // As in the destructor: the old handle is gone either way.
        (void)close();
        handle_ = handle;
    }

  private:
    Type handle_ = Traits::empty();
};

// Kernel objects: files, events, timers, mutexes. Their APIs give either null or
// INVALID_HANDLE_VALUE for "none", so both count as not owned.
struct KernelHandleTraits {
    using Type = HANDLE;
    static Type empty() { return nullptr; }
    static bool owns(Type h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
    static bool close(Type h) { return CloseHandle(h) != FALSE; }
};

// A directory search of FindFirstFileW, which gives INVALID_HANDLE_VALUE for none.
struct FindHandleTraits {
    using Type = HANDLE;
    static Type empty() { return INVALID_HANDLE_VALUE; }
    static bool owns(Type h) { return h != INVALID_HANDLE_VALUE; }
    static bool close(Type h) { return FindClose(h) != FALSE; }
};

template <typename Object>
struct GdiObjectTraits {
    using Type = Object;
    static Type empty() { return nullptr; }
    static bool owns(Type h) { return h != nullptr; }
    static bool close(Type h) { return DeleteObject(h) != FALSE; }
};

// A memory device context of our own (CreateCompatibleDC), not one borrowed with GetDC.
struct MemoryDcTraits {
    using Type = HDC;
    static Type empty() { return nullptr; }
    static bool owns(Type h) { return h != nullptr; }
    static bool close(Type h) { return DeleteDC(h) != FALSE; }
};

struct MenuTraits {
    using Type = HMENU;
    static Type empty() { return nullptr; }
    static bool owns(Type h) { return h != nullptr; }
    static bool close(Type h) { return DestroyMenu(h) != FALSE; }
};

struct HookTraits {
    using Type = HHOOK;
    static Type empty() { return nullptr; }
    static bool owns(Type h) { return h != nullptr; }
    static bool close(Type h) { return UnhookWindowsHookEx(h) != FALSE; }
};

struct DeviceNotificationTraits {
    using Type = HDEVNOTIFY;
    static Type empty() { return nullptr; }
    static bool owns(Type h) { return h != nullptr; }
    static bool close(Type h) { return UnregisterDeviceNotification(h) != FALSE; }
};

struct ModuleTraits {
    using Type = HMODULE;
    static Type empty() { return nullptr; }
    static bool owns(Type h) { return h != nullptr; }
    static bool close(Type h) { return FreeLibrary(h) != FALSE; }
};

struct IconTraits {
    using Type = HICON;
    static Type empty() { return nullptr; }
    static bool owns(Type h) { return h != nullptr; }
    static bool close(Type h) { return DestroyIcon(h) != FALSE; }
};

using UniqueKernelHandle = UniqueHandle<KernelHandleTraits>;
using UniqueFindHandle = UniqueHandle<FindHandleTraits>;
using UniqueBitmap = UniqueHandle<GdiObjectTraits<HBITMAP>>;
using UniqueFont = UniqueHandle<GdiObjectTraits<HFONT>>;
using UniqueBrush = UniqueHandle<GdiObjectTraits<HBRUSH>>;
using UniqueMemoryDc = UniqueHandle<MemoryDcTraits>;
using UniqueMenu = UniqueHandle<MenuTraits>;
using UniqueHook = UniqueHandle<HookTraits>;
using UniqueDeviceNotification = UniqueHandle<DeviceNotificationTraits>;
using UniqueModule = UniqueHandle<ModuleTraits>;
using UniqueIcon = UniqueHandle<IconTraits>;

}  // namespace quorvel::win32
