// Rules of the host file layer that only the host can arrange: where the
// program lies, and files held open by another program.

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

}  // namespace
