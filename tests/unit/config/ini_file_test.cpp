#include "config/ini_file.h"

#include <gtest/gtest.h>

#include "config/text_encoding.h"
#include "support/fake_files.h"

namespace quorvel {
namespace {

using testing::FakeFiles;

constexpr const char* kPath = "C:\\app\\str.ini";

class IniFileTest : public ::testing::Test {
  protected:
    FakeFiles files;
    IniFile ini{files, kPath};
};

TEST_F(IniFileTest, ReadsWithTheSystemsMatchingRules) {
    files.put(kPath,
              "orphan=outside\r\n"
              "[Skins]\r\n"
              "  Lan =  CHS  \r\n"
              "Path=Default\r\n"
              "Quoted=\"  spaced  \"\r\n"
              "Single='x'\r\n"
              "Lone=\"\r\n"
              "NoValue\r\n"
              "[ Setting-EN ]\n"
              "Item1=Left Click\n"
              "item1=second copy\n");
    EXPECT_EQ(ini.readString("skins", "LAN"), "CHS");
    EXPECT_EQ(ini.readString(" Skins ", " Path "), "Default");
    EXPECT_EQ(ini.readString("Skins", "Quoted"), "  spaced  ");
    EXPECT_EQ(ini.readString("Skins", "Single"), "x");
    EXPECT_EQ(ini.readString("Skins", "Lone"), "\"");
    EXPECT_EQ(ini.readString("Skins", "NoValue"), "");
    EXPECT_EQ(ini.readString("Skins", "Missing"), "");
    EXPECT_EQ(ini.readString("Nowhere", "Lan"), "");
    EXPECT_EQ(ini.readString("setting-en", "ITEM1"), "Left Click");  // the first one wins
    // Keys before the first section belong to no section.
    EXPECT_EQ(ini.readString("", "orphan"), "");
    EXPECT_EQ(ini.sectionNames(), (std::vector<std::string>{"Skins", "Setting-EN"}));
    EXPECT_EQ(ini.keyNames("SKINS"),
              (std::vector<std::string>{"Lan", "Path", "Quoted", "Single", "Lone", "NoValue"}));
    EXPECT_EQ(files.replaces, 0);
}

TEST_F(IniFileTest, MissingFileReadsEmptyAndIsNotCreated) {
    EXPECT_EQ(ini.readString("Skins", "Lan"), "");
    EXPECT_TRUE(ini.sectionNames().empty());
    EXPECT_TRUE(ini.deleteSection("Skins"));
    EXPECT_TRUE(ini.deleteKey("Skins", "Lan"));
    EXPECT_TRUE(files.files.empty());
    EXPECT_EQ(files.replaces, 0);
}

TEST_F(IniFileTest, WritesReplaceInPlaceAppendAndKeepOrder) {
    files.put(kPath, "; installed\r\n[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n");
    EXPECT_TRUE(ini.writeString("a", "X", "10"));   // existing key, other case
    EXPECT_TRUE(ini.writeString("A", "z", "3"));    // new key after the last one
    EXPECT_TRUE(ini.writeString("C", "w", "  4"));  // new section at the end
    EXPECT_EQ(files.text(kPath),
              "; installed\r\n[A]\r\nx=10\r\nz=3\r\n\r\n[B]\r\ny=2\r\n[C]\r\nw=4\r\n");
    EXPECT_EQ(ini.sectionNames(), (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_EQ(ini.readString("c", "W"), "4");
}

TEST_F(IniFileTest, DeletingASectionTakesItsKeysAndOnlyThat) {
    files.put(kPath, "[One]\r\na=1\r\n[Two]\r\nb=2\r\nc=3\r\n[Three]\r\nd=4\r\n");
    EXPECT_TRUE(ini.deleteSection("two"));
    EXPECT_EQ(files.text(kPath), "[One]\r\na=1\r\n[Three]\r\nd=4\r\n");
    EXPECT_EQ(ini.readString("Two", "b"), "");
    EXPECT_TRUE(ini.deleteKey("one", "A"));
    EXPECT_EQ(files.text(kPath), "[One]\r\n[Three]\r\nd=4\r\n");
    EXPECT_EQ(ini.sectionNames(), (std::vector<std::string>{"One", "Three"}));
    // A section written again after deletion goes to the end.
    EXPECT_TRUE(ini.writeString("Two", "b", "5"));
    EXPECT_EQ(ini.sectionNames(), (std::vector<std::string>{"One", "Three", "Two"}));
}

TEST_F(IniFileTest, UnchangedValueDoesNotTouchTheFile) {
    files.put(kPath, "[A]\r\nx=1\r\n");
    EXPECT_TRUE(ini.writeString("A", "x", "1"));
    EXPECT_TRUE(ini.deleteSection("Other"));
    EXPECT_EQ(files.replaces, 0);
}

TEST_F(IniFileTest, LineBreakInAValueCannotInjectKeys) {
    EXPECT_TRUE(ini.writeString("Skins", "Path", "Dark\r\n[Evil]\r\nLan=CHS"));
    EXPECT_EQ(ini.readString("Skins", "Path"), "Dark");
    EXPECT_EQ(ini.sectionNames(), (std::vector<std::string>{"Skins"}));
}

TEST_F(IniFileTest, BlankNamesAreRefused) {
    EXPECT_FALSE(ini.writeString("", "k", "v"));
    EXPECT_FALSE(ini.writeString("S", "  ", "v"));
    EXPECT_TRUE(files.files.empty());
}

TEST_F(IniFileTest, FailedReplaceReportsAndKeepsTheOldFile) {
    files.put(kPath, "[A]\r\nx=1\r\n");
    files.failReplaceWith = 5;
    EXPECT_FALSE(ini.writeString("A", "x", "2"));
    EXPECT_EQ(ini.readString("A", "x"), "1");
}

TEST_F(IniFileTest, UnreadableFileIsNeverOverwritten) {
    files.put(kPath, "[A]\r\nx=1\r\n");
    files.unreadable.insert(kPath);
    EXPECT_FALSE(ini.writeString("A", "y", "2"));
    EXPECT_EQ(files.replaces, 0);
}

TEST_F(IniFileTest, LongValuesAreCutAt1023Characters) {
    const std::string exact(1023, 'a');
    EXPECT_TRUE(ini.writeString("S", "exact", exact));
    EXPECT_TRUE(ini.writeString("S", "long", std::string(1500, 'b')));
    EXPECT_EQ(ini.readString("S", "exact"), exact);
    EXPECT_EQ(ini.readString("S", "long"), std::string(1023, 'b'));
    // Counted in UTF-16 units like the system's buffer: 1023 Chinese characters stay whole.
    std::string chinese;
    for (int i = 0; i < 1100; ++i) {
        chinese += "键";
    }
    EXPECT_TRUE(ini.writeString("S", "zh", chinese));
    EXPECT_EQ(utf16Length(ini.readString("S", "zh")), 1023u);
    // The file itself keeps the whole value.
    const auto doc = IniDocument::parse(files.files.at(kPath));
    EXPECT_EQ(doc.value("S", "long")->size(), 1500u);
}

TEST(IniDocumentTest, UntouchedFileSerializesToTheSameBytes) {
    const std::string text =
        "; comment\r\n\r\n  [ Spaced ]  \r\n key = value ; tail\r\nbare\r\n\r\n[B]\r\n=x\r\n";
    const std::vector<std::uint8_t> bytes(text.begin(), text.end());
    EXPECT_EQ(IniDocument::parse(bytes).serialize(), bytes);
    std::vector<std::uint8_t> utf16 = {0xFF, 0xFE};
    const auto body = utf16LeFromUtf8(text + "zh=中文\r\n");
    utf16.insert(utf16.end(), body.begin(), body.end());
    EXPECT_EQ(IniDocument::parse(utf16).serialize(), utf16);
}

TEST_F(IniFileTest, SeveralKeysGoInOneReplace) {
    EXPECT_TRUE(ini.writeStrings("Skins", {{"RColor", "1"}, {"GColor", "2"}, {"rcolor", "3"}}));
    EXPECT_EQ(files.replaces, 1);
    EXPECT_EQ(ini.readString("Skins", "RColor"), "3");
    EXPECT_EQ(ini.keyNames("Skins"), (std::vector<std::string>{"RColor", "GColor"}));
    EXPECT_FALSE(ini.writeStrings("Skins", {{"ok", "1"}, {" ", "2"}}));
    EXPECT_EQ(files.replaces, 1);
}

// ---- encodings -------------------------------------------------------------------------------

std::vector<std::uint8_t> withBom(std::initializer_list<std::uint8_t> bom, std::string_view body) {
    std::vector<std::uint8_t> out(bom);
    out.insert(out.end(), body.begin(), body.end());
    return out;
}

TEST_F(IniFileTest, NewFileIsUtf16WithBomAndKeepsChinese) {
    EXPECT_TRUE(ini.writeString("Setting-CHS", "Item1", "左键"));
    const auto& bytes = files.files.at(kPath);
    ASSERT_GE(bytes.size(), 2u);
    EXPECT_EQ(bytes[0], 0xFF);
    EXPECT_EQ(bytes[1], 0xFE);
    EXPECT_EQ(utf8FromUtf16Le(std::span(bytes).subspan(2)), "[Setting-CHS]\r\nItem1=左键\r\n");
    EXPECT_EQ(ini.readString("setting-chs", "item1"), "左键");
}

TEST_F(IniFileTest, EachEncodingIsWrittenBackAsItWasRead) {
    struct Case {
        const char* name;
        std::vector<std::uint8_t> bytes;
        TextEncoding encoding;
    };
    std::vector<std::uint8_t> utf16 = {0xFF, 0xFE};
    const auto body = utf16LeFromUtf8("[S]\r\nk=v\r\n");
    utf16.insert(utf16.end(), body.begin(), body.end());
    const std::vector<Case> cases = {
        {"utf16", utf16, TextEncoding::Utf16LeBom},
        {"utf8 bom", withBom({0xEF, 0xBB, 0xBF}, "[S]\r\nk=v\r\n"), TextEncoding::Utf8Bom},
        {"utf8", withBom({}, "[S]\r\nk=v\r\n"), TextEncoding::Utf8},
        {"legacy", withBom({}, "[S]\r\nk=v\xE9\r\n"), TextEncoding::SingleByte},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        files.files[kPath] = c.bytes;
        EXPECT_TRUE(ini.writeString("S", "n", "é"));
        const auto doc = IniDocument::parse(files.files.at(kPath));
        EXPECT_EQ(doc.encoding(), c.encoding);
        EXPECT_EQ(doc.value("S", "n"), "é");
        EXPECT_EQ(doc.value("S", "k").value().substr(0, 1), "v");
    }
    // Legacy text: é is the single byte E9 on disk.
    const auto& legacy = files.files.at(kPath);
    EXPECT_EQ(std::string(legacy.begin(), legacy.end()), "[S]\r\nk=v\xE9\r\nn=\xE9\r\n");
}

TEST_F(IniFileTest, TextLegacyEncodingCannotHoldTurnsTheFileIntoUtf16) {
    files.put(kPath, "[S]\r\nk=v\r\n");  // plain ASCII reads as UTF-8
    EXPECT_TRUE(ini.writeString("S", "zh", "按键关闭"));
    EXPECT_EQ(ini.readString("S", "zh"), "按键关闭");
    // Written as '?' the text would be lost, and a section name would no longer find itself.
    for (const std::string name : {"按键", "a\uFEFFb"}) {
        SCOPED_TRACE(name);
        files.put(kPath, "[S]\r\nk=\xE9\r\n");
        EXPECT_TRUE(ini.writeString(name, "zh", "按键关闭"));
        EXPECT_EQ(ini.readString(name, "zh"), "按键关闭");
        EXPECT_EQ(ini.readString("S", "k"), "é");
        EXPECT_EQ(ini.sectionNames(), (std::vector<std::string>{"S", name}));
        EXPECT_EQ(IniDocument::parse(files.files.at(kPath)).encoding(), TextEncoding::Utf16LeBom);
    }
}

TEST_F(IniFileTest, LegacyTextWhoseBytesWouldReadAsUtf8IsNotRenamed) {
    // "Ï‡" is CF 87 in Windows-1252, which is also "χ" in UTF-8: only the byte 97 ("—")
    // marks the file as legacy, and deleting its section takes that byte out.
    files.put(kPath, "[\xCF\x87]\r\nk=1\r\n[x\x97]\r\nk=2\r\n");
    ASSERT_EQ(ini.sectionNames(), (std::vector<std::string>{"Ï‡", "x—"}));
    EXPECT_TRUE(ini.deleteSection("x—"));
    EXPECT_EQ(ini.sectionNames(), (std::vector<std::string>{"Ï‡"}));
    EXPECT_EQ(ini.readString("Ï‡", "k"), "1");
    // Plain ASCII reads the same either way and stays single bytes.
    files.put(kPath, "[A]\r\nk=1\r\n[x\x97]\r\nk=2\r\n");
    EXPECT_TRUE(ini.deleteSection("x—"));
    EXPECT_EQ(files.text(kPath), "[A]\r\nk=1\r\n");
}

TEST_F(IniFileTest, AByteOrderMarkAtTheStartOfALineIsIgnored) {
    // Two files joined together, or an editor that put its mark before a later line.
    const std::string bom = "\xEF\xBB\xBF";
    const std::string text = bom + "[A]\r\n" + bom + "k=1\r\n" + bom + bom + "[B]\r\nk=2\r\n";
    files.put(kPath, text);
    EXPECT_EQ(ini.sectionNames(), (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(ini.readString("a", "K"), "1");
    EXPECT_EQ(ini.readString("B", "k"), "2");
    EXPECT_TRUE(ini.deleteSection("A"));
    EXPECT_EQ(ini.sectionNames(), (std::vector<std::string>{"B"}));
    EXPECT_EQ(ini.readString("B", "k"), "2");
    // Inside a name the mark is a character like any other.
    files.put(kPath, "[x" + bom + "]\r\nk=3\r\n");
    EXPECT_EQ(ini.readString("x" + bom, "k"), "3");
    EXPECT_EQ(ini.readString("x", "k"), "");
}

TEST_F(IniFileTest, BrokenUtf8InAValueDoesNotTurnTheFileIntoLegacyText) {
    files.put(kPath, "[S]\r\nzh=按键\r\n");
    EXPECT_TRUE(ini.writeString("S", "bad", "x\xE4\xB8y"));  // a cut-off character
    // The file stays UTF-8: the other values keep their text, and later writes too.
    EXPECT_EQ(ini.readString("S", "zh"), "按键");
    EXPECT_EQ(ini.readString("S", "bad"), "x\uFFFDy");
    EXPECT_TRUE(ini.writeString("S", "more", "关闭"));
    EXPECT_EQ(ini.readString("S", "more"), "关闭");
    EXPECT_EQ(IniDocument::parse(files.files.at(kPath)).encoding(), TextEncoding::Utf8);
}

// ---- bad input -------------------------------------------------------------------------------

TEST_F(IniFileTest, DamagedFilesReadWhatCanBeRead) {
    files.files[kPath] = {};
    EXPECT_EQ(ini.readString("S", "k"), "");
    EXPECT_TRUE(ini.sectionNames().empty());

    // Binary noise, NULs included.
    std::vector<std::uint8_t> noise;
    for (int i = 0; i < 4096; ++i) {
        noise.push_back(static_cast<std::uint8_t>((i * 131 + 7) % 256));
    }
    files.files[kPath] = noise;
    EXPECT_EQ(ini.readString("S", "k"), "");

    // UTF-16 cut in the middle of a surrogate pair, and with an odd byte count.
    std::vector<std::uint8_t> cut = {0xFF, 0xFE};
    const auto body = utf16LeFromUtf8("[S]\r\nk=v\r\nz=\xF0\x9F\x98\x80");
    cut.insert(cut.end(), body.begin(), body.end() - 2);
    files.files[kPath] = cut;
    EXPECT_EQ(ini.readString("S", "k"), "v");
    EXPECT_EQ(ini.readString("S", "z"), "\xEF\xBF\xBD");
    cut.push_back(0x41);
    files.files[kPath] = cut;
    EXPECT_EQ(ini.readString("S", "k"), "v");

    // An unclosed header is a key line, not a section.
    files.put(kPath, "[Open\r\nk=1\r\n[]\r\nj=2\r\n");
    EXPECT_EQ(ini.sectionNames(), std::vector<std::string>{});
    EXPECT_EQ(files.replaces, 0);
}

TEST_F(IniFileTest, LargeFilesStayUsable) {
    std::string text;
    for (int i = 0; i < 10000; ++i) {
        text += "[Section" + std::to_string(i) + "]\r\nk=" + std::to_string(i) + "\r\n";
    }
    text += "[Long]\r\nk=" + std::string(100000, 'x') + "\r\n";
    files.put(kPath, text);
    EXPECT_EQ(ini.sectionNames().size(), 10001u);
    EXPECT_EQ(ini.readString("section9999", "k"), "9999");
    EXPECT_EQ(ini.readString("Long", "k"), std::string(1023, 'x'));
    EXPECT_TRUE(ini.writeString("Section5000", "k", "new"));
    EXPECT_EQ(ini.readString("Section5000", "k"), "new");
    EXPECT_EQ(files.text(kPath).size(), text.size() + 3 - 4);
}

}  // namespace
}  // namespace quorvel
