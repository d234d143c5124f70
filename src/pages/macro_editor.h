// The macro half of the advanced page: the list of macros, the key press sequence of the one
// being edited, the name and loop fields and the mouse-event drop-down. The model holds what the
// child controls show; the page mirrors it into them and reports the user's changes back.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "macro/macro_library.h"
#include "macro/macro_names.h"

namespace quorvel {

namespace macro_controls {
inline constexpr int kLoopField = 149;
inline constexpr int kNameField = 150;
inline constexpr int kMacroList = 151;
inline constexpr int kSequenceList = 152;
inline constexpr int kDropDownLabel = 119;
inline constexpr int kDropDownList = 154;
inline constexpr int kItemMenu = 178;
inline constexpr int kDeleteItemCommand = 32772;
}  // namespace macro_controls

// The entries of the "Insert A Mouse Event" list, in order.
inline constexpr std::array<std::string_view, 9> kMouseEventTable = {
    "L-Button Click", "R-Button Click", "M-Button Click", "L-Button   Dn", "L-Button   Up",
    "R-Button   Dn",  "R-Button   Up",  "M-Button   Dn",  "M-Button   Up",
};

// The longest delay the editor writes; a larger entry becomes "10 ms".
inline constexpr int kLongestEditedDelay = 10000;
inline constexpr int kRecordedDelay = 50;

// What the delay dialog hands back after an OK run.
struct DelayAnswer {
    int value = 0;
    std::string text;
};

class DelayDialogPort {
  public:
    virtual ~DelayDialogPort() = default;
    // Empty when the user did not leave it with OK.
    virtual std::optional<DelayAnswer> askDelay() = 0;
};

// Something the user must be told; the page words it in the window's language.
struct EditorNotice {
    enum class Kind {
        NameBlank,
        TooManyMacros,
        NameExists,
        MacroCut,       // saved, but only `eventsKept` of `eventsTotal` events reach the mouse
        FileNotWritten  // record.ini could not be read or replaced: nothing was saved
    };
    Kind kind;
    std::size_t eventsKept = 0;
    std::size_t eventsTotal = 0;
};

class MacroEditor {
  public:
    explicit MacroEditor(MacroLibrary& library) : library_(library) {}

    // The page was shown: the lists from record.ini, the first macro selected.
    void show();
    // The page was left: an open drop-down closes, unconfirmed items are dropped.
    void leave();

    void selectMacro(int index);
    std::optional<EditorNotice> addNewMacro();
    std::optional<EditorNotice> deleteSelectedMacro();
    std::optional<EditorNotice> confirm();

    // The user changed a field (and every change the editor makes itself runs the same rule).
    void setNameField(std::string text) { nameField_ = std::move(text); }
    void setLoopField(std::string text);

    void toggleDropDown() { dropDownOpen_ = !dropDownOpen_; }
    void closeDropDown() { dropDownOpen_ = false; }
    void insertMouseEvent(std::size_t entry);

    // A double click on the sequence: a selected delay is edited through the delay dialog.
    bool editSelectedDelay(DelayDialogPort& dialog);
    void deleteSelectedItem();
    void selectItem(std::optional<int> index);

    // Recording appends here.
    void clearItems();
    void appendItem(std::string item);

    const std::vector<std::string>& macros() const { return macros_; }
    std::optional<int> selectedMacro() const { return selectedMacro_; }
    const std::vector<std::string>& items() const { return items_; }
    std::optional<int> selectedItem() const { return selectedItem_; }
    const std::string& nameField() const { return nameField_; }
    const std::string& loopField() const { return loopField_; }
    bool dropDownOpen() const { return dropDownOpen_; }
    const std::string& dropDownLabel() const { return dropDownLabel_; }

  private:
    // The block the selected macro's loop count lives in: its slot in the file, or the slot
    // it will get when it is first saved; -1 when it has none.
    int loopSlot() const;
    void showLoopCountOf(int slot);
    void insertAt(std::size_t at, std::initializer_list<std::string> items);

    MacroLibrary& library_;
    std::vector<std::string> macros_;
    std::optional<int> selectedMacro_;
    std::vector<std::string> items_;
    std::optional<int> selectedItem_;
    std::string nameField_;
    std::string loopField_;
    bool dropDownOpen_ = false;
    std::string dropDownLabel_;
};

}  // namespace quorvel
