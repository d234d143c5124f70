// The longest macro the editor can hold, turned into its device block and read back: both must
// stay a single pass over the file, which a search per item once made take seconds.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "macro/macro_library.h"
#include "real_clock.h"

namespace {

using namespace quorvel;

class MemoryFiles : public FilesPort {
  public:
    bool exists(const std::string& path) override { return files_.count(path) != 0; }
    std::optional<std::vector<std::uint8_t>> read(const std::string& path) override {
        const auto it = files_.find(path);
        if (it == files_.end())
            return std::nullopt;
        return it->second;
    }
    std::optional<FileError> replace(const std::string& path,
                                     const std::vector<std::uint8_t>& bytes) override {
        files_[path] = bytes;
        return std::nullopt;
    }
    std::optional<FileError> makeDirectory(const std::string&) override { return std::nullopt; }
    std::optional<FileError> remove(const std::string& path) override {
        files_.erase(path);
        return std::nullopt;
    }

  private:
    std::map<std::string, std::vector<std::uint8_t>> files_;
};

constexpr const char* kPath = "record.ini";
constexpr int kRuns = 9;
constexpr double kLimitMs = 500.0;  // for the whole rebuild and read of the longest macro

std::vector<std::uint8_t> longestMacroFile() {
    std::string text = "[Long]\r\nItemCount=" + std::to_string(kMaxMacroItems) + "\r\n";
    for (std::size_t i = 0; i < kMaxMacroItems; ++i) {
        text += "Item" + std::to_string(i) + "=";
        text += i % 2 == 0 ? std::string("A   Dn") : std::to_string(i) + " ms";
        text += "\r\n";
    }
    return {text.begin(), text.end()};
}

}  // namespace

int main() {
    std::unique_ptr<Clock> clock = bench::makeRealClock();
    MemoryFiles files;
    files.replace(kPath, longestMacroFile());
    MouseConfig config;
    MacroLibrary library(files, kPath, config);

    std::vector<double> times;
    std::size_t itemsRead = 0;
    for (int run = 0; run < kRuns; ++run) {
        const auto start = clock->now();
        library.rebuildMacroTable();
        itemsRead = library.readMacro("Long").size();
        times.push_back(std::chrono::duration<double, std::milli>(clock->now() - start).count());
    }
    std::sort(times.begin(), times.end());
    const double median = times[times.size() / 2];
    std::printf("clock: %s\n", bench::describeRealClock(*clock).c_str());
    std::printf(
        "longest macro (%zu items, %zu read back): %d runs, min %.1f ms median %.1f ms "
        "max %.1f ms\n",
        kMaxMacroItems, itemsRead, kRuns, times.front(), median, times.back());
    const bool ok = itemsRead == kMaxMacroItems && median <= kLimitMs;
    std::printf("%s (limit %.0f ms on the median)\n", ok ? "ok" : "TOO SLOW OR INCOMPLETE",
                kLimitMs);
    return ok ? 0 : 1;
}
