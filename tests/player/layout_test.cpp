#include <algorithm>

#include "player/menu_layout.h"
#include "tests/player/player_fixture.h"

namespace {

using platform::height;
using platform::theWindow;
using platform::width;

struct Settings {
    Text width = "800", height = "600", fontSize = "18", count = "";
    int items = 1;
};

class MenuLayout : public PlayerTest {
protected:
    void startWith(const Settings& s) { start(settingsLines(numberedItems(s.items), s.width, s.height, s.fontSize, s.count)); }
};

TEST_F(MenuLayout, WizardDefaultsDrawOneBoxUnderTheTitle) {
    startWith({});

    EXPECT_EQ(boardDrawing(), (std::vector<std::string>{"box 140,14-660,57", "text 160,23 【A】 项目1"}));
    EXPECT_EQ(platform::fake::drawings(menuBoard)[0].fontFace, "宋体");
    EXPECT_EQ(platform::fake::drawings(menuBoard)[0].fontPoints, 18);
}

TEST_F(MenuLayout, EntriesFollowEveryThreePointTwoFontSizes) {
    startWith({.count = "2", .items = 2});

    EXPECT_EQ(boardDrawing(), (std::vector<std::string>{"box 140,14-660,57", "text 160,23 【A】 项目1",
                                                         "box 140,72-660,115", "text 160,81 【A】 项目2"}));
}

TEST_F(MenuLayout, ControlsFollowTheWindowSizeAndTexts) {
    start(settingsLines(numberedItems(1), "1000", "700"));

    EXPECT_EQ(width(theWindow), 1000);
    EXPECT_EQ(height(theWindow), 700);
    EXPECT_EQ(platform::left(theWindow), 112);  // still centred for the template's 800 × 600
    EXPECT_EQ(width(titleLabel), 904);
    EXPECT_EQ(width(authorLabel), 840);
    EXPECT_EQ(width(menuBoard), 1000);
    EXPECT_EQ(height(menuBoard), 600);
    EXPECT_EQ(platform::top(webAddressLabel), 652);
    EXPECT_EQ(platform::text(theWindow), "标题");
    EXPECT_EQ(platform::text(titleLabel), "标题");
    EXPECT_EQ(platform::text(authorLabel), "作者");
    EXPECT_EQ(platform::text(webAddressLabel), makerDomain);
    EXPECT_EQ(boardDrawing()[0], "box 140,14-860,57");
}

TEST_F(MenuLayout, ATitleOf300BytesIsShownWholeInTheCaptionAndTheTitleLine) {
    Text doubleByte;
    for (int k = 0; k < 75; ++k) doubleByte += "光盘";
    for (const Text& title : {Text(300, 'T'), doubleByte}) {
        platform::fake::reset();
        LineList lines = settingsLines(numberedItems(1));
        lines[titleLine] = joinText(basicKeys[titleLine - firstBasicLine], title);
        start(lines);
        EXPECT_EQ(platform::text(theWindow), title);
        EXPECT_EQ(platform::text(titleLabel), title);
    }
}

struct SizeCase {
    Text value;
    int taken;
};

TEST_F(MenuLayout, WidthsTheScreenOrTheWindowCannotTakeFallBackTo800) {
    const SizeCase cases[] = {{"1024", 1024}, {"1025", 800}, {"0900", 800}, {"", 800}, {"+900", 800},
                              {"-5", 800},    {"50", 800},   {"100", 112}, {"500", 500}};
    for (const SizeCase& c : cases) {
        platform::fake::reset();
        startWith({.width = c.value});
        EXPECT_EQ(width(theWindow), c.taken) << "width value \"" << c.value << "\"";
    }
}

TEST_F(MenuLayout, HeightsTheScreenOrTheWindowCannotTakeFallBackTo600) {
    const SizeCase cases[] = {{"768", 768}, {"769", 600}, {"0700", 600}, {"", 600}, {"5", 600}, {"20", 27}};
    for (const SizeCase& c : cases) {
        platform::fake::reset();
        startWith({.height = c.value});
        EXPECT_EQ(height(theWindow), c.taken) << "height value \"" << c.value << "\"";
    }
}

struct FontSizeCase {
    Settings settings;
    int points;
    std::vector<std::string> drawing;
};

TEST_F(MenuLayout, FontSizesBeyondAQuarterOfTheBoardFallBack) {
    const FontSizeCase cases[] = {
        {{.fontSize = "125"}, 125, {"box 140,100-660,400", "text 160,162 【A】 项目1"}},
        {{.fontSize = "126"}, 18, {"box 140,14-660,57", "text 160,23 【A】 项目1"}},
        {{.fontSize = "0"}, 18, {"box 140,14-660,57", "text 160,23 【A】 项目1"}},
        {{.fontSize = "-7"}, 18, {"box 140,14-660,57", "text 160,23 【A】 项目1"}},
        {{.fontSize = "18pt"}, 18, {"box 140,14-660,57", "text 160,23 【A】 项目1"}},
        {{.height = "700", .fontSize = "0"}, 21, {"box 140,16-660,67", "text 160,27 【A】 项目1"}},
        {{.fontSize = "9"}, 9, {"box 140,7-660,28", "text 160,11 【A】 项目1"}},
    };
    for (const FontSizeCase& c : cases) {
        platform::fake::reset();
        startWith(c.settings);
        SCOPED_TRACE("font size \"" + c.settings.fontSize + "\", height " + c.settings.height);
        EXPECT_EQ(platform::fake::control(menuBoard).fontPoints, c.points);
        EXPECT_EQ(boardDrawing(), c.drawing);
    }
}

struct CountCase {
    Settings settings;
    std::vector<Text> entries;
};

std::vector<Text> entriesUpTo(int last) {
    std::vector<Text> texts;
    for (int n = 1; n <= last; ++n) texts.push_back(joinText("【A】 项目", integerToText(n)));
    return texts;
}

TEST_F(MenuLayout, EntryCountsBeyondTheBoardOrTheFileFallBack) {
    const CountCase cases[] = {
        {{.count = "20", .items = 10}, entriesUpTo(8)},  {{.count = "8", .items = 10}, entriesUpTo(8)},
        {{.count = "-1", .items = 10}, entriesUpTo(8)},  {{.count = "8x", .items = 10}, entriesUpTo(8)},
        {{.count = "x", .items = 10}, {}},  // one byte, so it passes as 0
        {{.count = "0", .items = 10}, {}},               {{.count = "5", .items = 3}, entriesUpTo(3)},
        {{.count = "3", .items = 10}, entriesUpTo(3)},   {{.height = "700", .count = "30", .items = 12}, entriesUpTo(9)},
        {{.count = "2147483647", .items = 10}, entriesUpTo(8)},
        {{.count = "2147483648", .items = 10}, entriesUpTo(8)},  // wraps to a negative number and fails the length
        {{.count = "-2147483648", .items = 10}, entriesUpTo(8)},
    };
    for (const CountCase& c : cases) {
        platform::fake::reset();
        startWith(c.settings);
        EXPECT_EQ(entryTexts(), c.entries) << "count \"" << c.settings.count << "\" with " << c.settings.items
                                           << " items, height " << c.settings.height;
    }
}

TEST_F(MenuLayout, AnIncompleteLastItemIsNotDrawn) {
    LineList lines = settingsLines(numberedItems(2), "800", "600", "18", "9");
    lines.push_back(itemKey(3, TitleSlot) + "项目3");
    start(lines);

    EXPECT_EQ(entryTexts(), entriesUpTo(2));
}

TEST_F(MenuLayout, EntriesFromTenOnTakeTheirValuesAfterLongerKeys) {
    std::vector<TestItem> items = numberedItems(11);
    items[9].hotkey = "F10";
    items[10].hotkey = " ";
    start(settingsLines(items, "800", "600", "10"));

    const std::vector<std::string> drawing = boardDrawing();
    const std::vector<std::string> lastTwoEntries(drawing.end() - std::min<std::ptrdiff_t>(4, static_cast<std::ptrdiff_t>(drawing.size())),
                                                  drawing.end());
    EXPECT_EQ(lastTwoEntries, (std::vector<std::string>{"box 140,296-660,320", "text 160,301 【F10】 项目10",
                                                         "box 140,328-660,352", "text 160,333 【 】 项目11"}));
}

TEST_F(MenuLayout, FontNamesTheBoardCannotUseDrawInSongti) {
    struct Case {
        Text name, face;
    } cases[] = {{"", "宋体"},
                 {"楷体_GB2312", "楷体_GB2312"},
                 {Text(31, 'a'), Text(31, 'a')},
                 {Text(32, 'a'), "宋体"},
                 {"一二三四五六七八九十一二三四五六", "宋体"}};
    for (const Case& c : cases) {
        platform::fake::reset();
        LineList lines = settingsLines(numberedItems(1));
        lines[fontNameLine] = joinText(basicKeys[fontNameLine - firstBasicLine], c.name);
        start(lines);
        EXPECT_EQ(platform::fake::drawings(menuBoard)[0].fontFace, c.face) << "font name \"" << c.name << "\"";
    }
}

TEST_F(MenuLayout, ABoardTooLowForAnyFontDrawsNothing) {
    for (const char* height : {"127", "110", "100", "20"}) {
        platform::fake::reset();
        startWith({.height = height, .items = 3});
        EXPECT_TRUE(boardDrawing().empty()) << "height " << height;
        onMenuBoardPressed(200, 10, 0);
        EXPECT_TRUE(desktop().shellOpens.empty()) << "height " << height;
    }
}

}  // namespace

namespace {

// Rounding must not take a box's edge from it: wherever an edge falls on a
// whole pixel row, a click on that row opens the box.
TEST(EntryBoxes, BothEdgesOfEveryBoxBelongToIt) {
    for (int s = 1; s <= 125; ++s)
        for (int k = 1; k <= 20; ++k) {
            const int top = s * (16 * k - 12), bottom = s * 16 * k;  // five times the edges' rows
            if (top % 5 == 0) {
                EXPECT_EQ(entryAt(400, top / 5, 800, s, 20), k) << "font size " << s << ", top of box " << k;
            }
            if (bottom % 5 == 0) {
                EXPECT_EQ(entryAt(400, bottom / 5, 800, s, 20), k) << "font size " << s << ", bottom of box " << k;
            }
        }
}

}  // namespace
