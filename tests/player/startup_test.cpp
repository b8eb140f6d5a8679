#include <cctype>
#include <optional>

#include "tests/player/player_fixture.h"

namespace {

const Text noFile = "配置文件不存在！无法启动光盘菜单！";
const Text wrongName = "主程序文件名错误！请更改为VYRrun.exe！";
const Text incomplete = "配置文件不完整或没有菜单项！启动失败！";
const Text unrecognised = "存在无法识别菜单项！启动失败！";
const Text invalid = "配置文件不合法！光盘菜单启动失败！";

Text emptyHotkey(int item) { return joinText("菜单项", integerToText(item), "热键值为空！该项热键无效！"); }
Text wrongHotkey(int item) { return joinText("菜单项", integerToText(item), "热键值错误！该项热键无效！"); }

LineList withLine(LineList lines, int index, const Text& line) {
    lines[static_cast<size_t>(index)] = line;
    return lines;
}

LineList withBlankLastLine(LineList lines) {
    lines.push_back("");
    return lines;
}

std::vector<TestItem> itemsWithHotkeys(const std::vector<Text>& hotkeys) {
    std::vector<TestItem> items = numberedItems(static_cast<int>(hotkeys.size()));
    for (size_t i = 0; i < hotkeys.size(); ++i) items[i].hotkey = hotkeys[i];
    return items;
}

LineList hundredItemsWithBadHotkeyAt(int item) {
    std::vector<TestItem> items = numberedItems(100);
    items[static_cast<size_t>(item) - 1].hotkey = "F13";
    return settingsLines(items);
}

struct FatalCase {
    const char* what;
    std::optional<LineList> settings;  // none: no settings file
    Text programName;
    std::vector<Text> messages;
};

class PlayerStartUpEnds : public PlayerTest, public ::testing::WithParamInterface<FatalCase> {};

TEST_P(PlayerStartUpEnds, WithItsMessagesInOrderAndNoMenu) {
    const FatalCase& c = GetParam();
    if (c.settings)
        start(*c.settings, c.programName);
    else
        startWithoutSettings(c.programName);

    EXPECT_EQ(messageTexts(), c.messages);
    EXPECT_EQ(desktop().exitCode, 0);
    EXPECT_EQ(platform::text(platform::theWindow), playerCaption);
    EXPECT_EQ(platform::text(titleLabel), "");
    EXPECT_TRUE(boardDrawing().empty());
}

const LineList twoItems = settingsLines(numberedItems(2));

INSTANTIATE_TEST_SUITE_P(
    BrokenFiles, PlayerStartUpEnds,
    ::testing::Values(
        FatalCase{"missing file", std::nullopt, "VYRrun.exe", {noFile}},
        FatalCase{"twelve lines", withoutLastLine(settingsLines({})), "VYRrun.exe", {incomplete}},
        FatalCase{"blank line after the last item", withBlankLastLine(twoItems), "VYRrun.exe", {unrecognised}},
        FatalCase{"changed header line after an empty hotkey",
                  withLine(settingsLines(itemsWithHotkeys({""})), 3, ";配置程序时请勿更改本行"), "VYRrun.exe",
                  {emptyHotkey(1), invalid}},
        FatalCase{"space before the width key", withLine(twoItems, 5, " 宽度=800"), "VYRrun.exe", {invalid}},
        FatalCase{"misplaced item line after a wrong hotkey",
                  withLine(settingsLines(itemsWithHotkeys({"f1", "B", "C"})), 19, "菜单4标题=项目"), "VYRrun.exe",
                  {wrongHotkey(1), unrecognised}},
        FatalCase{"100 items", hundredItemsWithBadHotkeyAt(42), "VYRrun.exe", {wrongHotkey(42), unrecognised}},
        FatalCase{"own name in capitals", twoItems, "VYRRUN.EXE", {wrongName}},
        FatalCase{"own name wrong and no settings file", std::nullopt, "menu.exe", {wrongName}}),
    [](const ::testing::TestParamInfo<FatalCase>& info) {
        std::string name;
        for (const char* p = info.param.what; *p; ++p)
            if (std::isalnum(static_cast<unsigned char>(*p))) name += *p;
        return name;
    });

TEST_F(PlayerTest, HotkeyWarningsComeInItemOrderAndTheMenuOpens) {
    start(settingsLines(itemsWithHotkeys({"", "", "", "F1"})));

    EXPECT_EQ(messageTexts(), (std::vector<Text>{emptyHotkey(1), emptyHotkey(2), emptyHotkey(3)}));
    EXPECT_FALSE(desktop().exitCode);
    EXPECT_EQ(entryTexts(), (std::vector<Text>{"【】 项目1", "【】 项目2", "【】 项目3", "【F1】 项目4"}));
}

TEST_F(PlayerTest, AcceptedHotkeysPassSilently) {
    start(settingsLines(itemsWithHotkeys({"A", " ", "F1", "F10", "F12"})));

    EXPECT_TRUE(messageTexts().empty());
    EXPECT_FALSE(desktop().exitCode);
}

// The bytes with one more byte put in at a place.
std::string withByteAt(std::string bytes, size_t at, char byte) {
    bytes.insert(at, 1, byte);
    return bytes;
}

// Where line k of the lines begins in their file.
size_t lineStart(const LineList& lines, int k) { return fileBytes(LineList(lines.begin(), lines.begin() + k)).size(); }

// Files damaged byte by byte: the reader stops at 0x00, at the end mark 0x1A
// and before a lead byte that has lost its trail byte, and start-up judges the
// lines before that point; a file grown long is read whole and judged alike.
TEST_F(PlayerTest, DamagedBytesAreJudgedByTheLinesBeforeThem) {
    const std::string bytes = fileBytes(twoItems);
    const size_t secondEntry = lineStart(twoItems, itemLine(2, TitleSlot));
    const size_t secondPath = lineStart(twoItems, itemLine(2, PathSlot)) + itemKey(2, PathSlot).size();
    // Up to the lead byte of the second character of "项目2".
    const std::string cutInTheLastTitle = bytes.substr(0, secondEntry + itemKey(2, TitleSlot).size() + 3);
    std::string blankLinesToAHundredThousand;
    for (size_t line = twoItems.size(); line < 100000; ++line) blankLinesToAHundredThousand += "\r\n";
    const struct {
        const char* what;
        std::string bytes;
        std::vector<Text> messages;  // a menu opens when none is fatal
        std::vector<Text> entries;
    } cases[] = {
        {"emptied", "", {incomplete}, {}},
        {"cut inside a character of the first line", bytes.substr(0, 5), {incomplete}, {}},
        {"cut inside a character of the last entry's title", cutInTheLastTitle, {}, {"【A】 项目1"}},
        {"0x00 in the third line", withByteAt(bytes, lineStart(twoItems, 2) + 1, '\0'), {incomplete}, {}},
        {"0x1A before the last entry", withByteAt(bytes, secondEntry, '\x1A'), {}, {"【A】 项目1"}},
        {"0x00 in the last entry's path", withByteAt(bytes, secondPath, '\0'), {}, {"【A】 项目1"}},
        {"grown to 100 000 lines", bytes + blankLinesToAHundredThousand, {unrecognised}, {}},
    };
    for (const auto& c : cases) {
        platform::fake::reset();
        sandbox.put(settingsFileName, c.bytes);
        startWithoutSettings();
        EXPECT_EQ(messageTexts(), c.messages) << c.what;
        const bool ends = !c.messages.empty();
        EXPECT_EQ(desktop().exitCode, ends ? std::optional<int>(0) : std::nullopt) << c.what;
        EXPECT_EQ(entryTexts(), c.entries) << c.what;
    }
}

TEST_F(PlayerTest, ThirteenLinesShowAnEmptyMenu) {
    start(settingsLines({}));

    EXPECT_TRUE(messageTexts().empty());
    EXPECT_FALSE(desktop().exitCode);
    EXPECT_EQ(platform::text(platform::theWindow), "标题");
    EXPECT_TRUE(boardDrawing().empty());
}

}  // namespace
