#pragma once
// The file system as the programs see it: Windows paths as GBK texts.
// One implementation calls Win32; the host one maps the paths onto a test
// folder with the same rules.

#include <string>
#include <string_view>

#include "package/text_ops.h"

namespace platform {

enum class Access { Read, ReadWrite };
enum class Sharing { Exclusive, ReadWrite };

// Reads every byte of an existing file, which other processes may read and
// write meanwhile; false when it cannot be opened or read.
bool readExistingFile(const Text& path, Access access, std::string& bytes);
// Adds bytes at the end of an existing file; never creates one.
bool appendToExistingFile(const Text& path, std::string_view bytes);
// Creates the file, or empties an existing one, and writes the bytes.
bool createFile(const Text& path, std::string_view bytes, Sharing sharing);
// Replaces an existing target; fails for a missing or folder source, or a
// source that is the target itself.
bool copyFile(const Text& from, const Text& to);
bool deleteFile(const Text& path);
// Makes one folder in an existing one. The wizard makes only its default
// output folder this way; no other operation makes a folder.
bool createFolder(const Text& path);
// A directory search: wildcards in the last name match as a pattern, a path
// ending in "\" finds nothing.
bool directorySearchFinds(const Text& pattern);
Text executablePath();
bool setCurrentFolder(const Text& path);

}  // namespace platform
