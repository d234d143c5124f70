// Writes the installed data files: make_default_config <directory>
#include <cstdio>
#include <string>

#include "config/install_data.h"
#include "ports/std_files.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output directory>\n", argv[0]);
        return 2;
    }
    const std::string directory = std::string(argv[1]) + "/";
    quorvel::StdFilesPort files;
    struct Output {
        const char* name;
        std::vector<std::uint8_t> bytes;
    };
    const Output outputs[] = {
        {"config.bin", quorvel::defaultConfigFileBytes()},
        {"str.ini", quorvel::defaultSettingsFileBytes()},
    };
    for (const Output& output : outputs) {
        if (const auto error = files.replace(directory + output.name, output.bytes)) {
            std::fprintf(stderr, "cannot write %s%s (error %d)\n", directory.c_str(), output.name,
                         error->systemCode);
            return 1;
        }
    }
    return 0;
}
