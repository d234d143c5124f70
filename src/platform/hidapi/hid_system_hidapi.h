// The HID port over hidapi (hidraw on Linux), for the command-line tool and Linux builds.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "device/hid_system.h"

namespace quorvel::hidapi {

class HidapiSystem : public HidSystem {
  public:
    HidapiSystem();
    ~HidapiSystem() override;
    HidapiSystem(const HidapiSystem&) = delete;
    HidapiSystem& operator=(const HidapiSystem&) = delete;

    std::unique_ptr<HidInterfaceList> listInterfaces() override;
    std::unique_ptr<HidDevice> open(std::string_view path, HidAccess access,
                                    HidIoMode mode) override;
    std::unique_ptr<WakeEvent> createEvent() override;

    struct Collection {
        std::string rawPath;
        HidAttributes attributes;
        HidCaps caps;
    };

  private:
    bool initialised_ = false;
    // Filled by each listing: hidapi names one node per interface, so the port's path also
    // names the collection ("<node>|<usage page>:<usage>").
    std::map<std::string, Collection, std::less<>> collections_;
};

}  // namespace quorvel::hidapi
