#include "app/notices.h"

#include <array>

#include "config/dpi_tables.h"
#include "config/record_texts.h"
#include "ports/message_box.h"

namespace quorvel {
namespace {

constexpr std::string_view kInfoTitle = "Info";
constexpr unsigned kDeviceNoticeMs = 5000;
// The connection notices are meant to flash by; the shell stretches short time-outs anyway.
constexpr unsigned kStatusNoticeMs = 100;

struct ValueText {
    long value;
    TextId text;
};

// In the order of kReportRates.
constexpr std::array<TextId, kReportRates.size()> kReportRateTexts = {
    TextId::SwitchReportRateInto125HZ, TextId::SwitchReportRateInto250HZ,
    TextId::SwitchReportRateInto500HZ, TextId::SwitchReportRateInto1000HZ};

constexpr std::array<ValueText, 4> kStages = {{
    {1, TextId::SwitchDPIIntoTheFirstStage},
    {2, TextId::SwitchDPIIntoTheSecondStage},
    {3, TextId::SwitchDPIIntoTheThirdStage},
    {4, TextId::SwitchDPIIntoTheFourthStage},
}};

constexpr std::array<ValueText, 2> kMatrices = {{
    {1, TextId::SwitchToKeyMatrix1},
    {2, TextId::SwitchToKeyMatrix2},
}};

template <std::size_t N>
std::optional<TextId> lookUp(const std::array<ValueText, N>& table, long value) {
    for (const ValueText& entry : table) {
        if (entry.value == value)
            return entry.text;
    }
    return std::nullopt;
}

Balloon info(std::string text) {
    return Balloon{std::move(text), std::string(kInfoTitle), kDeviceNoticeMs};
}

}  // namespace

std::optional<Balloon> balloonForNotice(long kind, long value, const LanguageTexts& texts,
                                        const MouseConfig& config, int sensorType) {
    // A kind outside one byte must not wrap onto a known one.
    if (kind < 0 || kind > 0xFF)
        return std::nullopt;
    switch (static_cast<std::uint8_t>(kind)) {
        case notice::kReportRateChanged:
            if (value < 0 || value > 0xFF)
                return std::nullopt;
            if (auto at = reportRatePosition(static_cast<std::uint8_t>(value)))
                return info(std::string(texts.text(kReportRateTexts[*at])));
            return std::nullopt;
        case notice::kDpiStageChanged:
            if (auto id = lookUp(kStages, value)) {
                std::string text(texts.text(*id));
                text += dpiTextOfStage(config, static_cast<int>(value), sensorType);
                return info(std::move(text));
            }
            return std::nullopt;
        case notice::kKeyMatrixChanged:
            if (auto id = lookUp(kMatrices, value))
                return info(std::string(texts.text(*id)));
            return std::nullopt;
        case notice::kMacroKey:
            if (value == 0)
                return std::nullopt;
            return info(std::string(texts.text(TextId::SwitchToMacroKey)) + std::to_string(value));
        case notice::kMouseDetected:
            return Balloon{std::string(texts.text(TextId::Detected)), std::string(kInfoTitle),
                           kStatusNoticeMs};
        case notice::kMouseNotDetected:
            return Balloon{std::string(texts.text(TextId::NotDetected)),
                           std::string(kWarningCaption), kStatusNoticeMs};
        default:
            return std::nullopt;
    }
}

}  // namespace quorvel
