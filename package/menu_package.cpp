#include "package/menu_package.h"

#include "package/package_blocks.h"

const char* const playerSuffix = "\\VYRrun.exe";
const char* const settingsSuffix = "\\VYRrun.shi";
const char* const autoplaySuffix = "\\autorun.inf";
const char* const iconSuffix = "\\VYR.ico";

ByteBlock playerBlock() { return ByteBlock(reinterpret_cast<const char*>(playerBlockBytes), playerBlockSize); }

ByteBlock settingsTemplateBlock() {
    static const Text block = [] {
        Text lines;
        for (const char* line : settingsHeader) lines += joinText(line, "\r\n");
        return lines;
    }();
    return block;
}

ByteBlock autoplayBlock() { return "[AUTORUN]\r\nOPEN=VYRrun.exe\r\nicon=VYR.ico"; }

ByteBlock defaultIconBlock() { return ByteBlock(reinterpret_cast<const char*>(defaultIconBytes), defaultIconSize); }

void writePackageSkeleton(const Text& folder) {
    writeWholeFile(joinText(folder, playerSuffix), playerBlock());
    writeWholeFile(joinText(folder, settingsSuffix), settingsTemplateBlock());
    writeWholeFile(joinText(folder, autoplaySuffix), autoplayBlock());
}

void writePackageIcon(const Text& folder, const Text& chosenIcon) {
    const Text target = joinText(folder, iconSuffix);
    if (fileExists(chosenIcon))
        copyFile(chosenIcon, target);
    else
        writeWholeFile(target, defaultIconBlock());
}

void removePackage(const Text& folder) {
    // Without an accepted folder the names would point into the drive's
    // root, at files this program never wrote.
    if (folder.empty()) return;
    for (const char* suffix : {playerSuffix, settingsSuffix, autoplaySuffix, iconSuffix}) deleteFile(joinText(folder, suffix));
}
