#include "profile/profile_store.h"

#include <algorithm>
#include <cctype>

#include "profile/profile_names.h"

namespace quorvel {
namespace {

// Far above any profile (about 10 KB); a larger file is not one, and is not read whole.
constexpr std::size_t kLargestProfileBytes = 1 << 20;

bool endsWithIgnoringCase(std::string_view text, std::string_view suffix) {
    return text.size() >= suffix.size() &&
           std::equal(suffix.begin(), suffix.end(),
                      text.end() - static_cast<std::ptrdiff_t>(suffix.size()), [](char a, char b) {
                          return std::tolower(static_cast<unsigned char>(a)) ==
                                 std::tolower(static_cast<unsigned char>(b));
                      });
}

bool nameOrder(const ProfileEntry& a, const ProfileEntry& b) {
    const auto lower = [](std::string text) {
        for (char& c : text)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return text;
    };
    const std::string la = lower(a.name);
    const std::string lb = lower(b.name);
    return la != lb ? la < lb : a.name < b.name;
}

std::string systemCodeText(const FileError& error) {
    return "system error " + std::to_string(error.systemCode);
}

bool hasProgram(const Profile& profile, std::string_view program) {
    return std::any_of(profile.programs.begin(), profile.programs.end(),
                       [&](const std::string& p) { return sameProgram(p, program); });
}

std::size_t eraseProgram(Profile& profile, std::string_view program) {
    return std::erase_if(profile.programs,
                         [&](const std::string& p) { return sameProgram(p, program); });
}

}  // namespace

ProfileStore::ProfileStore(FilesPort& files, DirectoryListingPort& listing, std::string folder)
    : files_(files), listing_(listing), folder_(std::move(folder)) {}

std::string ProfileStore::pathOf(std::string_view name) const {
    if (folder_.empty())
        return std::string(name) + std::string(kProfileExtension);
    const char last = folder_.back();
    const bool separated = last == '/' || last == '\\';
    const char separator = folder_.find('\\') != std::string::npos ? '\\' : '/';
    return folder_ + (separated ? "" : std::string(1, separator)) + std::string(name) +
           std::string(kProfileExtension);
}

ProfileEntry ProfileStore::load(std::string_view name) const {
    ProfileEntry entry{std::string(name), pathOf(name), std::nullopt, {}};
    if (const auto problem = profileNameProblem(name); !problem.empty()) {
        entry.error = problem;
        return entry;
    }
    if (!files_.exists(entry.path)) {
        entry.error = "no profile named \"" + entry.name + "\"";
        return entry;
    }
    const auto bytes = files_.read(entry.path);
    if (!bytes) {
        entry.error = "cannot be read";
        return entry;
    }
    if (bytes->size() > kLargestProfileBytes) {
        entry.error = std::to_string(bytes->size()) + " bytes, far more than a profile holds";
        return entry;
    }
    ProfileJsonResult parsed = profileFromJson(
        std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
    entry.profile = std::move(parsed.profile);
    entry.error = std::move(parsed.error);
    return entry;
}

std::vector<ProfileEntry> ProfileStore::list() const {
    std::vector<ProfileEntry> entries;
    for (const DirectoryEntry& file : listing_.list(folder_)) {
        if (file.directory || !endsWithIgnoringCase(file.name, kProfileExtension))
            continue;
        const std::string name = file.name.substr(0, file.name.size() - kProfileExtension.size());
        entries.push_back(load(name));
    }
    std::sort(entries.begin(), entries.end(), nameOrder);
    return entries;
}

std::string ProfileStore::write(const std::string& path, const Profile& profile) {
    const std::string text = profileToJson(profile);
    if (const auto error =
            files_.replace(path, std::vector<std::uint8_t>(text.begin(), text.end())))
        return path + ": cannot be written (" + systemCodeText(*error) + ")";
    return {};
}

std::string ProfileStore::save(std::string_view name, const Profile& profile) {
    if (const auto problem = profileNameProblem(name); !problem.empty())
        return problem;
    for (const auto& program : profile.programs) {
        if (const auto problem = programNameProblem(program); !problem.empty())
            return problem;
    }
    if (const auto error = files_.makeDirectory(folder_))
        return folder_ + ": the folder cannot be made (" + systemCodeText(*error) + ")";
    const std::string path = pathOf(name);
    if (files_.exists(path)) {
        const ProfileEntry previous = load(name);
        if (!previous.profile)
            return path + ": " + previous.error +
                   "; a damaged profile is not replaced (delete it first)";
    }
    if (auto error = write(path, profile); !error.empty())
        return error;
    // The new owner is written first: a failure below leaves a program in two profiles,
    // never in none.
    for (ProfileEntry& other : list()) {
        if (!other.profile || sameProgram(other.name, name))
            continue;
        std::size_t moved = 0;
        for (const auto& program : profile.programs)
            moved += eraseProgram(*other.profile, program);
        if (moved == 0)
            continue;
        if (auto error = write(other.path, *other.profile); !error.empty())
            return error + "; its programs were not moved to \"" + std::string(name) + "\"";
    }
    return {};
}

std::string ProfileStore::remove(std::string_view name) {
    if (const auto problem = profileNameProblem(name); !problem.empty())
        return problem;
    const std::string path = pathOf(name);
    if (!files_.exists(path))
        return "no profile named \"" + std::string(name) + "\" in " + folder_;
    if (const auto error = files_.remove(path))
        return path + ": cannot be deleted (" + systemCodeText(*error) + ")";
    return {};
}

std::string ProfileStore::addPrograms(std::string_view name,
                                      std::span<const std::string> programs) {
    ProfileEntry entry = load(name);
    if (!entry.profile)
        return entry.path + ": " + entry.error;
    for (const auto& program : programs) {
        if (const auto problem = programNameProblem(program); !problem.empty())
            return problem;
        if (!hasProgram(*entry.profile, program))
            entry.profile->programs.push_back(program);
    }
    return save(name, *entry.profile);
}

std::string ProfileStore::removePrograms(std::span<const std::string> programs,
                                         std::vector<std::string>& unknown) {
    std::vector<ProfileEntry> entries = list();
    for (const auto& program : programs) {
        const bool anywhere = std::any_of(
            entries.begin(), entries.end(),
            [&](const ProfileEntry& e) { return e.profile && hasProgram(*e.profile, program); });
        if (!anywhere)
            unknown.push_back(program);
    }
    for (ProfileEntry& entry : entries) {
        if (!entry.profile)
            continue;
        std::size_t removed = 0;
        for (const auto& program : programs)
            removed += eraseProgram(*entry.profile, program);
        if (removed == 0)
            continue;
        if (auto error = write(entry.path, *entry.profile); !error.empty())
            return error;
    }
    return {};
}

const ProfileEntry* profileOfProgram(std::span<const ProfileEntry> entries,
                                     std::string_view program) {
    for (const ProfileEntry& entry : entries) {
        if (entry.profile && hasProgram(*entry.profile, program))
            return &entry;
    }
    return nullptr;
}

std::string profilesFolderBeside(std::string_view configDirectory) {
    return std::string(configDirectory) + std::string(kProfilesFolderName);
}

}  // namespace quorvel
