// Command reports, data chunks and the handshake over the command interface.
#include <algorithm>
#include <array>

#include "device/device_link.h"

namespace quorvel {
namespace {

using FeatureBuffer = std::array<std::uint8_t, feature_frame::kBufferSize>;
using ChunkBuffer = std::array<std::uint8_t, chunk_frame::kBufferSize>;

std::span<std::uint8_t, command_report::kSize> payload(FeatureBuffer& buffer) {
    return std::span<std::uint8_t, command_report::kSize>(buffer.data() + feature_frame::kPayload,
                                                          command_report::kSize);
}

bool answerEchoesPattern(const ReportBytes& answer) {
    return std::equal(kHandshakePattern.begin(), kHandshakePattern.end(),
                      answer.begin() + command_report::kFirstData);
}

}  // namespace

void DeviceLink::wait(std::uint32_t ms) {
    if (observer_ != nullptr)
        observer_->slept(ms);
    clock_.sleepMs(ms);
}

void DeviceLink::sendNotice(std::uint8_t kind) {
    if (notices_)
        notices_(kind, 0);
}

bool DeviceLink::sendFeature(ReportBytes plain, bool scrambled) {
    if (observer_ != nullptr)
        observer_->featureSet(plain);
    FeatureBuffer buffer{};
    std::copy(plain.begin(), plain.end(), payload(buffer).begin());
    if (scrambled)
        scramble(payload(buffer), keys_);
    if (command_ == nullptr)
        return false;
    return command_->setFeature(std::span(buffer).first(featureLength_));
}

bool DeviceLink::setFeature(std::span<const std::uint8_t, command_report::kSize> plain) {
    ReportBytes bytes;
    std::copy(plain.begin(), plain.end(), bytes.begin());
    return sendFeature(bytes, scrambling_);
}

ReportBytes DeviceLink::getFeature(bool unscrambleAnswer) {
    FeatureBuffer buffer{};
    // Not examined: a mouse that does not answer leaves the zeroed buffer.
    if (command_ != nullptr)
        (void)command_->getFeature(std::span(buffer).first(featureLength_));
    if (unscrambleAnswer)
        unscramble(payload(buffer), keys_);
    ReportBytes answer;
    std::copy_n(payload(buffer).begin(), answer.size(), answer.begin());
    if (observer_ != nullptr)
        observer_->featureGet(answer);
    return answer;
}

bool DeviceLink::sendCommand(CommandReport& report) {
    report.sealCheckByte();
    const bool written = setFeature(report.bytes);
    if (!report.isRequest())
        return written;
    report.bytes = getFeature(scrambling_);
    return written;
}

std::size_t DeviceLink::transferBlock(CommandReport& header, std::span<std::uint8_t> data) {
    header.sealCheckByte();
    (void)setFeature(header.bytes);  // errors of the block exchanges are not examined

    if (!header.isRequest()) {
        const std::size_t chunks = chunkCount(header.blockLength());
        std::size_t moved = 0;
        for (std::size_t i = 0; i < chunks; ++i) {
            ChunkBuffer chunk{};
            const std::size_t offset = i * chunk_frame::kDataSize;
            if (offset < data.size()) {
                const std::size_t n = std::min(chunk_frame::kDataSize, data.size() - offset);
                std::copy_n(data.begin() + static_cast<std::ptrdiff_t>(offset), n,
                            chunk.begin() + chunk_frame::kData);
                moved += n;
            }
            if (observer_ != nullptr)
                observer_->chunkWritten(std::span(chunk).subspan(chunk_frame::kData));
            if (command_ != nullptr)
                (void)command_->writeOutput(std::span(chunk).first(outputLength_));
            wait(kChunkWriteWaitMs);
        }
        return moved;
    }

    header.bytes = getFeature(scrambling_);
    const std::size_t chunks = chunkCount(header.blockLength());
    std::size_t moved = 0;
    for (std::size_t i = 0; i < chunks; ++i) {
        ChunkBuffer chunk{};
        // A read that timed out means the mouse sends no more: each further read of the
        // block would only wait out its own time-out.
        if (command_ == nullptr ||
            command_->readInput(std::span(chunk).first(inputLength_), nullptr) == 0)
            break;
        const auto bytes = std::span(chunk).subspan(chunk_frame::kData);
        if (observer_ != nullptr)
            observer_->chunkRead(bytes);
        const std::size_t offset = i * chunk_frame::kDataSize;
        if (offset < data.size()) {
            const std::size_t n = std::min(chunk_frame::kDataSize, data.size() - offset);
            std::copy_n(bytes.begin(), n, data.begin() + static_cast<std::ptrdiff_t>(offset));
            moved += n;
        }
    }
    return moved;
}

bool DeviceLink::handshake() {
    CommandReport plain =
        CommandReport::make(command::kHandshake, kHandshakePattern[0], kHandshakePattern[1],
                            kHandshakePattern[2], kHandshakePattern[3]);
    plain.sealCheckByte();

    (void)sendFeature(plain.bytes, false);
    wait(kHandshakeWaitMs);
    bool accepted = false;
    // A mouse that answers the plain pass in kind is not ours.
    if (!answerEchoesPattern(getFeature(false))) {
        keys_.handshake = programKeys_.handshake;
        (void)sendFeature(plain.bytes, true);
        wait(kHandshakeWaitMs);
        accepted = answerEchoesPattern(getFeature(true));
    }

    scrambling_ = accepted;
    sendNotice(accepted ? notice::kMouseDetected : notice::kMouseNotDetected);
    setConnected(accepted);
    return accepted;
}

SensorInformation DeviceLink::exchangeSensorInformation() {
    CommandReport request = CommandReport::make(command::kSensorRead);
    (void)sendCommand(request);
    SensorInformation info{request.p(1), request.p(2), request.p(3),
                           static_cast<std::uint8_t>(request.p(4) | kSensorOption2Bit)};
    CommandReport write = CommandReport::make(command::kSensorWrite, info.sensorType, info.rate,
                                              info.option1, info.option2);
    (void)sendCommand(write);
    return info;
}

}  // namespace quorvel
