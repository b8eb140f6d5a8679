#include <gtest/gtest.h>

#include "package/line_file.h"
#include "package/settings_file.h"
#include "tests/settings_lines.h"
#include "tests/support/sandbox.h"

static bool operator==(const HotkeyWarning& a, const HotkeyWarning& b) {
    return a.item == b.item && a.verdict == b.verdict;
}

namespace {

using Verdict = SettingsVerdict;
using Hotkey = HotkeyVerdict;

TEST(SettingsValues, ValueAfterKeyTakesTheBytesBehindTheKey) {
    EXPECT_EQ(valueAfterKey("宽度=800", 5), "800");
    EXPECT_EQ(valueAfterKey("标题=a=b", 5), "a=b");
    EXPECT_EQ(valueAfterKey("宽度=", 5), "");
    EXPECT_EQ(valueAfterKey("宽度", 5), "");
    EXPECT_EQ(valueAfterKey("菜单10热键=F10", 11), "F10");
}

TEST(SettingsValues, ItemKeysGrowWithTheItemNumber) {
    EXPECT_EQ(itemKeyLength(13), 10);
    EXPECT_EQ(itemKeyLength(39), 10);
    EXPECT_EQ(itemKeyLength(40), 11);
    EXPECT_EQ(itemKey(1, TitleSlot), "菜单1标题=");
    EXPECT_EQ(itemKey(10, HotkeySlot), "菜单10热键=");
    EXPECT_EQ(textLength(itemKey(9, PathSlot)), 10);
    EXPECT_EQ(textLength(itemKey(99, PathSlot)), 11);
    EXPECT_EQ(itemLine(1, TitleSlot), 13);
    EXPECT_EQ(itemLine(10, TitleSlot), 40);
}

TEST(SettingsValues, NumbersPassOnlyInPlainDecimal) {
    struct Case {
        Text value;
        std::int32_t number;
        bool passes;
    } cases[] = {
        {"800", 800, true},   {"-5", -5, true},   {"0", 0, true},
        {"", 0, false},       {"0900", 900, false}, {"+7", 7, false},
        {" 800", 800, false}, {"800 ", 800, false}, {"12a", 12, false},
        {"８００", 800, false}, {"2147483648", INT32_MIN, false},
    };
    for (const Case& c : cases) {
        const SettingsNumber number = settingsNumber(c.value);
        EXPECT_EQ(number.value, c.number) << c.value;
        EXPECT_EQ(number.passes, c.passes) << c.value;
    }
}

TEST(SettingsValues, HotkeyVerdicts) {
    struct Case {
        Text value;
        Hotkey verdict;
    } cases[] = {
        {"A", Hotkey::HotkeyAccepted},  {" ", Hotkey::HotkeyAccepted},   {"\xBD", Hotkey::HotkeyAccepted},
        {"F1", Hotkey::HotkeyAccepted}, {"F9", Hotkey::HotkeyAccepted},  {"F10", Hotkey::HotkeyAccepted},
        {"F12", Hotkey::HotkeyAccepted}, {"", Hotkey::HotkeyEmpty},      {"f1", Hotkey::HotkeyWrong},
        {"F13", Hotkey::HotkeyWrong},   {"F0", Hotkey::HotkeyWrong},     {"AB", Hotkey::HotkeyWrong},
        {"F100", Hotkey::HotkeyWrong},  {"菜", Hotkey::HotkeyWrong},
    };
    for (const Case& c : cases) EXPECT_EQ(hotkeyVerdict(c.value), c.verdict) << "value: " << c.value;
}

TEST(SettingsValues, KeysAreNamedAsHotkeysAreStored) {
    struct Case {
        int keyCode;
        Text name;
    } cases[] = {
        {65, "A"},   {32, " "},     {48, "0"},   {111, "o"},   {112, "F1"},
        {121, "F10"}, {123, "F12"}, {124, "|"}, {189, "\xBD"}, {27, "\x1B"},
    };
    for (const Case& c : cases) EXPECT_EQ(keyName(c.keyCode), c.name) << "key code " << c.keyCode;
}

struct CheckCase {
    const char* what;
    LineList lines;
    std::vector<HotkeyWarning> warnings;
    Verdict verdict;
};

LineList with(LineList lines, int index, const Text& line) {
    lines[static_cast<size_t>(index)] = line;
    return lines;
}

LineList inserted(LineList lines, int index, const Text& line) {
    lines.insert(lines.begin() + index, line);
    return lines;
}

LineList appended(LineList lines, const Text& line) {
    lines.push_back(line);
    return lines;
}

TEST(SettingsAcceptance, WarningsAndVerdictInTheOrderThePlayerShowsThem) {
    const LineList two = settingsLines({{"a", "\\a", "A"}, {"b", "", " "}});
    const LineList threeEmpty = settingsLines({{"a", "", ""}, {"b", "", ""}, {"c", "", ""}});
    const CheckCase cases[] = {
        {"a wizard's file", two, {}, Verdict::Accepted},
        {"no items", settingsLines({}), {}, Verdict::Accepted},
        {"99 items", settingsLines(numberedItems(99, "F12")), {}, Verdict::Accepted},
        {"12 lines", LineList(two.begin(), two.begin() + 12), {}, Verdict::Incomplete},
        {"no lines", {}, {}, Verdict::Incomplete},
        {"three empty hotkeys", threeEmpty,
         {{1, Hotkey::HotkeyEmpty}, {2, Hotkey::HotkeyEmpty}, {3, Hotkey::HotkeyEmpty}}, Verdict::Accepted},
        {"blank line after the last item", appended(two, ""), {}, Verdict::UnrecognisedItem},
        {"blank line in the header pushes the section down", inserted(two, 3, ""), {}, Verdict::UnrecognisedItem},
        {"header line changed in place", with(two, 1, ";changed"), {}, Verdict::Invalid},
        {"empty hotkey then a changed header", with(with(two, 15, "菜单1热键="), 2, ";x"),
         {{1, Hotkey::HotkeyEmpty}}, Verdict::Invalid},
        {"wrong hotkey then a misplaced item 3 title",
         with(settingsLines({{"a", "", "f1"}, {"b", "", "A"}, {"c", "", "B"}}), 19, "菜单4标题=c"),
         {{1, Hotkey::HotkeyWrong}}, Verdict::UnrecognisedItem},
        {"space before the width key", with(two, 5, " 宽度=800"), {}, Verdict::Invalid},
        {"space after the width key", with(two, 5, "宽度= 800"), {}, Verdict::Accepted},
        {"section line with more after it", with(two, 12, "【菜单设置】x"), {}, Verdict::Invalid},
        {"last item incomplete", appended(two, "菜单3标题=c"), {}, Verdict::Accepted},
        {"item 10 with a leading zero", with(settingsLines(numberedItems(10)), 40, "菜单010标题=x"), {},
         Verdict::UnrecognisedItem},
        {"100 items", settingsLines(numberedItems(100, "")),
         [] {
             std::vector<HotkeyWarning> all;
             for (int n = 1; n <= 99; ++n) all.push_back({n, Hotkey::HotkeyEmpty});
             return all;
         }(),
         Verdict::UnrecognisedItem},
    };
    for (const CheckCase& c : cases) {
        const SettingsCheck check = checkSettingsLines(c.lines);
        EXPECT_EQ(check.verdict, c.verdict) << c.what;
        EXPECT_TRUE(check.warnings == c.warnings) << c.what << ": " << check.warnings.size() << " warnings";
    }
}

TEST(SettingsAcceptance, AHotkeyByteOf0x80OrAboveKeepsItsLineEnd) {
    // The wizard writes keys such as minus (0xBD) as one byte; the player
    // must read its own wizard's file.
    Sandbox box;
    box.put("VYRrun.shi", fileBytes(settingsLines({{"a", "", "\xBD"}, {"b", "", "\xBD"}})));
    box.enter();
    const LineList lines = readSettingsLines();
    ASSERT_EQ(lines.size(), 19u);
    EXPECT_EQ(valueAfterKey(lines[15], 10), "\xBD");
    const SettingsCheck check = checkSettingsLines(lines);
    EXPECT_EQ(check.verdict, Verdict::Accepted);
    EXPECT_TRUE(check.warnings.empty());
}

TEST(SettingsAcceptance, TheLastLineNeedsNoLineEnd) {
    Sandbox box;
    std::string bytes = fileBytes(settingsLines({{"a", "", "A"}}));
    bytes.resize(bytes.size() - 2);
    box.put("VYRrun.shi", bytes);
    box.enter();
    EXPECT_EQ(readSettingsLines(), settingsLines({{"a", "", "A"}}));
}

}  // namespace
