// The JSON import on any text, and the export of any record: what one accepts, the other
// gives back byte for byte.
#include <algorithm>
#include <string>
#include <string_view>

#include "cli/config_json.h"
#include "config/mouse_config.h"
#include "fuzz/fuzz_check.h"

namespace {

using namespace quorvel;

// An accepted record exports to a text that imports as the same record and exports again
// to the same text.
void requireRoundTrip(const MouseConfig& config) {
    const std::string text = configToJson(config);
    const ConfigJsonResult again = configFromJson(text);
    FUZZ_REQUIRE(again.config.has_value() && again.error.empty());
    FUZZ_REQUIRE(*again.config == config);
    FUZZ_REQUIRE(configToJson(*again.config) == text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
    if ((data[0] & 1) == 0) {
        const ConfigJsonResult result = configFromJson(rest);
        FUZZ_REQUIRE(result.config.has_value() == result.error.empty());
        if (result.config)
            requireRoundTrip(*result.config);
        return 0;
    }
    // Any record exports; one the import refuses was written with a value as null.
    MouseConfig config;
    std::copy_n(rest.begin(), std::min(rest.size(), record::kSize), config.bytes().begin());
    const std::string text = configToJson(config);
    const ConfigJsonResult result = configFromJson(text);
    FUZZ_REQUIRE(result.config.has_value() == result.error.empty());
    if (result.config) {
        FUZZ_REQUIRE(*result.config == config);
        FUZZ_REQUIRE(configToJson(*result.config) == text);
    } else {
        FUZZ_REQUIRE(text.find("null") != std::string::npos);
    }
    return 0;
}
