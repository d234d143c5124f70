#include "profile/profile_names.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace quorvel {
namespace {

constexpr std::string_view kForbiddenCharacters = "\\/:*?\"<>|";
constexpr std::array<std::string_view, 4> kReservedNames = {"CON", "PRN", "AUX", "NUL"};
constexpr std::array<std::string_view, 2> kNumberedReservedNames = {"COM", "LPT"};
constexpr std::size_t kProgramNameMaxBytes = 255;

char upper(char c) {
    return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}

bool equalIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return upper(x) == upper(y); });
}

// UTF-8 lead bytes; a continuation byte is not a character of its own.
std::size_t characterCount(std::string_view text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

// "CON", "com3" or "LPT1.txt": the part before the first dot is a device.
bool reservedDeviceName(std::string_view name) {
    const std::string_view stem = name.substr(0, name.find('.'));
    for (std::string_view reserved : kReservedNames) {
        if (equalIgnoringCase(stem, reserved))
            return true;
    }
    for (std::string_view prefix : kNumberedReservedNames) {
        if (stem.size() == prefix.size() + 1 &&
            equalIgnoringCase(stem.substr(0, prefix.size()), prefix) && stem.back() >= '1' &&
            stem.back() <= '9') {
            return true;
        }
    }
    return false;
}

std::string quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

}  // namespace

std::string profileNameProblem(std::string_view name) {
    if (name.empty())
        return "a profile name needs at least 1 character";
    const std::size_t characters = characterCount(name);
    if (characters > kProfileNameMaxCharacters) {
        return "a profile name has at most " + std::to_string(kProfileNameMaxCharacters) +
               " characters; " + quoted(name) + " has " + std::to_string(characters);
    }
    if (const auto at = name.find_first_of(kForbiddenCharacters); at != std::string_view::npos) {
        return "a profile name may not contain any of \\ / : * ? \" < > |; " + quoted(name) +
               " contains " + std::string(1, name[at]);
    }
    if (std::any_of(name.begin(), name.end(),
                    [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; })) {
        return "a profile name may not contain control characters such as a tab or a line break";
    }
    if (name == "." || name == "..")
        return "a profile name may not be \".\" or \"..\"";
    if (reservedDeviceName(name)) {
        return quoted(name) +
               " is a device name the system keeps (CON, PRN, AUX, NUL, COM1 to COM9, LPT1 to "
               "LPT9, also with an extension); choose another name";
    }
    return {};
}

std::string programNameProblem(std::string_view program) {
    if (program.empty())
        return "a program is named by its file name, which cannot be empty";
    if (program.find_first_of("\\/:") != std::string_view::npos) {
        return quoted(program) +
               " is a path; a program is named by its file name alone, such as \"game.exe\"";
    }
    if (program.size() > kProgramNameMaxBytes)
        return quoted(program.substr(0, 40)) + "... is longer than a file name can be";
    if (std::any_of(program.begin(), program.end(),
                    [](char c) { return static_cast<unsigned char>(c) < 0x20; })) {
        return "a program's file name may not contain control characters";
    }
    return {};
}

bool sameProgram(std::string_view a, std::string_view b) {
    return equalIgnoringCase(a, b);
}

}  // namespace quorvel
