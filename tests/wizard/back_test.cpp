// Going back: the previous step comes back with its answer, read from the
// settings file, and the file loses that answer's lines.

#include "tests/wizard/wizard_fixture.h"

namespace {

using platform::text;

// A run with typed answers and two items, into C:\sandbox\out.
class BackTest : public WizardTest {
protected:
    BackTest() {
        box.makeFolder("out");
        box.put("out\\setup.exe", "MZ");
    }

    // Each step's answers typed, then Next; check runs after each Next.
    template <typename Check>
    void runTypedAnswers(Check check) {
        const std::vector<std::function<void()>> answers = {
            [] {},
            [] { type(mainEdit, "C:\\sandbox\\out"); },
            [] {},
            [] { type(mainEdit, "1024"); },
            [] {},
            [] { type(mainEdit, "作者甲"); },
            [] { chooseFont("黑体"); },
            [] { type(mainEdit, "24"); },
            [] { type(mainEdit, "2"); },
            [] {
                type(mainEdit, "安装");
                type(secondEdit, "C:\\sandbox\\out\\setup.exe");
                releaseKey('A');
            },
            [] {},
        };
        for (const auto& answer : answers) {
            answer();
            next();
            check();
        }
    }

    const LineList fullRun = withHeader({"宽度=1024", "高度=600", "标题=VYR光盘自动播放菜单", "作者=作者甲", "字体=黑体",
                                         "字号=24", "数量=2", "【菜单设置】", "菜单1标题=安装", "菜单1路径=\\setup.exe",
                                         "菜单1热键=A", "菜单2标题=", "菜单2路径=", "菜单2热键= "});

    LineList firstLines(int count) const { return LineList(fullRun.begin(), fullRun.begin() + count); }
};

TEST_F(BackTest, EachBackShowsThePreviousStepWithItsAnswerAndDropsItsLines) {
    runTypedAnswers([] {});
    ASSERT_EQ(wizard.currentStep, WizardStep::Finished);
    ASSERT_EQ(settingsIn("out"), fullRun);
    const struct {
        const char* backTo;
        std::string screen;
        Text main, second, hotkey;  // the boxes on screen that hold answers
        int linesKept;
    } steps[] = {
        {"item 2", screens::itemEntry, "", "C:\\sandbox\\out", " ", 16},
        {"item 1", screens::itemEntry, "安装", "C:\\sandbox\\out\\setup.exe", "A", 13},
        {"ItemCount", screens::numberBox, "2", "", "", 11},
        {"MenuFontSize", screens::numberBox, "24", "", "", 10},
        {"MenuFont", screens::font, "", "", "", 9},
        {"MenuAuthor", screens::titleOrAuthor, "作者甲", "", "", 8},
        {"MenuTitle", screens::titleOrAuthor, "VYR光盘自动播放菜单", "", "", 7},
        {"WindowSize", screens::windowSize, "1024", "600", "", 5},
        {"IconChoice", screens::folderOrIcon, "C:\\sandbox\\out\\VYR.ico", "", "", 5},
        {"TargetFolder", screens::folderOrIcon, "C:\\sandbox\\out", "", "", 5},
        {"Welcome", screens::welcome, "C:\\sandbox\\out", "", "", 5},
    };
    for (const auto& step : steps) {
        back();
        EXPECT_EQ(screen(), step.screen) << step.backTo;
        if (platform::visible(mainEdit)) {
            EXPECT_EQ(text(mainEdit), step.main) << step.backTo;
        }
        if (platform::visible(secondEdit)) {
            EXPECT_EQ(text(secondEdit), step.second) << step.backTo;
        }
        if (platform::visible(hotkeyEdit)) {
            EXPECT_EQ(text(hotkeyEdit), step.hotkey) << step.backTo;
        }
        EXPECT_EQ(settingsIn("out"), firstLines(step.linesKept)) << step.backTo;
    }
    EXPECT_EQ(platform::listText(fontCombo), "黑体");
    // Going back deletes no package file.
    for (const char* suffix : {playerSuffix, autoplaySuffix, iconSuffix}) {
        EXPECT_TRUE(packageFileIn("out", suffix)) << suffix;
    }
}

TEST_F(BackTest, NextAfterBackWritesTheSameLinesAndShowsTheSameScreen) {
    runTypedAnswers([this] {
        const WizardStep step = wizard.currentStep;
        const int item = wizard.currentItem;
        const std::string shown = screen();
        const Text prompt = text(promptLabel);
        const LineList lines = settingsIn("out");
        back();
        next();
        EXPECT_EQ(wizard.currentStep, step);
        EXPECT_EQ(wizard.currentItem, item);
        EXPECT_EQ(screen(), shown);
        EXPECT_EQ(text(promptLabel), prompt);
        EXPECT_EQ(settingsIn("out"), lines) << prompt;
    });
    EXPECT_EQ(settingsIn("out"), fullRun);
}

TEST_F(BackTest, BackFromFinishedWithThreeItemsShowsItemThreeAndNextWritesItAgain) {
    nextUntil(WizardStep::TargetFolder);
    type(mainEdit, "C:\\sandbox\\out");
    nextUntil(WizardStep::ItemCount);
    type(mainEdit, "3");
    next();
    for (const char* title : {"一", "二", "三"}) {
        type(mainEdit, title);
        next();
    }
    const LineList finished = settingsIn("out");
    back();
    EXPECT_EQ(screen(), screens::itemEntry);
    EXPECT_EQ(text(promptLabel), "    请输入第3个菜单的参数：");
    EXPECT_EQ(text(mainEdit), "三");
    EXPECT_EQ(settingsIn("out"), LineList(finished.begin(), finished.end() - 3));
    next();
    EXPECT_EQ(screen(), screens::finished);
    EXPECT_EQ(settingsIn("out"), finished);
}

TEST_F(WizardTest, ItemsWithTwoAndThreeDigitNumbersComeBackWithoutTheirKeys) {
    nextUntil(WizardStep::ItemCount);
    type(mainEdit, "101");
    next();
    for (int item = 1; item <= 101; ++item) {
        type(mainEdit, joinText(Text("项目"), integerToText(item)));
        releaseKey('0' + item % 10);
        next();
    }
    for (int item = 101; item >= 9; --item) {
        back();
        const Text shown = joinText(Text("项目"), integerToText(item));
        ASSERT_EQ(text(mainEdit), shown);
        ASSERT_EQ(text(secondEdit), defaultFolder);
        ASSERT_EQ(text(hotkeyEdit), charFromCode('0' + item % 10));
    }
}

TEST_F(BackTest, BackToTheFolderAndOnWithAnotherLeavesTheFirstPackageAndStartsTheSettingsOver) {
    box.makeFolder("second");
    nextUntil(WizardStep::TargetFolder);
    type(mainEdit, "C:\\sandbox\\out");
    nextUntil(WizardStep::MenuAuthor);
    back();
    back();
    back();
    back();
    ASSERT_EQ(wizard.currentStep, WizardStep::TargetFolder);
    next();
    EXPECT_EQ(settingsIn("out"), withHeader({}));
    back();
    type(mainEdit, "C:\\sandbox\\second");
    nextUntil(WizardStep::MenuTitle);
    for (const char* suffix : {playerSuffix, settingsSuffix, autoplaySuffix, iconSuffix}) {
        EXPECT_TRUE(packageFileIn("out", suffix)) << suffix;
        EXPECT_TRUE(packageFileIn("second", suffix)) << suffix;
    }
    EXPECT_EQ(settingsIn("second"), withHeader({"宽度=800", "高度=600"}));
}

TEST_F(WizardTest, BackToTheFontListAndNextWritesTheListsTextAtThatMoment) {
    nextUntil(WizardStep::MenuFontSize);
    back();
    EXPECT_EQ(settings(), withHeader({"宽度=800", "高度=600", "标题=VYR光盘自动播放菜单", "作者=VYR软件工作室倾情奉献"}));
    type(fontCombo, "楷体");
    next();
    EXPECT_EQ(settings().back(), "字体=楷体");
}

// Settings files that the wizard did not write itself: lines that are not
// there read as empty, the text ends where a reader stops, and no line of an
// earlier step is taken away.
struct DamagedCase : NamedCase {
    WizardStep from;
    std::optional<std::string> settings;  // written by hand before Back; nullopt: the file is deleted
    Text main;                            // what Back puts into mainEdit
    std::optional<LineList> after;        // the file after Back; nullopt: still missing
};

class DamagedSettings : public WizardCases<DamagedCase> {};

TEST_P(DamagedSettings, BackReadsMissingLinesAsEmptyAndDropsNothingOfEarlierSteps) {
    const DamagedCase& c = GetParam();
    nextUntil(c.from);
    if (c.settings)
        box.put("VYRrunCD\\VYRrun.shi", *c.settings);
    else
        deleteFile("C:\\sandbox\\VYRrunCD\\VYRrun.shi");
    back();
    EXPECT_EQ(text(mainEdit), c.main);
    if (c.after)
        EXPECT_EQ(settings(), *c.after);
    else
        EXPECT_FALSE(box.bytes("VYRrunCD\\VYRrun.shi"));
}

const LineList upToTheSize = withHeader({"宽度=800", "高度=600"});

// The lines up to the size, then a title line of these bytes and more.
std::string titleLineThen(const std::string& title, const std::string& rest) {
    return fileBytes(upToTheSize) + "标题=" + title + rest;
}

// The lines up to the title, then blank lines to 100 000 in all.
std::string grownToAHundredThousandLines() {
    std::string bytes = fileBytes(withHeader({"宽度=800", "高度=600", "标题=光盘"}));
    for (int line = 8; line < 100000; ++line) bytes += "\r\n";
    return bytes;
}

LineList upToTheTitleAndBlankLinesTo(int count) {
    LineList lines = withHeader({"宽度=800", "高度=600"});
    lines.push_back("标题=光盘");
    lines.resize(static_cast<size_t>(count));
    return lines;
}

const DamagedCase damagedCases[] = {
    {"MissingFileAtMenuAuthor", WizardStep::MenuAuthor, std::nullopt, "", std::nullopt},
    {"MissingFileAtItemCount", WizardStep::ItemCount, std::nullopt, "", std::nullopt},
    {"EmptyFileAtMenuTitle", WizardStep::MenuTitle, "", "", LineList{}},
    {"TitleLineMissing", WizardStep::MenuAuthor, fileBytes(upToTheSize), "", upToTheSize},
    {"HeightLineMissing", WizardStep::MenuTitle, fileBytes(withHeader({"宽度=640"})), "640", withHeader({})},
    {"KeyWithoutValue", WizardStep::MenuAuthor, fileBytes(withHeader({"宽度=800", "高度=600", "标题"})), "",
     upToTheSize},
    {"FewerLinesThanDropped", WizardStep::MenuTitle, "x\r\n", "", LineList{"x"}},
    // "光盘" cut after the first byte of its second character.
    {"CutInsideACharacter", WizardStep::MenuAuthor, titleLineThen(leftPart("光盘", 3), ""), "光", upToTheSize},
    {"EndMarkInTheTitle", WizardStep::MenuAuthor, titleLineThen("光盘", "\x1A" "2\r\n"), "光盘", upToTheSize},
    {"ZeroByteInTheTitle", WizardStep::MenuAuthor, titleLineThen("光盘", std::string("\0" "2\r\n", 4)), "光盘",
     upToTheSize},
    {"GrownToAHundredThousandLines", WizardStep::MenuAuthor, grownToAHundredThousandLines(), "光盘",
     upToTheTitleAndBlankLinesTo(99999)},
};
INSTANTIATE_TEST_SUITE_P(ByHand, DamagedSettings, ::testing::ValuesIn(damagedCases), CaseName());

TEST_F(WizardTest, BackFromAnItemWithTheSettingsFileGoneShowsTheFolderAndEmptyBoxes) {
    nextUntil(WizardStep::ItemCount);
    type(mainEdit, "2");
    next();
    type(mainEdit, "一");
    releaseKey('A');
    next();
    deleteFile("C:\\sandbox\\VYRrunCD\\VYRrun.shi");
    back();
    EXPECT_EQ(text(promptLabel), "    请输入第1个菜单的参数：");
    EXPECT_EQ(text(mainEdit), "");
    EXPECT_EQ(text(secondEdit), defaultFolder);
    EXPECT_EQ(text(hotkeyEdit), "");
    EXPECT_FALSE(box.bytes("VYRrunCD\\VYRrun.shi"));
}

}  // namespace
