#include "macro/macro_names.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "macro/macro_item.h"

namespace quorvel {
namespace {

std::vector<std::string> namesCalled(const std::string& stem, int count) {
    std::vector<std::string> names;
    for (int i = 0; i < count; ++i)
        names.push_back(stem + std::to_string(i));
    return names;
}

TEST(MacroItemText, EventsAndTheirKeyNames) {
    const auto press = parseEventItem("Ctrl   Dn");
    ASSERT_TRUE(press);
    EXPECT_EQ(press->keyName, "Ctrl");
    EXPECT_FALSE(press->release);
    const auto release = parseEventItem("L-Button   Up");
    ASSERT_TRUE(release);
    EXPECT_EQ(release->keyName, "L-Button");
    EXPECT_TRUE(release->release);
    // "Dn" wins over "Up", and the marker needs its three blanks.
    EXPECT_TRUE(parseEventItem("X   Up   Dn").has_value());
    EXPECT_EQ(parseEventItem("X   Up   Dn")->keyName, "X   Up");
    EXPECT_FALSE(parseEventItem("C  Dn"));
    EXPECT_FALSE(parseEventItem("50 ms"));
    EXPECT_FALSE(parseEventItem(""));
}

TEST(MacroItemText, LeadingNumberReadsLikeAtoi) {
    EXPECT_EQ(leadingNumber("50 ms"), 50);
    EXPECT_EQ(leadingNumber("  7x"), 7);
    EXPECT_EQ(leadingNumber("-3"), -3);
    EXPECT_EQ(leadingNumber("x7"), 0);
    EXPECT_EQ(leadingNumber(""), 0);
    EXPECT_EQ(leadingNumber("99999999999999999999999"), 2147483647);
}

TEST(MacroItemText, MadeItemsReadBack) {
    EXPECT_EQ(pressItem("L-Button"), "L-Button   Dn");
    EXPECT_EQ(releaseItem("C"), "C   Up");
    EXPECT_EQ(delayItem(50), "50 ms");
    EXPECT_TRUE(isDelayItem("50 ms"));
    EXPECT_FALSE(isDelayItem("C   Up"));
    const std::string delay = delayItem(1350);
    EXPECT_EQ(delayFromItem(&delay), 1350);
    EXPECT_EQ(delayFromItem(nullptr), 0);
}

TEST(MacroNameScan, ListsSectionsInFileOrderAndCutsLongNames) {
    const std::string longName(40, 'x');
    const std::vector<std::string> sections = {"Copy", longName, "Paste"};
    const auto names = scanMacroNames(sections);
    ASSERT_EQ(names.size(), 3u);
    EXPECT_EQ(names[0], "Copy");
    EXPECT_EQ(names[1], std::string(31, 'x'));
    EXPECT_EQ(names[2], "Paste");
}

TEST(MacroNameScan, StopsAtCharacter255OfTheNameList) {
    // Eight names of 31 characters end at positions 31, 63, ..., 255: the eighth terminator
    // lies at position 255, beyond the scan.
    std::vector<std::string> sections;
    for (char c = 'a'; c < 'a' + 8; ++c)
        sections.emplace_back(31, c);
    EXPECT_EQ(scanMacroNames(sections).size(), 7u);

    // A last name that ends exactly at position 254 is still listed.
    std::vector<std::string> exact(7, std::string(31, 'n'));  // terminators up to 223
    exact.emplace_back(30, 'z');                              // characters 224..253, zero 254
    EXPECT_EQ(scanMacroNames(exact).size(), 8u);
    exact.back().push_back('z');
    EXPECT_EQ(scanMacroNames(exact).size(), 7u);

    // Long names take the list space of their full length, not of the cut name.
    const std::vector<std::string> huge = {std::string(300, 'h'), "B"};
    EXPECT_TRUE(scanMacroNames(huge).empty());
}

TEST(MacroNameScan, CountsUtf16UnitsNotBytes) {
    // 40 three-byte characters: cut after 31 of them, on a character boundary.
    std::string wide;
    for (int i = 0; i < 40; ++i)
        wide += "\xE5\xAE\x8F";
    const auto names = scanMacroNames(std::vector<std::string>{wide});
    ASSERT_EQ(names.size(), 1u);
    EXPECT_EQ(names[0].size(), 31u * 3);
    // A character beyond the basic plane takes two units, as in the system's buffers.
    std::string astral(30, 'a');
    astral += "\xF0\x9F\x98\x80";
    EXPECT_EQ(scanMacroNames(std::vector<std::string>{astral})[0], std::string(30, 'a'));
}

TEST(MacroNameScan, EmptySectionNameEndsTheList) {
    const std::vector<std::string> sections = {"One", "", "Two"};
    EXPECT_EQ(scanMacroNames(sections), std::vector<std::string>{"One"});
}

TEST(MacroNameRules, AppliedInOrder) {
    const std::vector<std::string> none;
    EXPECT_EQ(checkNewMacroName("", none).refusal, NameRefusal::Blank);
    EXPECT_EQ(checkNewMacroName("  \t", none).refusal, NameRefusal::Blank);
    // Blank is checked before the count.
    EXPECT_EQ(checkNewMacroName("", namesCalled("m", 12)).refusal, NameRefusal::Blank);
    // The count before duplicates.
    EXPECT_EQ(checkNewMacroName("m3", namesCalled("m", 12)).refusal, NameRefusal::TooMany);
    EXPECT_EQ(checkNewMacroName("COPY", std::vector<std::string>{"Copy"}).refusal,
              NameRefusal::Exists);
}

TEST(MacroNameRules, TwelfthAcceptedThirteenthRefused) {
    const auto eleven = namesCalled("m", 11);
    const NameCheck twelfth = checkNewMacroName("Last", eleven);
    EXPECT_EQ(twelfth.refusal, NameRefusal::None);
    EXPECT_EQ(twelfth.name, "Last");
    EXPECT_EQ(checkNewMacroName("Other", namesCalled("m", 12)).refusal, NameRefusal::TooMany);
}

TEST(MacroNameRules, NamesAreStoredAsTheyWillBeListed) {
    const std::vector<std::string> none;
    EXPECT_EQ(checkNewMacroName(" Copy \r\n", none).name, "Copy");
    EXPECT_EQ(checkNewMacroName(std::string(40, 'q'), none).name, std::string(31, 'q'));
    // A long name that cuts to a listed one is a duplicate.
    EXPECT_EQ(
        checkNewMacroName(std::string(35, 'q'), std::vector<std::string>{std::string(31, 'Q')})
            .refusal,
        NameRefusal::Exists);
}

TEST(MacroNameRules, MessagesAndCaptions) {
    const RefusalMessage blank = refusalMessage(NameRefusal::Blank);
    EXPECT_EQ(blank.text, "Macro name is blank");
    EXPECT_EQ(blank.caption, kAppTitle);
    EXPECT_TRUE(blank.localized);
    const RefusalMessage many = refusalMessage(NameRefusal::TooMany);
    EXPECT_EQ(many.text, "Macro numbers up to 12.");
    EXPECT_EQ(many.caption, "Warning");
    EXPECT_FALSE(many.localized);
    EXPECT_EQ(refusalMessage(NameRefusal::Exists).text, "Macro name already exists");
    EXPECT_TRUE(refusalMessage(NameRefusal::None).text.empty());
}

}  // namespace
}  // namespace quorvel
