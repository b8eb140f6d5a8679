#include "package/line_file.h"

#include "platform/files.h"

static const Text lineEnd = "\r\n";

static std::string withLineEnds(const LineList& lines) {
    std::string bytes;
    for (const Text& line : lines) bytes += line + lineEnd;
    return bytes;
}

// The readable text of a file ends at 0x00, at the old end-of-file mark 0x1A,
// or before a lead byte that has no trail byte.
static Text readableText(const std::string& bytes) {
    const Text& all = bytes;
    int end = 0;
    while (end < textLength(all)) {
        const auto byte = static_cast<unsigned char>(all[end]);
        if (byte == 0x00 || byte == 0x1A) break;
        if (byte >= 0x80 && (end + 1 == textLength(all) || all[end + 1] == 0)) break;
        end += charWidthAt(all, end);
    }
    return leftPart(all, end);
}

bool fileExists(const Text& path) { return !path.empty() && platform::directorySearchFinds(path); }

bool writeWholeFile(const Text& path, ByteBlock block) {
    if (path.empty()) return false;
    return platform::createFile(path, block, platform::Sharing::Exclusive);
}

bool copyFile(const Text& from, const Text& to) { return platform::copyFile(from, to); }

bool deleteFile(const Text& path) { return platform::deleteFile(path); }

bool appendLines(const Text& path, const LineList& lines) {
    return platform::appendToExistingFile(path, withLineEnds(lines));
}

LineList readAllLines(const Text& path, OpenFor openFor) {
    std::string bytes;
    const auto access = openFor == OpenFor::Reading ? platform::Access::Read : platform::Access::ReadWrite;
    if (!platform::readExistingFile(path, access, bytes)) return LineList();
    return splitText(readableText(bytes), lineEnd);
}

bool rewriteAllLines(const Text& path, const LineList& lines) {
    return platform::createFile(path, withLineEnds(lines), platform::Sharing::ReadWrite);
}

// Position of the last "\" that is a character of its own, not the trail
// byte of a double-byte character; -1 when there is none.
static int lastSeparator(const Text& path) {
    int last = -1;
    for (int i = 0; i < textLength(path);) {
        if (path[i] == '\\') last = i;
        const int width = charWidthAt(path, i);
        i += width == 0 ? 1 : width;
    }
    return last;
}

Text programFolder() {
    const Text path = platform::executablePath();
    return leftPart(path, lastSeparator(path));
}

Text programFileName() {
    const Text path = platform::executablePath();
    return rightPart(path, textLength(path) - lastSeparator(path) - 1);
}

void enterProgramFolder() {
    // A drive letter alone would mean that drive's current folder.
    const Text folder = programFolder();
    platform::setCurrentFolder(textLength(folder) == 2 ? joinText(folder, "\\") : folder);
}
