// The JSON import on any text, and the export of any record: what one accepts, the other
// gives back byte for byte.
#include <algorithm>
#include <string>
#include <string_view>

#include "config/mouse_config.h"
#include "fuzz/fuzz_check.h"
#include "profile/config_json.h"

namespace {

using namespace quorvel;

// Any record exports. A text the import accepts gives back the record and the same text;
// one it refuses was written with a value as null (a value without a name, e.g. of an older
// version's file).
void requireExportRoundTrip(const MouseConfig& config) {
    const std::string text = configToJson(config);
    const ConfigJsonResult result = configFromJson(text);
    FUZZ_REQUIRE(result.config.has_value() == result.error.empty());
    if (result.config) {
        FUZZ_REQUIRE(*result.config == config);
        FUZZ_REQUIRE(configToJson(*result.config) == text);
    } else {
        FUZZ_REQUIRE(text.find("null") != std::string::npos);
    }
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
            requireExportRoundTrip(*result.config);
        return 0;
    }
    MouseConfig config;
    std::copy_n(rest.begin(), std::min(rest.size(), record::kSize), config.bytes().begin());
    requireExportRoundTrip(config);
    return 0;
}
