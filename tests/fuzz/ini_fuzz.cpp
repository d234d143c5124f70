// The INI layer on arbitrary bytes: parsing in every encoding, the write-back, and every
// operation of the document and of the file, with what each must leave behind.
#include <algorithm>
#include <map>
#include <utility>

#include "config/ini_file.h"
#include "config/settings_file.h"
#include "config/text_encoding.h"
#include "fuzz/fuzz_check.h"
#include "support/byte_source.h"
#include "support/fake_files.h"

namespace {

using namespace quorvel;
using quorvel::testing::ByteSource;

constexpr int kMaxSteps = 24;
constexpr std::string_view kPath = "str.ini";

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f' || c == '\x1A';
}

std::string_view trim(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool sameName(std::string_view a, std::string_view b) {
    a = trim(a);
    b = trim(b);
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

// A name the program could write and read back as itself: one line, valid text, and for
// a key nothing that would make the line a header, move its '=' or start it with a
// byte-order mark (which a line's start drops).
bool validText(std::string_view text) {
    return isValidUtf8({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
}

bool plainName(std::string_view name, bool key) {
    const std::string_view t = trim(name);
    if (t.empty() || name.find_first_of("\r\n") != std::string_view::npos)
        return false;
    if (!validText(name))
        return false;
    return !key || (t.find('=') == std::string_view::npos && t.front() != '[' &&
                    !t.starts_with("\xEF\xBB\xBF"));
}

// What a read gives back of a written value: one line, no surrounding blanks, one pair of
// matching quotes dropped.
std::string expectedRead(std::string_view value) {
    std::string_view v = trim(value.substr(0, value.find_first_of("\r\n")));
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        v = v.substr(1, v.size() - 2);
    return std::string(v);
}

using Snapshot = std::map<std::pair<std::string, std::string>, std::optional<std::string>>;

Snapshot snapshot(const IniDocument& doc) {
    Snapshot values;
    for (const std::string& section : doc.sectionNames())
        for (const std::string& key : doc.keyNames(section))
            values[{section, key}] = doc.value(section, key);
    return values;
}

// Every value other than the one written reads as before.
void requireOthersKept(const Snapshot& before, const IniDocument& doc, std::string_view section,
                       std::string_view key) {
    for (const auto& [name, value] : before) {
        if (sameName(name.first, section) && sameName(name.second, key))
            continue;
        FUZZ_REQUIRE(doc.value(name.first, name.second) == value);
    }
}

// A written file writes back as the same bytes and reads back in its encoding, with valid
// text as the same document. A legacy file whose text its single bytes cannot carry is
// written as UTF-16; legacy bytes that are also UTF-8 (plain ASCII) may read as UTF-8.
void requireStable(const IniDocument& doc, bool validValues) {
    const std::vector<std::uint8_t> bytes = doc.serialize();
    if (bytes.empty())
        return;  // read back as a new file
    const IniDocument again = IniDocument::parse(bytes);
    FUZZ_REQUIRE(again.serialize() == bytes);
    IniDocument asNew = doc;
    asNew.setEncoding(TextEncoding::Utf16LeBom);
    const bool upgraded = doc.encoding() == TextEncoding::SingleByte && asNew.serialize() == bytes;
    const TextEncoding written = upgraded ? TextEncoding::Utf16LeBom : doc.encoding();
    FUZZ_REQUIRE(again.encoding() == written ||
                 (written == TextEncoding::SingleByte && again.encoding() == TextEncoding::Utf8));
    if (!validValues)
        return;
    FUZZ_REQUIRE(again.sectionNames() == doc.sectionNames());
    for (const std::string& section : doc.sectionNames()) {
        FUZZ_REQUIRE(again.keyNames(section) == doc.keyNames(section));
        for (const std::string& key : doc.keyNames(section))
            FUZZ_REQUIRE(again.value(section, key) == doc.value(section, key));
    }
}

// A name: often one the file already has, in another case, so the operations meet it.
std::string pickName(ByteSource& source, const std::vector<std::string>& known) {
    if (!known.empty() && source.flag()) {
        std::string name = known[source.below(known.size())];
        if (source.flag() && !name.empty())
            name[0] = static_cast<char>(name[0] ^ 0x20);
        return name;
    }
    return source.shortString();
}

struct Written {
    bool plainNames = true;   // false after a name no caller writes (a line break, a key
                              // that is no key): the document need not read back as itself
    bool validValues = true;  // false after a value that is not UTF-8
};

void documentStep(ByteSource& source, IniDocument& doc, Written& written) {
    const std::vector<std::string> sections = doc.sectionNames();
    const std::string section = pickName(source, sections);
    const std::string key = pickName(source, doc.keyNames(section));
    switch (source.below(5)) {
        case 0: {
            const std::string value = source.shortString();
            const Snapshot before = snapshot(doc);
            doc.setValue(section, key, value);
            written.validValues = written.validValues && validText(value);
            if (!plainName(section, false) || !plainName(key, true)) {
                written.plainNames = false;
                break;
            }
            FUZZ_REQUIRE(doc.value(section, key) == expectedRead(value));
            FUZZ_REQUIRE(doc.hasSection(section));
            requireOthersKept(before, doc, section, key);
            break;
        }
        case 1:
            doc.deleteKey(section, key);
            break;
        case 2: {
            const std::size_t count = sections.size();
            const bool had = doc.hasSection(section);
            doc.deleteSection(section);
            FUZZ_REQUIRE(doc.sectionNames().size() <= count);
            FUZZ_REQUIRE(had || doc.sectionNames().size() == count);
            break;
        }
        case 3: {
            // One pass over a section reads what a read per key reads.
            std::vector<std::string> keys = doc.keyNames(section);
            keys.push_back(key);
            const auto values = doc.values(section, keys);
            for (std::size_t i = 0; i < keys.size(); ++i)
                FUZZ_REQUIRE(values[i] == doc.value(section, keys[i]));
            (void)doc.hasSection(section);
            break;
        }
        default:
            doc.setEncoding(TextEncoding::Utf16LeBom);  // as the installer rewrites a file
            break;
    }
}

void fileStep(ByteSource& source, quorvel::testing::FakeFiles& files, IniFile& ini) {
    const std::string path(kPath);
    const std::string section = pickName(source, ini.sectionNames());
    const std::string key = pickName(source, ini.keyNames(section));
    const bool plain = plainName(section, false) && plainName(key, true);
    const auto readsBack = [&](std::string_view k, std::string_view value) {
        if (!validText(value))
            return true;
        return ini.readString(section, k) == utf16Prefix(expectedRead(value), kIniValueLimit);
    };
    switch (source.below(6)) {
        case 0: {
            const std::string value = source.shortString();
            const bool written = ini.writeString(section, key, value);
            FUZZ_REQUIRE(written == !(trim(section).empty() || trim(key).empty()));
            if (plain)
                FUZZ_REQUIRE(readsBack(key, value));
            break;
        }
        case 1: {
            const std::string first = source.shortString();
            const std::string second = source.shortString();
            const bool written = ini.writeStrings(section, {{key, first}, {"Item2", second}});
            if (written && plain && !sameName(key, "Item2"))
                FUZZ_REQUIRE(readsBack("Item2", second));
            break;
        }
        case 2:
            FUZZ_REQUIRE(ini.deleteKey(section, key));
            break;
        case 3:
            FUZZ_REQUIRE(ini.deleteSection(section));
            break;
        case 4: {
            // str.ini as the program reads it at start-up, and the labels it writes back.
            const std::string_view language =
                settingsSectionFor(languageFromCode(readLanguageCode(ini)));
            const SettingsTexts texts = readSettings(ini, language);
            (void)colourByte(texts.red);
            (void)colourByte(texts.green);
            (void)colourByte(texts.blue);
            const ButtonLabels labels = defaultButtonLabels();
            FUZZ_REQUIRE(writeButtonLabels(ini, language, labels));
            FUZZ_REQUIRE(readSettings(ini, language).labels == labels);
            break;
        }
        default: {
            // A failed replace keeps the file as it was.
            const auto before = files.files[path];
            files.failReplaceWith = 5;
            (void)ini.writeString(section, key, source.shortString());
            files.failReplaceWith = 0;
            FUZZ_REQUIRE(files.files[path] == before);
            break;
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ByteSource source(data, size);
    const std::vector<std::uint8_t> file = source.bytes(source.word());

    IniDocument doc = IniDocument::parse(file);
    requireStable(doc, true);
    quorvel::testing::FakeFiles files;
    files.files[std::string(kPath)] = file;
    IniFile ini(files, std::string(kPath));

    Written written;
    for (int step = 0; step < kMaxSteps && !source.exhausted(); ++step) {
        if (source.flag())
            documentStep(source, doc, written);
        else
            fileStep(source, files, ini);
    }
    if (written.plainNames)
        requireStable(doc, written.validValues);
    return 0;
}
