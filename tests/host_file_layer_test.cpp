// Rules of the host file layer that only the host can arrange: where the
// program lies, files held open by another program, and folders that take
// no writes.

#include <gtest/gtest.h>

#include "package/line_file.h"
#include "platform/files.h"
#include "platform/host/host_files.h"
#include "tests/support/sandbox.h"

namespace {

TEST(HostFileLayer, ProgramFolderOfAnExecutableInADriveRootHasNoFinalSeparator) {
    Sandbox box;
    struct Case {
        Text executable, folder, name;
    } cases[] = {
        {"C:\\VYRrun.exe", "C:", "VYRrun.exe"},
        {"C:\\sandbox\\VYRrun.exe", "C:\\sandbox", "VYRrun.exe"},
        {"C:\\sandbox\\vyrrun.EXE", "C:\\sandbox", "vyrrun.EXE"},
        {"C:\\a\x81\x5C" "b.exe", "C:", "a\x81\x5C" "b.exe"},
    };
    for (const Case& c : cases) {
        platform::host::setExecutablePath(c.executable);
        EXPECT_EQ(programFolder(), c.folder);
        EXPECT_EQ(programFileName(), c.name);
        enterProgramFolder();
        EXPECT_EQ(platform::host::currentFolder(), c.folder.size() == 2 ? c.folder + "\\" : c.folder);
    }
}

TEST(HostFileLayer, AFileHeldOpenCanNeitherBeReplacedNorDeleted) {
    Sandbox box;
    box.put("VYRrun.exe", "running");
    platform::host::holdOpen(box.path("VYRrun.exe"));
    EXPECT_FALSE(writeWholeFile(box.path("VYRrun.exe"), "new"));
    EXPECT_FALSE(deleteFile(box.path("VYRrun.exe")));
    EXPECT_EQ(box.bytes("VYRrun.exe"), "running");
    platform::host::releaseAll();
    EXPECT_TRUE(writeWholeFile(box.path("VYRrun.exe"), "new"));
}

TEST(HostFileLayer, AReadOnlyFolderRefusesEveryWriteButIsRead) {
    Sandbox box;
    box.makeFolder("disc");
    box.makeFolder("disc\\sub");
    box.put("disc\\a.txt", "a\r\n");
    box.put("disc\\sub\\b.txt", "b\r\n");
    box.put("source.txt", "new");
    platform::host::makeReadOnly(box.path("disc"));
    const struct {
        const char* what;
        bool (*write)(const Text& folder);
    } refused[] = {
        {"replace a file", [](const Text& f) { return writeWholeFile(joinText(f, "\\a.txt"), "x"); }},
        {"create a file", [](const Text& f) { return writeWholeFile(joinText(f, "\\new.txt"), "x"); }},
        {"create one in a subfolder", [](const Text& f) { return writeWholeFile(joinText(f, "\\sub\\new.txt"), "x"); }},
        {"rewrite lines", [](const Text& f) { return rewriteAllLines(joinText(f, "\\a.txt"), {"x"}); }},
        {"append lines", [](const Text& f) { return appendLines(joinText(f, "\\sub\\b.txt"), {"x"}); }},
        {"copy onto a file", [](const Text& f) { return copyFile("C:\\sandbox\\source.txt", joinText(f, "\\a.txt")); }},
        {"delete a file", [](const Text& f) { return deleteFile(joinText(f, "\\a.txt")); }},
        {"delete one in a subfolder", [](const Text& f) { return deleteFile(joinText(f, "\\sub\\b.txt")); }},
        {"make a folder", [](const Text& f) { return platform::createFolder(joinText(f, "\\new")); }},
    };
    for (const auto& r : refused) EXPECT_FALSE(r.write(box.path("disc"))) << r.what;
    EXPECT_EQ(box.bytes("disc\\a.txt"), "a\r\n");
    EXPECT_EQ(box.bytes("disc\\sub\\b.txt"), "b\r\n");
    EXPECT_FALSE(fileExists(box.path("disc\\new.txt")));
    EXPECT_FALSE(fileExists(box.path("disc\\new")));
    EXPECT_EQ(readAllLines(box.path("disc\\a.txt"), OpenFor::ReadingAndWriting), LineList{"a"});
    EXPECT_TRUE(copyFile(box.path("disc\\a.txt"), box.path("copy.txt")));
    EXPECT_TRUE(writeWholeFile(box.path("beside.txt"), "x"));
    platform::host::releaseAll();
    EXPECT_TRUE(deleteFile(box.path("disc\\a.txt")));
}

}  // namespace
