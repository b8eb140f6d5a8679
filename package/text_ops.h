#pragma once
// Texts are GBK byte strings; every length and position counts bytes.

#include <cstdint>
#include <string>
#include <vector>

using Text = std::string;  // never holds a 0x00 byte
using LineList = std::vector<Text>;

int textLength(const Text& t);
Text leftPart(const Text& t, int n);
Text rightPart(const Text& t, int n);
bool sameText(const Text& a, const Text& b);

template <typename... Parts>
Text joinText(const Parts&... parts) {
    Text joined;
    (joined += ... += parts);
    return joined;
}

Text charFromCode(int code);
std::int32_t textToInteger(const Text& t);
Text integerToText(std::int32_t n);
Text realToText(double x);
LineList splitText(const Text& t, const Text& delimiter);

// Bytes taken by the character that starts at position i: 2 for a lead byte
// (0x80 or above) followed by a possible trail byte, otherwise 1. No GBK trail
// byte lies below 0x40, so a high byte followed by such a byte stands alone;
// 0 when a high byte is the last byte.
int charWidthAt(const Text& t, int i);
