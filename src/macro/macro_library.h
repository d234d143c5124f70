// The macro library: named macros in record.ini, and their conversion into the macro table
// of the configuration record. A macro's slot is the position of its section in the file.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "config/mouse_config.h"
#include "keys/key_code_tables.h"
#include "macro/macro_block.h"
#include "ports/files.h"

namespace quorvel {

// Items read of one macro at most, whatever its "ItemCount" claims: a list box's capacity,
// far beyond the 63 events a block holds.
inline constexpr std::size_t kMaxMacroItems = 32767;

inline constexpr std::string_view kItemCountKey = "ItemCount";
std::string itemKey(std::size_t index);  // "Item0", "Item1", ...

struct SlotConversion {
    std::string name;
    BlockConversion block;
};

// What a rebuild did, for the editor to warn about macros that do not reach the mouse whole.
struct MacroTableReport {
    bool ran = false;                   // false when record.ini is missing or cannot be read
    std::vector<SlotConversion> slots;  // slot order
    std::size_t macrosLeftOut = 0;      // listed macros beyond the last slot
    bool everythingFits() const;
};

enum class MacroFileStatus {
    Ok,
    Unreadable,   // record.ini exists but cannot be read; it is left as it is
    WriteFailed,  // the file could not be replaced; it keeps its old content
    BadName,      // no usable section name
};

struct MacroSaveResult {
    MacroFileStatus status = MacroFileStatus::Ok;
    int slot = -1;  // the saved macro's slot now; -1 when it has none
    MacroTableReport table;
};

struct LoopCountResult {
    int count = kMinLoopCount;
    bool fieldReset = false;  // the field must show "1"
};

class MacroLibrary {
  public:
    // recordPath: ProgramPaths::recordFile.
    MacroLibrary(FilesPort& files, std::string recordPath, MouseConfig& config,
                 KeyCodeLookup keyCode = keyCodeFromName);

    const std::string& path() const { return path_; }
    bool exists() const;

    // Macro names in file order; their positions are the slots.
    std::vector<std::string> sectionNames() const;
    std::vector<std::string> readMacro(std::string_view name) const;

    // Replaces the macro's section by a new one at the end of the file, then rebuilds the
    // macro table. The loop counts move with the macros whose slots the save shifts.
    MacroSaveResult writeMacro(std::string_view name, std::span<const std::string> items);
    // Removes the section; the macro table keeps its bytes until the next save.
    MacroFileStatus deleteMacro(std::string_view name);
    MacroTableReport rebuildMacroTable();

    // slot is the editor's selected position, -1 for none (nothing is stored then).
    LoopCountResult setLoopCount(int slot, std::string_view fieldText);
    int loopCount(int slot) const;

  private:
    struct Document;
    Document load() const;
    MacroTableReport rebuildFrom(const Document& document);

    FilesPort& files_;
    std::string path_;
    MouseConfig& config_;
    KeyCodeLookup keyCode_;
};

}  // namespace quorvel
