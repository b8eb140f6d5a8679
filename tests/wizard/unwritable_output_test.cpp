// Output folders that take no writes, or not all of them: the wizard goes
// through its steps as usual, writes what it can, and leaves everything it
// did not write as it was.

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>

#include "tests/wizard/wizard_fixture.h"

namespace {

using platform::text;

// Every folder and file of drive C:, with the bytes of each file.
std::map<std::string, std::string> driveContents() {
    namespace fs = std::filesystem;
    const fs::path root = platform::host::hostPath("C:\\");
    std::map<std::string, std::string> contents;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        const std::string name = fs::relative(entry.path(), root).string();
        if (entry.is_directory()) {
            contents[name] = "<folder>";
            continue;
        }
        std::ifstream in(entry.path(), std::ios::binary);
        contents[name] = std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    return contents;
}

struct UnwritableCase : NamedCase {
    const char* typed;         // the folder answer
    const char* readOnly;      // the folder made read-only before the run; nullptr: none
    const char* outputFolder;  // the folder the wizard takes
};

class UnwritableOutputFolders : public WizardCases<UnwritableCase> {};

TEST_P(UnwritableOutputFolders, AreGoneThroughAsUsualAndNothingOnTheDriveChanges) {
    const UnwritableCase& c = GetParam();
    // An earlier package that a read-only folder keeps, beside a file of its own.
    box.makeFolder("disc");
    for (const char* suffix : {playerSuffix, settingsSuffix, autoplaySuffix, iconSuffix})
        box.put(joinText(Text("disc"), suffix), joinText(Text("earlier "), suffix));
    box.put("disc\\notes.txt", "notes");
    if (c.readOnly) platform::host::makeReadOnly(c.readOnly);
    const auto before = driveContents();

    nextUntil(WizardStep::TargetFolder);
    type(mainEdit, c.typed);
    next();
    EXPECT_EQ(wizard.outputFolder, c.outputFolder);
    type(mainEdit, "C:\\sandbox\\disc\\notes.txt");  // an icon that exists
    nextUntil(WizardStep::ItemCount);
    type(mainEdit, "2");
    next();
    type(mainEdit, "安装");
    releaseKey('A');
    nextUntil(WizardStep::Finished);
    EXPECT_EQ(screen(), screens::finished);
    next();
    EXPECT_EQ(desktop().shellOpens, std::vector<Text>{joinText(Text(c.outputFolder), playerSuffix)});

    // Back finds no lines of this run to read the answers from, and Next goes on again.
    back();
    back();
    EXPECT_EQ(screen(), screens::itemEntry);
    EXPECT_EQ(text(mainEdit), "");
    EXPECT_EQ(text(secondEdit), c.outputFolder);
    nextUntil(WizardStep::Finished);
    backUntil(WizardStep::IconChoice);
    EXPECT_EQ(text(mainEdit), joinText(Text(c.outputFolder), iconSuffix));
    press(cancelButton);

    EXPECT_EQ(desktop().exitCode, 0);
    EXPECT_TRUE(desktop().messages.empty());
    EXPECT_EQ(driveContents(), before);
}

const UnwritableCase unwritableCases[] = {
    {"ReadOnlyFolderWithAnEarlierPackage", "C:\\sandbox\\disc", "C:\\sandbox\\disc", "C:\\sandbox\\disc"},
    // With the wizard's own folder read-only (run from a disc), the folder
    // beside it cannot be made either.
    {"EmptyAnswerBesideAReadOnlyWizard", "", "C:\\sandbox", "C:\\sandbox\\VYRrunCD"},
    // A drive letter that names no ready drive, taken as typed for its "\".
    {"DriveNotReady", "E:\\", nullptr, "E:\\"},
};
INSTANTIATE_TEST_SUITE_P(Typed, UnwritableOutputFolders, ::testing::ValuesIn(unwritableCases), CaseName());

// The preview runs the package's player, which the system then keeps in use:
// writing the skeleton again or removing the package leaves that player in
// place and deals with the other files as usual.
struct RunningPlayerCase : NamedCase {
    bool cancelAtIconChoice;  // otherwise on to the end
    std::map<std::string, std::optional<std::string>> package;
};

class WhileThePreviewRuns : public WizardCases<RunningPlayerCase> {};

TEST_P(WhileThePreviewRuns, ThePlayerStaysAndTheOtherFilesAreWrittenOrRemoved) {
    const RunningPlayerCase& c = GetParam();
    box.makeFolder("out");
    nextUntil(WizardStep::TargetFolder);
    type(mainEdit, "C:\\sandbox\\out");
    runWithDefaults();
    box.put("out\\VYRrun.exe", "the player that runs");
    box.put("out\\autorun.inf", "changed meanwhile");
    next();
    platform::host::holdOpen("C:\\sandbox\\out\\VYRrun.exe");

    backUntil(WizardStep::TargetFolder);
    next();
    EXPECT_EQ(wizard.currentStep, WizardStep::IconChoice);
    EXPECT_EQ(settingsIn("out"), withHeader({}));
    if (c.cancelAtIconChoice)
        press(cancelButton);
    else
        runWithDefaults();

    for (const auto& [suffix, bytes] : c.package) EXPECT_EQ(box.bytes(joinText(Text("out"), suffix)), bytes) << suffix;
    EXPECT_TRUE(desktop().messages.empty());
}

const RunningPlayerCase runningPlayerCases[] = {
    {"SkeletonWrittenAgainAndOnToTheEnd",
     false,
     {{playerSuffix, "the player that runs"},
      {settingsSuffix, fileBytes(defaultLines())},
      {autoplaySuffix, std::string(autoplayBlock())},
      {iconSuffix, std::string(defaultIconBlock())}}},
    {"SkeletonWrittenAgainThenCancelled",
     true,
     {{playerSuffix, "the player that runs"}, {settingsSuffix, std::nullopt}, {autoplaySuffix, std::nullopt},
      {iconSuffix, std::nullopt}}},
};
INSTANTIATE_TEST_SUITE_P(Package, WhileThePreviewRuns, ::testing::ValuesIn(runningPlayerCases), CaseName());

}  // namespace
