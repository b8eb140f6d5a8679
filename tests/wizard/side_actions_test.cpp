// Browsing, hotkey capture, the font list and its sample, the link, and
// ending the wizard.

#include <tuple>

#include "tests/wizard/wizard_fixture.h"

namespace {

using platform::text;

const Text folderPrompt = "选择写入光盘的文件目录，尽量不要使用硬盘分区根目录";
const Text itemPathPrompt = "    选择加入菜单的文件路径，如果路径不属于光盘目录或不存在，则默认路径为光盘目录";

TEST_F(WizardTest, StartsAtWelcomeInItsOwnFolder) {
    EXPECT_EQ(wizard.currentStep, WizardStep::Welcome);
    EXPECT_EQ(platform::host::currentFolder(), "C:\\sandbox");
    EXPECT_EQ(screen(), screens::welcome);
}

struct BrowseCase : NamedCase {
    WizardStep step;
    platform::ControlId box;  // the box the answer goes into
    Text typed;               // in that box before browsing
    std::vector<Text> folderAnswers;
    std::vector<std::optional<Text>> fileAnswers;
    Text shown;  // the box afterwards
    std::vector<Text> prompts;
};

class Browsing : public WizardCases<BrowseCase> {};

TEST_P(Browsing, PutsTheChosenNameIntoTheStepsBox) {
    const BrowseCase& c = GetParam();
    nextUntil(c.step);
    type(c.box, c.typed);
    desktop().folderAnswers = c.folderAnswers;
    desktop().fileAnswers = c.fileAnswers;
    press(browseButton);
    EXPECT_EQ(text(c.box), c.shown);
    EXPECT_EQ(desktop().folderPrompts, c.prompts);
    EXPECT_EQ(wizard.currentStep, c.step);
}

const BrowseCase browseCases[] = {
    {"FolderChosen", WizardStep::TargetFolder, mainEdit, "C:\\typed", {"D:\\"}, {}, "D:\\", {folderPrompt}},
    {"FileChosenAsFolder", WizardStep::TargetFolder, mainEdit, "", {"C:\\a.txt"}, {}, "C:\\a.txt", {folderPrompt}},
    {"FolderBrowserCancelledKeepsTheTypedFolder", WizardStep::TargetFolder, mainEdit, "C:\\typed", {""}, {},
     "C:\\typed", {folderPrompt}},
    {"IconChosen", WizardStep::IconChoice, mainEdit, "C:\\old.ico", {}, {Text("C:\\icons\\disc.ico")},
     "C:\\icons\\disc.ico", {}},
    {"IconDialogCancelledKeepsTheTypedName", WizardStep::IconChoice, mainEdit, "C:\\old.ico", {}, {std::nullopt},
     "C:\\old.ico", {}},
    {"ItemPathChosen", WizardStep::ItemEntry, secondEdit, "", {"C:\\sandbox\\VYRrunCD\\setup.exe"}, {},
     "C:\\sandbox\\VYRrunCD\\setup.exe", {itemPathPrompt}},
    {"ItemPathBrowserCancelledEmptiesThePath", WizardStep::ItemEntry, secondEdit, "C:\\typed", {""}, {}, "",
     {itemPathPrompt}},
};
INSTANTIATE_TEST_SUITE_P(AtStep, Browsing, ::testing::ValuesIn(browseCases), CaseName());

TEST_F(WizardTest, IconDialogAsksForIconFilesAndOpensWithTheNameChosenBefore) {
    nextUntil(WizardStep::IconChoice);
    desktop().fileAnswers = {Text("C:\\first.ico"), std::nullopt};
    press(browseButton);
    press(browseButton);
    ASSERT_EQ(desktop().fileDialogs.size(), 2u);
    const platform::FileDialogSpec& dialog = desktop().fileDialogs[0];
    EXPECT_STREQ(dialog.title, "选择光盘图标");
    EXPECT_STREQ(dialog.filterName, "图标(*.ICO)");
    EXPECT_STREQ(dialog.filterPattern, "*.ico");
    EXPECT_STREQ(dialog.defaultExtension, "ico");
    EXPECT_EQ(desktop().fileDialogStartNames, (std::vector<Text>{"", "C:\\first.ico"}));
}

TEST_F(WizardTest, TheKeyReleasedLastNamesTheHotkey) {
    const struct {
        const char* what;
        std::vector<int> released;
        Text shown;
    } cases[] = {
        {"F1", {112}, "F1"},
        {"F10", {121}, "F10"},
        {"F12", {123}, "F12"},
        {"F13 has no name of its own", {124}, "|"},
        {"a letter", {'A'}, "A"},
        {"keypad 7, folded onto the digit", {'7'}, "7"},
        {"keypad minus, folded", {189}, "\xBD"},
        {"space bar", {' '}, " "},
        {"Esc", {27}, "\x1B"},
        {"Ctrl+F5, Ctrl released last", {116, 17}, "\x11"},
        {"Ctrl+F5, Ctrl released first", {17, 116}, "F5"},
    };
    nextUntil(WizardStep::ItemEntry);
    for (const auto& c : cases) {
        type(hotkeyEdit, "typed before");
        for (int key : c.released) releaseKey(key);
        EXPECT_EQ(text(hotkeyEdit), c.shown) << c.what;
    }
}

TEST_F(WizardTest, ACapturedFunctionKeyIsStoredByItsName) {
    nextUntil(WizardStep::ItemEntry);
    releaseKey(121);
    next();
    EXPECT_EQ(settings().back(), "菜单1热键=F10");
}

struct FontListCase : NamedCase {
    std::vector<Text> families;  // as the system enumerates them
    std::vector<Text> offered;
    int selection;
};

class FontList : public WizardCases<FontListCase> {};

TEST_P(FontList, OffersTheFamiliesLastFirstWithRepeatsCollapsedAndSelectsSong) {
    const FontListCase& c = GetParam();
    desktop().fontFamilies = c.families;
    nextUntil(WizardStep::MenuFont);
    const Text shown = c.selection < 0 ? Text() : c.offered[static_cast<size_t>(c.selection)];
    EXPECT_EQ(control(fontCombo).list, c.offered);
    EXPECT_EQ(control(fontCombo).selection, c.selection);
    EXPECT_EQ(platform::listText(fontCombo), shown);
    EXPECT_EQ(control(fontPreviewLabel).fontName, "宋体");
    next();
    EXPECT_EQ(settings().back(), joinText(Text("字体="), shown));
}

const FontListCase fontListCases[] = {
    {"SongAmongRepeatsPerCharacterSet",
     {"Arial", "Arial", "宋体", "宋体", "@宋体", "黑体"},
     {"黑体", "@宋体", "宋体", "Arial"},
     2},
    {"WithoutSongNothingIsSelectedAndTheFontIsWrittenEmpty", {"Arial", "黑体"}, {"黑体", "Arial"}, -1},
    {"RepeatsApartStayAndTheLastSongIsSelected", {"宋体", "Arial", "宋体"}, {"宋体", "Arial", "宋体"}, 2},
    {"NoFontsAtAll", {}, {}, -1},
};
INSTANTIATE_TEST_SUITE_P(Installed, FontList, ::testing::ValuesIn(fontListCases), CaseName());

TEST_F(WizardTest, EnteringTheFontStepAgainListsEachFamilyOnce) {
    nextUntil(WizardStep::MenuFontSize);
    back();
    back();
    next();
    EXPECT_EQ(control(fontCombo).list, (std::vector<Text>{"黑体", "宋体", "Arial"}));
    EXPECT_EQ(control(fontCombo).selection, 1);
}

TEST_F(WizardTest, TheSampleFollowsAnEntryChosenFromTheListButNotATypedName) {
    nextUntil(WizardStep::MenuFont);
    type(fontCombo, "楷体");
    EXPECT_EQ(control(fontPreviewLabel).fontName, "宋体");
    chooseFont("黑体");
    EXPECT_EQ(control(fontPreviewLabel).fontName, "黑体");
    EXPECT_EQ(control(fontPreviewLabel).text, "VYR软件工作室");
}

TEST_F(WizardTest, TheLinkOpensTheMakersAddressAndTheStepStays) {
    nextUntil(WizardStep::MenuTitle);
    platform::fake::events().mousePressed(linkLabel, 10, 10, 0);
    EXPECT_EQ(desktop().shellOpens, std::vector<Text>{headerAddress});
    EXPECT_EQ(wizard.currentStep, WizardStep::MenuTitle);
}

// Ending the wizard, by its cancel button or by closing its window.
struct EndCase : NamedCase {
    WizardStep step;
    bool backToWelcome;  // went on to IconChoice first, then back to Welcome
    bool packageKept;
};

class Ending : public WizardTest, public ::testing::WithParamInterface<std::tuple<EndCase, bool>> {};

TEST_P(Ending, RemovesAnUnfinishedPackageAndEndsTheProgram) {
    const auto& [c, closingTheWindow] = GetParam();
    // Files of the same names in the drive's root, which the wizard never wrote.
    for (const char* suffix : {playerSuffix, settingsSuffix, autoplaySuffix, iconSuffix})
        writeWholeFile(joinText(Text("C:"), suffix), "not the wizard's");
    if (c.backToWelcome) {
        nextUntil(WizardStep::IconChoice);
        back();
        back();
    }
    nextUntil(c.step);
    if (closingTheWindow)
        platform::destroyWindow();
    else
        press(cancelButton);
    EXPECT_EQ(desktop().exitCode, 0);
    const bool written = c.backToWelcome || c.step > WizardStep::TargetFolder;
    for (const char* suffix : {playerSuffix, settingsSuffix, autoplaySuffix}) {
        EXPECT_EQ(packageFileIn("VYRrunCD", suffix), written && c.packageKept) << suffix;
        EXPECT_TRUE(fileExists(joinText(Text("C:"), suffix))) << suffix;
    }
    EXPECT_EQ(packageFileIn("VYRrunCD", iconSuffix), c.step == WizardStep::Finished);
    EXPECT_TRUE(fileExists(joinText(Text("C:"), iconSuffix)));
}

const EndCase endCases[] = {
    {"Welcome", WizardStep::Welcome, false, false},
    {"WelcomeAfterGoingBack", WizardStep::Welcome, true, false},
    {"TargetFolder", WizardStep::TargetFolder, false, false},
    {"TargetFolderAfterGoingBack", WizardStep::TargetFolder, true, false},
    {"IconChoice", WizardStep::IconChoice, false, false},
    {"WindowSize", WizardStep::WindowSize, false, false},
    {"MenuTitle", WizardStep::MenuTitle, false, false},
    {"MenuAuthor", WizardStep::MenuAuthor, false, false},
    {"MenuFont", WizardStep::MenuFont, false, false},
    {"MenuFontSize", WizardStep::MenuFontSize, false, false},
    {"ItemCount", WizardStep::ItemCount, false, false},
    {"ItemEntry", WizardStep::ItemEntry, false, false},
    {"Finished", WizardStep::Finished, false, true},
};
INSTANTIATE_TEST_SUITE_P(AtStep, Ending, ::testing::Combine(::testing::ValuesIn(endCases), ::testing::Bool()),
                         [](const ::testing::TestParamInfo<std::tuple<EndCase, bool>>& info) {
                             return std::string(std::get<0>(info.param).id) +
                                    (std::get<1>(info.param) ? "ByClosingTheWindow" : "ByCancelButton");
                         });

TEST_F(WizardTest, CancellingAfterACopiedIconLeavesTheChosenFile) {
    box.put("mine.ico", "my icon");
    nextUntil(WizardStep::IconChoice);
    type(mainEdit, "C:\\sandbox\\mine.ico");
    next();
    press(cancelButton);
    EXPECT_FALSE(packageFileIn("VYRrunCD", iconSuffix));
    EXPECT_EQ(box.bytes("mine.ico"), "my icon");
}

}  // namespace
