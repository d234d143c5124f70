#include "sim/simulated_mouse.h"

#include <algorithm>
#include <deque>
#include <mutex>

#include "device/device_link.h"
#include "device/manual_reset_event.h"
#include "device/wire_trace.h"

namespace quorvel::sim {
namespace {

constexpr HidAttributes kMouseAttributes = {kMouseVendorId, kMouseProductId, 0x0100};
constexpr std::uint16_t kGenericDesktop = 0x0001;
constexpr std::uint16_t kMouseUsage = 0x0002;
constexpr std::uint16_t kBootMouseInputLength = 5;

bool isHandshake(const ReportBytes& r) {
    const CommandReport report{r};
    return report.command() == command::kHandshake && report.checkByteValid() &&
           std::equal(kHandshakePattern.begin(), kHandshakePattern.end(),
                      r.begin() + command_report::kFirstData) &&
           r[5] == 0 && r[6] == 0;
}

bool allows(HidAccess granted, HidAccess needed) {
    if (granted == HidAccess::ReadWrite)
        return needed != HidAccess::None;
    return granted == needed;
}

}  // namespace

// Everything the devices and the test share, behind one lock: the reader thread reads
// notifications while the UI thread sends commands.
class SimCore {
  public:
    explicit SimCore(SimOptions options) : options_(std::move(options)) {
        firmware_.state().sensor.sensorType = options_.sensorType;
        firmware_.setReadBackFault(options_.readBackFault);
    }

    struct PendingRead {
        std::span<std::uint8_t> buffer;
        WakeEvent* event = nullptr;
        bool done = false;
        std::size_t bytes = 0;
    };

    mutable std::mutex mutex;
    SimOptions options_;
    SimFirmware firmware_;
    bool plugged = true;
    bool scrambled = false;
    ReportBytes answerOnWire{};
    ReportBytes answerPlain{};
    int featureSets = 0;
    int commandReads = 0;
    std::vector<std::string> log;
    std::deque<std::vector<std::uint8_t>> notifications;
    PendingRead* pending = nullptr;

    std::vector<SimInterface> interfaces() const {
        std::vector<SimInterface> list = options_.otherDevices;
        if (!plugged)
            return list;
        const bool longReports = options_.wireFault == WireFault::LongReports;
        const std::uint16_t chunk = longReports ? kLongReportLength : kCommandChunkLength;
        const std::uint16_t feature = longReports ? kLongReportLength : kCommandFeatureLength;
        const SimInterface boot{options_.paths.bootMouse,
                                kMouseAttributes,
                                {kGenericDesktop, kMouseUsage, kBootMouseInputLength, 0, 0},
                                InterfaceRole::Other,
                                true};
        const SimInterface notification{
            options_.paths.notification,
            kMouseAttributes,
            {kNotificationUsage, kNotificationUsage, options_.notificationLength, 0, 0},
            InterfaceRole::Notification,
            true};
        const SimInterface commandInterface{options_.paths.command,
                                            kMouseAttributes,
                                            {kCommandUsage, kCommandUsage, chunk, chunk, feature},
                                            InterfaceRole::Command,
                                            true};
        list.push_back(boot);
        if (options_.notificationFirst)
            list.push_back(notification);
        list.push_back(commandInterface);
        if (!options_.notificationFirst)
            list.push_back(notification);
        return list;
    }

    // Called with the lock held.
    void unplugLocked() {
        plugged = false;
        if (pending != nullptr) {
            // The pending read ends without data, as a vanished device's read does.
            pending->done = true;
            pending->bytes = 0;
            pending->event->set();
            pending = nullptr;
        }
    }

    void takeFeature(const ReportBytes& raw) {
        ReportBytes plain = raw;
        std::optional<ReportBytes> answer;
        ReportBytes unscrambled = raw;
        unscramble(unscrambled, options_.keys);
        if (isHandshake(raw)) {
            // The plain pass: the firmware keeps quiet unless it is the faulty kind.
            scrambled = false;
            if (options_.wireFault == WireFault::PlainEcho)
                answer = raw;
        } else if (isHandshake(unscrambled)) {
            scrambled = true;
            plain = unscrambled;
            answer = unscrambled;
        } else {
            if (scrambled)
                plain = unscrambled;
            answer = firmware_.command(plain);
        }
        log.push_back(traceLine(trace_tag::kFeatureSet, plain));
        answerPlain = answer.value_or(ReportBytes{});
        answerOnWire = answerPlain;
        if (scrambled && answer)
            scramble(answerOnWire, options_.keys);
        if (options_.wireFault == WireFault::Silent)
            answerPlain = answerOnWire = ReportBytes{};
    }
};

namespace {

class SimDevice : public HidDevice {
  public:
    SimDevice(std::shared_ptr<SimCore> core, SimInterface iface, HidAccess access)
        : core_(std::move(core)), iface_(std::move(iface)), access_(access) {}

    std::optional<HidAttributes> attributes() override {
        std::lock_guard lock(core_->mutex);
        if (!reachable())
            return std::nullopt;
        return iface_.attributes;
    }

    CapsResult capabilities() override {
        std::lock_guard lock(core_->mutex);
        if (!reachable())
            return {CapsStatus::PreparsedDataFailed, {}};
        return {CapsStatus::Ok, iface_.caps};
    }

    bool setFeature(std::span<const std::uint8_t> report) override {
        std::lock_guard lock(core_->mutex);
        if (!commandReady(HidAccess::ReadWrite))
            return false;
        const auto& unplugAfter = core_->options_.unplugAfterFeatureSets;
        if (unplugAfter && static_cast<std::size_t>(core_->featureSets) >= *unplugAfter) {
            core_->unplugLocked();
            return false;
        }
        ++core_->featureSets;
        if (report.size() < feature_frame::kPayload + command_report::kSize)
            return false;
        ReportBytes raw;
        std::copy_n(report.begin() + feature_frame::kPayload, raw.size(), raw.begin());
        core_->takeFeature(raw);
        return true;
    }

    bool getFeature(std::span<std::uint8_t> report) override {
        std::lock_guard lock(core_->mutex);
        if (!commandReady(HidAccess::ReadWrite) || report.empty())
            return false;
        std::fill(report.begin(), report.end(), std::uint8_t{0});
        const std::size_t n =
            std::min(report.size() - feature_frame::kPayload, core_->answerOnWire.size());
        std::copy_n(core_->answerOnWire.begin(), n, report.begin() + feature_frame::kPayload);
        core_->log.push_back(traceLine(trace_tag::kFeatureGet, core_->answerPlain));
        return true;
    }

    bool writeOutput(std::span<const std::uint8_t> report) override {
        std::lock_guard lock(core_->mutex);
        if (!commandReady(HidAccess::Write) || report.size() < chunk_frame::kBufferSize)
            return false;
        const auto data = report.subspan(chunk_frame::kData, chunk_frame::kDataSize);
        core_->log.push_back(traceLine(trace_tag::kWrite, data));
        core_->firmware_.chunk(data);
        return true;
    }

    std::size_t readInput(std::span<std::uint8_t> report, WakeEvent* wake) override {
        if (iface_.role == InterfaceRole::Notification)
            return readNotification(report, wake);
        std::lock_guard lock(core_->mutex);
        ++core_->commandReads;
        if (!commandReady(HidAccess::Read) || report.size() < chunk_frame::kBufferSize)
            return 0;
        // A real device would block here; the simulator has nothing more to say.
        std::optional<Chunk> chunk = core_->firmware_.nextReadChunk();
        if (!chunk || core_->options_.wireFault == WireFault::Silent)
            return 0;
        report[chunk_frame::kReportId] = 0;
        std::copy(chunk->begin(), chunk->end(), report.begin() + chunk_frame::kData);
        core_->log.push_back(traceLine(trace_tag::kRead, *chunk));
        return chunk_frame::kBufferSize;
    }

  private:
    bool reachable() const { return core_->plugged || iface_.role == InterfaceRole::Other; }
    bool commandReady(HidAccess needed) const {
        return core_->plugged && iface_.role == InterfaceRole::Command && allows(access_, needed);
    }

    std::size_t readNotification(std::span<std::uint8_t> report, WakeEvent* wake) {
        std::unique_lock lock(core_->mutex);
        if (!core_->plugged || wake == nullptr || !allows(access_, HidAccess::Read)) {
            lock.unlock();
            if (wake != nullptr)
                wake->wait();
            return 0;
        }
        if (!core_->notifications.empty()) {
            const std::vector<std::uint8_t> next = std::move(core_->notifications.front());
            core_->notifications.pop_front();
            const std::size_t n = std::min(next.size(), report.size());
            std::copy_n(next.begin(), n, report.begin());
            wake->set();
            return n;
        }
        SimCore::PendingRead read{report, wake};
        core_->pending = &read;
        lock.unlock();
        wake->wait();
        lock.lock();
        // Woken by someone else: the read is cancelled and the buffer left alone.
        if (core_->pending == &read)
            core_->pending = nullptr;
        return read.done ? read.bytes : 0;
    }

    std::shared_ptr<SimCore> core_;
    SimInterface iface_;
    HidAccess access_;
};

class SimList : public HidInterfaceList {
  public:
    explicit SimList(std::vector<SimInterface> interfaces) : interfaces_(std::move(interfaces)) {}
    InterfaceEntry entry(std::size_t index) override {
        if (index >= interfaces_.size())
            return {InterfaceStep::NoMoreItems, {}};
        return {InterfaceStep::Interface, interfaces_[index].path};
    }

  private:
    std::vector<SimInterface> interfaces_;
};

}  // namespace

SimulatedMouse::SimulatedMouse(SimOptions options)
    : core_(std::make_shared<SimCore>(std::move(options))) {}

SimulatedMouse::~SimulatedMouse() = default;

std::unique_ptr<HidInterfaceList> SimulatedMouse::listInterfaces() {
    std::lock_guard lock(core_->mutex);
    return std::make_unique<SimList>(core_->interfaces());
}

std::unique_ptr<HidDevice> SimulatedMouse::open(std::string_view path, HidAccess access,
                                                HidIoMode /*mode*/) {
    std::lock_guard lock(core_->mutex);
    for (const SimInterface& iface : core_->interfaces()) {
        if (iface.path != path)
            continue;
        if (!iface.openable)
            return nullptr;
        return std::make_unique<SimDevice>(core_, iface, access);
    }
    return nullptr;
}

std::unique_ptr<WakeEvent> SimulatedMouse::createEvent() {
    return std::make_unique<ManualResetEvent>();
}

void SimulatedMouse::sendNotification(std::uint8_t kind, std::uint8_t value,
                                      std::uint8_t reportId) {
    std::lock_guard lock(core_->mutex);
    if (!core_->plugged)
        return;
    std::vector<std::uint8_t> report(std::max<std::size_t>(core_->options_.notificationLength,
                                                           notification_report::kMinimumSize));
    report[notification_report::kReportId] = reportId;
    report[notification_report::kKind] = kind;
    report[notification_report::kValue] = value;
    if (core_->pending != nullptr) {
        SimCore::PendingRead& read = *core_->pending;
        read.bytes = std::min(report.size(), read.buffer.size());
        std::copy_n(report.begin(), read.bytes, read.buffer.begin());
        read.done = true;
        core_->pending = nullptr;
        read.event->set();
        return;
    }
    core_->notifications.push_back(std::move(report));
}

void SimulatedMouse::unplug() {
    std::lock_guard lock(core_->mutex);
    core_->unplugLocked();
}

void SimulatedMouse::plugIn() {
    std::lock_guard lock(core_->mutex);
    core_->plugged = true;
    core_->options_.unplugAfterFeatureSets.reset();
}

bool SimulatedMouse::plugged() const {
    std::lock_guard lock(core_->mutex);
    return core_->plugged;
}

bool SimulatedMouse::scrambledSession() const {
    std::lock_guard lock(core_->mutex);
    return core_->scrambled;
}

FirmwareState SimulatedMouse::firmwareState() const {
    std::lock_guard lock(core_->mutex);
    return core_->firmware_.state();
}

void SimulatedMouse::setFirmwareState(const FirmwareState& state) {
    std::lock_guard lock(core_->mutex);
    core_->firmware_.state() = state;
}

int SimulatedMouse::featureSetsTaken() const {
    std::lock_guard lock(core_->mutex);
    return core_->featureSets;
}

int SimulatedMouse::commandReadsTaken() const {
    std::lock_guard lock(core_->mutex);
    return core_->commandReads;
}

std::vector<std::string> SimulatedMouse::log() const {
    std::lock_guard lock(core_->mutex);
    return core_->log;
}

void SimulatedMouse::clearLog() {
    std::lock_guard lock(core_->mutex);
    core_->log.clear();
}

void SimulatedMouse::writeLog(std::ostream& out) const {
    for (const std::string& line : log())
        out << line << '\n';
}

}  // namespace quorvel::sim
