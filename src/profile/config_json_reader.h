// The checks the JSON readers share: each names the first bad field by its path.
#pragma once

#include <array>
#include <cstdint>
#include <nlohmann/json.hpp>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "config/mouse_config.h"
#include "profile/config_json.h"

namespace quorvel::config_json {

using Json = nlohmann::ordered_json;

inline std::string child(const std::string& at, std::string_view name) {
    return at.empty() ? std::string(name) : at + "." + std::string(name);
}

inline std::string element(const std::string& at, std::size_t index) {
    return at + "[" + std::to_string(index) + "]";
}

inline std::string quotedList(std::span<const std::string_view> names) {
    std::string text;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i != 0)
            text += ", ";
        text += "\"" + std::string(names[i]) + "\"";
    }
    return text;
}

inline int hexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    const int lower = std::tolower(static_cast<unsigned char>(c));
    if (lower >= 'a' && lower <= 'f')
        return lower - 'a' + 10;
    return -1;
}

class Reader {
  public:
    explicit Reader(SensorSource sensor = {}) : sensor_(std::move(sensor)) {}

    const std::string& error() const { return error_; }

    // The sensor type a stage's DPI is read in, asked of the source the first time only.
    std::optional<int> sensorType() {
        if (!sensorAsked_ && sensor_)
            sensorType_ = sensor_();
        sensorAsked_ = true;
        return sensorType_;
    }

    bool fail(const std::string& at, const std::string& what) {
        if (error_.empty())
            error_ = (at.empty() ? std::string("(document)") : at) + ": " + what;
        return false;
    }

    // An object with exactly these fields; an unknown one is named before a missing one,
    // since a misspelt field is usually both.
    bool object(const Json& value, const std::string& at, std::span<const std::string_view> fields,
                std::span<const std::string_view> optionalFields = {}) {
        if (!value.is_object())
            return fail(at, "must be an object");
        for (auto it = value.begin(); it != value.end(); ++it) {
            bool known = false;
            for (auto f : fields)
                known = known || it.key() == f;
            for (auto f : optionalFields)
                known = known || it.key() == f;
            if (!known)
                return fail(child(at, it.key()), "unknown field");
        }
        for (auto f : fields) {
            if (!value.contains(f))
                return fail(child(at, f), "missing");
        }
        return true;
    }

    bool array(const Json& value, const std::string& at, std::size_t size) {
        if (!value.is_array())
            return fail(at, "must be an array");
        if (value.size() != size) {
            return fail(at, "must have " + std::to_string(size) + " entries, not " +
                                std::to_string(value.size()));
        }
        return true;
    }

    std::optional<int> integer(const Json& value, const std::string& at, int min, int max,
                               std::string_view why = {}) {
        const std::string range = "from " + std::to_string(min) + " to " + std::to_string(max);
        std::string suffix = why.empty() ? "" : " " + std::string(why);
        if (!value.is_number_integer()) {
            fail(at, "must be a whole number " + range + suffix);
            return std::nullopt;
        }
        const bool fits =
            value.is_number_unsigned()
                ? value.get<std::uint64_t>() <= static_cast<std::uint64_t>(max) &&
                      static_cast<std::int64_t>(value.get<std::uint64_t>()) >= min
                : value.get<std::int64_t>() >= min && value.get<std::int64_t>() <= max;
        if (!fits) {
            fail(at, value.dump() + " is out of range (" + range + suffix + ")");
            return std::nullopt;
        }
        return static_cast<int>(value.get<std::int64_t>());
    }

    std::optional<bool> boolean(const Json& value, const std::string& at) {
        if (!value.is_boolean()) {
            fail(at, "must be true or false");
            return std::nullopt;
        }
        return value.get<bool>();
    }

    // The position of the value's text among `names`.
    std::optional<std::size_t> name(const Json& value, const std::string& at,
                                    std::span<const std::string_view> names) {
        if (value.is_string()) {
            const auto& text = value.get_ref<const std::string&>();
            for (std::size_t i = 0; i < names.size(); ++i) {
                if (text == names[i])
                    return i;
            }
        }
        fail(at, "must be one of " + quotedList(names));
        return std::nullopt;
    }

    bool hex(const Json& value, const std::string& at, std::span<std::uint8_t> out) {
        const std::string want = std::to_string(out.size() * 2) + " hexadecimal digits";
        if (!value.is_string())
            return fail(at, "must be a string of " + want);
        const auto& text = value.get_ref<const std::string&>();
        if (text.size() != out.size() * 2)
            return fail(at, "must hold exactly " + want);
        for (std::size_t i = 0; i < out.size(); ++i) {
            const int high = hexDigit(text[2 * i]);
            const int low = hexDigit(text[2 * i + 1]);
            if (high < 0 || low < 0)
                return fail(at, "must hold only hexadecimal digits");
            out[i] = static_cast<std::uint8_t>(high << 4 | low);
        }
        return true;
    }

    // "#rrggbb".
    std::optional<Colour> colour(const Json& value, const std::string& at) {
        std::array<std::uint8_t, 3> rgb{};
        if (!value.is_string() || value.get_ref<const std::string&>().size() != 7 ||
            value.get_ref<const std::string&>()[0] != '#') {
            fail(at, "must be a colour \"#rrggbb\"");
            return std::nullopt;
        }
        if (!hex(Json(value.get_ref<const std::string&>().substr(1)), at, rgb))
            return std::nullopt;
        return Colour{rgb[0], rgb[1], rgb[2]};
    }

  private:
    std::string error_;
    SensorSource sensor_;
    bool sensorAsked_ = false;
    std::optional<int> sensorType_;
};

// What the two versions read alike. Version 1 keeps each value to what the window offers;
// version 2 takes any byte, and the rules judge it.
enum class Range : std::uint8_t { Window, AnyByte };
bool readShownModeAndRate(Reader& r, const Json& doc, MouseConfig& config);
// One stage's "dpi_index" and/or "dpi", "enabled" and "colour".
bool readStage(Reader& r, const Json& value, const std::string& at, int stage, Range range,
               MouseConfig& config);
bool readPointer(Reader& r, const Json& value, const std::string& at, Range range,
                 MouseConfig& config);
// The reserved bytes; `optionalFields` may stand beside them.
bool readReserved(Reader& r, const Json& value, const std::string& at, MouseConfig& config,
                  std::span<const std::string_view> optionalFields = {});

// Version 2's reader; the version has been checked.
bool readRecordV2(Reader& r, const Json& doc, MouseConfig& config);

// A parsed document's record, either version; `extraFields` may stand beside its own.
ConfigJsonResult readDocument(const Json& doc, const SensorSource& sensor = {},
                              std::span<const std::string_view> extraFields = {});
// nlohmann prefixes its messages with "[json.exception.parse_error.101] "; this drops it.
std::string parseMessage(const std::string& what);

// Runs `read` on the parsed text. Text that is not JSON, or a read that throws, becomes
// `error` instead: nothing escapes to the caller.
template <typename Read>
void readGuarded(std::string_view text, std::string& error, Read read) {
    try {
        read(Json::parse(text.begin(), text.end()));
    } catch (const nlohmann::json::parse_error& e) {
        error = "(document): not valid JSON: " + parseMessage(e.what());
    } catch (const std::exception& e) {
        error = std::string("(document): ") + e.what();
    }
}

// The document configToJson writes, and its layout: a small object stays on one line.
Json recordDocument(const MouseConfig& config, std::optional<int> sensorType = std::nullopt);
std::string layOutDocument(const Json& doc);

}  // namespace quorvel::config_json
