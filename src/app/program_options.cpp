#include "app/program_options.h"

#include <charconv>
#include <string_view>

namespace quorvel {
namespace {

constexpr std::string_view kSimulate = "--simulate";
constexpr std::string_view kSensor = "--sensor";

std::uint8_t sensorFromText(std::string_view text) {
    unsigned value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stop != end || value > 255)
        return 0;
    return static_cast<std::uint8_t>(value);
}

}  // namespace

ProgramOptions parseProgramOptions(std::span<const std::string> arguments) {
    ProgramOptions options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view word = arguments[i];
        if (word == kSimulate) {
            options.simulate = true;
        } else if (word == kSensor) {
            // Without a value (last word, or another option next) the default stands.
            const bool hasValue = i + 1 < arguments.size() && !arguments[i + 1].starts_with("--");
            options.sensorType = hasValue ? sensorFromText(arguments[++i]) : 0;
        } else if (word.starts_with(kSensor) && word.size() > kSensor.size() &&
                   word[kSensor.size()] == '=') {
            options.sensorType = sensorFromText(word.substr(kSensor.size() + 1));
        }
    }
    return options;
}

}  // namespace quorvel
