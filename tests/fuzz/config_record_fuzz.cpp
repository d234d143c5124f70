// config.bin as any bytes: the load, then every read the windows and the apply make of the
// record, and the apply itself against the simulated mouse, which must end up holding it.
#include <algorithm>

#include "app/notices.h"
#include "config/config_file.h"
#include "config/dpi_tables.h"
#include "device/apply_sequence.h"
#include "fuzz/fuzz_check.h"
#include "keys/binding_rules.h"
#include "keys/button_functions.h"
#include "keys/key_code_tables.h"
#include "macro/macro_block.h"
#include "sim/simulated_mouse.h"
#include "support/device/fake_clock.h"
#include "support/fake_files.h"
#include "support/recording_message_box.h"
#include "ui/language_texts.h"

namespace {

using namespace quorvel;

constexpr std::uint8_t kUntouched = 0xA5;
constexpr int kSensorTypes = 4;

// Reads past each range too: a damaged record must not steer an index out of its table.
void readButtons(const MouseConfig& config) {
    for (const Mode mode : {Mode::A, Mode::B}) {
        for (int button = -1; button <= kButtonCount; ++button) {
            for (int field = 0; field <= kButtonFieldCount; ++field)
                (void)config.buttonField(mode, static_cast<ButtonField>(field), button);
            const std::uint8_t code = config.functionCode(mode, button);
            if (const auto function = buttonFunction(code)) {
                for (const ButtonField field : function->parameters())
                    (void)config.buttonField(mode, field, button);
            }
            (void)keyEntryFor(config, mode, button);
            (void)keyBoxMayOpen(config, mode, button);
            (void)shiftMayBeAssigned(config, mode, button);
            (void)dpiSwitchName(config.dpiSwitchParameter(mode, button));
            // The dialogs open at the stored list positions.
            (void)fireKeyCodeFromPosition(
                config.buttonField(mode, ButtonField::FirePosition, button));
            (void)mediaUsageFromPosition(
                config.buttonField(mode, ButtonField::MediaPosition, button));
            (void)windowsUsageFromPosition(
                config.buttonField(mode, ButtonField::WindowsPosition, button));
        }
        (void)shiftButton(config, mode);
        (void)matrixBytes(keyMatrixFor(config, mode));
    }
}

void readStagesAndLighting(const MouseConfig& config) {
    for (int sensor = -1; sensor <= kSensorTypes; ++sensor) {
        (void)dpiValueList(sensor);
        (void)dpiCodeTable(sensor);
        for (int stage = 0; stage <= kStageCount + 1; ++stage) {
            (void)dpiTextOfStage(config, stage, sensor);
            (void)dpiCodeOfStage(config, stage, sensor);
            (void)config.stageEnabled(stage);
            (void)config.stageColour(stage);
            (void)config.dpiValueIndex(stage);
        }
        (void)dpiBlock(config, sensor);
    }
    LightingValues values;
    applyLightingRules(config, values);
    (void)config.reportRate();
    (void)config.shownMode();
    for (std::size_t field = 0; field <= kPointerSettingsSize; ++field)
        (void)config.pointerSetting(field);
    for (int slot = -1; slot <= kMacroSlotCount; ++slot)
        (void)loopCountOf(config.macroBlock(slot));
}

void readNotices(const MouseConfig& config) {
    for (const Language language :
         {Language::English, Language::SimplifiedChinese, Language::TraditionalChinese}) {
        const LanguageTexts texts(language);
        for (long kind = -1; kind <= 16; ++kind) {
            for (long value = -1; value <= 9; ++value)
                (void)balloonForNotice(kind, value, texts, config, static_cast<int>(value) & 3);
        }
    }
}

// The whole apply; the mouse must then hold exactly what the record says.
void applyToSimulator(const MouseConfig& config, std::uint8_t sensorType) {
    sim::SimOptions options;
    options.sensorType = sensorType;
    sim::SimulatedMouse mouse(options);
    quorvel::testing::RecordingMessageBox messages;
    quorvel::testing::FakeClock clock;
    DeviceLink link(mouse, messages, clock);
    FUZZ_REQUIRE(link.discoverDevice() && link.handshake());
    ApplyState state;
    applyToDevice(link, config, sensorType, state);

    const sim::FirmwareState held = mouse.firmwareState();
    FUZZ_REQUIRE(held.rejectedReports == 0);
    FUZZ_REQUIRE(held.reportRate == config.reportRate());
    for (int slot = 0; slot < kMacroSlotCount; ++slot) {
        const auto block = config.macroBlock(slot);
        FUZZ_REQUIRE(std::equal(block.begin(), block.end(),
                                held.macros[static_cast<std::size_t>(slot)].begin()));
    }
    FUZZ_REQUIRE(held.matrices[kModeAMatrix - 1] == matrixBytes(keyMatrixFor(config, Mode::A)));
    FUZZ_REQUIRE(held.matrices[kModeBMatrix - 1] == matrixBytes(keyMatrixFor(config, Mode::B)));
    const auto block = dpiBlock(config, sensorType);
    FUZZ_REQUIRE(std::equal(block.begin(), block.end(), held.dpiBlock.begin()));
    const auto colours = config.stageColourBytes();
    FUZZ_REQUIRE(std::equal(colours.begin(), colours.end(), held.stageColours.begin()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    // The first byte: odd takes the rest at the file's size, so most inputs load.
    std::vector<std::uint8_t> file(data + 1, data + size);
    if ((data[0] & 1) != 0)
        file.resize(config_file::kSize);
    const auto sensorType = static_cast<std::uint8_t>((data[0] >> 1) % kSensorTypes);

    quorvel::testing::FakeFiles files;
    quorvel::testing::RecordingMessageBox messages;
    const ProgramPaths paths = ProgramPaths::fromExecutable("C:\\Quorvel\\QuorvelMouse.exe");
    files.files[paths.configFile] = file;

    MouseConfig config;
    std::fill(config.bytes().begin(), config.bytes().end(), kUntouched);
    const ConfigFileState state = loadConfigFile(files, messages, paths, config);
    FUZZ_REQUIRE(messages.shown.empty());
    if (file.size() != config_file::kSize) {
        FUZZ_REQUIRE(std::all_of(config.bytes().begin(), config.bytes().end(),
                                 [](std::uint8_t b) { return b == kUntouched; }));
        FUZZ_REQUIRE(state.diagnostic.empty() && state.firstRunFlag == kFirstRunNotSaved);
        return 0;
    }
    FUZZ_REQUIRE(state.firstRunFlag == file[config_file::kFirstRunFlag]);
    FUZZ_REQUIRE(std::equal(config.bytes().begin(), config.bytes().end(),
                            file.begin() + config_file::kRecord));

    readButtons(config);
    readStagesAndLighting(config);
    readNotices(config);
    applyToSimulator(config, sensorType);

    // Saving and loading again gives the same record, now marked as saved.
    FUZZ_REQUIRE(saveConfigFile(files, messages, paths, config).size() > 0);
    MouseConfig reloaded;
    const ConfigFileState again = loadConfigFile(files, messages, paths, reloaded);
    FUZZ_REQUIRE(again.firstRunFlag == kFirstRunSaved && reloaded == config);
    return 0;
}
