// Prints the settings file's fixed texts as a fuzzer dictionary, one
// name="bytes" entry a line, so that the fuzzers start from the real keys.

#include <cstdio>

#include "package/menu_package.h"
#include "package/settings_file.h"

static void entry(const char* name, int number, const Text& bytes) {
    std::printf("%s%d=\"", name, number);
    for (const char c : bytes) std::printf("\\x%02X", static_cast<unsigned char>(c));
    std::printf("\"\n");
}

int main() {
    entry("line_end", 0, "\r\n");
    for (int k = 0; k < settingsHeaderLineCount; ++k) entry("header", k, settingsHeader[k]);
    for (int k = 0; k < 7; ++k) entry("basic_key", k, basicKeys[k]);
    entry("menu_section", 0, menuSectionLine);
    for (int slot = TitleSlot; slot <= HotkeySlot; ++slot) {
        entry("slot_key", slot, itemSlotKeys[slot]);
        for (const int item : {1, 9, 10, 99, 100}) entry("item_key", item * 3 + slot, itemKey(item, static_cast<ItemSlot>(slot)));
    }
    entry("function_key", 10, "F10");
    entry("full_width_digit", 8, "\xA3\xB8");
    return 0;
}
