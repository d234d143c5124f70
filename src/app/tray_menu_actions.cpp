#include "app/tray_menu_actions.h"

#include <array>

#include "dialogs/save_profile_dialog.h"

namespace quorvel {

void TrayMenuActions::show(const LanguageTexts& texts) {
    TrayMenuState state;
    state.profiles = store_.list();
    state.held = switcher_.held();
    state.automatic = switcher_.automatic();
    state.programs = shell_.programsWithWindows();
    state.ownProgram = ownProgram_;
    menu_ = TrayMenu(state, texts);
    shell_.showTrayMenu(menu_.items());
}

bool TrayMenuActions::perform(int command, const DialogLook& look, const BaseProfile& base) {
    const std::optional<TrayAction> action = menu_.actionFor(command);
    if (!action || action->kind == TrayAction::Kind::Exit)
        return false;
    switch (action->kind) {
        case TrayAction::Kind::ChooseProfile:
            report(switcher_.choose(action->profile));
            break;
        case TrayAction::Kind::SaveProfile:
            saveProfile(look, base);
            break;
        case TrayAction::Kind::AssignProgram:
            assign(action->program, action->profile);
            break;
        case TrayAction::Kind::ToggleAutomatic:
            report(switcher_.setAutomatic(!switcher_.automatic()));
            break;
        case TrayAction::Kind::OpenFolder:
            if (!shell_.openFolder(store_.folder()))
                report(store_.folder() + ": the folder could not be opened");
            break;
        case TrayAction::Kind::Exit:
            break;
    }
    return true;
}

void TrayMenuActions::saveProfile(const DialogLook& look, const BaseProfile& base) {
    CSaveProfileDialog dialog(look, store_, base());
    switcher_.setDialogShown(true);
    const DialogEnd end = shell_.runModal(dialog);
    switcher_.setDialogShown(false);
    if (end == DialogEnd::Ok)
        switcher_.reload();
}

void TrayMenuActions::assign(const std::string& program, const std::string& profile) {
    const std::array<std::string, 1> programs = {program};
    std::string error;
    if (profile.empty()) {
        std::vector<std::string> unknown;
        error = store_.removePrograms(programs, unknown);
    } else {
        // Taken from any other profile by the save.
        error = store_.addPrograms(profile, programs);
    }
    // A failure part-way may still have changed a file.
    switcher_.reload();
    report(error);
}

void TrayMenuActions::report(const std::string& error) {
    if (!error.empty())
        shell_.show(error, kWarningCaption);
}

std::string_view fileNameOfPath(std::string_view path) {
    const auto slash = path.find_last_of("\\/");
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

}  // namespace quorvel
