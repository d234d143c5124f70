// The INI layer: the private-profile semantics the program's three files rely on.
// Sections and keys match without regard to ASCII case; a missing key reads as empty;
// writing into a missing section appends it at the end; deleting a section drops its keys.
// A file is read as UTF-16LE (BOM), UTF-8 (with or without BOM) or legacy single-byte text,
// written back in the encoding it was read in; a new file is UTF-16LE with BOM, and so is
// a legacy file once it holds text its single bytes cannot.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ports/files.h"

namespace quorvel {

enum class TextEncoding : std::uint8_t { Utf16LeBom, Utf8Bom, Utf8, SingleByte };

// Names and values without the blanks around them, as the system drops them: ASCII white
// space and the old end-of-file mark.
std::string_view trimIniBlanks(std::string_view text);

// The 1024-character buffers the program reads values into: longer values are cut at 1023.
inline constexpr std::size_t kIniValueLimit = 1023;

// One parsed file held in memory; text is UTF-8.
class IniDocument {
  public:
    static IniDocument parse(const std::vector<std::uint8_t>& bytes);
    std::vector<std::uint8_t> serialize() const;

    TextEncoding encoding() const { return encoding_; }
    void setEncoding(TextEncoding encoding) { encoding_ = encoding; }

    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    // value() for each key of one section, in one pass over the section: a macro of
    // thousands of items must not cost a search per item.
    std::vector<std::optional<std::string>> values(std::string_view section,
                                                   std::span<const std::string> keys) const;
    void setValue(std::string_view section, std::string_view key, std::string_view value);
    void deleteKey(std::string_view section, std::string_view key);
    void deleteSection(std::string_view section);
    std::vector<std::string> sectionNames() const;  // file order
    bool hasSection(std::string_view section) const;
    std::vector<std::string> keyNames(std::string_view section) const;  // file order

  private:
    struct Line;
    struct Section;
    TextEncoding encoding_ = TextEncoding::Utf16LeBom;
    std::vector<Section> sections_;  // index 0 holds lines before the first section
    friend struct IniDocumentAccess;

  public:
    IniDocument();
    ~IniDocument();
    IniDocument(const IniDocument&);
    IniDocument& operator=(const IniDocument&);
    IniDocument(IniDocument&&) noexcept;
    IniDocument& operator=(IniDocument&&) noexcept;
};

// File-level operations with the system functions' behaviour: each reads the file anew,
// and each write replaces the file atomically through the files port.
class IniFile {
  public:
    IniFile(FilesPort& files, std::string path) : files_(files), path_(std::move(path)) {}

    // Empty when the file, section or key is missing; cut at kIniValueLimit characters.
    // One pair of matching quotes around a value is dropped, as the system does.
    std::string readString(std::string_view section, std::string_view key) const;
    // False when the names are blank, the file exists but cannot be read, or the replace
    // fails. A value ends before any line break it holds. Deleting what is not there
    // succeeds without touching the file.
    bool writeString(std::string_view section, std::string_view key, std::string_view value);
    // Several keys of one section in one replace: the file holds all of them or none.
    struct KeyValue {
        std::string_view key;
        std::string_view value;
    };
    bool writeStrings(std::string_view section, const std::vector<KeyValue>& values);
    bool deleteKey(std::string_view section, std::string_view key);
    bool deleteSection(std::string_view section);
    std::vector<std::string> sectionNames() const;
    std::vector<std::string> keyNames(std::string_view section) const;
    const std::string& path() const { return path_; }

  private:
    std::optional<IniDocument> load() const;
    // Reads the file (a missing one is an empty new document), applies `change` and
    // replaces the file when the change reports that it did something.
    template <typename Edit>
    bool edit(Edit&& change);

    FilesPort& files_;
    std::string path_;
};

}  // namespace quorvel
