// What quorvelctl says when a person's first try goes wrong: what to try instead, and the
// names and values it would have taken.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "config/config_file.h"
#include "config/install_data.h"
#include "ctl_runner.h"
#include "keys/key_code_tables.h"

namespace quorvel {
namespace {

using testing::contains;
using testing::CtlDirectory;
using testing::isOneErrorLine;
using Json = nlohmann::ordered_json;

TEST(QuorvelctlWordsTest, NoMouseFoundSaysWhatToTry) {
    CtlDirectory dir;
    dir.write("config.bin", defaultConfigFileBytes());
    for (const char* command : {"list", "status", "apply", "watch --count 1"}) {
        const auto run = dir.run(command);  // no such mouse on a test machine
        EXPECT_EQ(run.code, 1) << command;
        EXPECT_TRUE(isOneErrorLine(run.err)) << run.err;
        for (const char* advice :
             {"quorvelctl: no mouse found (USB 04d9:a09f); ", "cable",
              "udev rule packaging/70-quorvelmouse.rules", "/etc/udev/rules.d/", "--simulate"}) {
            EXPECT_TRUE(contains(run.err, advice)) << command << ": " << run.err;
        }
    }
}

TEST(QuorvelctlWordsTest, KeysListsEveryNameAndASlipGetsTheClosest) {
    CtlDirectory dir;
    const auto keys = dir.run("keys");
    EXPECT_EQ(keys.code, 0);
    EXPECT_TRUE(contains(keys.out, "\n  29  Esc\n")) << keys.out;
    for (const auto& key : kKeyNameTable)
        EXPECT_TRUE(contains(keys.out, "  " + std::string(key.name) + "\n")) << key.name;
    for (const auto& modifier : kModifierTable)
        EXPECT_TRUE(contains(keys.out, "  " + std::string(modifier.name) + "\n"));
    for (const auto& target : kFireTargetTable)
        EXPECT_TRUE(contains(keys.out, "  " + std::string(target.name) + "\n"));
    for (const auto& key : kWindowsKeyTable)
        EXPECT_TRUE(contains(keys.out, "  " + std::string(key.name) + "\n"));

    dir.write("config.bin", defaultConfigFileBytes());
    ASSERT_EQ(dir.run("export --out k.json").code, 0);
    Json doc = Json::parse(dir.text("k.json"));
    doc["modes"]["A"]["7"] = Json::parse(R"({"function": "Single Key", "key": "page up"})");
    dir.write("k.json", doc.dump());
    EXPECT_EQ(dir.run("import k.json").code, 0);
    doc["modes"]["A"]["7"]["key"] = "Escape";
    dir.write("k.json", doc.dump());
    const auto slip = dir.run("import k.json");
    EXPECT_EQ(slip.code, 1);
    EXPECT_TRUE(isOneErrorLine(slip.err)) << slip.err;
    EXPECT_TRUE(contains(slip.err,
                         "k.json: modes.A.7.key: \"Escape\" is not a key name; did "
                         "you mean Esc"))
        << slip.err;

    // The program sends an unknown name in record.ini as code 0: said, with the closest names.
    dir.write("record.ini", std::string("[Quit]\r\nItemCount=2\r\nItem0=esc   Dn\r\n"
                                        "Item1=esc   Up\r\n"));
    const auto apply = dir.run("--simulate apply --macros record.ini");
    EXPECT_EQ(apply.code, 0) << apply.err;
    EXPECT_TRUE(contains(apply.err,
                         "\"esc\" is no key name; the event is sent as code 0; did "
                         "you mean Esc"))
        << apply.err;
}

// A stage by its DPI value, in the list of the sensor type --sensor gives or the mouse reports.
TEST(QuorvelctlWordsTest, StagesTakeTheirDpiValue) {
    CtlDirectory dir;
    dir.write("config.bin", defaultConfigFileBytes());
    ASSERT_EQ(dir.run("--simulate --sensor 1 export --out s.json").code, 0);
    Json doc = Json::parse(dir.text("s.json"));
    EXPECT_EQ(doc["stages"]["1"]["dpi"], 800);
    ASSERT_EQ(dir.run("export --out n.json").code, 0);
    EXPECT_FALSE(Json::parse(dir.text("n.json"))["stages"]["1"].contains("dpi"));

    doc["stages"]["1"].erase("dpi_index");
    doc["stages"]["1"]["dpi"] = 1600;
    dir.write("s.json", doc.dump());
    const auto simulated = dir.run("--simulate --sensor 1 import s.json");
    EXPECT_EQ(simulated.code, 0) << simulated.err;
    // 1600 is the fifth value of sensor type 1.
    EXPECT_EQ(dir.bytes("config.bin")[config_file::kRecord + record::kDpiValueIndex], 4);
    EXPECT_EQ(dir.run("--sensor 1 import s.json").code, 0);

    // Sensor type 0, the simulated mouse's own, has no 1600.
    const auto notListed = dir.run("--simulate import s.json");
    EXPECT_EQ(notListed.code, 1);
    EXPECT_TRUE(contains(notListed.err,
                         "s.json: stages.1.dpi: 1600 is not a DPI value of sensor type 0 (250, "
                         "500, 750, 1000, 1250, 1500, 1750, 2000, 2500, 3000, 3500, 4000)"))
        << notListed.err;
    const auto unknown = dir.run("import s.json");
    EXPECT_EQ(unknown.code, 1);
    EXPECT_TRUE(contains(unknown.err, "stages.1.dpi: needs the sensor type")) << unknown.err;
    EXPECT_TRUE(isOneErrorLine(unknown.err)) << unknown.err;
}

// The temporary file (and the backup) are made beside the file: a folder that refuses them is
// named, not the file.
TEST(QuorvelctlWordsTest, AFolderThatCannotBeWrittenIsNamedAsTheFolder) {
    CtlDirectory dir;
    dir.write("config.bin", defaultConfigFileBytes());
    ASSERT_EQ(dir.run("export --out c.json").code, 0);
    const std::string scratch = dir.path().string();
    std::vector<std::pair<std::string, std::string>> cases;
    for (const char* command :
         {"init --config none/config.bin", "import c.json --config none/config.bin",
          "export --out none/c.json"}) {
        cases.emplace_back(command, scratch + "/none: no such folder, so none/");
    }
    cases.emplace_back("init --config config.bin/x.bin",
                       scratch + "/config.bin: is not a folder, so config.bin/x.bin");
    // Even root may not make a file in /sys.
    if (std::filesystem::is_directory("/sys")) {
        cases.emplace_back("init --config /sys/config.bin",
                           "/sys: the folder cannot be written (Permission denied");
    }
    for (const auto& [command, said] : cases) {
        const auto run = dir.run(command);
        EXPECT_EQ(run.code, 1) << command;
        EXPECT_TRUE(isOneErrorLine(run.err)) << run.err;
        EXPECT_TRUE(contains(run.err, "quorvelctl: " + said)) << command << ": " << run.err;
    }
    EXPECT_EQ(dir.bytes("config.bin"), defaultConfigFileBytes());
}

}  // namespace
}  // namespace quorvel
