#include "config/ini_file.h"

#include <algorithm>
#include <array>
#include <span>
#include <unordered_map>

#include "config/text_encoding.h"

namespace quorvel {

struct IniDocument::Line {
    std::string text;  // the line as it stands in the file, without its line break
    bool isKey = false;
    std::string name;   // trimmed key name
    std::string value;  // trimmed value as stored, quotes included
};

struct IniDocument::Section {
    std::string name;
    bool hasHeader = false;  // false only for the lines before the first section
    std::string header;
    std::vector<Line> lines;
};

namespace {

constexpr std::string_view kLineBreak = "\r\n";

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f' || c == '\x1A';
}

std::string_view trim(std::string_view text) {
    return trimIniBlanks(text);
}

char asciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool equalsNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return asciiLower(x) == asciiLower(y);
           });
}

std::string lowerCase(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), asciiLower);
    return out;
}

// The system drops one pair of matching quotes around a value.
std::string storedValue(std::string_view v) {
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front()) {
        v = v.substr(1, v.size() - 2);
    }
    return std::string(v);
}

// A byte-order mark at the start of a line (files joined together, or an editor's mark
// before a later line) is no part of what the line says.
std::string_view withoutLeadingMarks(std::string_view line) {
    constexpr std::string_view kMark = "\xEF\xBB\xBF";
    while (line.substr(0, kMark.size()) == kMark) {
        line.remove_prefix(kMark.size());
    }
    return line;
}

// "[name]" with the name up to the last closing bracket; nullopt when the line is no header.
std::optional<std::string_view> headerName(std::string_view line) {
    const std::string_view body = trim(line);
    if (body.empty() || body.front() != '[') {
        return std::nullopt;
    }
    const std::size_t close = body.rfind(']');
    if (close == std::string_view::npos || close == 0) {
        return std::nullopt;
    }
    return trim(body.substr(1, close - 1));
}

// A value to be written: leading blanks go as the system drops them; a line break would
// end the line and smuggle in more keys, so the value ends before it.
std::string_view normalizedValue(std::string_view value) {
    const std::size_t lineBreak = value.find_first_of("\r\n");
    if (lineBreak != std::string_view::npos) {
        value = value.substr(0, lineBreak);
    }
    while (!value.empty() && isBlank(value.front())) {
        value.remove_prefix(1);
    }
    return value;
}

std::span<const std::uint8_t> asBytes(std::string_view text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

std::string decodeText(std::span<const std::uint8_t> bytes, TextEncoding& encoding) {
    constexpr std::array<std::uint8_t, 2> kUtf16Bom = {0xFF, 0xFE};
    constexpr std::array<std::uint8_t, 3> kUtf8Bom = {0xEF, 0xBB, 0xBF};
    if (bytes.empty()) {
        encoding = TextEncoding::Utf16LeBom;  // an empty file is written like a new one
        return {};
    }
    if (bytes.size() >= 2 && std::equal(kUtf16Bom.begin(), kUtf16Bom.end(), bytes.begin())) {
        encoding = TextEncoding::Utf16LeBom;
        return utf8FromUtf16Le(bytes.subspan(2));
    }
    if (bytes.size() >= 3 && std::equal(kUtf8Bom.begin(), kUtf8Bom.end(), bytes.begin())) {
        encoding = TextEncoding::Utf8Bom;
        return sanitizeUtf8(bytes.subspan(3));
    }
    if (isValidUtf8(bytes)) {
        encoding = TextEncoding::Utf8;
        return std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    }
    encoding = TextEncoding::SingleByte;
    return utf8FromWindows1252(bytes);
}

}  // namespace

std::string_view trimIniBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

struct IniDocumentAccess {
    using Line = IniDocument::Line;
    using Section = IniDocument::Section;

    static Line makeLine(std::string text) {
        Line line;
        const std::string_view body = trim(withoutLeadingMarks(text));
        if (!body.empty()) {
            line.isKey = true;
            const std::size_t equals = body.find('=');
            if (equals == std::string_view::npos) {
                line.name = std::string(body);
            } else {
                line.name = std::string(trim(body.substr(0, equals)));
                line.value = std::string(trim(body.substr(equals + 1)));
            }
        }
        line.text = std::move(text);
        return line;
    }

    // The first section of that name: the system never looks at later duplicates.
    template <typename Sections>
    static auto findSection(Sections& sections, std::string_view name) -> decltype(&sections[0]) {
        const std::string_view wanted = trim(name);
        for (auto& section : sections) {
            if (section.hasHeader && equalsNoCase(section.name, wanted)) {
                return &section;
            }
        }
        return nullptr;
    }

    template <typename SectionT>
    static auto findKey(SectionT& section, std::string_view name) -> decltype(&section.lines[0]) {
        const std::string_view wanted = trim(name);
        for (auto& line : section.lines) {
            if (line.isKey && equalsNoCase(line.name, wanted)) {
                return &line;
            }
        }
        return nullptr;
    }
};

IniDocument::IniDocument() : sections_(1) {}
IniDocument::~IniDocument() = default;
IniDocument::IniDocument(const IniDocument&) = default;
IniDocument& IniDocument::operator=(const IniDocument&) = default;
IniDocument::IniDocument(IniDocument&&) noexcept = default;
IniDocument& IniDocument::operator=(IniDocument&&) noexcept = default;

IniDocument IniDocument::parse(const std::vector<std::uint8_t>& bytes) {
    IniDocument doc;
    const std::string text = decodeText(bytes, doc.encoding_);
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        std::string line = text.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (const auto name = headerName(withoutLeadingMarks(line))) {
            Section section;
            section.name = std::string(*name);
            section.hasHeader = true;
            section.header = std::move(line);
            doc.sections_.push_back(std::move(section));
        } else {
            doc.sections_.back().lines.push_back(IniDocumentAccess::makeLine(std::move(line)));
        }
    }
    return doc;
}

std::vector<std::uint8_t> IniDocument::serialize() const {
    std::string text;
    for (const Section& section : sections_) {
        if (section.hasHeader) {
            text += section.header;
            text += kLineBreak;
        }
        for (const Line& line : section.lines) {
            text += line.text;
            text += kLineBreak;
        }
    }
    if (encoding_ == TextEncoding::SingleByte) {
        // Legacy bytes must read back as this text: one it has no byte for would be written
        // as '?', and bytes that happen to form UTF-8 would read as other characters. Either
        // way a name would no longer find its section, so such a file is written as new.
        if (fitsWindows1252(text)) {
            std::vector<std::uint8_t> legacy = windows1252FromUtf8(text);
            TextEncoding readAs{};
            if (decodeText(legacy, readAs) == text) {
                return legacy;
            }
        }
    }
    switch (encoding_ == TextEncoding::SingleByte ? TextEncoding::Utf16LeBom : encoding_) {
        case TextEncoding::Utf16LeBom: {
            std::vector<std::uint8_t> out = {0xFF, 0xFE};
            const auto body = utf16LeFromUtf8(text);
            out.insert(out.end(), body.begin(), body.end());
            return out;
        }
        // A value that is no valid UTF-8 must not make the whole file read back as legacy
        // text; like the other encodings, the bad bytes are written as replacement marks.
        case TextEncoding::Utf8Bom: {
            std::vector<std::uint8_t> out = {0xEF, 0xBB, 0xBF};
            const std::string valid = sanitizeUtf8(asBytes(text));
            out.insert(out.end(), valid.begin(), valid.end());
            return out;
        }
        case TextEncoding::Utf8: {
            const std::string valid = sanitizeUtf8(asBytes(text));
            return std::vector<std::uint8_t>(valid.begin(), valid.end());
        }
        case TextEncoding::SingleByte:
            break;
    }
    return {};
}

std::optional<std::string> IniDocument::value(std::string_view section,
                                              std::string_view key) const {
    const Section* found = IniDocumentAccess::findSection(sections_, section);
    if (found == nullptr) {
        return std::nullopt;
    }
    const Line* line = IniDocumentAccess::findKey(*found, key);
    if (line == nullptr) {
        return std::nullopt;
    }
    return storedValue(line->value);
}

std::vector<std::optional<std::string>> IniDocument::values(
    std::string_view section, std::span<const std::string> keys) const {
    std::vector<std::optional<std::string>> result(keys.size());
    const Section* found = IniDocumentAccess::findSection(sections_, section);
    if (found == nullptr) {
        return result;
    }
    std::unordered_map<std::string, const Line*> firstOfName;
    for (const Line& line : found->lines) {
        if (line.isKey) {
            firstOfName.try_emplace(lowerCase(line.name), &line);
        }
    }
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const auto it = firstOfName.find(lowerCase(trim(keys[i])));
        if (it != firstOfName.end()) {
            result[i] = storedValue(it->second->value);
        }
    }
    return result;
}

void IniDocument::setValue(std::string_view section, std::string_view key, std::string_view value) {
    const std::string_view sectionName = trim(section);
    const std::string_view keyName = trim(key);
    const std::string_view text = normalizedValue(value);
    Section* found = IniDocumentAccess::findSection(sections_, sectionName);
    if (found == nullptr) {
        Section added;
        added.name = std::string(sectionName);
        added.hasHeader = true;
        added.header = "[" + added.name + "]";
        sections_.push_back(std::move(added));
        found = &sections_.back();
    }
    if (Line* line = IniDocumentAccess::findKey(*found, keyName)) {
        const std::string name = line->name;  // keep the spelling the file already has
        *line = IniDocumentAccess::makeLine(name + "=" + std::string(text));
        return;
    }
    // After the section's last key, so trailing blank lines stay between the sections.
    auto& lines = found->lines;
    auto lastKey =
        std::find_if(lines.rbegin(), lines.rend(), [](const Line& line) { return line.isKey; });
    lines.insert(lastKey.base(),
                 IniDocumentAccess::makeLine(std::string(keyName) + "=" + std::string(text)));
}

void IniDocument::deleteKey(std::string_view section, std::string_view key) {
    Section* found = IniDocumentAccess::findSection(sections_, section);
    if (found == nullptr) {
        return;
    }
    if (Line* line = IniDocumentAccess::findKey(*found, key)) {
        found->lines.erase(found->lines.begin() + (line - found->lines.data()));
    }
}

void IniDocument::deleteSection(std::string_view section) {
    Section* found = IniDocumentAccess::findSection(sections_, section);
    if (found != nullptr) {
        sections_.erase(sections_.begin() + (found - sections_.data()));
    }
}

std::vector<std::string> IniDocument::sectionNames() const {
    std::vector<std::string> names;
    for (const Section& section : sections_) {
        if (section.hasHeader && !section.name.empty()) {  // "[]" is not listed
            names.push_back(section.name);
        }
    }
    return names;
}

bool IniDocument::hasSection(std::string_view section) const {
    return IniDocumentAccess::findSection(sections_, section) != nullptr;
}

std::vector<std::string> IniDocument::keyNames(std::string_view section) const {
    std::vector<std::string> names;
    if (const Section* found = IniDocumentAccess::findSection(sections_, section)) {
        for (const Line& line : found->lines) {
            if (line.isKey) {
                names.push_back(line.name);
            }
        }
    }
    return names;
}

// ---- IniFile -------------------------------------------------------------------------------

std::optional<IniDocument> IniFile::load() const {
    auto bytes = files_.read(path_);
    if (!bytes) {
        return std::nullopt;
    }
    return IniDocument::parse(*bytes);
}

std::string IniFile::readString(std::string_view section, std::string_view key) const {
    const auto doc = load();
    if (!doc) {
        return {};
    }
    const auto value = doc->value(section, key);
    return value ? std::string(utf16Prefix(*value, kIniValueLimit)) : std::string();
}

std::vector<std::string> IniFile::sectionNames() const {
    const auto doc = load();
    return doc ? doc->sectionNames() : std::vector<std::string>();
}

std::vector<std::string> IniFile::keyNames(std::string_view section) const {
    const auto doc = load();
    return doc ? doc->keyNames(section) : std::vector<std::string>();
}

template <typename Edit>
bool IniFile::edit(Edit&& change) {
    IniDocument doc;
    std::vector<std::uint8_t> before;
    if (files_.exists(path_)) {
        auto bytes = files_.read(path_);
        if (!bytes) {
            return false;  // present but unreadable: rewriting it would lose its content
        }
        doc = IniDocument::parse(*bytes);
        before = doc.serialize();
    }
    if (!change(doc)) {
        return true;
    }
    std::vector<std::uint8_t> after = doc.serialize();
    if (after == before && files_.exists(path_)) {
        return true;
    }
    return !files_.replace(path_, after).has_value();
}

bool IniFile::writeString(std::string_view section, std::string_view key, std::string_view value) {
    if (trim(section).empty() || trim(key).empty()) {
        return false;
    }
    return edit([&](IniDocument& doc) {
        doc.setValue(section, key, value);
        return true;
    });
}

bool IniFile::writeStrings(std::string_view section, const std::vector<KeyValue>& values) {
    if (trim(section).empty() || std::any_of(values.begin(), values.end(), [](const KeyValue& kv) {
            return trim(kv.key).empty();
        })) {
        return false;
    }
    return edit([&](IniDocument& doc) {
        for (const KeyValue& kv : values) {
            doc.setValue(section, kv.key, kv.value);
        }
        return true;
    });
}

bool IniFile::deleteKey(std::string_view section, std::string_view key) {
    return edit([&](IniDocument& doc) {
        if (!doc.value(section, key)) {
            return false;
        }
        doc.deleteKey(section, key);
        return true;
    });
}

bool IniFile::deleteSection(std::string_view section) {
    return edit([&](IniDocument& doc) {
        if (!doc.hasSection(section)) {
            return false;
        }
        doc.deleteSection(section);
        return true;
    });
}

}  // namespace quorvel
