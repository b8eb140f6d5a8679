// The same cases hold for the host file layer and for the Win32 one.

#include <gtest/gtest.h>

#include "package/line_file.h"
#include "tests/support/sandbox.h"

namespace {

class LineFiles : public ::testing::Test {
protected:
    Sandbox box;
};

TEST_F(LineFiles, ReadAllLinesSplitsAtCrLfAndStopsAtEndMarks) {
    struct Case {
        std::string bytes;
        LineList lines;
    } cases[] = {
        {"a\r\n\r\nb\r\n", {"a", "", "b"}},
        {"", {}},
        {"\r\n", {""}},
        {"a\r\nb", {"a", "b"}},                      // last line without CR LF
        {"a\r\nb\r\nc\x1A" "d\r\ne\r\n", {"a", "b", "c"}},  // old end-of-file mark
        {std::string("a\r\nb", 4) + std::string(1, '\0') + "c\r\n", {"a", "b"}},
        {"a\r\nb\xB1", {"a", "b"}},                 // lone lead byte at the very end
        {std::string("a\xB1", 2) + std::string(1, '\0'), {"a"}},
        {"菜单1热键=\xBD\r\n菜单2标题=x\r\n", {"菜单1热键=\xBD", "菜单2标题=x"}},
    };
    for (const Case& c : cases) {
        box.put("f.txt", c.bytes);
        EXPECT_EQ(readAllLines(box.path("f.txt"), OpenFor::Reading), c.lines) << "bytes: " << c.bytes;
        EXPECT_EQ(readAllLines(box.path("f.txt"), OpenFor::ReadingAndWriting), c.lines) << "bytes: " << c.bytes;
    }
}

TEST_F(LineFiles, MissingFileAndFolderReadAsNoLines) {
    EXPECT_TRUE(readAllLines(box.path("missing.txt"), OpenFor::Reading).empty());
    box.makeFolder("dir");
    EXPECT_TRUE(readAllLines(box.path("dir"), OpenFor::Reading).empty());
    EXPECT_TRUE(readAllLines("", OpenFor::Reading).empty());
}

TEST_F(LineFiles, RewriteKeepsEmptyLinesAndEndsEveryLine) {
    box.put("f.txt", "a\r\n\r\nb\r\n");
    EXPECT_TRUE(rewriteAllLines(box.path("f.txt"), readAllLines(box.path("f.txt"), OpenFor::ReadingAndWriting)));
    EXPECT_EQ(box.bytes("f.txt"), "a\r\n\r\nb\r\n");

    box.put("g.txt", "a\r\nlonger old content");
    EXPECT_TRUE(rewriteAllLines(box.path("g.txt"), {"x"}));
    EXPECT_EQ(box.bytes("g.txt"), "x\r\n");

    EXPECT_TRUE(rewriteAllLines(box.path("g.txt"), {}));
    EXPECT_EQ(box.bytes("g.txt"), "");

    EXPECT_FALSE(rewriteAllLines(box.path("nofolder\\g.txt"), {"x"}));
    EXPECT_FALSE(box.isFolder("nofolder"));
}

TEST_F(LineFiles, AppendAddsLinesToExistingFilesOnly) {
    EXPECT_FALSE(appendLines(box.path("missing.txt"), {"a"}));
    EXPECT_EQ(box.bytes("missing.txt"), std::nullopt);

    box.put("f.txt", "a\r\n");
    EXPECT_TRUE(appendLines(box.path("f.txt"), {"b", "", "c"}));
    EXPECT_EQ(box.bytes("f.txt"), "a\r\nb\r\n\r\nc\r\n");

    box.put("g.txt", "a");  // the first new line joins the unfinished last one
    EXPECT_TRUE(appendLines(box.path("g.txt"), {"b"}));
    EXPECT_EQ(box.bytes("g.txt"), "ab\r\n");
}

TEST_F(LineFiles, WriteWholeFileCreatesOrReplacesButMakesNoFolder) {
    EXPECT_TRUE(writeWholeFile(box.path("f.bin"), ByteBlock("\0\1\2", 3)));
    EXPECT_EQ(box.bytes("f.bin"), std::string("\0\1\2", 3));
    EXPECT_TRUE(writeWholeFile(box.path("f.bin"), "x"));
    EXPECT_EQ(box.bytes("f.bin"), "x");
    EXPECT_TRUE(writeWholeFile(box.path("empty.bin"), ""));
    EXPECT_EQ(box.bytes("empty.bin"), "");

    EXPECT_FALSE(writeWholeFile(box.path("nofolder\\f.bin"), "x"));
    EXPECT_FALSE(box.isFolder("nofolder"));
    EXPECT_FALSE(writeWholeFile("", "x"));
    box.makeFolder("dir");
    EXPECT_FALSE(writeWholeFile(box.path("dir"), "x"));
    EXPECT_TRUE(box.isFolder("dir"));
}

TEST_F(LineFiles, FileExistsIsADirectorySearch) {
    box.put("icon.ico", "x");
    box.makeFolder("dir");
    struct Case {
        Text path;
        bool exists;
    } cases[] = {
        {box.path("icon.ico"), true},
        {box.path("ICON.ICO"), true},  // names match whatever their case
        {box.path("dir"), true},
        {box.path("dir\\"), false},    // a final "\" never exists
        {box.folder() + "\\", false},
        {box.path("missing"), false},
        {box.path("*.ico"), true},     // wildcards match as a pattern
        {box.path("ic?n.ico"), true},
        {box.path("*.bmp"), false},
        {box.path("missing\\icon.ico"), false},
        {"", false},
        {"C:\\", false},
    };
    for (const Case& c : cases) EXPECT_EQ(fileExists(c.path), c.exists) << "path: " << c.path;
}

TEST_F(LineFiles, RelativePathsResolveAgainstTheCurrentFolder) {
    box.put("VYRrun.shi", "a\r\n");
    box.enter();
    EXPECT_TRUE(fileExists("VYRrun.shi"));
    EXPECT_EQ(readAllLines("VYRrun.shi", OpenFor::Reading), LineList{"a"});
    EXPECT_TRUE(writeWholeFile("new.txt", "n"));
    EXPECT_EQ(box.bytes("new.txt"), "n");
}

TEST_F(LineFiles, DoubledSeparatorsNameTheSameFile) {
    box.put("f.txt", "a\r\n");
    EXPECT_TRUE(fileExists(box.folder() + "\\\\f.txt"));
    EXPECT_EQ(readAllLines(box.folder() + "\\\\f.txt", OpenFor::Reading), LineList{"a"});
}

TEST_F(LineFiles, GbkNamesReachTheFileSystem) {
    // 0x81 0x5C is one character whose trail byte is "\": no separator.
    const Text names[] = {"菜单.txt", "a\x81\x5C" "b.txt"};
    for (const Text& name : names) {
        EXPECT_TRUE(writeWholeFile(box.path(name), "x")) << name;
        EXPECT_TRUE(fileExists(box.path(name))) << name;
        EXPECT_EQ(box.bytes(name), "x") << name;
        EXPECT_TRUE(deleteFile(box.path(name))) << name;
        EXPECT_FALSE(fileExists(box.path(name))) << name;
    }
}

TEST_F(LineFiles, CopyReplacesTheTargetAndRefusesFoldersAndItself) {
    box.put("a.ico", "new");
    box.put("b.ico", "old and longer");
    EXPECT_TRUE(copyFile(box.path("a.ico"), box.path("b.ico")));
    EXPECT_EQ(box.bytes("b.ico"), "new");

    EXPECT_FALSE(copyFile(box.path("missing"), box.path("b.ico")));
    box.makeFolder("dir");
    EXPECT_FALSE(copyFile(box.path("dir"), box.path("b.ico")));
    EXPECT_EQ(box.bytes("b.ico"), "new");

    EXPECT_FALSE(copyFile(box.path("a.ico"), box.path("A.ICO")));
    EXPECT_EQ(box.bytes("a.ico"), "new");
}

TEST_F(LineFiles, DeleteRemovesFilesOnly) {
    box.put("f.txt", "x");
    EXPECT_TRUE(deleteFile(box.path("f.txt")));
    EXPECT_EQ(box.bytes("f.txt"), std::nullopt);
    EXPECT_FALSE(deleteFile(box.path("f.txt")));
    box.makeFolder("dir");
    EXPECT_FALSE(deleteFile(box.path("dir")));
    EXPECT_TRUE(box.isFolder("dir"));
}

TEST_F(LineFiles, ProgramFolderAndFileNameSplitTheExecutablePath) {
    const Text folder = programFolder();
    const Text name = programFileName();
    EXPECT_FALSE(name.empty());
    EXPECT_EQ(name.find('\\'), Text::npos);
    ASSERT_FALSE(folder.empty());
    EXPECT_NE(folder.back(), '\\');
    EXPECT_TRUE(fileExists(joinText(folder, "\\", name)));
}

}  // namespace
