// The tray balloons: what the mouse's notices and the connection status look like.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "config/mouse_config.h"
#include "device/device_link.h"
#include "ui/language_texts.h"

namespace quorvel {

struct Balloon {
    std::string text;
    std::string title;
    unsigned timeoutMs = 0;
    friend bool operator==(const Balloon&, const Balloon&) = default;
};

// `kind` is one of the device link's notice kinds (wParam of the notice message). nullopt for
// a kind or value that shows nothing (kind 9 with value 0 included).
std::optional<Balloon> balloonForNotice(long kind, long value, const LanguageTexts& texts,
                                        const MouseConfig& config, int sensorType);

}  // namespace quorvel
