// Prints the verdict of checkSettingsLines for each settings file named,
// read as the player reads it: "accepted", "incomplete", "unrecognised item"
// or "invalid", then the number of hotkey warnings.

#include <cstdio>
#include <filesystem>

#include "package/line_file.h"
#include "package/settings_file.h"
#include "platform/host/host_files.h"

int main(int argc, char** argv) {
    static const char* const names[] = {"accepted", "incomplete", "unrecognised item", "invalid"};
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path file = std::filesystem::absolute(argv[i]);
        platform::host::mapDrive('C', file.parent_path());
        const SettingsCheck check = checkSettingsLines(readAllLines(joinText("C:\\", file.filename().string()), OpenFor::Reading));
        std::printf("%s: %s, %zu warnings\n", argv[i], names[static_cast<int>(check.verdict)], check.warnings.size());
    }
    return 0;
}
