#include "wizard/settings_lines.h"

#include <algorithm>

#include "package/line_file.h"
#include "package/menu_package.h"
#include "package/settings_file.h"
#include "wizard/wizard_window.h"

Text settingsPath() { return joinText(wizard.outputFolder, settingsSuffix); }

void appendSettings(const LineList& lines) { appendLines(settingsPath(), lines); }

LineList readSettings() { return readAllLines(settingsPath(), OpenFor::ReadingAndWriting); }

void dropLastLines(const LineList& lines, int count, int firstLine) {
    // A missing file stays missing: going back writes no package file anew.
    if (!fileExists(settingsPath())) return;
    const int held = static_cast<int>(lines.size());
    const int kept = std::max(held - count, std::min(held, firstLine));
    rewriteAllLines(settingsPath(), LineList(lines.begin(), lines.begin() + kept));
}
