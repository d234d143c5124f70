#include "ports/std_files.h"

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace quorvel {
namespace {

namespace fs = std::filesystem;

fs::path toPath(const std::string& utf8) {
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

FileError lastError(int fallback) {
    return FileError{errno != 0 ? errno : fallback};
}

}  // namespace

bool StdFilesPort::exists(const std::string& path) {
    std::error_code error;
    return fs::is_regular_file(toPath(path), error);
}

std::optional<std::vector<std::uint8_t>> StdFilesPort::read(const std::string& path) {
    std::ifstream in(toPath(path), std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                    std::istreambuf_iterator<char>());
    if (in.bad()) {
        return std::nullopt;
    }
    return bytes;
}

std::optional<FileError> StdFilesPort::replace(const std::string& path,
                                               const std::vector<std::uint8_t>& bytes) {
    const fs::path target = toPath(path);
    std::error_code error;
    errno = 0;
    // A rename would pass over a read-only file; opening it for appending asks the same
    // question a plain rewrite would, without changing a byte.
    if (fs::exists(target, error)) {
        std::ofstream probe(target, std::ios::binary | std::ios::app);
        if (!probe) {
            return lastError(EACCES);
        }
    }
    fs::path temporary = target;
    temporary += ".tmp";
    {
        errno = 0;
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) {
            return lastError(EIO);
        }
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            const FileError failed = lastError(EIO);
            out.close();
            fs::remove(temporary, error);  // best effort; the original is untouched
            return failed;
        }
    }
    fs::rename(temporary, target, error);
    if (error) {
        const FileError failed{error.value()};
        std::error_code ignored;
        fs::remove(temporary, ignored);  // best effort; the original is untouched
        return failed;
    }
    return std::nullopt;
}

}  // namespace quorvel
