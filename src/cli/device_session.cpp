#include "cli/device_session.h"

#include <array>

namespace quorvel::cli {
namespace {

enum class Hint : std::uint8_t { None, NotFound, OpenFailure };

struct FailureText {
    DiscoveryResult result;
    std::string_view text;
    Hint hint;
};

constexpr std::array<FailureText, 9> kFailureTexts = {{
    {DiscoveryResult::ListUnavailable, "the system's list of HID devices cannot be had",
     Hint::None},
    {DiscoveryResult::EnumerationFailed, "the system's list of HID devices could not be walked",
     Hint::None},
    {DiscoveryResult::NotFound, "no mouse found (USB 04d9:a09f)", Hint::NotFound},
    {DiscoveryResult::DetailFailed, "an HID device's path could not be read", Hint::None},
    {DiscoveryResult::ProbeFailed, "an HID device could not be examined", Hint::None},
    {DiscoveryResult::PreparsedDataFailed, "the mouse's HID description could not be read",
     Hint::None},
    {DiscoveryResult::CapsFailed, "the mouse's HID capabilities could not be read", Hint::None},
    {DiscoveryResult::NotificationOpenFailed,
     "the mouse is present, but its notification interface cannot be opened", Hint::OpenFailure},
    {DiscoveryResult::CommandOpenFailed,
     "the mouse is present, but its command interface cannot be opened", Hint::OpenFailure},
}};

std::string trimmed(std::string_view text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == ' '))
        text.remove_suffix(1);
    return std::string(text);
}

}  // namespace

void CollectedMessages::show(std::string_view text, std::string_view /*caption*/) {
    texts_.push_back(trimmed(text));
}

std::string CollectedMessages::joined() const {
    std::string all;
    for (const auto& text : texts_)
        all += (all.empty() ? "" : "; ") + text;
    return all;
}

std::string discoveryFailureText(DiscoveryResult result, std::string_view system,
                                 const Platform& platform) {
    std::string text = "the mouse could not be reached";
    Hint hint = Hint::None;
    for (const auto& entry : kFailureTexts) {
        if (entry.result == result) {
            text = entry.text;
            hint = entry.hint;
        }
    }
    if (!system.empty())
        text += " (" + std::string(system) + ")";
    const std::string_view advice = hint == Hint::NotFound      ? platform.notFoundHint
                                    : hint == Hint::OpenFailure ? platform.openFailureHint
                                                                : std::string_view{};
    if (!advice.empty())
        text += "; " + std::string(advice);
    return text;
}

DeviceSession::DeviceSession(const Context& context) : context_(context) {
    if (context.args.has(kSimulate)) {
        sim::SimOptions options;
        options.sensorType = static_cast<std::uint8_t>(context.sensor().value_or(0));
        options.paths = context.platform.simulatedPaths;
        auto mouse = std::make_unique<sim::SimulatedMouse>(options);
        simulated_ = mouse.get();
        system_ = std::move(mouse);
    } else if (context.platform.openHid) {
        system_ = context.platform.openHid();
    }
    if (system_ == nullptr) {
        error_ = "the system's HID support cannot be loaded";
        return;
    }
    link_ = std::make_unique<DeviceLink>(*system_, messages_, context.platform.clock);
}

DeviceSession::~DeviceSession() {
    if (link_)
        link_->close();
}

bool DeviceSession::connect() {
    if (!link_)
        return false;
    discovery_ = link_->discover();
    if (discovery_ != DiscoveryResult::Found) {
        // Discovery may raise the flag before it fails; the handshake alone decides it.
        link_->setConnected(false);
        error_ = discoveryFailureText(discovery_, messages_.joined(), context_.platform);
        return false;
    }
    if (!link_->handshake()) {
        error_ = "the mouse did not answer the handshake";
        return false;
    }
    return true;
}

std::optional<int> knownSensorType(const Context& context) {
    if (const auto sensor = context.sensor())
        return sensor;
    DeviceSession session(context);
    if (session.system() == nullptr || !session.connect())
        return std::nullopt;
    return session.link().exchangeSensorInformation().sensorType;
}

}  // namespace quorvel::cli
