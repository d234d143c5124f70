// Runs the built quorvelctl in a scratch directory and collects what it did.
#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace quorvel::testing {

struct CtlRun {
    int code = -1;
    std::string out;
    std::string err;
};

class CtlDirectory {
  public:
    CtlDirectory() {
        char pattern[] = "/tmp/quorvelctl-test-XXXXXX";
        const char* made = mkdtemp(pattern);
        path_ = made != nullptr ? made : "";
    }
    ~CtlDirectory() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    CtlDirectory(const CtlDirectory&) = delete;
    CtlDirectory& operator=(const CtlDirectory&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

    // `args` is shell text after the tool's name, run inside the directory.
    CtlRun run(const std::string& args) const { return script("\"$Q\" " + args); }

    // Shell text with the tool's path in $Q.
    CtlRun script(const std::string& shell) const {
        // `cd ''` stays where it is: without a scratch directory the run would litter the
        // checkout.
        if (path_.empty())
            return CtlRun{-1, "", "no scratch directory"};
        const std::string command = "cd '" + path_.string() + "' && { Q='" QUORVELCTL "'; " +
                                    shell + "; } >ctl.out 2>ctl.err";
        CtlRun result;
        const int status = std::system(command.c_str());
        result.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        result.out = text("ctl.out");
        result.err = text("ctl.err");
        std::filesystem::remove(path_ / "ctl.out");
        std::filesystem::remove(path_ / "ctl.err");
        return result;
    }

    std::string text(const std::string& name) const {
        std::ifstream in(path_ / name, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    std::vector<std::uint8_t> bytes(const std::string& name) const {
        const std::string t = text(name);
        return {t.begin(), t.end()};
    }
    void write(const std::string& name, const std::string& content) const {
        std::ofstream(path_ / name, std::ios::binary) << content;
    }
    void write(const std::string& name, const std::vector<std::uint8_t>& content) const {
        write(name, std::string(content.begin(), content.end()));
    }
    bool exists(const std::string& name) const { return std::filesystem::exists(path_ / name); }

  private:
    std::filesystem::path path_;
};

inline std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        out.push_back(line);
    return out;
}

inline bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// One line, "quorvelctl: ..." (a usage error adds its "Try" line).
inline bool isOneErrorLine(const std::string& err) {
    return err.rfind("quorvelctl: ", 0) == 0 && !err.empty() && err.back() == '\n' &&
           err.find('\n') == err.size() - 1;
}

}  // namespace quorvel::testing
