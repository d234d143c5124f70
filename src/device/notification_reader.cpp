#include "device/notification_reader.h"

#include <algorithm>
#include <array>
#include <vector>

namespace quorvel {
namespace {

constexpr std::array<std::uint8_t, 4> kForwardedKinds = {
    notice::kReportRateChanged, notice::kDpiStageChanged, notice::kKeyMatrixChanged,
    notice::kMacroKey};

}  // namespace

bool isForwardedNotification(std::span<const std::uint8_t> report) {
    if (report.size() < notification_report::kMinimumSize)
        return false;
    if (report[notification_report::kReportId] != notification_report::kNotificationId)
        return false;
    return std::find(kForwardedKinds.begin(), kForwardedKinds.end(),
                     report[notification_report::kKind]) != kForwardedKinds.end();
}

NotificationReader::NotificationReader(DeviceLink& link, NoticeHandler forward)
    : link_(link), forward_(std::move(forward)) {}

NotificationReader::~NotificationReader() {
    stop();
}

bool NotificationReader::start() {
    if (!link_.hasNotificationEvent())
        return false;
    if (!thread_.joinable()) {
        stopping_.store(false);
        thread_ = std::thread([this] { run(); });
    }
    return true;
}

void NotificationReader::stop() {
    stopping_.store(true);
    link_.wakeReader();
    if (thread_.joinable())
        thread_.join();
}

void NotificationReader::run() {
    if (!link_.hasNotificationEvent())
        return;
    WakeEvent& event = link_.notificationEvent();
    std::vector<std::uint8_t> buffer;
    while (!stopping_.load()) {
        event.reset();
        // Checked after the reset, so a wake-up that comes in between is not lost.
        if (stopping_.load())
            break;
        const std::shared_ptr<HidDevice> handle = link_.notificationReadHandle();
        if (!link_.connected() || handle == nullptr) {
            event.wait();
            continue;
        }
        // Sized per read: a later interface may declare a longer report than the first.
        const std::size_t length = std::max<std::size_t>(link_.notificationReportLength(),
                                                         notification_report::kMinimumSize);
        buffer.assign(length, 0);
        const std::size_t received = handle->readInput(buffer, &event);
        if (!link_.connected() || received == 0)
            continue;
        const auto report =
            std::span<const std::uint8_t>(buffer).first(std::min(received, buffer.size()));
        if (isForwardedNotification(report) && forward_)
            forward_(report[notification_report::kKind], report[notification_report::kValue]);
    }
}

}  // namespace quorvel
