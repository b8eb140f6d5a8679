// Windows file semantics on a host folder: drive letters map onto folders,
// names match without regard to ASCII case, "\" separates names (never the
// trail byte of a double-byte character), and only createFolder makes a folder.

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <set>

#include "platform/files.h"
#include "platform/host/host_files.h"

namespace fs = std::filesystem;

namespace {

std::map<char, fs::path> drives;
Text executable = "C:\\VYRrun.exe";
Text current = "C:\\";
std::set<fs::path> heldOpen;
std::set<fs::path> readOnlyFolders;

char driveKey(char letter) { return static_cast<char>(std::toupper(static_cast<unsigned char>(letter))); }

bool hasDrive(const Text& path) { return path.size() >= 2 && path[1] == ':' && std::isalpha(static_cast<unsigned char>(path[0])); }

// The path made absolute against the current folder.
Text absolute(const Text& path) {
    if (hasDrive(path)) {
        if (path.size() > 2 && path[2] == '\\') return path;
        if (driveKey(path[0]) == driveKey(current[0])) return joinText(current, "\\", path.substr(2));
        return joinText(path.substr(0, 2), "\\", path.substr(2));
    }
    if (!path.empty() && path[0] == '\\') return joinText(current.substr(0, 2), path);
    return joinText(current, "\\", path);
}

struct Resolved {
    fs::path parent;  // existing host folder that holds the last name
    Text name;        // the last name; empty when the path ends in "\"
};

bool sameNameIgnoringCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

// The entry of a folder that a name names, whatever its letter case.
fs::path entryFor(const fs::path& folder, const Text& name) {
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error))
        if (sameNameIgnoringCase(entry.path().filename().string(), name)) return entry.path();
    return folder / name;
}

// The folder names of an absolute path after its drive, with "." and ".."
// applied and repeated separators collapsed, and its last name apart.
void splitNames(const Text& full, std::vector<Text>& folders, Text& last) {
    last.clear();
    for (int i = 3; i < textLength(full);) {
        if (full[i] != '\\') {
            const int width = std::max(charWidthAt(full, i), 1);
            last.append(full, static_cast<size_t>(i), static_cast<size_t>(width));
            i += width;
            continue;
        }
        if (last == "..") {
            if (!folders.empty()) folders.pop_back();
        } else if (!last.empty() && last != ".") {
            folders.push_back(last);
        }
        last.clear();
        ++i;
    }
}

std::optional<Resolved> resolve(const Text& path) {
    if (path.empty()) return std::nullopt;
    const Text full = absolute(path);
    const auto drive = drives.find(driveKey(full[0]));
    if (drive == drives.end()) return std::nullopt;
    std::vector<Text> folders;
    Text last;
    splitNames(full, folders, last);
    fs::path folder = drive->second;
    for (const Text& name : folders) {
        folder = entryFor(folder, name);
        if (!fs::is_directory(folder)) return std::nullopt;
    }
    return Resolved{folder, last};
}

std::optional<fs::path> existingFile(const Text& path) {
    const auto resolved = resolve(path);
    if (!resolved || resolved->name.empty()) return std::nullopt;
    const fs::path file = entryFor(resolved->parent, resolved->name);
    if (!fs::is_regular_file(file)) return std::nullopt;
    return file;
}

bool insideReadOnlyFolder(fs::path folder) {
    for (;; folder = folder.parent_path()) {
        if (readOnlyFolders.count(folder)) return true;
        if (folder == folder.parent_path()) return false;
    }
}

// Where a new file of that path goes: its folder must exist and take
// writes, and the name must not be a folder or a file held open.
std::optional<fs::path> writableFile(const Text& path) {
    const auto resolved = resolve(path);
    if (!resolved || resolved->name.empty() || insideReadOnlyFolder(resolved->parent)) return std::nullopt;
    const fs::path file = entryFor(resolved->parent, resolved->name);
    if (fs::is_directory(file) || heldOpen.count(file)) return std::nullopt;
    return file;
}

bool matchesPattern(const char* pattern, const char* name) {
    if (*pattern == '\0') return *name == '\0';
    if (*pattern == '*') return matchesPattern(pattern + 1, name) || (*name != '\0' && matchesPattern(pattern, name + 1));
    if (*name == '\0') return false;
    if (*pattern == '?' || std::tolower(static_cast<unsigned char>(*pattern)) == std::tolower(static_cast<unsigned char>(*name)))
        return matchesPattern(pattern + 1, name + 1);
    return false;
}

bool writeBytes(const fs::path& file, std::string_view bytes, std::ios::openmode mode) {
    std::ofstream out(file, std::ios::binary | mode);
    if (!out) return false;
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

}  // namespace

namespace platform {

bool readExistingFile(const Text& path, Access, std::string& bytes) {
    const auto file = existingFile(path);
    if (!file) return false;
    std::ifstream in(*file, std::ios::binary);
    if (!in) return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

bool appendToExistingFile(const Text& path, std::string_view bytes) {
    const auto file = existingFile(path);
    return file && !insideReadOnlyFolder(file->parent_path()) && writeBytes(*file, bytes, std::ios::app);
}

bool createFile(const Text& path, std::string_view bytes, Sharing) {
    const auto file = writableFile(path);
    return file && writeBytes(*file, bytes, std::ios::trunc);
}

bool copyFile(const Text& from, const Text& to) {
    const auto source = existingFile(from);
    const auto target = writableFile(to);
    if (!source || !target) return false;
    std::error_code error;
    if (fs::equivalent(*source, *target, error)) return false;
    return fs::copy_file(*source, *target, fs::copy_options::overwrite_existing, error);
}

bool deleteFile(const Text& path) {
    const auto file = existingFile(path);
    if (!file || heldOpen.count(*file) || insideReadOnlyFolder(file->parent_path())) return false;
    std::error_code error;
    return fs::remove(*file, error);
}

bool createFolder(const Text& path) {
    const auto resolved = resolve(path);
    if (!resolved || resolved->name.empty() || insideReadOnlyFolder(resolved->parent)) return false;
    std::error_code error;
    return fs::create_directory(entryFor(resolved->parent, resolved->name), error);
}

bool directorySearchFinds(const Text& pattern) {
    const auto resolved = resolve(pattern);
    if (!resolved || resolved->name.empty()) return false;
    if (resolved->name.find_first_of("*?") == Text::npos)
        return fs::exists(entryFor(resolved->parent, resolved->name));
    std::error_code error;
    for (const char* dots : {".", ".."})
        if (matchesPattern(resolved->name.c_str(), dots)) return true;
    for (const auto& entry : fs::directory_iterator(resolved->parent, error))
        if (matchesPattern(resolved->name.c_str(), entry.path().filename().c_str())) return true;
    return false;
}

Text executablePath() { return executable; }

bool setCurrentFolder(const Text& path) {
    const auto resolved = resolve(path);
    if (!resolved) return false;
    if (!resolved->name.empty() && !fs::is_directory(entryFor(resolved->parent, resolved->name))) return false;
    const Text full = absolute(path);
    std::vector<Text> folders;
    Text last;
    splitNames(full, folders, last);
    if (!last.empty() && last != "." && last != "..") folders.push_back(last);
    if (last == ".." && !folders.empty()) folders.pop_back();
    current = full.substr(0, 2);
    for (const Text& name : folders) current += joinText("\\", name);
    if (folders.empty()) current += "\\";
    return true;
}

}  // namespace platform

namespace platform::host {

void mapDrive(char letter, const fs::path& folder) { drives[driveKey(letter)] = folder; }

void setExecutablePath(const Text& path) { executable = path; }

Text currentFolder() { return current; }

fs::path hostPath(const Text& path) {
    const auto resolved = resolve(path);
    if (!resolved) return {};
    return resolved->name.empty() ? resolved->parent : entryFor(resolved->parent, resolved->name);
}

void holdOpen(const Text& path) { heldOpen.insert(hostPath(path)); }

void makeReadOnly(const Text& folder) { readOnlyFolders.insert(hostPath(folder)); }

void releaseAll() {
    heldOpen.clear();
    readOnlyFolders.clear();
}

}  // namespace platform::host
