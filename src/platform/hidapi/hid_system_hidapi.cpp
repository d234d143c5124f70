#include "platform/hidapi/hid_system_hidapi.h"

#include <hidapi/hidapi.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "device/device_link.h"
#include "device/manual_reset_event.h"

namespace quorvel::hidapi {
namespace {

// hidapi does not tell report lengths: the backend declares the ones the mouse's vendor
// collections are known to have.
constexpr std::uint16_t kCommandFeatureLength = 9;
constexpr std::uint16_t kCommandChunkLength = 33;
constexpr std::uint16_t kNotificationLength = 64;
constexpr int kCommandReadTimeoutMs = 1000;
constexpr int kNotificationPollMs = 50;

std::string collectionPath(const hid_device_info& info) {
    char suffix[16];
    std::snprintf(suffix, sizeof(suffix), "|%04x:%04x", info.usage_page, info.usage);
    return std::string(info.path) + suffix;
}

HidCaps declaredCaps(const hid_device_info& info) {
    HidCaps caps{info.usage_page, info.usage, 0, 0, 0};
    if (info.usage_page == kCommandUsage && info.usage == kCommandUsage) {
        caps.inputReportLength = caps.outputReportLength = kCommandChunkLength;
        caps.featureReportLength = kCommandFeatureLength;
    } else if (info.usage_page == kNotificationUsage && info.usage == kNotificationUsage) {
        caps.inputReportLength = kNotificationLength;
    }
    return caps;
}

class List : public HidInterfaceList {
  public:
    explicit List(std::vector<std::string> paths) : paths_(std::move(paths)) {}
    InterfaceEntry entry(std::size_t index) override {
        if (index >= paths_.size())
            return {InterfaceStep::NoMoreItems, {}};
        return {InterfaceStep::Interface, paths_[index]};
    }

  private:
    std::vector<std::string> paths_;
};

class Device : public HidDevice {
  public:
    Device(HidapiSystem::Collection collection, hid_device* handle)
        : collection_(std::move(collection)), handle_(handle) {}
    ~Device() override {
        if (handle_ != nullptr)
            hid_close(handle_);
    }
    Device(const Device&) = delete;
    Device& operator=(const Device&) = delete;

    std::optional<HidAttributes> attributes() override { return collection_.attributes; }
    CapsResult capabilities() override { return {CapsStatus::Ok, collection_.caps}; }

    bool setFeature(std::span<const std::uint8_t> report) override {
        return handle_ != nullptr &&
               hid_send_feature_report(handle_, report.data(), report.size()) >= 0;
    }
    bool getFeature(std::span<std::uint8_t> report) override {
        if (handle_ == nullptr || report.empty())
            return false;
        report[0] = 0;
        return hid_get_feature_report(handle_, report.data(), report.size()) >= 0;
    }
    bool writeOutput(std::span<const std::uint8_t> report) override {
        return handle_ != nullptr && hid_write(handle_, report.data(), report.size()) >= 0;
    }

    std::size_t readInput(std::span<std::uint8_t> report, WakeEvent* wake) override {
        if (handle_ == nullptr || report.size() < 2)
            return 0;
        if (wake == nullptr) {
            // hidraw hands over unnumbered reports without their identifier byte.
            report[0] = 0;
            const int n = hid_read_timeout(handle_, report.data() + 1, report.size() - 1,
                                           kCommandReadTimeoutMs);
            return n > 0 ? static_cast<std::size_t>(n) + 1 : 0;
        }
        // No system event to wait on together with the read: poll, watching the event.
        for (;;) {
            const int n =
                hid_read_timeout(handle_, report.data(), report.size(), kNotificationPollMs);
            if (n > 0) {
                wake->set();
                return static_cast<std::size_t>(n);
            }
            if (n < 0) {
                wake->wait();
                return 0;
            }
            if (wake->isSet())
                return 0;
        }
    }

  private:
    HidapiSystem::Collection collection_;
    hid_device* handle_;
};

}  // namespace

HidapiSystem::HidapiSystem() : initialised_(hid_init() == 0) {}

HidapiSystem::~HidapiSystem() {
    if (initialised_)
        hid_exit();
}

std::unique_ptr<HidInterfaceList> HidapiSystem::listInterfaces() {
    if (!initialised_)
        return nullptr;
    collections_.clear();
    std::vector<std::string> paths;
    hid_device_info* all = hid_enumerate(0, 0);
    for (const hid_device_info* info = all; info != nullptr; info = info->next) {
        if (info->path == nullptr)
            continue;
        std::string path = collectionPath(*info);
        collections_[path] = {info->path,
                              {info->vendor_id, info->product_id, info->release_number},
                              declaredCaps(*info)};
        paths.push_back(std::move(path));
    }
    hid_free_enumeration(all);
    return std::make_unique<List>(std::move(paths));
}

std::unique_ptr<HidDevice> HidapiSystem::open(std::string_view path, HidAccess access,
                                              HidIoMode /*mode*/) {
    const auto found = collections_.find(path);
    if (found == collections_.end())
        return nullptr;
    // The probe needs no handle: hidapi listed the attributes and usages already.
    if (access == HidAccess::None)
        return std::make_unique<Device>(found->second, nullptr);
    hid_device* handle = hid_open_path(found->second.rawPath.c_str());
    if (handle == nullptr)
        return nullptr;
    return std::make_unique<Device>(found->second, handle);
}

std::unique_ptr<WakeEvent> HidapiSystem::createEvent() {
    return std::make_unique<ManualResetEvent>();
}

}  // namespace quorvel::hidapi
