#include "app/tray_menu.h"

#include <algorithm>
#include <cctype>

#include "profile/profile_names.h"

namespace quorvel {
namespace {

PopupMenuItem submenu(std::string text, PopupMenu items) {
    PopupMenuItem item;
    item.kind = PopupMenuItem::Kind::Submenu;
    item.text = std::move(text);
    item.items = std::move(items);
    return item;
}

PopupMenuItem greyedText(std::string text) {
    PopupMenuItem item;
    item.text = std::move(text);
    item.greyed = true;
    return item;
}

PopupMenuItem separator() {
    PopupMenuItem item;
    item.kind = PopupMenuItem::Kind::Separator;
    return item;
}

std::string lower(std::string_view text) {
    std::string result(text);
    for (char& c : result)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return result;
}

}  // namespace

TrayMenu::TrayMenu(const TrayMenuState& state, const LanguageTexts& texts) {
    items_.push_back(profilesMenu(state, texts));
    items_.push_back(command(std::string(texts.text(TextId::SaveAsProfile)),
                             {TrayAction::Kind::SaveProfile, "", ""}));
    items_.push_back(programsMenu(state, texts));
    items_.push_back(command(std::string(texts.text(TextId::SwitchAutomatically)),
                             {TrayAction::Kind::ToggleAutomatic, "", ""}, state.automatic));
    items_.push_back(command(std::string(texts.text(TextId::OpenProfilesFolder)),
                             {TrayAction::Kind::OpenFolder, "", ""}));
    items_.push_back(separator());
    PopupMenuItem exit;
    exit.command = kExitCommand;
    exit.text = std::string(texts.text(TextId::Exit));
    items_.push_back(std::move(exit));
}

PopupMenuItem TrayMenu::command(std::string text, TrayAction action, bool checked) {
    const auto next = kFirstTrayCommand + static_cast<int>(actions_.size());
    // Past the last command an item could not be told apart; it is shown but offers nothing.
    if (next > kLastTrayCommand)
        return greyedText(std::move(text));
    actions_.push_back(std::move(action));
    PopupMenuItem item;
    item.command = next;
    item.text = std::move(text);
    item.checked = checked;
    return item;
}

PopupMenuItem TrayMenu::profilesMenu(const TrayMenuState& state, const LanguageTexts& texts) {
    PopupMenu items;
    items.push_back(command(std::string(texts.text(TextId::BaseConfiguration)),
                            {TrayAction::Kind::ChooseProfile, "", ""}, state.held == ""));
    for (const ProfileEntry& entry : state.profiles) {
        if (!entry.profile) {
            // Never sent: a damaged file shows why, so the person can mend it.
            items.push_back(greyedText(entry.name + ": " + entry.error));
            continue;
        }
        items.push_back(command(entry.name, {TrayAction::Kind::ChooseProfile, entry.name, ""},
                                state.held == entry.name));
    }
    return submenu(std::string(texts.text(TextId::Profiles)), std::move(items));
}

PopupMenuItem TrayMenu::programsMenu(const TrayMenuState& state, const LanguageTexts& texts) {
    PopupMenu items;
    for (const std::string& program : programsForMenu(state.programs, state.ownProgram)) {
        const ProfileEntry* owner = profileOfProgram(state.profiles, program);
        PopupMenu choices;
        choices.push_back(command(std::string(texts.text(TextId::NoProfile)),
                                  {TrayAction::Kind::AssignProgram, "", program},
                                  owner == nullptr));
        for (const ProfileEntry& entry : state.profiles) {
            if (!entry.profile)
                continue;
            choices.push_back(command(entry.name,
                                      {TrayAction::Kind::AssignProgram, entry.name, program},
                                      owner == &entry));
        }
        items.push_back(submenu(program, std::move(choices)));
    }
    if (items.empty())
        items.push_back(greyedText(std::string(texts.text(TextId::NoProgramWindows))));
    return submenu(std::string(texts.text(TextId::UseForRunningProgram)), std::move(items));
}

std::optional<TrayAction> TrayMenu::actionFor(int command) const {
    if (command == kExitCommand)
        return TrayAction{TrayAction::Kind::Exit, "", ""};
    const auto index = static_cast<std::size_t>(command - kFirstTrayCommand);
    if (command < kFirstTrayCommand || index >= actions_.size())
        return std::nullopt;
    return actions_[index];
}

std::vector<std::string> programsForMenu(std::vector<std::string> found,
                                         std::string_view ownProgram) {
    std::erase_if(found, [&](const std::string& program) {
        return program.empty() || sameProgram(program, ownProgram) ||
               sameProgram(program, kShellProgram);
    });
    std::sort(found.begin(), found.end(), [](const std::string& a, const std::string& b) {
        const std::string la = lower(a);
        const std::string lb = lower(b);
        return la != lb ? la < lb : a < b;
    });
    found.erase(
        std::unique(found.begin(), found.end(),
                    [](const std::string& a, const std::string& b) { return sameProgram(a, b); }),
        found.end());
    return found;
}

}  // namespace quorvel
