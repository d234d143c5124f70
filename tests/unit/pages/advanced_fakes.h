// The advanced page's outside world without windows: the system's pointer settings (each
// write kept as "name=value"), the delay dialog's answer, the caption and the item menu.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "pages/advanced_page.h"

namespace quorvel::test {

class FakeSystemPointer : public SystemPointerPort {
  public:
    bool setPointerPrecision(bool on) override { return log("precision", on); }
    bool setPointerSpeed(std::uint32_t v) override { return log("speed", v); }
    bool setWheelScrollLines(std::uint32_t v) override { return log("lines", v); }
    bool setDoubleClickTime(std::uint32_t v) override { return log("double-click", v); }
    std::optional<bool> pointerPrecision() override {
        ++reads;
        return precision;
    }
    std::optional<std::uint32_t> pointerSpeed() override { return speed; }
    std::optional<std::uint32_t> wheelScrollLines() override { return lines; }
    std::uint32_t doubleClickTime() override { return doubleClick; }

    // What the system answers (nothing: a refused read); Windows' own defaults unless a test
    // says otherwise.
    std::optional<bool> precision = false;
    std::optional<std::uint32_t> speed = 10;
    std::optional<std::uint32_t> lines = 3;
    std::uint32_t doubleClick = 500;
    int reads = 0;
    std::vector<std::string> written;
    std::string refuse;  // the one setting whose write the system refuses

  private:
    bool log(const std::string& what, std::uint32_t value) {
        written.push_back(what + "=" + std::to_string(value));
        return what != refuse;
    }
};

class FakePageServices : public DelayDialogPort, public WindowCaptionPort, public ItemMenuPort {
  public:
    std::optional<DelayAnswer> askDelay() override { return delay; }
    std::string caption() const override { return title; }
    void setCaption(std::string_view text) override { title = text; }
    bool chooseItemMenu(std::string_view text) override {
        menuText = text;
        return chooseMenu;
    }

    std::optional<DelayAnswer> delay;
    std::string title = "QuorvelMouse";
    std::string menuText;
    bool chooseMenu = true;
};

}  // namespace quorvel::test
