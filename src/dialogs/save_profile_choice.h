// What OK in the save-as-profile dialog does with the typed name: saves the base configuration
// under it, asks once before replacing a profile of that name, or says why it cannot.
#pragma once

#include <string>
#include <string_view>

#include "profile/profile_store.h"

namespace quorvel {

enum class SaveVerdict { Saved, Refused, AskToReplace };

struct SaveOutcome {
    SaveVerdict verdict = SaveVerdict::Refused;
    std::string message;  // why it was refused, in the rule's or the store's words
};

class SaveProfileChoice {
  public:
    SaveProfileChoice(ProfileStore& store, Profile base) : store_(store), base_(std::move(base)) {}

    // A second OK with the same name after AskToReplace replaces that profile; the programs
    // that choose it stay with it.
    SaveOutcome onOk(std::string_view typed);
    // The name the profile was saved under, after Saved.
    const std::string& savedName() const { return saved_; }

  private:
    ProfileStore& store_;
    Profile base_;
    std::string replaceConfirmed_;
    std::string saved_;
};

// Blanks around a typed name are a slip of the keyboard, not part of the name.
std::string_view trimmedName(std::string_view typed);

}  // namespace quorvel
