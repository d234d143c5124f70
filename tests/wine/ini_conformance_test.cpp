// The INI layer against the system's own private-profile functions, case by case.
//
// Where the layer differs on purpose (checked below, not compared):
// - every write replaces the file atomically (temporary beside it, renamed over); the
//   system rewrites in place;
// - a new or empty file is written as UTF-16LE with BOM, so Chinese text survives; the
//   system writes a new file in the ANSI code page and turns Chinese into "?";
// - a file of plain ASCII reads as UTF-8, so text added to it keeps every character;
// - a value ends before a line break instead of breaking the file into more keys;
// - keys before the first section belong to no section (the system finds them under "");
// - section and key names match without regard to ASCII case only.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "config/ini_file.h"
#include "config/text_encoding.h"
#include "platform/win32/files_win32.h"
#include "system_profile.h"

namespace quorvel {
namespace {

namespace fs = std::filesystem;
using namespace quorvel::win32;

struct Op {
    enum Kind { Read, Write, DeleteKey, DeleteSection, Names } kind;
    std::string section;
    std::string key;
    std::string value;
};

Op read(std::string s, std::string k) {
    return {Op::Read, std::move(s), std::move(k), {}};
}
Op write(std::string s, std::string k, std::string v) {
    return {Op::Write, std::move(s), std::move(k), std::move(v)};
}
Op eraseKey(std::string s, std::string k) {
    return {Op::DeleteKey, std::move(s), std::move(k), {}};
}
Op eraseSection(std::string s) {
    return {Op::DeleteSection, std::move(s), {}, {}};
}
Op names() {
    return {Op::Names, {}, {}, {}};
}

struct Case {
    const char* name;
    std::optional<std::vector<std::uint8_t>> initial;  // nullopt: no file
    std::vector<Op> ops;
};

std::vector<std::uint8_t> text(std::string_view t) {
    return {t.begin(), t.end()};
}
std::vector<std::uint8_t> utf16Bom(std::string_view t) {
    std::vector<std::uint8_t> out = {0xFF, 0xFE};
    const auto body = utf16LeFromUtf8(t);
    out.insert(out.end(), body.begin(), body.end());
    return out;
}

std::string joined(const std::vector<std::string>& list) {
    std::string out;
    for (const auto& item : list) {
        out += "[" + item + "]";
    }
    return out;
}

class IniConformanceTest : public ::testing::Test {
  protected:
    void SetUp() override {
        directory = fs::temp_directory_path() / "quorvel-ini-conformance";
        fs::create_directories(directory);
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(directory, ignored);
    }

    std::string place(const std::string& name,
                      const std::optional<std::vector<std::uint8_t>>& bytes) {
        const std::string path = (directory / name).string();
        std::error_code ignored;
        fs::remove(path, ignored);
        if (bytes) {
            EXPECT_FALSE(files.replace(path, *bytes).has_value());
        }
        return path;
    }

    // One transcript line per step: what a read gave or what a write reported.
    std::vector<std::string> runSystem(const std::string& path, const std::vector<Op>& ops) {
        std::vector<std::string> out;
        for (const Op& op : ops) {
            switch (op.kind) {
                case Op::Read:
                    out.push_back(systemProfileString(path, op.section, op.key));
                    break;
                case Op::Write:
                    systemWriteProfileString(path, op.section, op.key, op.value);
                    break;
                case Op::DeleteKey:
                    systemDeleteProfileKey(path, op.section, op.key);
                    break;
                case Op::DeleteSection:
                    systemDeleteProfileSection(path, op.section);
                    break;
                case Op::Names:
                    out.push_back(joined(systemProfileSectionNames(path)));
                    break;
            }
        }
        return out;
    }

    std::vector<std::string> runPortable(const std::string& path, const std::vector<Op>& ops) {
        IniFile ini(files, path);
        std::vector<std::string> out;
        for (const Op& op : ops) {
            switch (op.kind) {
                case Op::Read:
                    out.push_back(ini.readString(op.section, op.key));
                    break;
                case Op::Write:
                    ini.writeString(op.section, op.key, op.value);
                    break;
                case Op::DeleteKey:
                    ini.deleteKey(op.section, op.key);
                    break;
                case Op::DeleteSection:
                    ini.deleteSection(op.section);
                    break;
                case Op::Names:
                    out.push_back(joined(ini.sectionNames()));
                    break;
            }
        }
        return out;
    }

    // Only the reads of a script, to read one side's file with the other side.
    static std::vector<Op> readsOf(const std::vector<Op>& ops) {
        std::vector<Op> out;
        for (const Op& op : ops) {
            if (op.kind == Op::Read || op.kind == Op::Names)
                out.push_back(op);
        }
        return out;
    }

    fs::path directory;
    Win32FilesPort files;
    int serial = 0;

    void check(const Case& c) {
        SCOPED_TRACE(c.name);
        const std::string tag = std::to_string(++serial);
        const std::string systemPath = place("system" + tag + ".ini", c.initial);
        const std::string portablePath = place("portable" + tag + ".ini", c.initial);
        const auto expected = runSystem(systemPath, c.ops);
        EXPECT_EQ(runPortable(portablePath, c.ops), expected);
        // Each side can read what the other wrote.
        const auto reads = readsOf(c.ops);
        if (!reads.empty()) {
            EXPECT_EQ(runSystem(portablePath, reads), runPortable(portablePath, reads));
            EXPECT_EQ(runPortable(systemPath, reads), runSystem(systemPath, reads));
        }
    }
};

TEST_F(IniConformanceTest, ReadsAgreeWithTheSystem) {
    const std::string long1500(1500, 'v');
    const std::vector<Case> cases = {
        {"blanks and case",
         text("[Skins]\r\n  Lan =  CHS  \r\nPath=Default\r\n\tTabbed\t=\tx y\t\r\n"),
         {read("skins", "LAN"), read(" Skins ", " Path "), read("SKINS", "tabbed"),
          read("Skins", "Missing"), read("Missing", "Lan"), names()}},
        {"quotes",
         text("[Q]\r\nA=\"  spaced  \"\r\nB='x'\r\nC=\"\r\nD=\"x'\r\nE=\"\"\r\n"),
         {read("Q", "A"), read("Q", "B"), read("Q", "C"), read("Q", "D"), read("Q", "E")}},
        {"keys without value",
         text("[K]\r\nNoValue\r\nEmpty=\r\n=nokey\r\n"),
         {read("K", "NoValue"), read("K", "Empty"), read("K", "Other")}},
        {"keys outside sections",
         text("orphan=1\r\n[S]\r\nk=2\r\n"),
         {read("S", "k"), read("S", "orphan"), names()}},
        {"spaced header and LF lines",
         text("[ Setting-EN ]\nItem1=Left Click\n"),
         {read("Setting-EN", "Item1"), names()}},
        {"duplicate sections",
         text("[A]\r\nx=1\r\n[B]\r\n[a]\r\ny=2\r\n"),
         {read("A", "x"), read("A", "y"), names()}},
        {"empty header", text("[]\r\nk=1\r\n[S]\r\nk=2\r\n"), {read("S", "k"), names()}},
        {"first key of duplicates", text("[D]\r\nk=1\r\nK=2\r\n"), {read("D", "k")}},
        {"unclosed header", text("[Open\r\nk=1\r\n[S]\r\nk=2\r\n"), {read("S", "k"), names()}},
        {"1023 cut", text("[L]\r\nk=" + long1500 + "\r\n"), {read("L", "k")}},
        {"missing file", std::nullopt, {read("S", "k"), names()}},
        {"empty file", text(""), {read("S", "k"), names()}},
        {"utf16 chinese",
         utf16Bom("[Setting-CHS]\r\nItem1=左键\r\nItem2=後退方向鍵\r\n"),
         {read("setting-chs", "ITEM1"), read("Setting-CHS", "Item2"), names()}},
        {"utf16 cut mid pair",
         [] {
             auto b = utf16Bom("[S]\r\nk=v\r\nz=\xF0\x9F\x98\x80");
             b.resize(b.size() - 2);
             return b;
         }(),
         {read("S", "k")}},
        {"many sections",
         [] {
             std::string t;
             for (int i = 0; i < 2000; ++i)
                 t += "[S" + std::to_string(i) + "]\r\nk=" + std::to_string(i) + "\r\n";
             return text(t);
         }(),
         {read("s1999", "K"), read("S0", "k")}},
    };
    for (const Case& c : cases)
        check(c);
}

TEST_F(IniConformanceTest, WritesAgreeWithTheSystem) {
    const std::vector<Case> cases = {
        {"replace and append",
         text("[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n"),
         {write("a", "X", "10"), write("A", "z", "3"), write("C", "w", "  4 "), read("A", "x"),
          read("A", "z"), read("c", "W"), read("B", "y"), names()}},
        {"delete section",
         text("[One]\r\na=1\r\n[Two]\r\nb=2\r\nc=3\r\n[Three]\r\nd=4\r\n"),
         {eraseSection("two"), read("Two", "b"), read("Three", "d"), names(),
          write("Two", "b", "5"), names(), read("two", "B")}},
        {"delete duplicate section",
         text("[A]\r\nx=1\r\n[B]\r\nz=3\r\n[a]\r\ny=2\r\n"),
         {eraseSection("A"), read("A", "x"), read("A", "y"), names()}},
        {"delete key",
         text("[S]\r\na=1\r\nb=2\r\n"),
         {eraseKey("s", "A"), read("S", "a"), read("S", "b"), names()}},
        {"delete missing",
         text("[S]\r\na=1\r\n"),
         {eraseSection("Nope"), eraseKey("S", "nope"), eraseKey("Nope", "a"), read("S", "a"),
          names()}},
        {"new file ascii",
         std::nullopt,
         {write("Skins", "Path", "Default"), write("Skins", "RColor", "255"), read("skins", "path"),
          read("Skins", "RColor"), names()}},
        {"utf16 keeps chinese",
         utf16Bom("[Setting-CHS]\r\nItem1=左键\r\n"),
         {write("Setting-CHS", "Item2", "右键"), write("Setting-CHS", "Item1", "中键"),
          read("Setting-CHS", "Item1"), read("Setting-CHS", "Item2")}},
        {"labels in order",
         std::nullopt,
         {write("Setting-EN", "Item1", "Left Click"), write("Setting-EN", "Item13", "Ctrl+C"),
          write("Setting-CHS", "Item1", "x"), read("setting-en", "item13"), names()}},
        {"10000 sections then one write",
         [] {
             std::string t;
             for (int i = 0; i < 10000; ++i)
                 t += "[S" + std::to_string(i) + "]\r\nk=1\r\n";
             return text(t);
         }(),
         {write("S5000", "k", "2"), read("S5000", "k"), read("S9999", "k")}},
    };
    for (const Case& c : cases)
        check(c);
}

TEST_F(IniConformanceTest, DeliberateDifferences) {
    // A new file: the system writes ANSI and loses Chinese; the layer writes UTF-16LE with
    // a BOM, which the system then reads back whole.
    const std::string path = place("new.ini", std::nullopt);
    IniFile ini(files, path);
    ASSERT_TRUE(ini.writeString("Setting-CHS", "Item1", "左键"));
    const auto bytes = files.read(path);
    ASSERT_TRUE(bytes && bytes->size() > 2);
    EXPECT_EQ((*bytes)[0], 0xFF);
    EXPECT_EQ((*bytes)[1], 0xFE);
    EXPECT_EQ(systemProfileString(path, "Setting-CHS", "Item1"), "左键");

    // A value with a line break stays one key.
    const std::string broken = place("break.ini", std::nullopt);
    IniFile ini2(files, broken);
    ASSERT_TRUE(ini2.writeString("S", "k", "v\r\n[Evil]\r\nx=1"));
    EXPECT_EQ(systemProfileString(broken, "S", "k"), "v");
    EXPECT_EQ(systemProfileSectionNames(broken), std::vector<std::string>{"S"});

    // Keys before the first section are not found under the empty section name.
    const std::string orphan = place("orphan.ini", text("orphan=1\r\n[S]\r\nk=2\r\n"));
    EXPECT_EQ(IniFile(files, orphan).readString("", "orphan"), "");
    EXPECT_EQ(IniFile(files, orphan).readString("S", "orphan"), "");

    // A write-protected file: the replace is refused with the system's access-denied code
    // and nothing changes.
    const std::string locked = place("locked.ini", text("[S]\r\nk=1\r\n"));
    fs::permissions(locked,
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    const auto error = files.replace(locked, text("[S]\r\nk=2\r\n"));
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->systemCode, 5);
    EXPECT_EQ(systemProfileString(locked, "S", "k"), "1");
    EXPECT_FALSE(fs::exists(locked + ".tmp"));
    fs::permissions(locked, fs::perms::owner_write, fs::perm_options::add);
}

}  // namespace
}  // namespace quorvel
