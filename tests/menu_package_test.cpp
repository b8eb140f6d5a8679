#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>

#include "package/line_file.h"
#include "package/menu_package.h"
#include "tests/support/sandbox.h"

namespace {

std::uint32_t little(const std::string& bytes, size_t at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) value = value << 8 | static_cast<unsigned char>(bytes[at + static_cast<size_t>(i)]);
    return value;
}

class Package : public ::testing::Test {
protected:
    Sandbox box;
};

TEST_F(Package, SkeletonWritesPlayerTemplateAndAutoplayFile) {
    writePackageSkeleton(box.folder());
    EXPECT_EQ(box.bytes("VYRrun.exe"), std::string(playerBlock()));
    EXPECT_EQ(box.bytes("VYRrun.shi"), std::string(settingsTemplateBlock()));
    EXPECT_EQ(box.bytes("autorun.inf"), "[AUTORUN]\r\nOPEN=VYRrun.exe\r\nicon=VYR.ico");
    EXPECT_EQ(box.bytes("autorun.inf")->size(), 40u);
    EXPECT_EQ(box.bytes("VYR.ico"), std::nullopt);
}

TEST_F(Package, TemplateIsTheFiveHeaderLines) {
    const std::string expected = std::string(";VYR光盘自动播放菜单程序\r\n") + ";" + headerNotice + "\r\n;" + headerAddress +
                                 "\r\n;配置程序时请勿更改本行及以上信息，否则将会导致程序运行错误\r\n【基本设置】\r\n";
    EXPECT_EQ(std::string(settingsTemplateBlock()), expected);
    EXPECT_EQ(splitText(Text(settingsTemplateBlock()), "\r\n"), LineList(settingsHeader, settingsHeader + 5));
}

TEST_F(Package, SkeletonIntoAMissingFolderWritesNothing) {
    writePackageSkeleton(box.path("missing"));
    EXPECT_FALSE(box.isFolder("missing"));
    EXPECT_FALSE(fileExists(box.path("missing")));
}

TEST_F(Package, SkeletonAgainStartsTheSettingsOver) {
    writePackageSkeleton(box.folder());
    appendLines(box.path("VYRrun.shi"), {"宽度=800"});
    writePackageSkeleton(box.folder());
    EXPECT_EQ(box.bytes("VYRrun.shi"), std::string(settingsTemplateBlock()));
}

TEST_F(Package, DefaultIconHasFiveImagesFrom64To16Pixels) {
    const std::string icon(defaultIconBlock());
    ASSERT_EQ(icon.size(), 34494u);
    EXPECT_EQ(little(icon, 0, 2), 0u);
    EXPECT_EQ(little(icon, 2, 2), 1u);
    ASSERT_EQ(little(icon, 4, 2), 5u);
    const struct {
        std::uint32_t size, bytes, offset;
    } images[] = {{64, 16936, 86}, {48, 9640, 17022}, {32, 4264, 26662}, {24, 2440, 30926}, {16, 1128, 33366}};
    for (size_t i = 0; i < 5; ++i) {
        const size_t entry = 6 + 16 * i;
        const auto& image = images[i];
        EXPECT_EQ(little(icon, entry, 1), image.size % 256);
        EXPECT_EQ(little(icon, entry + 1, 1), image.size % 256);
        EXPECT_EQ(little(icon, entry + 2, 2), 0u);  // colour count, reserved
        EXPECT_EQ(little(icon, entry + 4, 2), 1u);
        EXPECT_EQ(little(icon, entry + 6, 2), 32u);
        EXPECT_EQ(little(icon, entry + 8, 4), image.bytes);
        EXPECT_EQ(little(icon, entry + 12, 4), image.offset);
        const size_t header = image.offset;
        EXPECT_EQ(little(icon, header, 4), 40u);
        EXPECT_EQ(little(icon, header + 4, 4), image.size);
        EXPECT_EQ(little(icon, header + 8, 4), 2 * image.size);
        EXPECT_EQ(little(icon, header + 12, 2), 1u);
        EXPECT_EQ(little(icon, header + 14, 2), 32u);
        EXPECT_EQ(little(icon, header + 16, 4), 0u);
        const std::uint32_t maskRow = (image.size / 8 + 3) / 4 * 4;
        EXPECT_EQ(image.bytes, 40 + 4 * image.size * image.size + maskRow * image.size);
        // A graded alpha channel: more than fully clear and fully opaque.
        bool partlyClear = false;
        for (std::uint32_t pixel = 0; pixel < image.size * image.size; ++pixel) {
            const std::uint32_t alpha = little(icon, header + 40 + 4 * pixel + 3, 1);
            partlyClear = partlyClear || (alpha > 0 && alpha < 255);
        }
        EXPECT_TRUE(partlyClear) << image.size;
    }
}

TEST_F(Package, IconAnswerIsCopiedOrReplacedByTheDefault) {
    box.makeFolder("pkg");
    box.makeFolder("pkg\\sub");
    box.put("disc.bmp", "not an icon");
    const Text pkg = box.path("pkg");
    struct Case {
        const char* what;
        Text answer;
        std::optional<std::string> icon;
    } cases[] = {
        {"empty answer", "", std::string(defaultIconBlock())},
        {"missing file", box.path("none.ico"), std::string(defaultIconBlock())},
        {"file of another kind", box.path("disc.bmp"), std::string("not an icon")},
        {"a folder cannot be copied", box.path("pkg\\sub"), std::nullopt},
    };
    for (const Case& c : cases) {
        deleteFile(joinText(pkg, iconSuffix));
        writePackageIcon(pkg, c.answer);
        EXPECT_EQ(box.bytes("pkg\\VYR.ico"), c.icon) << c.what;
    }
    EXPECT_EQ(box.bytes("disc.bmp"), "not an icon");
}

TEST_F(Package, IconAnswerNamingThePackagesOwnIconKeepsIt) {
    box.put("VYR.ico", "mine");
    writePackageIcon(box.folder(), box.path("VYR.ico"));
    EXPECT_EQ(box.bytes("VYR.ico"), "mine");
}

TEST_F(Package, RemoveDeletesTheFourFilesOnly) {
    box.put("other.txt", "keep");
    box.put("source.ico", "icon");
    writePackageSkeleton(box.folder());
    writePackageIcon(box.folder(), box.path("source.ico"));
    removePackage(box.folder());
    for (const char* name : {"VYRrun.exe", "VYRrun.shi", "autorun.inf", "VYR.ico"})
        EXPECT_EQ(box.bytes(name), std::nullopt) << name;
    EXPECT_EQ(box.bytes("other.txt"), "keep");
    EXPECT_EQ(box.bytes("source.ico"), "icon");
}

TEST_F(Package, RemoveWithoutAFolderDeletesNothingInTheRoot) {
    box.put("VYRrun.exe", "someone else's");
    box.enter();
    removePackage("");
    EXPECT_EQ(box.bytes("VYRrun.exe"), "someone else's");
}

#ifdef VYR_BUILT_PLAYER
TEST_F(Package, PlayerBlockIsTheBuiltPlayer) {
    std::ifstream built(VYR_BUILT_PLAYER, std::ios::binary);
    ASSERT_TRUE(built) << VYR_BUILT_PLAYER;
    const std::string bytes((std::istreambuf_iterator<char>(built)), std::istreambuf_iterator<char>());
    writePackageSkeleton(box.folder());
    EXPECT_EQ(box.bytes("VYRrun.exe"), bytes);
    EXPECT_EQ(bytes.substr(0, 2), "MZ");
}
#endif

}  // namespace
