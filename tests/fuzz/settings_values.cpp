// Taking values out of settings lines: valueAfterKey, itemKeyLength with the
// item keys it must measure, and hotkeyVerdict. The input's last bytes give
// a key length or line index, the rest is a line.

#include <fuzzer/FuzzedDataProvider.h>

#include "package/settings_file.h"
#include "tests/fuzz/fuzz_input.h"

static HotkeyVerdict expectedVerdict(const Text& value) {
    if (value.empty()) return HotkeyVerdict::HotkeyEmpty;
    if (value.size() == 1) return HotkeyVerdict::HotkeyAccepted;
    for (int n = 1; n <= 12; ++n)
        if (value == "F" + integerToText(n)) return HotkeyVerdict::HotkeyAccepted;
    return HotkeyVerdict::HotkeyWrong;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const int number = input.ConsumeIntegralInRange<int>(-20, 400);
    const std::string rest = input.ConsumeRemainingBytesAsString();
    const Text line = inputText(reinterpret_cast<const std::uint8_t*>(rest.data()), rest.size());
    const int length = textLength(line);

    const Text value = valueAfterKey(line, number);
    EXPECT_PROPERTY(value == line.substr(static_cast<std::size_t>(std::min(std::max(number, 0), length))));
    if (number >= 0 && number <= length) EXPECT_PROPERTY(leftPart(line, number) + value == line);

    EXPECT_PROPERTY(hotkeyVerdict(line) == expectedVerdict(line));

    // The line index of an item line, and the item and slot it belongs to.
    const int index = firstItemLine + (number < 0 ? -number : number);
    const int item = (index - firstItemLine) / 3 + 1;
    const auto slot = static_cast<ItemSlot>((index - firstItemLine) % 3);
    EXPECT_PROPERTY(itemLine(item, slot) == index);
    const Text key = itemKey(item, slot);
    EXPECT_PROPERTY(key == joinText(leftPart(itemKey(1, TitleSlot), 4), integerToText(item), itemSlotKeys[slot]));
    if (item <= 99) {
        EXPECT_PROPERTY(textLength(key) == itemKeyLength(index));
        EXPECT_PROPERTY(valueAfterKey(key + line, itemKeyLength(index)) == line);
    } else {
        // From item 100 on the key is longer than what the reader compares.
        EXPECT_PROPERTY(textLength(key) > itemKeyLength(index));
    }
    return 0;
}
