// The tray menu's rules: what is listed, ticked and greyed, and what each command asks for.
#include "app/tray_menu.h"

#include <gtest/gtest.h>

#include "config/install_data.h"

namespace quorvel {
namespace {

ProfileEntry healthy(std::string name, std::vector<std::string> programs = {}) {
    return {name, name + ".json",
            Profile{defaultInstallRecord(), std::nullopt, std::move(programs)}, ""};
}

ProfileEntry damaged(std::string name, std::string error) {
    return {name, name + ".json", std::nullopt, std::move(error)};
}

TrayMenuState twoProfilesAndADamagedOne() {
    TrayMenuState state;
    state.profiles = {healthy("Desk", {"word.exe"}), damaged("Broken", "dpi: out of range"),
                      healthy("Shooter", {"game.exe"})};
    state.held = "Shooter";
    state.programs = {"game.exe", "notes.exe"};
    state.ownProgram = "QuorvelMouse.exe";
    return state;
}

const PopupMenuItem& child(const PopupMenuItem& menu, std::string_view text) {
    for (const auto& item : menu.items) {
        if (item.text == text)
            return item;
    }
    ADD_FAILURE() << "no item " << text << " in " << menu.text;
    static const PopupMenuItem none;
    return none;
}

std::vector<std::string> textsOf(const PopupMenu& items) {
    std::vector<std::string> texts;
    for (const auto& item : items)
        texts.push_back(item.kind == PopupMenuItem::Kind::Separator ? "-" : item.text);
    return texts;
}

TEST(TrayMenu, ExitStaysLastWithTheCommandTheUninstallerSends) {
    const TrayMenu menu(twoProfilesAndADamagedOne(), LanguageTexts(Language::English));
    EXPECT_EQ(textsOf(menu.items()),
              (std::vector<std::string>{"Profiles", "Save current settings as profile...",
                                        "Use for a running program", "Switch automatically",
                                        "Open profiles folder", "-", "Exit"}));
    EXPECT_EQ(menu.items().back().command, 1028);
    EXPECT_EQ(menu.actionFor(1028)->kind, TrayAction::Kind::Exit);
}

TEST(TrayMenu, ProfilesListTheBaseFirstAndTickTheOneHeld) {
    TrayMenuState state = twoProfilesAndADamagedOne();
    const TrayMenu menu(state, LanguageTexts(Language::English));
    const PopupMenuItem& profiles = menu.items()[0];
    ASSERT_EQ(profiles.kind, PopupMenuItem::Kind::Submenu);
    EXPECT_EQ(textsOf(profiles.items),
              (std::vector<std::string>{"Base configuration", "Desk", "Broken: dpi: out of range",
                                        "Shooter"}));
    for (const auto& item : profiles.items)
        EXPECT_EQ(item.checked, item.text == "Shooter") << item.text;

    const auto ticks = [](const std::optional<std::string>& held) {
        TrayMenuState s = twoProfilesAndADamagedOne();
        s.held = held;
        std::vector<bool> checked;
        const TrayMenu built(s, LanguageTexts());
        for (const auto& item : built.items()[0].items)
            checked.push_back(item.checked);
        return checked;
    };
    EXPECT_EQ(ticks(""), (std::vector<bool>{true, false, false, false}));
    // Nothing sent yet this run: the mouse may hold anything.
    EXPECT_EQ(ticks(std::nullopt), (std::vector<bool>{false, false, false, false}));
}

TEST(TrayMenu, ADamagedProfileIsGreyedAndCannotBeChosenAnywhere) {
    const TrayMenu menu(twoProfilesAndADamagedOne(), LanguageTexts());
    const PopupMenuItem& broken = menu.items()[0].items[2];
    EXPECT_TRUE(broken.greyed);
    EXPECT_FALSE(menu.actionFor(broken.command).has_value());
    const PopupMenuItem& game = child(menu.items()[2], "game.exe");
    EXPECT_EQ(textsOf(game.items), (std::vector<std::string>{"None", "Desk", "Shooter"}));
}

TEST(TrayMenu, EachCommandAsksForWhatItsItemSays) {
    const TrayMenu menu(twoProfilesAndADamagedOne(), LanguageTexts());
    const auto actionOf = [&](const PopupMenuItem& item) {
        EXPECT_FALSE(item.greyed) << item.text;
        return menu.actionFor(item.command).value_or(TrayAction{TrayAction::Kind::Exit, "?", "?"});
    };
    const auto& profiles = menu.items()[0].items;
    EXPECT_EQ(actionOf(profiles[0]).kind, TrayAction::Kind::ChooseProfile);
    EXPECT_EQ(actionOf(profiles[0]).profile, "");
    EXPECT_EQ(actionOf(profiles[3]).profile, "Shooter");
    EXPECT_EQ(actionOf(menu.items()[1]).kind, TrayAction::Kind::SaveProfile);
    EXPECT_EQ(actionOf(menu.items()[3]).kind, TrayAction::Kind::ToggleAutomatic);
    EXPECT_EQ(actionOf(menu.items()[4]).kind, TrayAction::Kind::OpenFolder);

    const PopupMenuItem& notes = child(menu.items()[2], "notes.exe");
    const TrayAction toDesk = actionOf(child(notes, "Desk"));
    EXPECT_EQ(toDesk.kind, TrayAction::Kind::AssignProgram);
    EXPECT_EQ(toDesk.program, "notes.exe");
    EXPECT_EQ(toDesk.profile, "Desk");
    EXPECT_EQ(actionOf(child(notes, "None")).profile, "");

    // Every command is its own.
    std::vector<int> commands;
    const auto collect = [&](const auto& self, const PopupMenu& items) -> void {
        for (const auto& item : items) {
            if (item.kind == PopupMenuItem::Kind::Submenu)
                self(self, item.items);
            else if (item.kind == PopupMenuItem::Kind::Command && !item.greyed)
                commands.push_back(item.command);
        }
    };
    collect(collect, menu.items());
    std::sort(commands.begin(), commands.end());
    EXPECT_EQ(std::adjacent_find(commands.begin(), commands.end()), commands.end());
    EXPECT_FALSE(menu.actionFor(kFirstTrayCommand + static_cast<int>(commands.size())));
    EXPECT_FALSE(menu.actionFor(0));
    EXPECT_FALSE(TrayMenu().actionFor(kFirstTrayCommand));
}

TEST(TrayMenu, AProgramTicksTheProfileWhoseRulesNameItWhateverTheCase) {
    TrayMenuState state = twoProfilesAndADamagedOne();
    state.programs = {"GAME.EXE", "notes.exe"};
    const TrayMenu menu(state, LanguageTexts());
    const PopupMenuItem& game = child(menu.items()[2], "GAME.EXE");
    for (const auto& item : game.items)
        EXPECT_EQ(item.checked, item.text == "Shooter") << item.text;
    const PopupMenuItem& notes = child(menu.items()[2], "notes.exe");
    for (const auto& item : notes.items)
        EXPECT_EQ(item.checked, item.text == "None") << item.text;
}

TEST(TrayMenu, ProgramsAreListedOnceInNameOrderWithoutThisProgramAndTheShell) {
    EXPECT_EQ(programsForMenu({"zed.exe", "Explorer.EXE", "b.exe", "quorvelmouse.exe", "B.exe", "",
                               "a.exe", "zed.exe"},
                              "QuorvelMouse.exe"),
              (std::vector<std::string>{"a.exe", "B.exe", "zed.exe"}));

    TrayMenuState state;
    state.programs = {"explorer.exe"};
    const TrayMenu menu(state, LanguageTexts());
    const PopupMenuItem& programs = menu.items()[2];
    ASSERT_EQ(programs.items.size(), 1u);
    EXPECT_EQ(programs.items[0].text, "No program has a window open");
    EXPECT_TRUE(programs.items[0].greyed);
}

TEST(TrayMenu, SwitchAutomaticallyShowsItsSetting) {
    TrayMenuState state;
    state.automatic = false;
    EXPECT_FALSE(TrayMenu(state, LanguageTexts()).items()[3].checked);
    state.automatic = true;
    EXPECT_TRUE(TrayMenu(state, LanguageTexts()).items()[3].checked);
}

TEST(TrayMenu, SpeaksTheWindowsLanguage) {
    const TrayMenu menu(TrayMenuState{}, LanguageTexts(Language::TraditionalChinese));
    EXPECT_EQ(textsOf(menu.items()),
              (std::vector<std::string>{"設定檔", "將目前設定儲存為設定檔...", "用於正在執行的程式",
                                        "自動切換", "開啟設定檔資料夾", "-", "退出"}));
    EXPECT_EQ(menu.items()[0].items[0].text, "基礎配置");
}

}  // namespace
}  // namespace quorvel
