#include <gtest/gtest.h>

#include <climits>

#include "package/text_ops.h"

TEST(Texts, SourceTextsReachTheProgramAsGbkBytes) {
    const Text key = "宽度=";
    EXPECT_EQ(key, Text("\xBF\xED\xB6\xC8\x3D"));
    EXPECT_EQ(textLength("菜单"), 4);
}

TEST(Texts, LeftAndRightPartsCountBytes) {
    struct Case {
        Text text;
        int n;
        Text left, right;
    } cases[] = {
        {"宽度=800", 5, "宽度=", "\xC8=800"},
        {"宽度=800", 3, "\xBF\xED\xB6", "800"},  // cuts a character in two
        {"宽度=800", 0, "", ""},
        {"宽度=800", -1, "", ""},
        {"宽度", 9, "宽度", "宽度"},
        {"", 3, "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(leftPart(c.text, c.n), c.left) << c.text << " " << c.n;
        EXPECT_EQ(rightPart(c.text, c.n), c.right) << c.text << " " << c.n;
    }
}

TEST(Texts, JoinAndCompareAreByteWise) {
    EXPECT_EQ(joinText("菜单", Text("1"), "标题="), "菜单1标题=");
    EXPECT_TRUE(sameText("", Text()));
    EXPECT_FALSE(sameText("f1", "F1"));
}

TEST(Texts, CharFromCodeGivesTheLoneByte) {
    EXPECT_EQ(charFromCode(65), "A");
    EXPECT_EQ(charFromCode(0), "");
    EXPECT_EQ(charFromCode(189), "\xBD");
    EXPECT_EQ(charFromCode(32), " ");
}

TEST(Texts, TextToIntegerFoldsFullWidthFormsAndWrapsAround) {
    struct Case {
        Text text;
        std::int32_t value;
    } cases[] = {
        {"800", 800},
        {"  42", 42},
        {"\t\r\n\v\f7", 7},
        {"+7", 7},
        {"-5", -5},
        {"12abc", 12},
        {"abc", 0},
        {"", 0},
        {"-", 0},
        {"+-3", 0},
        {"８００", 800},        // full-width digits
        {"－１２", -12},        // full-width minus
        {"＋５", 5},            // full-width plus
        {"\xA1\xA1" "9", 9},    // ideographic space
        {"2147483647", INT_MAX},
        {"2147483648", INT_MIN},
        {"-2147483648", INT_MIN},
        {"4294967297", 1},      // 2^32 + 1 wraps around
        {"99999999999999999999", static_cast<std::int32_t>(1661992959)},
        {"7\xA3", 7},           // a lone lead byte at the end ends the text
        {"\xA3", 0},
        {"宽5", 0},
    };
    for (const Case& c : cases) EXPECT_EQ(textToInteger(c.text), c.value) << "text: " << c.text;
}

TEST(Texts, NumbersPrintInPlainDecimal) {
    EXPECT_EQ(integerToText(0), "0");
    EXPECT_EQ(integerToText(-5), "-5");
    EXPECT_EQ(integerToText(800), "800");
    EXPECT_EQ(integerToText(INT_MIN), "-2147483648");
    EXPECT_EQ(integerToText(INT_MAX), "2147483647");
    EXPECT_EQ(realToText(3.0), "3");
    EXPECT_EQ(realToText(0.0), "0");
    EXPECT_EQ(realToText(99.0), "99");
    EXPECT_EQ(realToText(1234567890123.0), "1234567890123");
}

TEST(Texts, SplitAtCrLf) {
    struct Case {
        Text text;
        LineList lines;
    } cases[] = {
        {"a\r\n\r\nb", {"a", "", "b"}},
        {"a\r\n", {"a"}},
        {"a\r\n\r\n", {"a", ""}},
        {"\r\nx", {"", "x"}},
        {"a", {"a"}},
        {"", {}},
        {"\r\n", {""}},
        {"a\rb\nc", {"a\rb\nc"}},  // a lone CR or LF is an ordinary byte
        {"宽度=1\r\n高度=2\r\n", {"宽度=1", "高度=2"}},
        {"\x81\r\n", {"\x81"}},
        // ... but no trail byte lies below 0x40, so a high byte before CR LF
        // stands alone and the line break is seen (hotkeys such as 0xBD).
        {"\xBD\r\nb\r\n", {"\xBD", "b"}},
        {"x\xBD", {"x\xBD"}},
    };
    for (const Case& c : cases) EXPECT_EQ(splitText(c.text, "\r\n"), c.lines) << "text: " << c.text;
    EXPECT_EQ(splitText("abc", ""), LineList{"abc"});
    EXPECT_EQ(splitText("a;b", ";"), (LineList{"a", "b"}));
    EXPECT_EQ(splitText("\x81" "A;", "A;"), LineList{"\x81" "A;"});  // "A;" would start at a trail byte
}
