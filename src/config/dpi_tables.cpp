#include "config/dpi_tables.h"

#include <array>

namespace quorvel {
namespace {

constexpr std::array<std::string_view, 12> kSensor0Values = {
    "250", "500", "750", "1000", "1250", "1500", "1750", "2000", "2500", "3000", "3500", "4000"};
constexpr std::array<std::string_view, 8> kSensor1Values = {"600",  "800",  "1000", "1200",
                                                            "1600", "2000", "2400", "3200"};
constexpr std::array<std::string_view, 8> kSensor2Values = {"250",  "500",  "750",  "1000",
                                                            "1250", "1500", "2000", "2500"};
constexpr std::array<std::string_view, 8> kSensor3Values = {"400",  "800",  "1200", "1600",
                                                            "2000", "2400", "2800", "3200"};

constexpr std::array<std::uint8_t, 12> kSensor0Codes = {0x01, 0x02, 0x03, 0x04, 0x05, 0x06,
                                                        0x07, 0x08, 0x25, 0x26, 0x27, 0x28};
constexpr std::array<std::uint8_t, 8> kSensor1Codes = {0x01, 0x02, 0x03, 0x04,
                                                       0x05, 0x23, 0x24, 0x25};
constexpr std::array<std::uint8_t, 8> kSensor2Codes = {0x02, 0x04, 0x06, 0x08,
                                                       0x0A, 0x26, 0x28, 0x2A};
constexpr std::array<std::uint8_t, 8> kSensor3Codes = {0x01, 0x02, 0x03, 0x04,
                                                       0x05, 0x06, 0x07, 0x08};

constexpr std::array<std::span<const std::string_view>, 4> kValueLists = {
    kSensor0Values, kSensor1Values, kSensor2Values, kSensor3Values};
constexpr std::array<std::span<const std::uint8_t>, 4> kCodeTables = {kSensor0Codes, kSensor1Codes,
                                                                      kSensor2Codes, kSensor3Codes};

bool listedSensor(int sensorType) {
    return sensorType >= 0 && static_cast<std::size_t>(sensorType) < kValueLists.size();
}

}  // namespace

std::span<const std::string_view> dpiValueList(int sensorType) {
    if (!listedSensor(sensorType))
        return {};
    return kValueLists[static_cast<std::size_t>(sensorType)];
}

std::span<const std::uint8_t> dpiCodeTable(int sensorType) {
    if (!listedSensor(sensorType))
        return {};
    return kCodeTables[static_cast<std::size_t>(sensorType)];
}

std::string_view dpiTextOfStage(const MouseConfig& config, int stage, int sensorType) {
    const auto list = dpiValueList(sensorType);
    const std::size_t index = config.dpiValueIndex(stage);
    if (stage < 1 || stage > kStageCount || index >= list.size())
        return {};
    return list[index];
}

std::uint8_t dpiCodeOfStage(const MouseConfig& config, int stage, int sensorType) {
    const auto codes = dpiCodeTable(sensorType);
    const std::size_t index = config.dpiValueIndex(stage);
    if (stage < 1 || stage > kStageCount || index >= codes.size())
        return 0;
    return codes[index];
}

std::string_view dpiSwitchName(std::uint8_t parameter) {
    if (parameter < 1 || parameter > kDpiSwitchNames.size())
        return {};
    return kDpiSwitchNames[parameter - 1u];
}

}  // namespace quorvel
