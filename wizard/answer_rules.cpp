#include "wizard/answer_rules.h"

#include "package/line_file.h"

bool isPositiveIntegerText(const Text& t) {
    const std::int32_t value = textToInteger(t);
    return value >= 1 && sameText(integerToText(value), t);
}

Text storedItemPath(const Text& path, const Text& outputFolder) {
    const int folderLength = textLength(outputFolder);
    if (!sameText(leftPart(path, folderLength), outputFolder) || !fileExists(path)) return Text();
    return rightPart(path, textLength(path) - folderLength);
}

LineList fontListEntries(const std::vector<Text>& families) {
    // Each family comes once per character set, one after the other.
    LineList entries;
    for (auto name = families.rbegin(); name != families.rend(); ++name)
        if (entries.empty() || !sameText(entries.back(), *name)) entries.push_back(*name);
    return entries;
}
