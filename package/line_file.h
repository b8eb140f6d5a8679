#pragma once
// Line files (every line followed by CR LF) and the few file operations both
// programs use. None of them reports an error or shows anything.

#include <string_view>

#include "package/text_ops.h"

using ByteBlock = std::string_view;

// The wizard reads its settings for reading and writing, the player for
// reading only so that it works from a read-only disc.
enum class OpenFor { Reading, ReadingAndWriting };

bool fileExists(const Text& path);
bool writeWholeFile(const Text& path, ByteBlock block);
bool copyFile(const Text& from, const Text& to);
bool deleteFile(const Text& path);
bool appendLines(const Text& path, const LineList& lines);
LineList readAllLines(const Text& path, OpenFor openFor);
bool rewriteAllLines(const Text& path, const LineList& lines);
Text programFolder();
Text programFileName();
// Makes the program's own folder the current folder, as each program does
// first; relative names such as "VYRrun.shi" then resolve there.
void enterProgramFolder();
