// The tool over a system HID port that lists the mouse but will not open it, in process.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli.h"
#include "ports/std_files.h"
#include "support/device/fake_clock.h"
#include "support/device/scripted_hid_system.h"

namespace quorvel {
namespace {

struct Outcome {
    cli::ExitCode code;
    std::string out;
    std::string err;
};

Outcome runOver(std::vector<testing::ScriptedInterface> interfaces, std::vector<std::string> args) {
    testing::FakeClock clock;
    StdFilesPort files;
    cli::Platform platform{[&interfaces]() -> std::unique_ptr<HidSystem> {
                               auto system = std::make_unique<testing::ScriptedHidSystem>();
                               system->interfaces = interfaces;
                               return system;
                           },
                           clock,
                           files,
                           cli::kHidrawOpenFailureHint,
                           cli::kHidrawNotFoundHint,
                           [] { return false; }};
    std::ostringstream out;
    std::ostringstream err;
    const cli::ExitCode code = cli::run(args, platform, out, err);
    return {code, out.str(), err.str()};
}

TEST(UnreachableMouseTest, APresentMouseThatCannotBeOpenedNamesTheUdevRule) {
    auto notification = testing::mouseNotification();
    notification.readOpens = false;
    const std::string config = QUORVEL_SOURCE_DIR "/data/config.bin";
    const std::vector<std::vector<std::string>> commands = {
        {"status"}, {"apply", "--config", config}, {"watch", "--config", config}};
    for (const auto& args : commands) {
        const std::string& command = args.front();
        const auto outcome = runOver({notification, testing::mouseCommand()}, args);
        EXPECT_EQ(outcome.code, cli::ExitCode::Failure) << command;
        EXPECT_EQ(outcome.err,
                  "quorvelctl: the mouse is present, but its notification interface cannot be "
                  "opened; " +
                      std::string(cli::kHidrawOpenFailureHint) + "\n")
            << command;
    }
    auto command = testing::mouseCommand();
    command.readWriteOpens = false;
    const auto outcome = runOver({testing::mouseNotification(), command}, {"status"});
    EXPECT_EQ(outcome.code, cli::ExitCode::Failure);
    EXPECT_NE(outcome.err.find("its command interface cannot be opened; most likely its hidraw"),
              std::string::npos)
        << outcome.err;

    // Listing needs no access rights, so it still shows what is there.
    const auto list = runOver({notification, testing::mouseCommand()}, {"list"});
    EXPECT_EQ(list.code, cli::ExitCode::Ok) << list.err;
    EXPECT_NE(list.out.find("usage page ff00, usage ff00 (command interface)"), std::string::npos);
}

TEST(UnreachableMouseTest, TheRuleTheMessageNamesIsTheOneShipped) {
    EXPECT_NE(cli::kHidrawOpenFailureHint.find(cli::kUdevRuleName), std::string_view::npos);
    StdFilesPort files;
    const auto rule =
        files.read(QUORVEL_SOURCE_DIR "/packaging/" + std::string(cli::kUdevRuleName));
    ASSERT_TRUE(rule);
    const std::string text(rule->begin(), rule->end());
    EXPECT_NE(text.find("SUBSYSTEM==\"hidraw\", ATTRS{idVendor}==\"04d9\", "
                        "ATTRS{idProduct}==\"a09f\", TAG+=\"uaccess\"\n"),
              std::string::npos);
}

TEST(UnreachableMouseTest, AMouseThatDoesNotAnswerFailsTheHandshake) {
    const auto outcome =
        runOver({testing::mouseNotification(), testing::mouseCommand()}, {"status"});
    EXPECT_EQ(outcome.code, cli::ExitCode::Failure);
    EXPECT_EQ(outcome.err, "quorvelctl: the mouse did not answer the handshake\n");
}

}  // namespace
}  // namespace quorvel
