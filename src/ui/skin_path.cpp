#include "ui/skin_path.h"

namespace quorvel {

std::string skinDirectoryFor(std::string_view executablePath, std::string_view skinName) {
    std::string directory;
    directory.reserve(executablePath.size() + skinName.size() + 7);
    std::size_t from = 0;
    while (true) {
        const std::size_t at = executablePath.find(kExecutableName, from);
        directory.append(executablePath.substr(from, at - from));
        if (at == std::string_view::npos)
            break;
        from = at + kExecutableName.size();
    }
    directory.append("/Skins/");
    directory.append(skinName);
    return directory;
}

std::string SkinPath(std::string_view skinDirectory, std::string_view fileName) {
    std::string path(skinDirectory);
    path.append(fileName);
    return path;
}

}  // namespace quorvel
