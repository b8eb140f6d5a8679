#include <optional>

#include "tests/player/player_fixture.h"

namespace {

using platform::altHeld;
using platform::ctrlHeld;
using platform::shiftHeld;

// One entry per hotkey, each opening a file of its own in the player's folder.
class MenuActivation : public PlayerTest {
protected:
    void startWithHotkeys(const std::vector<Text>& hotkeys, const Text& count = "") {
        std::vector<TestItem> items;
        for (size_t i = 0; i < hotkeys.size(); ++i) {
            const Text file = joinText(integerToText(static_cast<int>(i) + 1), ".txt");
            sandbox.put(file, "");
            items.push_back({joinText("项目", integerToText(static_cast<int>(i) + 1)), joinText("\\", file), hotkeys[i]});
        }
        start(settingsLines(items, "800", "600", "18", count));
    }

    Text opened(int entry) const { return sandbox.path(joinText(integerToText(entry), ".txt")); }

    // What the last event opened; empty when it opened nothing.
    static Text lastOpened() {
        std::vector<Text>& opens = desktop().shellOpens;
        const Text last = opens.empty() ? Text() : opens.back();
        opens.clear();
        return last;
    }
};

TEST_F(MenuActivation, HotkeysOpenTheFirstEntryWithTheKeysName) {
    startWithHotkeys({"A", "5", "F3", "F3", "F10", " ", "a", "F5"});
    struct Case {
        const char* what;
        int keyCode, modifiers, entry;  // entry 0: nothing opens
    } cases[] = {
        {"A", 'A', 0, 1},
        {"Ctrl+A", 'A', ctrlHeld, 0},
        {"5, also keypad 5 as the backend folds it", '5', 0, 2},
        {"F3 shared by two entries", 114, 0, 3},
        {"F10", 121, 0, 5},
        {"Alt+F10", 121, altHeld, 0},
        {"F5", 116, 0, 8},
        {"Shift+F5", 116, shiftHeld, 0},
        {"space", ' ', 0, 6},
        {"Z, no entry's", 'Z', 0, 0},
        {"F1, no entry's", 112, 0, 0},
        {"Shift+Esc", 27, shiftHeld, 0},
    };
    for (const Case& c : cases) {
        onMenuKeyPressed(c.keyCode, c.modifiers);
        EXPECT_EQ(lastOpened(), c.entry ? opened(c.entry) : Text()) << c.what;
    }
    EXPECT_FALSE(desktop().windowDestroyed);
    EXPECT_TRUE(desktop().messages.empty());
}

TEST_F(MenuActivation, NoLetterKeyMatchesALowerCaseHotkey) {
    startWithHotkeys({"a"});
    for (int letter = 'A'; letter <= 'Z'; ++letter) onMenuKeyPressed(letter, 0);

    EXPECT_TRUE(desktop().shellOpens.empty());
}

TEST_F(MenuActivation, HotkeysOfEntriesNotDrawnStillOpenThem) {
    startWithHotkeys({"A", "B", "C"}, "1");
    onMenuKeyPressed('C', 0);

    EXPECT_EQ(lastOpened(), opened(3));
}

TEST_F(MenuActivation, EscClosesTheMenuAndOpensNothing) {
    startWithHotkeys({"\x1B", " ", ""});
    onMenuKeyPressed(27, 0);

    EXPECT_TRUE(desktop().windowDestroyed);
    EXPECT_TRUE(desktop().shellOpens.empty());
}

TEST_F(MenuActivation, ClicksOpenTheEntryWhoseBoxHoldsThem) {
    // Font size 18: box 1 spans rows 14.4 to 57.6, box 2 rows 72 to 115.2;
    // a third entry lies in the file but is not drawn.
    startWithHotkeys({"A", "B", "C"}, "2");
    struct Case {
        int x, y, entry;
    } cases[] = {
        {400, 0, 0},  {400, 10, 0},  {400, 14, 0},  {400, 15, 1},  {400, 57, 1},  {400, 58, 0},
        {400, 71, 0}, {400, 72, 2},  {400, 115, 2}, {400, 116, 0}, {400, 140, 0}, {400, 480, 0},
        {139, 30, 0}, {140, 30, 1},  {660, 30, 1},  {661, 30, 0},  {139, 100, 0}, {660, 100, 2},
    };
    for (const Case& c : cases) {
        onMenuBoardPressed(c.x, c.y, 0);
        EXPECT_EQ(lastOpened(), c.entry ? opened(c.entry) : Text()) << "click at " << c.x << "," << c.y;
    }
}

TEST_F(MenuActivation, ClicksFollowTheFallbackFontSizeTheBoxesWereDrawnWith) {
    sandbox.put("1.txt", "");
    start(settingsLines({{"项目1", "\\1.txt", "A"}}, "800", "700", "0"));  // font size 21: rows 16.8 to 67.2
    const struct {
        int y, entry;
    } cases[] = {{16, 0}, {17, 1}, {67, 1}, {68, 0}};
    for (const auto& c : cases) {
        onMenuBoardPressed(300, c.y, 0);
        EXPECT_EQ(lastOpened(), c.entry ? opened(c.entry) : Text()) << "click at row " << c.y;
    }
}

TEST_F(MenuActivation, TargetsAreThePlayersFolderJoinedWithTheStoredPath) {
    sandbox.makeFolder("docs");
    sandbox.put("a.txt", "");
    struct Case {
        Text path, target;
    } cases[] = {
        {"\\a.txt", sandbox.path("a.txt")},
        {"\\docs", sandbox.path("docs")},
        {"", sandbox.folder()},
        {"\\d*", sandbox.path("d*")},
    };
    for (const Case& c : cases) {
        platform::fake::reset();
        start(settingsLines({{"项目", c.path, "A"}}));
        onMenuKeyPressed('A', 0);
        EXPECT_EQ(lastOpened(), c.target) << "path \"" << c.path << "\"";
        EXPECT_TRUE(desktop().messages.empty()) << "path \"" << c.path << "\"";
    }
}

TEST_F(MenuActivation, AMissingTargetIsReportedAndTheMenuStays) {
    sandbox.put("a.txt", "");
    const std::vector<TestItem> items = {{"项目1", "\\missing.exe", "A"}, {"项目2", "a.txt", "B"}, {"项目3", "\\a.txt", "C"}};
    start(settingsLines(items));

    onMenuKeyPressed('A', 0);
    onMenuBoardPressed(400, 100, 0);
    onMenuKeyPressed('C', 0);

    const Text report = "菜单路径指向有误！文件打开失败！";
    EXPECT_EQ(messageTexts(), (std::vector<Text>{report, report}));
    EXPECT_EQ(desktop().shellOpens, std::vector<Text>{sandbox.path("a.txt")});
    EXPECT_FALSE(desktop().windowDestroyed);
}

TEST_F(MenuActivation, SettingsGoneOrShortenedSinceStartUpOpenNothing) {
    struct Case {
        const char* what;
        std::optional<LineList> settings;  // none: the file is gone
    } cases[] = {
        {"file gone", std::nullopt},
        {"twelve lines", withoutLastLine(settingsLines({}))},
        {"one entry fewer", settingsLines(numberedItems(1))},
    };
    for (const Case& c : cases) {
        platform::fake::reset();
        startWithHotkeys({"A", "B"});
        if (c.settings)
            sandbox.put(settingsFileName, fileBytes(*c.settings));
        else
            deleteFile(sandbox.path(settingsFileName));
        onMenuKeyPressed('B', 0);
        onMenuBoardPressed(400, 100, 0);
        EXPECT_TRUE(desktop().shellOpens.empty()) << c.what;
        EXPECT_TRUE(desktop().messages.empty()) << c.what;
        EXPECT_FALSE(desktop().windowDestroyed) << c.what;
    }
}

// The file damaged after start-up: each key and click reads what is left
// before the first 0x00, 0x1A or lone lead byte, or the whole of a file grown
// long, and opens only entries whose three lines are still there.
TEST_F(MenuActivation, DamagedSettingsOpenOnlyTheEntriesStillWhole) {
    const struct {
        const char* what;
        std::string (*damage)(const std::string& bytes);
        std::vector<int> opened;  // by the keys A, B and Z, then clicks on boxes 1 and 2
    } cases[] = {
        {"emptied", [](const std::string&) { return std::string(); }, {}},
        {"cut inside a character of the first line", [](const std::string& b) { return b.substr(0, 5); }, {}},
        {"cut inside a character of the second title",  // after the lead byte of the second character of 项目2
         [](const std::string& b) {
             const Text key = itemKey(2, TitleSlot);
             return b.substr(0, b.find(key) + key.size() + 3);
         },
         {1, 1}},
        {"0x1A before the second entry",
         [](const std::string& b) { return std::string(b).insert(b.find(itemKey(2, TitleSlot)), "\x1A"); }, {1, 1}},
        {"0x00 in the first hotkey line",
         [](const std::string& b) { return std::string(b).insert(b.find(itemKey(1, HotkeySlot)), 1, '\0'); }, {}},
        {"grown to 100 000 lines",
         [](const std::string& b) {
             std::string grown = b;
             for (size_t lines = 19; lines < 100000; ++lines) grown += "\r\n";
             return grown;
         },
         {1, 2, 1, 2}},
    };
    for (const auto& c : cases) {
        platform::fake::reset();
        startWithHotkeys({"A", "B"});
        sandbox.put(settingsFileName, c.damage(sandbox.bytes(settingsFileName).value()));
        for (int key : {'A', 'B', 'Z'}) onMenuKeyPressed(key, 0);
        onMenuBoardPressed(400, 30, 0);
        onMenuBoardPressed(400, 100, 0);
        std::vector<Text> expected;
        for (int entry : c.opened) expected.push_back(opened(entry));
        EXPECT_EQ(desktop().shellOpens, expected) << c.what;
        EXPECT_TRUE(desktop().messages.empty()) << c.what;
        EXPECT_FALSE(desktop().windowDestroyed) << c.what;
    }
}

TEST_F(MenuActivation, TheWebAddressLabelOpensTheMakersSite) {
    startWithHotkeys({"A"});
    platform::fake::events().mousePressed(webAddressLabel, 5, 5, 0);

    EXPECT_EQ(desktop().shellOpens, std::vector<Text>{headerAddress});
}

TEST_F(MenuActivation, TheBoardsClicksArriveThroughTheWindowsEvents) {
    startWithHotkeys({"A"});
    platform::fake::events().mousePressed(menuBoard, 400, 30, 0);
    platform::fake::events().keyPressed('A', 0);

    EXPECT_EQ(desktop().shellOpens, (std::vector<Text>{opened(1), opened(1)}));
}

}  // namespace
