// Every save of config.bin, str.ini and record.ini, failed and interrupted at each step of
// the real files port: the file is found as it was before or as the save meant it, whole.
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "config/config_file.h"
#include "config/ini_file.h"
#include "config/settings_file.h"
#include "macro/macro_library.h"
#include "ports/std_files.h"
#include "support/recording_message_box.h"
#include "support/replace_step_hooks.h"

namespace quorvel {
namespace {

namespace fs = std::filesystem;

constexpr int kInterruptedExit = 77;
constexpr int kInjectedError = ENOSPC;

// Ends the process on the spot, as a crash or a power cut would: no cleanup runs.
class InterruptedStep : public ReplaceStepHook {
  public:
    explicit InterruptedStep(ReplaceStep step) : step_(step) {}
    std::optional<FileError> before(ReplaceStep step) override {
        if (step == step_)
            std::_Exit(kInterruptedExit);
        return std::nullopt;
    }

  private:
    ReplaceStep step_;
};

std::vector<std::uint8_t> bytesOf(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeBytes(const fs::path& path, std::string_view text) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

// What one save needs: the program's files as installed, and the call that saves.
struct SaveCase {
    const char* name;
    const char* file;  // the one file the save rewrites
    // Returns whether the save reported success; `messages` gets what the user would see.
    std::function<bool(FilesPort&, testing::RecordingMessageBox&, const ProgramPaths&)> save;
    std::vector<testing::ShownMessage> failureMessages;
};

MouseConfig appliedRecord() {
    MouseConfig config;
    applyDefaultAssignment(config);
    config.setReportRate(8);
    return config;
}

ButtonLabels renamedLabels() {
    ButtonLabels labels = defaultButtonLabels();
    labels.setLabel(Mode::B, 6, "Ctrl+C");
    return labels;
}

const std::vector<std::string> kCopyItems = {"Ctrl   Dn", "50 ms", "C   Dn",   "50 ms",
                                             "C   Up",    "50 ms", "Ctrl   Up"};

// Test names and failure output name the case, not its bytes.
void PrintTo(const SaveCase& c, std::ostream* out) {
    *out << c.name;
}

std::vector<SaveCase> saveCases() {
    return {
        {"ConfigFile",
         "config.bin",
         [](FilesPort& files, testing::RecordingMessageBox& messages, const ProgramPaths& paths) {
             return !saveConfigFile(files, messages, paths, appliedRecord()).empty();
         },
         {{"Error Code is: " + std::to_string(kInjectedError) + " \n",
           std::string(kWriteFailedCaption)}}},
        {"ButtonLabels",
         "str.ini",
         [](FilesPort& files, testing::RecordingMessageBox&, const ProgramPaths& paths) {
             IniFile settings(files, paths.settingsFile);
             return writeButtonLabels(settings, kEnglishSection, renamedLabels());
         },
         {}},
        {"SkinChoice",
         "str.ini",
         [](FilesPort& files, testing::RecordingMessageBox&, const ProgramPaths& paths) {
             IniFile settings(files, paths.settingsFile);
             return writeSkinChoice(settings, {Colour{255, 128, 0}, "Ember"});
         },
         {}},
        {"MacroWrite",
         "record.ini",
         [](FilesPort& files, testing::RecordingMessageBox&, const ProgramPaths& paths) {
             MouseConfig config;
             MacroLibrary library(files, paths.recordFile, config);
             return library.writeMacro("Copy", kCopyItems).status == MacroFileStatus::Ok;
         },
         {}},
        {"MacroDelete",
         "record.ini",
         [](FilesPort& files, testing::RecordingMessageBox&, const ProgramPaths& paths) {
             MouseConfig config;
             MacroLibrary library(files, paths.recordFile, config);
             return library.deleteMacro("Paste") == MacroFileStatus::Ok;
         },
         {}},
    };
}

class SaveInterruption : public ::testing::TestWithParam<SaveCase> {
  protected:
    void SetUp() override {
        std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        std::replace(name.begin(), name.end(), '/', '-');
        directory_ = fs::temp_directory_path() / ("quorvel-save-" + name);
        fs::remove_all(directory_);
        fs::create_directories(directory_);
        paths_ = ProgramPaths::fromExecutable((directory_ / "QuorvelMouse.exe").string());
        install();
        before_ = bytesOf(target());
        // What the save writes when nothing goes wrong, from a twin installation.
        StdFilesPort files;
        testing::RecordingMessageBox messages;
        ASSERT_TRUE(GetParam().save(files, messages, paths_));
        after_ = bytesOf(target());
        ASSERT_NE(after_, before_);
        install();
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(directory_, ignored);
    }

    void install() {
        const auto config = configFileBytes(MouseConfig{}, kFirstRunNotSaved);
        writeBytes(paths_.configFile,
                   std::string_view(reinterpret_cast<const char*>(config.data()), config.size()));
        writeBytes(paths_.settingsFile,
                   "[Skins]\r\nLan=EN\r\nPath=Default\r\n[Setting-EN]\r\nItem1=Left Click\r\n");
        writeBytes(paths_.recordFile,
                   "[Paste]\r\nItemCount=1\r\nItem0=V   Dn\r\n[Copy]\r\nItemCount=1\r\nItem0=C   "
                   "Dn\r\n");
    }
    fs::path target() const { return directory_ / GetParam().file; }
    fs::path temporary() const { return target().string() + ".tmp"; }

    std::vector<ReplaceStep> stepsOfASave() {
        testing::RecordingSteps recording;
        StdFilesPort files(&recording);
        testing::RecordingMessageBox messages;
        EXPECT_TRUE(GetParam().save(files, messages, paths_));
        install();
        return recording.steps;
    }

    fs::path directory_;
    ProgramPaths paths_;
    std::vector<std::uint8_t> before_;
    std::vector<std::uint8_t> after_;
};

TEST_P(SaveInterruption, EveryStepIsTakenOnceAndInOrder) {
    EXPECT_EQ(stepsOfASave(),
              (std::vector<ReplaceStep>{ReplaceStep::CheckWritable, ReplaceStep::CreateTemporary,
                                        ReplaceStep::Write, ReplaceStep::Flush, ReplaceStep::Close,
                                        ReplaceStep::Sync, ReplaceStep::Rename}));
}

TEST_P(SaveInterruption, AFailedStepKeepsTheOldFileAndSaysSo) {
    for (const ReplaceStep step : stepsOfASave()) {
        SCOPED_TRACE(std::string(replaceStepName(step)));
        testing::FailingStep failing(step, kInjectedError);
        StdFilesPort files(&failing);
        testing::RecordingMessageBox messages;
        EXPECT_FALSE(GetParam().save(files, messages, paths_));
        EXPECT_EQ(messages.shown, GetParam().failureMessages);
        EXPECT_EQ(bytesOf(target()), before_);
        EXPECT_FALSE(fs::exists(temporary()));
    }
}

#if GTEST_HAS_DEATH_TEST && !defined(_WIN32)
TEST_P(SaveInterruption, AnInterruptedSaveLeavesTheOldFileWholeAndTheNextSaveWorks) {
    for (const ReplaceStep step : stepsOfASave()) {
        SCOPED_TRACE(std::string(replaceStepName(step)));
        EXPECT_EXIT(
            {
                InterruptedStep interrupted(step);
                StdFilesPort files(&interrupted);
                testing::RecordingMessageBox messages;
                (void)GetParam().save(files, messages, paths_);
                std::_Exit(0);  // the step never came: the test fails
            },
            ::testing::ExitedWithCode(kInterruptedExit), "");
        EXPECT_EQ(bytesOf(target()), before_);

        // Whatever temporary the interrupted save left, the next one writes through it.
        StdFilesPort files;
        testing::RecordingMessageBox messages;
        EXPECT_TRUE(GetParam().save(files, messages, paths_));
        EXPECT_TRUE(messages.shown.empty());
        EXPECT_EQ(bytesOf(target()), after_);
        EXPECT_FALSE(fs::exists(temporary()));
        install();
    }
}
#endif

INSTANTIATE_TEST_SUITE_P(EverySavePath, SaveInterruption, ::testing::ValuesIn(saveCases()),
                         [](const auto& test) { return std::string(test.param.name); });

}  // namespace
}  // namespace quorvel
