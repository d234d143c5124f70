#include "keys/scan_code_names.h"

namespace quorvel {

std::string_view keyNameFromScanCode(std::uint8_t scanCode, bool extended) {
    for (const ScanCodeName& row : kScanCodeNames) {
        if (row.scanCode == scanCode && row.extended == extended)
            return row.name;
    }
    return {};
}

}  // namespace quorvel
