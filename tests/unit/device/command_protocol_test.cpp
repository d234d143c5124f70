#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "device/command_report.h"
#include "device/scrambler.h"
#include "device/wire_trace.h"

namespace quorvel {
namespace {

TEST(CheckByte, MakesTheEightBytesAddUpToFF) {
    CommandReport sensor = CommandReport::make(command::kSensorRead);
    sensor.sealCheckByte();
    EXPECT_EQ(sensor.bytes[command_report::kCheck], 0x7C);

    CommandReport rate = CommandReport::make(command::kReportRate, 0x02);
    rate.bytes[command_report::kCheck] = 0x55;  // whatever the caller left is replaced
    rate.sealCheckByte();
    EXPECT_EQ(rate.bytes[command_report::kCheck], 0xFC);

    CommandReport full = CommandReport::make(0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF);
    full.sealCheckByte();
    unsigned sum = 0;
    for (std::uint8_t b : full.bytes)
        sum += b;
    EXPECT_EQ(sum % 256, 0xFFu);
    EXPECT_TRUE(full.checkByteValid());
}

TEST(ChunkCount, RoundsUpToWholeChunks) {
    EXPECT_EQ(chunkCount(0), 0u);
    EXPECT_EQ(chunkCount(8), 1u);
    EXPECT_EQ(chunkCount(24), 1u);
    EXPECT_EQ(chunkCount(32), 1u);
    EXPECT_EQ(chunkCount(33), 2u);
    EXPECT_EQ(chunkCount(64), 2u);
    EXPECT_EQ(chunkCount(128), 4u);
    EXPECT_EQ(chunkCount(255), 8u);
}

TEST(CommandReport, ParameterNumbersOutsideTheReportAreHarmless) {
    CommandReport r = CommandReport::make(0x13, 1, 0x80);
    r.setP(0, 9);
    r.setP(8, 9);
    EXPECT_EQ(r.command(), 0x13);
    EXPECT_EQ(r.p(8), 0);
    EXPECT_EQ(r.blockLength(), 0x80);
    EXPECT_FALSE(r.isRequest());
    EXPECT_TRUE(CommandReport::make(command::kMacroRead).isRequest());
}

std::vector<std::uint8_t> hexBytes(std::istringstream& in, std::size_t count) {
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = 0; i < count; ++i) {
        std::string token;
        in >> token;
        bytes.push_back(static_cast<std::uint8_t>(std::stoul(token, nullptr, 16)));
    }
    return bytes;
}

// "hk=00 4b … tk=… plain=… scrambled=…": the field name is glued to its first byte.
std::vector<std::uint8_t> field(std::istringstream& in, std::string_view name) {
    std::string first;
    in >> first;
    EXPECT_EQ(first.substr(0, name.size()), name);
    std::istringstream rest(first.substr(name.size()));
    std::vector<std::uint8_t> bytes = hexBytes(rest, 1);
    const std::vector<std::uint8_t> more = hexBytes(in, 7);
    bytes.insert(bytes.end(), more.begin(), more.end());
    return bytes;
}

template <typename Array>
Array toArray(const std::vector<std::uint8_t>& v) {
    Array a{};
    std::copy_n(v.begin(), a.size(), a.begin());
    return a;
}

TEST(Scrambler, HoldsEveryLineOfTheVectorFile) {
    std::ifstream file(std::string(QUORVEL_TEST_DATA) + "/vectors/scramble.txt");
    ASSERT_TRUE(file) << "vector file missing";
    int checked = 0;
    for (std::string line; std::getline(file, line);) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream in(line);
        ScramblerKeys keys;
        keys.handshake = toArray<ReportBytes>(field(in, "hk="));
        keys.table = toArray<ReportBytes>(field(in, "tk="));
        const ReportBytes plain = toArray<ReportBytes>(field(in, "plain="));
        const ReportBytes scrambled = toArray<ReportBytes>(field(in, "scrambled="));

        ReportBytes forward = plain;
        scramble(forward, keys);
        EXPECT_EQ(forward, scrambled) << line;
        ReportBytes back = scrambled;
        unscramble(back, keys);
        EXPECT_EQ(back, plain) << line;
        ++checked;
    }
    EXPECT_GE(checked, 27);
}

TEST(Scrambler, ProgramKeysAreTheFirstVectorKeys) {
    ReportBytes zero{};
    scramble(zero, kProgramKeys);
    EXPECT_EQ(zero, (ReportBytes{0xd8, 0xde, 0xae, 0xeb, 0x52, 0x94, 0x07, 0x23}));
}

TEST(Scrambler, UnscrambleUndoesScrambleForAnyBytesAndKeys) {
    std::mt19937 random(20261207);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int round = 0; round < 2000; ++round) {
        ScramblerKeys keys;
        for (std::size_t i = 1; i <= 6; ++i)
            keys.handshake[i] = static_cast<std::uint8_t>(byte(random));
        for (auto& b : keys.table)
            b = static_cast<std::uint8_t>(byte(random));
        ReportBytes plain;
        for (auto& b : plain)
            b = static_cast<std::uint8_t>(byte(random));
        ReportBytes bytes = plain;
        scramble(bytes, keys);
        unscramble(bytes, keys);
        ASSERT_EQ(bytes, plain) << "round " << round;
    }
}

TEST(WireTrace, WritesLowerCaseTwoDigitHexSeparatedBySingleSpaces) {
    std::ostringstream out;
    WireTraceWriter writer(out);
    const ReportBytes report = {0x83, 0x00, 0x0a, 0xff, 0, 0, 0, 0x7c};
    writer.featureSet(report);
    writer.featureGet(report);
    std::array<std::uint8_t, 32> chunk{};
    chunk[0] = 0xAB;
    chunk[31] = 0x01;
    writer.chunkWritten(chunk);
    writer.chunkRead(chunk);
    writer.slept(2);
    std::string zeros;
    for (int i = 0; i < 30; ++i)
        zeros += " 00";
    EXPECT_EQ(out.str(),
              "feature-set 83 00 0a ff 00 00 00 7c\n"
              "feature-get 83 00 0a ff 00 00 00 7c\n"
              "write ab" +
                  zeros +
                  " 01\n"
                  "read ab" +
                  zeros +
                  " 01\n"
                  "sleep 2\n");
}

}  // namespace
}  // namespace quorvel
