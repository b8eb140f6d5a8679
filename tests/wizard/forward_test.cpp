// Going forward: the screens, the answers and their defaults, and the
// package that the steps leave in the output folder.

#include "tests/wizard/wizard_fixture.h"

namespace {

using platform::text;

TEST_F(WizardTest, EveryStepShowsItsScreenAndPromptGoingForward) {
    const struct {
        const char* step;
        std::string screen;
        Text prompt;
    } views[] = {
        {"Welcome", screens::welcome,
         "    欢迎使用【VYR光盘自动播放菜单】向导！您可以根据提示创建一个属于您自己的光盘自动播放菜单！\r\n\r\n"
         "    确定要创建光盘自动播放菜单吗？"},
        {"TargetFolder", screens::folderOrIcon,
         "    请选择您要写入光盘的文件目录，如果留空将使用向导同一目录下的【VYRrunCD】子目录："},
        {"IconChoice", screens::folderOrIcon, "    请选择您的光盘图标，图标格式为ICO，如果留空将使用默认图标："},
        {"WindowSize", screens::windowSize, "    请输入程序界面的宽度和高度，单位为像素，如果留空将默认使用800×600："},
        {"MenuTitle", screens::titleOrAuthor, "    请输入菜单程序的标题，如果留空将默认显示为【VYR光盘自动播放菜单】："},
        {"MenuAuthor", screens::titleOrAuthor, "    请输入菜单程序的作者，如果留空将默认显示为【VYR软件工作室倾情奉献】："},
        {"MenuFont", screens::font, "    请选择菜单字体，如果留空将默认使用宋体："},
        {"MenuFontSize", screens::numberBox, "    请输入菜单字体字号，单位为点，如果留空将默认使用18点："},
        {"ItemCount", screens::numberBox, "    请输入菜单数量，如果留空将建立1个菜单项："},
        {"item 1", screens::itemEntry, "    请输入第1个菜单的参数："},
        {"item 2", screens::itemEntry, "    请输入第2个菜单的参数："},
        {"Finished", screens::finished,
         "    您已经完成了一个光盘自动播放菜单！\r\n\r\n    您可以单击【预览】按钮查看效果！\r\n\r\n    谢谢您的使用，再见！"},
    };
    EXPECT_EQ(text(platform::theWindow), "VYR光盘自动播放菜单创建向导");
    for (const auto& view : views) {
        EXPECT_EQ(screen(), view.screen) << view.step;
        EXPECT_EQ(text(promptLabel), view.prompt) << view.step;
        if (wizard.currentStep == WizardStep::ItemCount) type(mainEdit, "2");
        if (wizard.currentStep != WizardStep::Finished) next();
    }
}

TEST_F(WizardTest, ARunWithEveryDefaultWritesTheWholePackageBesideTheWizard) {
    runWithDefaults();
    EXPECT_TRUE(box.isFolder("VYRrunCD"));
    EXPECT_EQ(box.bytes("VYRrunCD\\VYRrun.shi"), fileBytes(defaultLines()));
    EXPECT_EQ(box.bytes("VYRrunCD\\autorun.inf"), "[AUTORUN]\r\nOPEN=VYRrun.exe\r\nicon=VYR.ico");
    EXPECT_EQ(box.bytes("VYRrunCD\\VYR.ico"), std::string(defaultIconBlock()));
    EXPECT_EQ(box.bytes("VYRrunCD\\VYRrun.exe"), std::string(playerBlock()));
}

TEST_F(WizardTest, TypedAnswersAreWrittenAsTyped) {
    box.makeFolder("out");
    box.put("out\\setup.exe", "MZ");
    box.put("disc.ico", "not an icon at all");
    nextUntil(WizardStep::TargetFolder);
    type(mainEdit, "C:\\sandbox\\out");
    next();
    type(mainEdit, "C:\\sandbox\\disc.ico");
    next();
    type(mainEdit, "1024");
    type(secondEdit, "768");
    next();
    type(mainEdit, "  我的 光盘 ");
    next();
    type(mainEdit, "作者甲");
    next();
    chooseFont("黑体");
    next();
    type(mainEdit, "24");
    next();
    type(mainEdit, "2");
    next();
    type(mainEdit, "安装");
    type(secondEdit, "C:\\sandbox\\out\\setup.exe");
    releaseKey('S');
    next();
    next();  // item 2 left blank
    EXPECT_EQ(wizard.currentStep, WizardStep::Finished);
    EXPECT_EQ(settingsIn("out"),
              withHeader({"宽度=1024", "高度=768", "标题=  我的 光盘 ", "作者=作者甲", "字体=黑体", "字号=24", "数量=2",
                          "【菜单设置】", "菜单1标题=安装", "菜单1路径=\\setup.exe", "菜单1热键=S", "菜单2标题=",
                          "菜单2路径=", "菜单2热键= "}));
    EXPECT_EQ(box.bytes("out\\VYR.ico"), "not an icon at all");
    EXPECT_FALSE(box.isFolder("VYRrunCD"));
}

TEST_F(WizardTest, ATitleOf300BytesIsWrittenWholeAndComesBackWhole) {
    Text doubleByte;
    for (int k = 0; k < 75; ++k) doubleByte += "光盘";
    for (const Text& title : {Text(300, 'T'), doubleByte}) {
        start();
        nextUntil(WizardStep::MenuTitle);
        type(mainEdit, title);
        next();
        EXPECT_EQ(settings().back(), joinText(Text("标题="), title));
        back();
        EXPECT_EQ(text(mainEdit), title);
    }
}

TEST_F(WizardTest, TwelveItemsGiveTwelveScreensAndTwoDigitKeysFromItemTen) {
    nextUntil(WizardStep::ItemCount);
    type(mainEdit, "12");
    next();
    LineList itemLines;
    for (int item = 1; item <= 12; ++item) {
        const Text n = integerToText(item);
        EXPECT_EQ(text(promptLabel), joinText(Text("    请输入第"), n, "个菜单的参数："));
        type(mainEdit, joinText(Text("项目"), n));
        releaseKey(111 + item);  // F1 to F12
        next();
        itemLines.insert(itemLines.end(), {joinText(Text("菜单"), n, "标题=项目", n), joinText(Text("菜单"), n, "路径="),
                                           joinText(Text("菜单"), n, "热键=F", n)});
    }
    EXPECT_EQ(wizard.currentStep, WizardStep::Finished);
    LineList expected = defaultLines(itemLines);
    expected[itemCountLine] = "数量=12";
    EXPECT_EQ(settings(), expected);
}

TEST_F(WizardTest, PreviewStartsThePlayerEachTimeAndStaysFinished) {
    runWithDefaults();
    next();
    next();
    EXPECT_EQ(desktop().shellOpens, std::vector<Text>(2, "C:\\sandbox\\VYRrunCD\\VYRrun.exe"));
    EXPECT_EQ(wizard.currentStep, WizardStep::Finished);
    EXPECT_EQ(screen(), screens::finished);
}

struct IconCase : NamedCase {
    const char* answer;
    std::optional<std::string> icon;  // what VYR.ico holds afterwards
};

class IconAnswers : public WizardCases<IconCase> {};

TEST_P(IconAnswers, AreCopiedWhenTheyExistOtherwiseTheDefaultIconIsWritten) {
    box.put("mine.ico", "my icon bytes");
    box.put("empty.ico", "");
    box.makeFolder("icons");
    nextUntil(WizardStep::IconChoice);
    type(mainEdit, GetParam().answer);
    next();
    EXPECT_EQ(box.bytes("VYRrunCD\\VYR.ico"), GetParam().icon);
    EXPECT_EQ(box.bytes("mine.ico"), "my icon bytes");
}

const IconCase iconCases[] = {
    {"ChosenFileIsCopiedUnexamined", "C:\\sandbox\\mine.ico", "my icon bytes"},
    {"EmptyGivesTheDefault", "", std::string(defaultIconBlock())},
    {"MissingFileGivesTheDefault", "C:\\sandbox\\gone.ico", std::string(defaultIconBlock())},
    {"FolderCannotBeCopied", "C:\\sandbox\\icons", std::nullopt},
    {"EmptyFileIsCopiedEmpty", "C:\\sandbox\\empty.ico", std::string()},
};
INSTANTIATE_TEST_SUITE_P(Chosen, IconAnswers, ::testing::ValuesIn(iconCases), CaseName());

// Numbers: a whole number from 1 written plainly is taken, anything else
// takes the step's default.
struct NumberCase : NamedCase {
    Text typed;
    bool taken;
};

const NumberCase numberCases[] = {
    {"Empty", "", false},
    {"Zero", "0", false},
    {"Negative", "-5", false},
    {"LeadingZeros", "007", false},
    {"TrailingLetters", "12a", false},
    {"PlusSign", "+7", false},
    {"LeadingSpace", " 5", false},
    {"FullWidthDigits", "８００", false},
    {"BeyondTheRange", "2147483648", false},
    {"One", "1", true},
    {"Large", "99999", true},
    {"LargestInteger", "2147483647", true},
};

class NumberAnswers : public WizardCases<NumberCase> {
protected:
    Text written(const char* fallback) const { return GetParam().taken ? GetParam().typed : Text(fallback); }
};

TEST_P(NumberAnswers, WidthAndHeightEachTakeTheirDefaultIndependently) {
    nextUntil(WizardStep::WindowSize);
    type(mainEdit, GetParam().typed);
    type(secondEdit, "480");
    next();
    EXPECT_EQ(settings(), withHeader({joinText(Text("宽度="), written("800")), "高度=480"}));
    back();
    EXPECT_EQ(text(mainEdit), written("800"));
    type(mainEdit, "640");
    type(secondEdit, GetParam().typed);
    next();
    EXPECT_EQ(settings(), withHeader({"宽度=640", joinText(Text("高度="), written("600"))}));
}

TEST_P(NumberAnswers, FontSizeTakesEighteenByDefault) {
    nextUntil(WizardStep::MenuFontSize);
    type(mainEdit, GetParam().typed);
    next();
    EXPECT_EQ(settings().back(), joinText(Text("字号="), written("18")));
}

INSTANTIATE_TEST_SUITE_P(Typed, NumberAnswers, ::testing::ValuesIn(numberCases), CaseName());

struct CountCase : NamedCase {
    Text typed;
    int items;
};

class ItemCountAnswers : public WizardCases<CountCase> {};

TEST_P(ItemCountAnswers, GiveThatManyItemScreens) {
    nextUntil(WizardStep::ItemCount);
    type(mainEdit, GetParam().typed);
    next();
    EXPECT_EQ(settings()[itemCountLine], joinText(Text("数量="), integerToText(GetParam().items)));
    for (int item = 1; item <= GetParam().items; ++item) {
        ASSERT_EQ(wizard.currentStep, WizardStep::ItemEntry);
        EXPECT_EQ(text(promptLabel), joinText(Text("    请输入第"), integerToText(item), "个菜单的参数："));
        next();
    }
    EXPECT_EQ(wizard.currentStep, WizardStep::Finished);
}

const CountCase countCases[] = {
    {"EmptyGivesOne", "", 1}, {"ZeroGivesOne", "0", 1}, {"NegativeGivesOne", "-3", 1},
    {"LeadingZeroGivesOne", "03", 1}, {"Three", "3", 3},
};
INSTANTIATE_TEST_SUITE_P(Typed, ItemCountAnswers, ::testing::ValuesIn(countCases), CaseName());

struct FolderCase : NamedCase {
    const char* typed;
    const char* existingFolder;  // nullptr: none made before the run
    const char* accepted;
    const char* packageFolder;  // nullptr: the package lands nowhere
};

class FolderAnswers : public WizardCases<FolderCase> {};

TEST_P(FolderAnswers, AreTakenAsTypedOrReplacedByTheFolderBesideTheWizard) {
    const FolderCase& c = GetParam();
    if (c.existingFolder) box.makeFolder(c.existingFolder);
    nextUntil(WizardStep::TargetFolder);
    type(mainEdit, c.typed);
    next();
    back();
    EXPECT_EQ(text(mainEdit), c.accepted);
    // Only the folder beside the wizard is ever made.
    EXPECT_EQ(box.isFolder("VYRrunCD"), c.packageFolder && Text(c.packageFolder) == "VYRrunCD");
    EXPECT_FALSE(box.isFolder("missing"));
    if (c.packageFolder) {
        EXPECT_EQ(settingsIn(c.packageFolder), withHeader({}));
        EXPECT_EQ(box.bytes(joinText(Text(c.packageFolder), "\\autorun.inf"))->size(), 40u);
    }
    runWithDefaults();
    if (c.packageFolder) {
        EXPECT_EQ(settingsIn(c.packageFolder), defaultLines());
    }
}

const FolderCase folderCases[] = {
    {"EmptyTakesTheFolderBesideTheWizard", "", nullptr, "C:\\sandbox\\VYRrunCD", "VYRrunCD"},
    {"EmptyReusesAnExistingDefaultFolder", "", "VYRrunCD", "C:\\sandbox\\VYRrunCD", "VYRrunCD"},
    {"ExistingFolder", "C:\\sandbox\\out", "out", "C:\\sandbox\\out", "out"},
    {"RelativeToTheWizardsFolder", "out", "out", "out", "out"},
    {"MissingFolderTakesTheDefault", "C:\\sandbox\\missing", nullptr, "C:\\sandbox\\VYRrunCD", "VYRrunCD"},
    {"FinalBackslashIsTakenAsTyped", "C:\\sandbox\\out\\", "out", "C:\\sandbox\\out\\", "out"},
    {"MissingFolderWithFinalBackslashIsNotMade", "C:\\sandbox\\missing\\", nullptr, "C:\\sandbox\\missing\\", nullptr},
};
INSTANTIATE_TEST_SUITE_P(Typed, FolderAnswers, ::testing::ValuesIn(folderCases), CaseName());

// An item's path is stored from the byte after the output folder when it
// names an existing file or folder inside it, and empty otherwise.
struct PathCase : NamedCase {
    const char* outputFolder;
    const char* typed;
    const char* stored;
};

class ItemPaths : public WizardCases<PathCase> {};

TEST_P(ItemPaths, AreStoredRelativeToTheOutputFolder) {
    box.makeFolder("out");
    box.makeFolder("out\\docs");
    box.put("out\\setup.exe", "MZ");
    box.put("outside.txt", "");
    box.put("other.txt", "");
    nextUntil(WizardStep::TargetFolder);
    type(mainEdit, GetParam().outputFolder);
    nextUntil(WizardStep::ItemEntry);
    type(secondEdit, GetParam().typed);
    next();
    EXPECT_EQ(settingsIn("out")[itemLine(1, PathSlot)], joinText(Text("菜单1路径="), GetParam().stored));
}

const PathCase pathCases[] = {
    {"FileInside", "C:\\sandbox\\out", "C:\\sandbox\\out\\setup.exe", "\\setup.exe"},
    {"FolderInside", "C:\\sandbox\\out", "C:\\sandbox\\out\\docs", "\\docs"},
    {"TheOutputFolderItself", "C:\\sandbox\\out", "C:\\sandbox\\out", ""},
    {"MissingFileInside", "C:\\sandbox\\out", "C:\\sandbox\\out\\gone.txt", ""},
    {"FileOutside", "C:\\sandbox\\out", "C:\\sandbox\\other.txt", ""},
    {"Empty", "C:\\sandbox\\out", "", ""},
    {"OtherLetterCase", "C:\\sandbox\\out", "C:\\SANDBOX\\out\\setup.exe", ""},
    // The folder is compared byte for byte, not name by name.
    {"FileWhoseNameContinuesTheFolders", "C:\\sandbox\\out", "C:\\sandbox\\outside.txt", "side.txt"},
    {"FolderWithFinalBackslash", "C:\\sandbox\\out\\", "C:\\sandbox\\out\\setup.exe", "setup.exe"},
};
INSTANTIATE_TEST_SUITE_P(Typed, ItemPaths, ::testing::ValuesIn(pathCases), CaseName());

}  // namespace
