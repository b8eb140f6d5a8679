#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/files.h"
#include "platform/host/host_files.h"
#include "tests/support/sandbox.h"

namespace fs = std::filesystem;

// Drive C: is a fresh host folder for each test; the sandbox lies in it.
static fs::path hostRoot() {
    static int counter = 0;
    return fs::temp_directory_path() / ("vyr-test-" + std::to_string(getpid()) + "-" + std::to_string(++counter));
}

static fs::path currentRoot;

Sandbox::Sandbox() : folder_("C:\\sandbox") {
    currentRoot = hostRoot();
    fs::create_directories(currentRoot / "sandbox");
    fs::create_directories(currentRoot / "programs");
    std::ofstream(currentRoot / "programs" / "package_tests.exe") << "MZ";
    platform::host::mapDrive('C', currentRoot);
    platform::host::setExecutablePath("C:\\programs\\package_tests.exe");
    platform::host::releaseAll();
    platform::setCurrentFolder("C:\\");
}

Sandbox::~Sandbox() {
    std::error_code error;
    fs::remove_all(currentRoot, error);
}

void Sandbox::makeFolder(const Text& name) const { fs::create_directory(platform::host::hostPath(path(name))); }

void Sandbox::put(const Text& name, const std::string& bytes) const {
    std::ofstream(platform::host::hostPath(path(name)), std::ios::binary) << bytes;
}

std::optional<std::string> Sandbox::bytes(const Text& name) const {
    const fs::path file = platform::host::hostPath(path(name));
    if (!fs::is_regular_file(file)) return std::nullopt;
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool Sandbox::isFolder(const Text& name) const { return fs::is_directory(platform::host::hostPath(path(name))); }

void Sandbox::enter() const { platform::setCurrentFolder(folder_); }
