// The mouse and the front-window watch as the profile switcher sees them.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/profile_switcher.h"
#include "config/install_data.h"

namespace quorvel::test {

class FakeMouse : public SwitchDevicePort {
  public:
    bool connected() const override { return plugged; }
    void switchTo(const MouseConfig& config) override {
        got.push_back(config);
        wholeSends += lastSent ? 0 : 1;
        lastSent = config;
        ++sends;
    }
    std::uint64_t sendCount() const override { return sends; }
    void forgetSent() override { lastSent.reset(); }
    MouseConfig baseConfiguration() const override { return base; }
    // The window's Apply of the base configuration.
    void windowApply() {
        lastSent = base;
        ++sends;
    }

    bool plugged = true;
    MouseConfig base = defaultInstallRecord();
    std::vector<MouseConfig> got;
    std::optional<MouseConfig> lastSent;
    int wholeSends = 0;
    std::uint64_t sends = 0;
};

class FakeWatch : public ForegroundWatchPort {
  public:
    void startWatching() override { on = true; }
    void stopWatching() override { on = false; }
    std::string foregroundProgram() override { return front; }
    bool on = false;
    std::string front;
};

}  // namespace quorvel::test
