#include "platform/win32/hid_system_win32.h"

#include <windows.h>

#include <setupapi.h>
// mingw's HID headers lack C linkage for C++.
extern "C" {

#include <hidsdi.h>
}

#include <string>
#include <type_traits>
#include <vector>

#include "platform/win32/system_library.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/wide_text.h"

namespace quorvel::win32 {

// The type of a system function, from its declaration; taking it does not import it.
template <auto Declared>
using FunctionOf = std::remove_pointer_t<decltype(Declared)>;

// The two system DLLs, loaded once from System32; never imported at load time.
struct HidLibraries {
    SystemLibrary hid{L"hid.dll"};
    SystemLibrary setupApi{L"setupapi.dll"};

    FunctionOf<& HidD_GetAttributes>* getAttributes =
        hid.function<FunctionOf<&HidD_GetAttributes>>("HidD_GetAttributes");
    FunctionOf<& HidD_GetPreparsedData>* getPreparsedData =
        hid.function<FunctionOf<&HidD_GetPreparsedData>>("HidD_GetPreparsedData");
    FunctionOf<& HidD_FreePreparsedData>* freePreparsedData =
        hid.function<FunctionOf<&HidD_FreePreparsedData>>("HidD_FreePreparsedData");
    FunctionOf<& HidP_GetCaps>* getCaps = hid.function<FunctionOf<&HidP_GetCaps>>("HidP_GetCaps");
    FunctionOf<& HidD_SetFeature>* setFeature =
        hid.function<FunctionOf<&HidD_SetFeature>>("HidD_SetFeature");
    FunctionOf<& HidD_GetFeature>* getFeature =
        hid.function<FunctionOf<&HidD_GetFeature>>("HidD_GetFeature");
    FunctionOf<& SetupDiGetClassDevsW>* getClassDevs =
        setupApi.function<FunctionOf<&SetupDiGetClassDevsW>>("SetupDiGetClassDevsW");
    FunctionOf<& SetupDiEnumDeviceInterfaces>* enumInterfaces =
        setupApi.function<FunctionOf<&SetupDiEnumDeviceInterfaces>>("SetupDiEnumDeviceInterfaces");
    FunctionOf<& SetupDiGetDeviceInterfaceDetailW>* interfaceDetail =
        setupApi.function<FunctionOf<&SetupDiGetDeviceInterfaceDetailW>>(
            "SetupDiGetDeviceInterfaceDetailW");
    FunctionOf<& SetupDiDestroyDeviceInfoList>* destroyList =
        setupApi.function<FunctionOf<&SetupDiDestroyDeviceInfoList>>(
            "SetupDiDestroyDeviceInfoList");

    bool complete() const {
        return getAttributes && getPreparsedData && freePreparsedData && getCaps && setFeature &&
               getFeature && getClassDevs && enumInterfaces && interfaceDetail && destroyList;
    }
};

namespace {

// How long a command-interface read or write waits for the device before giving up.
constexpr DWORD kTransferTimeoutMs = 1000;

class Win32Event : public WakeEvent {
  public:
    explicit Win32Event(UniqueKernelHandle event) : event_(std::move(event)) {}
    // The handle is valid for the object's life, so these cannot fail.
    void set() override { (void)SetEvent(event_.get()); }
    void reset() override { (void)ResetEvent(event_.get()); }
    void wait() override { (void)WaitForSingleObject(event_.get(), INFINITE); }
    bool isSet() const override { return WaitForSingleObject(event_.get(), 0) == WAIT_OBJECT_0; }
    HANDLE get() const { return event_.get(); }

  private:
    UniqueKernelHandle event_;
};

class InterfaceList : public HidInterfaceList {
  public:
    InterfaceList(std::shared_ptr<const HidLibraries> libraries, HDEVINFO list)
        : libraries_(std::move(libraries)), list_(list) {}
    ~InterfaceList() override { libraries_->destroyList(list_); }
    InterfaceList(const InterfaceList&) = delete;
    InterfaceList& operator=(const InterfaceList&) = delete;

    InterfaceEntry entry(std::size_t index) override {
        SP_DEVICE_INTERFACE_DATA data{};
        data.cbSize = sizeof(data);
        if (!libraries_->enumInterfaces(list_, nullptr, &kHidInterfaceClass,
                                        static_cast<DWORD>(index), &data)) {
            return {GetLastError() == ERROR_NO_MORE_ITEMS ? InterfaceStep::NoMoreItems
                                                          : InterfaceStep::EnumerationError,
                    {}};
        }
        // The size query fails by design (ERROR_INSUFFICIENT_BUFFER); only the size counts.
        DWORD size = 0;
        (void)libraries_->interfaceDetail(list_, &data, nullptr, 0, &size, nullptr);
        if (size < sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W))
            return {InterfaceStep::DetailFailed, {}};
        std::vector<std::byte> buffer(size);
        auto* detail = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_W*>(buffer.data());
        detail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W);
        if (!libraries_->interfaceDetail(list_, &data, detail, size, nullptr, nullptr))
            return {InterfaceStep::DetailFailed, {}};
        return {InterfaceStep::Interface, utf8FromWide(detail->DevicePath)};
    }

  private:
    std::shared_ptr<const HidLibraries> libraries_;
    HDEVINFO list_;
};

class Win32HidDevice : public HidDevice {
  public:
    Win32HidDevice(std::shared_ptr<const HidLibraries> libraries, HANDLE handle)
        : libraries_(std::move(libraries)), handle_(handle) {}

    std::optional<HidAttributes> attributes() override {
        HIDD_ATTRIBUTES a{};
        a.Size = sizeof(a);
        if (!libraries_->getAttributes(handle_.get(), &a))
            return std::nullopt;
        return HidAttributes{a.VendorID, a.ProductID, a.VersionNumber};
    }

    CapsResult capabilities() override {
        PHIDP_PREPARSED_DATA preparsed = nullptr;
        if (!libraries_->getPreparsedData(handle_.get(), &preparsed))
            return {CapsStatus::PreparsedDataFailed, {}};
        HIDP_CAPS caps{};
        const NTSTATUS status = libraries_->getCaps(preparsed, &caps);
        // Not needed once the capabilities are read.
        libraries_->freePreparsedData(preparsed);
        if (status == HIDP_STATUS_INVALID_PREPARSED_DATA)
            return {CapsStatus::InvalidPreparsedData, {}};
        if (status != HIDP_STATUS_SUCCESS)
            return {CapsStatus::Ok, {}};
        return {CapsStatus::Ok,
                {caps.UsagePage, caps.Usage, caps.InputReportByteLength,
                 caps.OutputReportByteLength, caps.FeatureReportByteLength}};
    }

    bool setFeature(std::span<const std::uint8_t> report) override {
        // The driver takes a non-const buffer but does not write it.
        std::vector<std::uint8_t> copy(report.begin(), report.end());
        return libraries_->setFeature(handle_.get(), copy.data(), static_cast<ULONG>(copy.size()));
    }

    bool getFeature(std::span<std::uint8_t> report) override {
        return libraries_->getFeature(handle_.get(), report.data(),
                                      static_cast<ULONG>(report.size()));
    }

    bool writeOutput(std::span<const std::uint8_t> report) override {
        OVERLAPPED overlapped = transfer();
        const BOOL started = WriteFile(handle_.get(), report.data(),
                                       static_cast<DWORD>(report.size()), nullptr, &overlapped);
        return finish(overlapped, started) == report.size();
    }

    std::size_t readInput(std::span<std::uint8_t> report, WakeEvent* wake) override {
        if (wake == nullptr) {
            OVERLAPPED overlapped = transfer();
            const BOOL started = ReadFile(handle_.get(), report.data(),
                                          static_cast<DWORD>(report.size()), nullptr, &overlapped);
            return finish(overlapped, started);
        }
        auto* event = dynamic_cast<Win32Event*>(wake);
        if (event == nullptr)
            return 0;
        // The read signals its own event: the wake event may be set already, by whoever woke
        // the reader before this read began, so waiting on it could not tell that the read
        // has ended, and a cancelled read that is still running would write into this
        // frame's OVERLAPPED after the return.
        (void)ResetEvent(readDone_.get());
        OVERLAPPED overlapped{};
        overlapped.hEvent = readDone_.get();
        DWORD read = 0;
        if (!ReadFile(handle_.get(), report.data(), static_cast<DWORD>(report.size()), nullptr,
                      &overlapped) &&
            GetLastError() != ERROR_IO_PENDING) {
            // A dead handle: sleep until someone wakes the reader instead of spinning.
            event->wait();
            return 0;
        }
        const HANDLE ends[] = {readDone_.get(), event->get()};
        const DWORD woken = WaitForMultipleObjects(2, ends, FALSE, INFINITE);
        if (woken == WAIT_OBJECT_0) {
            // A report completes the read: the wake event says so too, as callers expect.
            event->set();
            return GetOverlappedResult(handle_.get(), &overlapped, &read, FALSE) ? read : 0;
        }
        // Woken by someone else (or the wait failed): cancel, and let the cancel finish before
        // the buffer and the OVERLAPPED block go out of scope. A cancel that fails means the
        // read already ended; the wait on the read's own event covers both.
        (void)CancelIoEx(handle_.get(), &overlapped);
        (void)GetOverlappedResult(handle_.get(), &overlapped, &read, TRUE);
        return 0;
    }

  private:
    OVERLAPPED transfer() {
        // Without the event (out of handles) the wait in finish() fails and the transfer
        // counts as timed out.
        (void)ResetEvent(transferDone_.get());
        OVERLAPPED overlapped{};
        overlapped.hEvent = transferDone_.get();
        return overlapped;
    }
    // The bytes moved, 0 when the transfer failed or the device let the time run out; a
    // cancelled transfer is waited for, so that the buffer outlives it.
    std::size_t finish(OVERLAPPED& overlapped, BOOL started) {
        if (!started && GetLastError() != ERROR_IO_PENDING)
            return 0;
        DWORD moved = 0;
        if (WaitForSingleObject(transferDone_.get(), kTransferTimeoutMs) != WAIT_OBJECT_0) {
            // As in readInput: a failed cancel means it finished; the wait covers both.
            (void)CancelIoEx(handle_.get(), &overlapped);
            (void)GetOverlappedResult(handle_.get(), &overlapped, &moved, TRUE);
            return 0;
        }
        if (!GetOverlappedResult(handle_.get(), &overlapped, &moved, FALSE))
            return 0;
        return moved;
    }

    std::shared_ptr<const HidLibraries> libraries_;
    UniqueKernelHandle handle_;
    UniqueKernelHandle transferDone_{CreateEventW(nullptr, TRUE, FALSE, nullptr)};
    UniqueKernelHandle readDone_{CreateEventW(nullptr, TRUE, FALSE, nullptr)};
};

DWORD desiredAccess(HidAccess access) {
    switch (access) {
        case HidAccess::None:
            return 0;
        case HidAccess::Read:
            return GENERIC_READ;
        case HidAccess::Write:
            return GENERIC_WRITE;
        case HidAccess::ReadWrite:
            return GENERIC_READ | GENERIC_WRITE;
    }
    return 0;
}

}  // namespace

Win32HidSystem::Win32HidSystem() : libraries_(std::make_shared<const HidLibraries>()) {}

Win32HidSystem::~Win32HidSystem() = default;

bool Win32HidSystem::available() const {
    return libraries_->complete();
}

std::unique_ptr<HidInterfaceList> Win32HidSystem::listInterfaces() {
    if (!available())
        return nullptr;
    HDEVINFO list = libraries_->getClassDevs(&kHidInterfaceClass, nullptr, nullptr,
                                             DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
    if (list == INVALID_HANDLE_VALUE)
        return nullptr;
    return std::make_unique<InterfaceList>(libraries_, list);
}

std::unique_ptr<HidDevice> Win32HidSystem::open(std::string_view path, HidAccess access,
                                                HidIoMode mode) {
    if (!available())
        return nullptr;
    const std::wstring wide = wideFromUtf8(path);
    // A synchronous read waits until the device sends a report, so a mouse that announces
    // data it never sends would hold the caller for good. Handles that transfer anything are
    // therefore overlapped underneath; their transfers still return only when done, or when
    // the time runs out.
    const bool overlapped = mode == HidIoMode::Overlapped || access != HidAccess::None;
    const DWORD flags =
        overlapped ? static_cast<DWORD>(FILE_FLAG_OVERLAPPED | FILE_ATTRIBUTE_NORMAL) : 0u;
    HANDLE handle =
        CreateFileW(wide.c_str(), desiredAccess(access), FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, flags, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return nullptr;
    return std::make_unique<Win32HidDevice>(libraries_, handle);
}

std::unique_ptr<WakeEvent> Win32HidSystem::createEvent() {
    UniqueKernelHandle event(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    if (!event)
        return nullptr;
    return std::make_unique<Win32Event>(std::move(event));
}

}  // namespace quorvel::win32
