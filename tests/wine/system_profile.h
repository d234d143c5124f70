// The system's own private-profile functions, in UTF-8, for checking the INI layer against.
#pragma once

#include <string>
#include <vector>

namespace quorvel::win32 {

std::string systemProfileString(const std::string& path, const std::string& section,
                                const std::string& key);
bool systemWriteProfileString(const std::string& path, const std::string& section,
                              const std::string& key, const std::string& value);
bool systemDeleteProfileKey(const std::string& path, const std::string& section,
                            const std::string& key);
bool systemDeleteProfileSection(const std::string& path, const std::string& section);
std::vector<std::string> systemProfileSectionNames(const std::string& path);

}  // namespace quorvel::win32
