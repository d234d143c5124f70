#include "dialogs/macro_dialog_choice.h"

#include "config/mouse_config.h"

namespace quorvel {

void MacroChoice::fill(std::vector<std::string> names) {
    if (names.size() > static_cast<std::size_t>(kMacroSlotCount))
        names.resize(kMacroSlotCount);
    listed_ = std::move(names);
}

bool MacroChoice::choose(int position) {
    if (position < 0 || static_cast<std::size_t>(position) >= listed_.size())
        return false;
    slot_ = position;
    name_ = listed_[static_cast<std::size_t>(position)];
    return true;
}

TickChange MacroChoice::setRepeatMode(int mode) {
    if (mode < kFirstRepeatMode || mode > kLastRepeatMode)
        return {repeatMode_, repeatMode_};
    const TickChange change{repeatMode_, mode};
    repeatMode_ = mode;
    return change;
}

MacroOkVerdict MacroChoice::verdictOnOk(std::size_t macrosInFile) const {
    if (chosen())
        return MacroOkVerdict::Accept;
    return macrosInFile == 0 ? MacroOkVerdict::NoMacros : MacroOkVerdict::ChooseFirst;
}

MacroDialogResult MacroChoice::result() const {
    return MacroDialogResult{slot_, static_cast<std::uint8_t>(repeatMode_), name_};
}

}  // namespace quorvel
