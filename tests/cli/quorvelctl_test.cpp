// quorvelctl as a user runs it: the built tool with --simulate in a scratch directory.
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <sstream>

#include "cli/command.h"
#include "config/config_file.h"
#include "config/install_data.h"
#include "ctl_runner.h"
#include "device/apply_sequence.h"
#include "macro/macro_block.h"
#include "macro/macro_library.h"
#include "ports/std_files.h"
#include "profile/config_json.h"
#include "random_record.h"
#include "sim/simulated_mouse.h"
#include "support/device/fake_clock.h"
#include "support/recording_message_box.h"

namespace quorvel {
namespace {

using testing::contains;
using testing::CtlDirectory;
using testing::isOneErrorLine;
using testing::lines;

constexpr int kRandomRoundTrips = 50;

TEST(QuorvelctlTest, UsageErrorsExitWithTwoAndSayWhatIsWrong) {
    CtlDirectory dir;
    dir.write("config.bin", defaultConfigFileBytes());
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"", "no command given"},
        {"frobnicate", "unknown command 'frobnicate'"},
        {"--simulate show --bogus", "unknown option '--bogus' for 'show'"},
        {"--trace t.txt show", "unknown option '--trace' for 'show'"},
        {"--simulate apply --config", "option '--config' needs a value"},
        {"--simulate show --json=yes", "option '--json' takes no value"},
        {"import", "'import' needs FILE.json"},
        {"import a.json b.json", "unexpected operand 'b.json'"},
        {"--simulate --sensor 256 status", "--sensor takes a sensor type from 0 to 255"},
        {"--simulate --sensor -1 status", "--sensor takes a sensor type"},
        {"--simulate --sensor x status", "--sensor takes a sensor type"},
        {"--simulate watch --count 0", "--count takes a whole number"},
        {"watch --sim-notify 7:2", "--sim-notify needs --simulate"},
        {"--simulate watch --sim-notify 7-2", "--sim-notify takes KIND:VALUE"},
        {"--simulate watch --sim-notify 6:1 --count 1", "--sim-notify takes KIND:VALUE"},
        {"-x", "unknown option '-x'"},
    };
    for (const auto& [args, message] : cases) {
        const auto run = dir.run(args);
        EXPECT_EQ(run.code, 2) << args;
        EXPECT_TRUE(run.out.empty()) << args;
        EXPECT_EQ(lines(run.err).size(), 2u) << args << ": " << run.err;
        EXPECT_TRUE(contains(run.err, "quorvelctl: " + message)) << args << ": " << run.err;
    }
    EXPECT_FALSE(dir.exists("t.txt"));
}

TEST(QuorvelctlTest, HelpAndVersion) {
    CtlDirectory dir;
    const auto help = dir.run("--help");
    EXPECT_EQ(help.code, 0);
    // The way to the manual is the last thing it says.
    EXPECT_TRUE(help.out.ends_with("man packaging/quorvelctl.1\n")) << help.out;
    for (const char* command :
         {"init", "list", "status", "apply", "show", "export", "import", "watch", "keys"}) {
        EXPECT_TRUE(contains(help.out, "\n  " + std::string(command) + " ")) << command;
        const auto version = dir.run(std::string(command) + " --version");
        EXPECT_EQ(version.code, 0) << command;
        EXPECT_EQ(version.out, "quorvelctl " QUORVEL_VERSION "\n") << command;
    }
    const auto apply = dir.run("apply --help");
    EXPECT_EQ(apply.code, 0);
    EXPECT_TRUE(contains(apply.out, "--trace FILE"));
    EXPECT_TRUE(contains(apply.out, "--simulate"));
    EXPECT_EQ(dir.run("help import").out, dir.run("import -h").out);
    // The manual page knows every command and option the tool takes.
    std::ifstream page(QUORVEL_SOURCE_DIR "/packaging/quorvelctl.1");
    const std::string manual((std::istreambuf_iterator<char>(page)), {});
    const auto roff = [](std::string_view name) {
        std::string text = "\\-\\-";
        for (char c : name)
            text += c == '-' ? std::string("\\-") : std::string(1, c);
        return text;
    };
    for (const auto& command : cli::commands()) {
        EXPECT_TRUE(contains(manual, ".B " + std::string(command.name))) << command.name;
        for (const auto& option : command.options)
            EXPECT_TRUE(contains(manual, roff(option.name))) << option.name;
    }
    for (const auto& option : cli::kCommonOptions)
        EXPECT_TRUE(contains(manual, roff(option.name))) << option.name;
    const auto version = dir.run("--version");
    EXPECT_EQ(version.code, 0);
    EXPECT_EQ(version.out, "quorvelctl " QUORVEL_VERSION "\n");
}

TEST(QuorvelctlTest, StatusAndListWithTheSimulatedMouse) {
    CtlDirectory dir;
    const auto status = dir.run("status --simulate --sensor 3");
    EXPECT_EQ(status.code, 0) << status.err;
    const auto statusLines = lines(status.out);
    ASSERT_EQ(statusLines.size(), 3u) << status.out;
    EXPECT_EQ(statusLines[0], "discovery: found the mouse at /dev/hidraw-sim2");
    EXPECT_EQ(statusLines[1], "handshake: answered (scrambled session)");
    EXPECT_EQ(statusLines[2], "sensor type: 3 (DPI 400 800 1200 1600 2000 2400 2800 3200)");

    const auto list = dir.run("--simulate list");
    EXPECT_EQ(list.code, 0);
    EXPECT_TRUE(contains(list.out,
                         "/dev/hidraw-sim2\n  usage page ff00, usage ff00 (command "
                         "interface)\n"
                         "  report lengths: input 33, output 33, feature 9\n"));
    EXPECT_TRUE(contains(list.out, "usage page ff01, usage ff01 (notification interface)"));
    EXPECT_EQ(lines(list.out).size(), 9u);
}

// What the core itself sends for `config` to a simulated mouse of `sensorType`, traced.
std::string coreApplyTrace(const MouseConfig& config, std::uint8_t sensorType) {
    sim::SimOptions options;
    options.sensorType = sensorType;
    sim::SimulatedMouse mouse(options);
    testing::RecordingMessageBox messages;
    testing::FakeClock clock;
    std::ostringstream trace;
    WireTraceWriter writer(trace);
    DeviceLink link(mouse, messages, clock);
    link.setObserver(&writer);
    EXPECT_EQ(link.discover(), DiscoveryResult::Found);
    EXPECT_TRUE(link.handshake());
    const int sensor = link.exchangeSensorInformation().sensorType;
    ApplyState state;
    applyToDevice(link, config, sensor, state);
    link.setObserver(nullptr);
    link.close();
    return trace.str();
}

// The mouse may report any byte: a type without a DPI list shows no DPI values and sends
// DPI code 0, as the program does.
TEST(QuorvelctlTest, ASensorTypeWithoutADpiListStillRuns) {
    CtlDirectory dir;
    dir.write("config.bin", defaultConfigFileBytes());
    for (const int sensor : {4, 7, 255}) {
        const std::string type = std::to_string(sensor);
        const auto status = dir.run("--simulate --sensor " + type + " status");
        EXPECT_EQ(status.code, 0) << status.err;
        EXPECT_TRUE(contains(status.out, "sensor type: " + type + " (no DPI list known)\n"))
            << status.out;
        std::filesystem::remove(dir / "t.txt");
        const auto apply = dir.run("--simulate --sensor " + type + " apply --trace t.txt");
        EXPECT_EQ(apply.code, 0) << apply.err;
        EXPECT_EQ(dir.text("t.txt"),
                  coreApplyTrace(defaultInstallRecord(), static_cast<std::uint8_t>(sensor)));
        const auto shown = dir.run("--sensor " + type + " show");
        EXPECT_TRUE(contains(shown.out, "DPI stages (sensor type " + type +
                                            ", which has no DPI list):\n  1: on, index 1, colour"))
            << shown.out;
    }
}

TEST(QuorvelctlTest, ApplySendsTheWholeSequenceWithTheMacrosConvertedFirst) {
    CtlDirectory dir;
    std::mt19937 rng(8);
    const MouseConfig record = testing::randomValidRecord(rng);
    dir.write("mine.bin", configFileBytes(record, kFirstRunSaved));
    dir.write("record.ini",
              std::string("[Copy]\r\nItemCount=7\r\nItem0=Ctrl   Dn\r\nItem1=C   Dn\r\n"
                          "Item2=hello\r\nItem3=C   Up\r\nItem4=Ctrl   Up\r\nItem5=30 ms\r\n"));
    // Options of the command may stand before it.
    const auto run = dir.run(
        "--simulate --sensor 0 --config mine.bin apply --macros record.ini "
        "--trace trace.txt");
    EXPECT_EQ(run.code, 0) << run.err;
    // What does not reach the mouse as written is named: the odd item, the missing one.
    EXPECT_EQ(lines(run.err).size(), 2u) << run.err;
    EXPECT_TRUE(contains(run.err, "\"Copy\", Item2: ")) << run.err;
    EXPECT_TRUE(contains(run.err, "Item6")) << run.err;

    MouseConfig expected = record;
    StdFilesPort files;
    MacroLibrary library(files, (dir / "record.ini").string(), expected);
    ASSERT_TRUE(library.rebuildMacroTable().ran);
    ASSERT_FALSE(std::equal(expected.macroBlock(0).begin(), expected.macroBlock(0).end(),
                            record.macroBlock(0).begin()));
    EXPECT_EQ(dir.text("trace.txt"), coreApplyTrace(expected, 0));
    // The converted table stays in the file, the previous file beside it.
    EXPECT_EQ(dir.bytes("mine.bin"), configFileBytes(expected, kFirstRunSaved));
    EXPECT_EQ(dir.bytes("mine.bin.bak"), configFileBytes(record, kFirstRunSaved));
    const auto shown = dir.run("show --config mine.bin --macros record.ini");
    EXPECT_TRUE(contains(shown.out, "slot 1 \"Copy\": loop count " +
                                        std::to_string(loopCountOf(expected.macroBlock(0))) +
                                        ": Ctrl Dn, C Dn, C Up, Ctrl Up, 30 ms\n"))
        << shown.out;

    // Without --macros, or with a table that is already there, the file is not rewritten.
    std::filesystem::remove(dir / "mine.bin.bak");
    EXPECT_EQ(dir.run("--simulate apply --config mine.bin --macros record.ini").code, 0);
    EXPECT_EQ(dir.run("--simulate apply --config mine.bin").code, 0);
    EXPECT_FALSE(dir.exists("mine.bin.bak"));
}

TEST(QuorvelctlTest, ApplyRefusesADamagedOrMissingFileAndSendsNothing) {
    CtlDirectory dir;
    auto bytes = defaultConfigFileBytes();
    for (std::size_t size : {std::size_t{0}, config_file::kSize - 1, config_file::kSize + 1}) {
        bytes.resize(size);
        dir.write("config.bin", bytes);
        const auto run = dir.run("--simulate apply --trace trace.txt");
        EXPECT_EQ(run.code, 1);
        EXPECT_TRUE(isOneErrorLine(run.err)) << run.err;
        EXPECT_TRUE(contains(run.err, "config.bin: " + std::to_string(size) +
                                          " bytes, not the 1850 of a configuration file; "
                                          "nothing was sent"))
            << run.err;
        EXPECT_FALSE(dir.exists("trace.txt"));
    }
    // A folder or a device is no configuration either, and says so rather than "no such file".
    for (const char* path : {"none.bin", ".", "/dev/null"}) {
        const auto run =
            dir.run("--simulate apply --trace trace.txt --config " + std::string(path));
        EXPECT_EQ(run.code, 1);
        EXPECT_TRUE(isOneErrorLine(run.err)) << run.err;
        EXPECT_EQ(contains(run.err, "no such file"), path == std::string("none.bin")) << run.err;
        EXPECT_FALSE(dir.exists("trace.txt"));
    }
    dir.write("config.bin", defaultConfigFileBytes());
    const auto noMacros = dir.run("--simulate apply --macros none.ini --trace trace.txt");
    EXPECT_EQ(noMacros.code, 1);
    EXPECT_TRUE(isOneErrorLine(noMacros.err)) << noMacros.err;
    EXPECT_FALSE(dir.exists("trace.txt"));
    const auto noMouse = dir.run("apply");  // no such mouse on a test machine
    EXPECT_EQ(noMouse.code, 1);
    EXPECT_TRUE(isOneErrorLine(noMouse.err)) << noMouse.err;
}

// Records whose values the mouse or the program cannot use, and the field each one names.
TEST(QuorvelctlTest, ImportAndApplyRefuseRecordsTheMouseCannotUse) {
    struct Case {
        std::function<void(MouseConfig&)> damage;
        std::string field;
        std::string options;  // for import and apply
    };
    const auto set = [](Mode mode, int button, FunctionCode code, ButtonField field = {},
                        std::uint8_t value = 0) {
        return [=](MouseConfig& c) {
            c.setFunctionCode(mode, button, codeByte(code));
            if (field != ButtonField::FunctionCode)
                c.setButtonField(mode, field, button, value);
        };
    };
    const std::vector<Case> cases = {
        {set(Mode::A, 2, FunctionCode::SingleKey, ButtonField::SingleKeyCode, 0), "modes.A.3.key",
         ""},
        {set(Mode::B, 7, FunctionCode::SingleKey, ButtonField::SingleKeyCode, 255), "modes.B.8.key",
         ""},
        {[](MouseConfig& c) {
             c.setFunctionCode(Mode::A, 6, codeByte(FunctionCode::ComboKey));
             c.setButtonField(Mode::A, ButtonField::ComboModifiers, 6, 0x01);
             c.setButtonField(Mode::A, ButtonField::ComboFirstKey, 6, 0);
             c.setButtonField(Mode::A, ButtonField::ComboSecondKey, 6, 0);
         },
         "modes.A.7", ""},
        {set(Mode::B, 0, FunctionCode::RightClick), "modes.B", ""},
        {[](MouseConfig& c) {
             c.setFunctionCode(Mode::A, 6, codeByte(FunctionCode::Shift));
             c.setFunctionCode(Mode::A, 7, codeByte(FunctionCode::Shift));
         },
         "modes.A", ""},
        {[](MouseConfig& c) { c.setDpiValueIndex(2, 12); }, "stages.2.dpi_index", ""},
        {[](MouseConfig& c) { c.setDpiValueIndex(4, 8); }, "stages.4.dpi_index", "--sensor 1"},
        {[](MouseConfig& c) { c.setReportRate(119); }, "report_rate_hz", ""},
        {set(Mode::A, 4, FunctionCode::MacroKey, ButtonField::MacroSlot, 12), "modes.A.5.slot", ""},
    };
    CtlDirectory dir;
    for (const auto& c : cases) {
        MouseConfig config = defaultInstallRecord();
        c.damage(config);
        const auto file = configFileBytes(config, kFirstRunSaved);
        dir.write("bad.bin", file);
        dir.write("config.bin", defaultConfigFileBytes());
        std::filesystem::remove(dir / "config.bin.bak");

        const auto exported = dir.run("export --config bad.bin --out bad.json " + c.options);
        EXPECT_EQ(exported.code, 0) << c.field;
        EXPECT_TRUE(contains(exported.err, "bad.bin: " + c.field + ": ")) << exported.err;
        const auto imported = dir.run("import bad.json " + c.options);
        EXPECT_EQ(imported.code, 1) << c.field;
        EXPECT_TRUE(isOneErrorLine(imported.err)) << imported.err;
        EXPECT_TRUE(contains(imported.err, "bad.json: " + c.field + ": ")) << imported.err;
        EXPECT_EQ(dir.bytes("config.bin"), defaultConfigFileBytes());
        EXPECT_FALSE(dir.exists("config.bin.bak"));

        std::filesystem::remove(dir / "t.txt");
        const auto refused =
            dir.run("--simulate apply --config bad.bin --trace t.txt " + c.options);
        EXPECT_EQ(refused.code, 1) << c.field;
        EXPECT_TRUE(isOneErrorLine(refused.err)) << refused.err;
        EXPECT_TRUE(contains(refused.err, "bad.bin: " + c.field + ": ")) << refused.err;
        EXPECT_EQ(dir.text("t.txt").find("write "), std::string::npos) << c.field;
        const auto forced =
            dir.run("--simulate apply --force --config bad.bin --trace t.txt " + c.options);
        EXPECT_EQ(forced.code, 0) << c.field << forced.err;
        EXPECT_NE(dir.text("t.txt").find("write "), std::string::npos) << c.field;
        EXPECT_EQ(dir.bytes("bad.bin"), file);
    }
    // The mouse's own sensor holds the stages to its list: sensor type 1 has eight values.
    MouseConfig config = defaultInstallRecord();
    config.setDpiValueIndex(1, 9);
    dir.write("config.bin", configFileBytes(config, kFirstRunSaved));
    EXPECT_EQ(dir.run("--simulate --sensor 0 apply").code, 0);
    EXPECT_EQ(dir.run("--simulate --sensor 1 apply").code, 1);
}

TEST(QuorvelctlTest, InitMakesTheInstalledDefaultWhereThereIsNone) {
    CtlDirectory dir;
    for (const char* command : {"show", "--simulate apply", "export"}) {
        const auto run = dir.run(command);
        EXPECT_EQ(run.code, 1) << command;
        EXPECT_TRUE(contains(run.err, "quorvelctl init")) << run.err;
    }
    EXPECT_EQ(dir.run("init").code, 0);
    EXPECT_EQ(dir.bytes("config.bin"), defaultConfigFileBytes());
    EXPECT_EQ(dir.run("--simulate apply").code, 0);

    MouseConfig mine = defaultInstallRecord();
    mine.setReportRate(kReportRates[0].code);
    const auto mineFile = configFileBytes(mine, kFirstRunSaved);
    dir.write("config.bin", mineFile);
    const auto refused = dir.run("init");
    EXPECT_EQ(refused.code, 1);
    EXPECT_TRUE(isOneErrorLine(refused.err));
    EXPECT_EQ(dir.bytes("config.bin"), mineFile);
    EXPECT_EQ(dir.run("init --force").code, 0);
    EXPECT_EQ(dir.bytes("config.bin"), defaultConfigFileBytes());
    EXPECT_EQ(dir.bytes("config.bin.bak"), mineFile);
    EXPECT_EQ(dir.run("init --config sub/config.bin").code, 1);
}

TEST(QuorvelctlTest, ShowInWordsAndAsJson) {
    CtlDirectory dir;
    MouseConfig config = defaultInstallRecord();
    config.setFunctionCode(Mode::B, 6, codeByte(FunctionCode::MacroKey));
    config.setButtonField(Mode::B, ButtonField::MacroSlot, 6, 1);
    config.setButtonField(Mode::B, ButtonField::MacroRepeat, 6, 2);
    config.setFunctionCode(Mode::A, 7, codeByte(FunctionCode::ComboKey));
    config.setButtonField(Mode::A, ButtonField::ComboModifiers, 7, 0x03);
    config.setButtonField(Mode::A, ButtonField::ComboFirstKey, 7, 0x06);
    config.setStageEnabled(3, false);
    config.setShownMode(Mode::B);
    dir.write("config.bin", configFileBytes(config, kFirstRunSaved));
    dir.write("record.ini", std::string("[Copy]\r\nItemCount=0\r\n[Paste]\r\nItemCount=0\r\n"));

    const auto words = dir.run("--simulate --sensor 1 show --macros record.ini");
    EXPECT_EQ(words.code, 0) << words.err;
    for (const char* expected : {
             "Configuration config.bin\nReport rate: 1000 Hz\nDPI stages (sensor type 1):\n"
             "  1: on, 800 DPI, colour #ff0000\n",
             "  3: off, 2000 DPI, colour #0000ff\n",
             "Lighting: Standard\n  Standard: 45%, effect none\n",
             "  Neon: 7.5S, effect RGB Flash\n",
             "Mode A:\n  Button 1: Left Click\n",
             "  Button 8: Combo Key: Left Ctrl+Left Shift+C\n",
             "Mode B (shown):\n",
             "  Button 6: DPI Switch: DPI Loop\n",
             "  Button 7: Macro Key: slot 2 \"Paste\", repeat until the key is released\n",
             "Macros:\n  slot 1 \"Copy\": empty\n  slot 2 \"Paste\": empty\n",
             "  speed position 6 (Windows speed 10)\n  wheel: 3 lines a notch\n"
             "  double-click position 6 (550 ms)\n  enhance pointer precision: on\n",
         }) {
        EXPECT_TRUE(contains(words.out, expected)) << expected << "\nin:\n" << words.out;
    }
    // Without a sensor type and without a mouse the stages give their list index.
    const auto unknown = dir.run("show");
    EXPECT_EQ(unknown.code, 0);
    EXPECT_TRUE(contains(unknown.out, "  1: on, index 1, colour #ff0000\n")) << unknown.out;

    const auto json = dir.run("--simulate show --json");
    EXPECT_EQ(json.code, 0);
    EXPECT_EQ(json.out, configToJson(config, 0));
}

// Export, then import over the same file: the file and its backup are what it was.
void expectRoundTrip(const CtlDirectory& dir, const std::vector<std::uint8_t>& file) {
    dir.write("c.bin", file);
    const auto exported = dir.run("--simulate export --config c.bin --out c.json");
    ASSERT_EQ(exported.code, 0) << exported.err;
    ASSERT_TRUE(exported.err.empty()) << exported.err;
    const auto imported = dir.run("--simulate import c.json --config c.bin");
    ASSERT_EQ(imported.code, 0) << imported.err;
    ASSERT_EQ(dir.bytes("c.bin"), file);
    ASSERT_EQ(dir.bytes("c.bin.bak"), file);
    // Into a new file: the same record, with the installed default's flag.
    const auto fresh = dir.run("--sensor 0 import c.json --config fresh.bin");
    ASSERT_EQ(fresh.code, 0) << fresh.err;
    auto expected = file;
    expected[config_file::kFirstRunFlag] = kFirstRunNotSaved;
    ASSERT_EQ(dir.bytes("fresh.bin"), expected);
    ASSERT_FALSE(dir.exists("fresh.bin.bak"));
    std::filesystem::remove(dir / "fresh.bin");
}

TEST(QuorvelctlTest, ExportImportRoundTripsByteForByte) {
    CtlDirectory dir;
    expectRoundTrip(dir, defaultConfigFileBytes());
    std::mt19937 rng(1208);
    for (int i = 0; i < kRandomRoundTrips; ++i) {
        const auto flag = static_cast<std::uint8_t>(rng() % 2);
        SCOPED_TRACE("random record " + std::to_string(i));
        expectRoundTrip(dir, configFileBytes(testing::randomValidRecord(rng), flag));
    }
    const auto toStdout = dir.run("--simulate export --config c.bin");
    EXPECT_EQ(toStdout.out, dir.text("c.json"));
}

TEST(QuorvelctlTest, ImportOfDamagedJsonNamesTheFieldAndWritesNothing) {
    CtlDirectory dir;
    const auto original = configFileBytes(defaultInstallRecord(), kFirstRunSaved);
    dir.write("config.bin", original);
    const std::string good = configToJson(defaultInstallRecord());
    const auto replaced = [&good](const std::string& from, const std::string& to) {
        std::string text = good;
        text.replace(text.find(from), from.size(), to);
        return text;
    };
    const std::vector<std::pair<std::string, std::string>> cases = {
        {replaced("\"version\": 2", "\"version\": 7"), "version: "},
        {replaced("\"report_rate_hz\": 1000", "\"report_rate_hz\": \"1000\""), "report_rate_hz: "},
        {replaced("\"dpi_index\": 5", "\"dpi_index\": 12"), "stages.3.dpi_index: "},
        {replaced("\"DPI Loop\"", "\"DPI Loop\", \"key\": \"A\""), "modes.A.6.key: "},
        {replaced("\"7.5S\"", "\"7.5S\", \"glow\": 1"), "lighting.neon.glow: unknown field"},
        {replaced("\"speed_position\": 6", "\"speed_position\": 12"), "pointer.speed_position: "},
        {good.substr(0, good.size() / 2), "(document): not valid JSON"},
        {"", "(document): not valid JSON"},
    };
    for (const auto& [text, field] : cases) {
        dir.write("bad.json", text);
        const auto run = dir.run("--simulate import bad.json");
        EXPECT_EQ(run.code, 1) << field;
        EXPECT_TRUE(isOneErrorLine(run.err)) << run.err;
        EXPECT_TRUE(contains(run.err, "quorvelctl: bad.json: " + field)) << run.err;
        EXPECT_TRUE(contains(run.err, "; nothing was written\n")) << run.err;
        EXPECT_EQ(dir.bytes("config.bin"), original);
        EXPECT_FALSE(dir.exists("config.bin.bak"));
    }
    const auto missing = dir.run("import none.json");
    EXPECT_EQ(missing.code, 1);
    EXPECT_EQ(missing.err, "quorvelctl: none.json: no such file\n");
}

TEST(QuorvelctlTest, ExportWarnsAboutValuesImportWouldRefuse) {
    CtlDirectory dir;
    MouseConfig config = defaultInstallRecord();
    config.setReportRate(3);
    config.setPointerSetting(pointer_settings::kSpeedPosition, 0);
    dir.write("config.bin", configFileBytes(config, kFirstRunSaved));
    const auto run = dir.run("export --out c.json");
    EXPECT_EQ(run.code, 0);
    // Each of them, not only the first.
    EXPECT_EQ(lines(run.err).size(), 2u) << run.err;
    EXPECT_TRUE(contains(run.err, "quorvelctl: warning: config.bin: report_rate_hz: ")) << run.err;
    EXPECT_TRUE(contains(run.err, "quorvelctl: warning: config.bin: pointer.speed_position: "));
    EXPECT_TRUE(contains(dir.text("c.json"), "\"report_rate_hz\": null,"));
    EXPECT_EQ(dir.run("import c.json").code, 1);
}

TEST(QuorvelctlTest, WatchPrintsTheNotificationsAsTheyArrive) {
    CtlDirectory dir;
    dir.write("config.bin", defaultConfigFileBytes());
    const auto run =
        dir.run("--simulate --sensor 1 watch --sim-notify 7:2,5:4,8:2,9:3,9:0,9:13 --count 6");
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.out,
              "dpi-stage 2: DPI stage 2, 1200 DPI\n"
              "report-rate 4: report rate 250 Hz\n"
              "key-matrix 2: Mode B\n"
              "macro-key 3: macro key 3\n"
              "macro-key 0: macro key 0 (none)\n"
              "macro-key 13: macro key 13 (no such slot)\n");

    // Until interrupted: Ctrl+C ends it normally.
    const auto interrupted = dir.script(
        "\"$Q\" --simulate watch --sim-notify 5:1 >w.out & pid=$!; "
        "for i in $(seq 200); do grep -q report-rate w.out && break; sleep 0.05; done; "
        "kill -INT $pid; wait $pid; echo \"exit $?\"");
    EXPECT_EQ(interrupted.out, "exit 0\n") << interrupted.err;
    EXPECT_EQ(dir.text("w.out"), "report-rate 1: report rate 1000 Hz\n");

    // Without a configuration the stage has no DPI text to give.
    std::filesystem::remove(dir / "config.bin");
    const auto bare = dir.run("--simulate watch --sim-notify 7:1 --count 1");
    EXPECT_EQ(bare.out, "dpi-stage 1: DPI stage 1\n");

    dir.write("short.bin", std::string(10, '\0'));
    const auto badConfig = dir.run("--simulate watch --config short.bin --count 1");
    EXPECT_EQ(badConfig.code, 1);
    EXPECT_TRUE(isOneErrorLine(badConfig.err));
}

TEST(QuorvelctlTest, ProfilesAreSavedRuledListedSentAndDeleted) {
    CtlDirectory dir;
    dir.write("config.bin", defaultConfigFileBytes());
    dir.write("str.ini", std::string("[Skins]\r\nLan=EN\r\n[Setting-EN]\r\nItem1=Shoot\r\n"));
    EXPECT_EQ(dir.run("profile save Game").code, 0);
    EXPECT_TRUE(contains(dir.text("Profiles/Game.json"), "\"A\": [\"Shoot\", \"\"")) << "labels";
    EXPECT_EQ(dir.run("profile save Desk").code, 0);
    EXPECT_EQ(dir.run("profile rule Game notepad.exe cs2.exe").code, 0);
    const auto moved = dir.run("profile rule Desk NOTEPAD.EXE");
    EXPECT_EQ(moved.out, "NOTEPAD.EXE chooses profile \"Desk\" (no longer \"Game\")\n")
        << moved.err;
    EXPECT_EQ(dir.run("export --out Profiles/exported.json").code, 0);
    dir.write("Profiles/Bad.json", std::string("{\"format\": 1"));

    const auto listed = dir.run("profile list");
    EXPECT_EQ(listed.code, 0);
    EXPECT_EQ(
        lines(listed.out),
        (std::vector<std::string>{
            "Bad\tdamaged: Profiles/Bad.json: (document): not valid JSON: parse error at line 1, "
            "column 13: syntax error while parsing object - unexpected end of input; expected '}'",
            "Desk\tprograms: NOTEPAD.EXE", "exported\t(no programs)", "Game\tprograms: cs2.exe"}));

    const auto sent = dir.run("--simulate --sensor 0 profile apply Game --trace trace.txt");
    EXPECT_EQ(sent.code, 0) << sent.err;
    EXPECT_EQ(dir.text("trace.txt"), coreApplyTrace(defaultInstallRecord(), 0));
    for (const char* refused : {"profile apply Bad", "profile apply Nobody", "profile save CON",
                                "profile rule Bad x.exe", "profile unrule nothing.exe"}) {
        const auto run =
            dir.run(std::string("--simulate --sensor 0 ") + refused + " --trace t2.txt");
        EXPECT_EQ(run.code, 1) << refused;
        EXPECT_TRUE(isOneErrorLine(run.err)) << run.err;
        EXPECT_FALSE(dir.exists("t2.txt")) << refused;
    }
    EXPECT_TRUE(contains(dir.run("profile save CON").err, "device name"));
    EXPECT_EQ(dir.run("profile delete Desk").code, 0);
    EXPECT_FALSE(dir.exists("Profiles/Desk.json"));
    EXPECT_EQ(dir.run("profile frobnicate").code, 2);
}

}  // namespace
}  // namespace quorvel
