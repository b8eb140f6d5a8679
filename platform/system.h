#pragma once
// What the programs use of the system besides their window.

#include <vector>

#include "package/text_ops.h"

namespace platform {

// The shell's folder browser: files listed too, an edit box, modal to the
// program. The full path of the chosen item; empty when cancelled.
Text browseForFolder(const Text& prompt);

struct FileDialogSpec {
    const char* title;
    const char* filterName;
    const char* filterPattern;
    const char* defaultExtension;
};
// The open-file dialog, opening with the name chosen the time before. True
// and the full path when the user confirms a file.
bool chooseFile(const FileDialogSpec& dialog, Text& path);

// The shell's "open" with no parameters and a normally shown window; does
// not wait and does not report.
void shellOpen(const Text& target);

// Installed font family names, one per family and character set, in the
// order the system enumerates them.
std::vector<Text> fontFamilies();

int screenWidth();
int screenHeight();

// A message box with an OK button and the exclamation icon, no owner, modal
// to the program; returns when it is dismissed.
void showMessage(const Text& text, const Text& caption);

// Ends the program at once with the exit code.
void endProgram(int exitCode);

}  // namespace platform
