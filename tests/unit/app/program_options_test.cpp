#include "app/program_options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quorvel {
namespace {

ProgramOptions parse(std::vector<std::string> words) {
    return parseProgramOptions(words);
}

TEST(ProgramOptions, SimulateAndSensorInEitherOrderAndForm) {
    EXPECT_FALSE(parse({}).simulate);
    EXPECT_EQ(parse({}).sensorType, 0);
    const ProgramOptions a = parse({"--simulate", "--sensor", "2"});
    EXPECT_TRUE(a.simulate);
    EXPECT_EQ(a.sensorType, 2);
    const ProgramOptions b = parse({"--sensor=3", "--simulate"});
    EXPECT_TRUE(b.simulate);
    EXPECT_EQ(b.sensorType, 3);
    // A type outside 1 to 3 still reaches the mouse; the page draws it as type 0.
    EXPECT_EQ(parse({"--sensor", "7"}).sensorType, 7);
}

TEST(ProgramOptions, BadSensorValuesKeepTheDefaultAndNeverSwallowTheNextWord) {
    for (const char* bad : {"-1", "256", "2x", "", "two"}) {
        EXPECT_EQ(parse({"--sensor", bad}).sensorType, 0) << bad;
    }
    EXPECT_EQ(parse({"--sensor"}).sensorType, 0);
    EXPECT_TRUE(parse({"--sensor", "--simulate"}).simulate);
    EXPECT_EQ(parse({"--sensor=", "--simulate"}).sensorType, 0);
    EXPECT_TRUE(parse({"--sensor=", "--simulate"}).simulate);
    EXPECT_EQ(parse({"--sensors=2"}).sensorType, 0);
}

}  // namespace
}  // namespace quorvel
