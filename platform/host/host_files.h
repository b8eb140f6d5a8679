#pragma once
// Set-up of the host file layer: which host folder stands for which drive,
// and where the running program "lies".

#include <filesystem>

#include "package/text_ops.h"

namespace platform::host {

void mapDrive(char letter, const std::filesystem::path& folder);
void setExecutablePath(const Text& path);
Text currentFolder();
// The host folder that a Windows path names, for tests that look behind the layer.
std::filesystem::path hostPath(const Text& path);
// A file held open without sharing by another process (a running program):
// it can neither be replaced nor deleted until it is released.
void holdOpen(const Text& path);
// A folder whose files can be read but not created, replaced, appended to or
// deleted, nor anything inside its subfolders (a write-protected disc, a
// folder without write permission). The layer refuses by itself: permission
// bits stop nothing when the tests run as root.
void makeReadOnly(const Text& folder);
// Releases every file held open and every read-only folder.
void releaseAll();

}  // namespace platform::host
