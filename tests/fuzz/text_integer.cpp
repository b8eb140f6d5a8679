// textToInteger, integerToText and settingsNumber. On texts of ASCII bytes
// textToInteger agrees with the C library's strtoll taken to 32 bits; full-
// width forms of the same characters read alike; every integer's text reads
// back as that integer and passes settingsNumber; and a value of up to nine
// bytes that passes settingsNumber is exactly the text of its integer, but
// for a single byte that is no digit, which passes as 0 (from ten bytes on,
// digits beyond 32 bits wrap around and "4000000000" passes as -294967296).

#include <cerrno>
#include <cstring>

#include "package/settings_file.h"
#include "package/text_ops.h"
#include "tests/fuzz/fuzz_input.h"

static bool isAscii(const Text& t) {
    for (const char c : t)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

// The text with each printable ASCII character written in its full-width
// GBK form and each space as the ideographic space.
static Text fullWidth(const Text& t) {
    Text wide;
    for (const char c : t) {
        if (c == ' ')
            wide += "\xA1\xA1";
        else if (c > ' ' && c < 0x7F)
            wide += {'\xA3', static_cast<char>(c + 0x80)};
        else
            wide += c;
    }
    return wide;
}

static int digitCount(const Text& t) {
    int n = 0;
    for (const char c : t) n += c >= '0' && c <= '9';
    return n;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Text text = inputText(data, size);
    const std::int32_t value = textToInteger(text);

    if (isAscii(text)) {
        // strtoll is exact up to 18 digits; its result taken modulo 2^32.
        if (digitCount(text) <= 18) {
            errno = 0;
            const long long wide = std::strtoll(text.c_str(), nullptr, 10);
            EXPECT_PROPERTY(errno == 0);
            EXPECT_PROPERTY(value == static_cast<std::int32_t>(static_cast<std::uint32_t>(wide)));
        }
        EXPECT_PROPERTY(textToInteger(fullWidth(text)) == value);
    }

    // A lone lead byte at the end is no part of the text.
    EXPECT_PROPERTY(textToInteger(text + "\xA3") == value);

    const SettingsNumber number = settingsNumber(text);
    EXPECT_PROPERTY(number.value == value);
    if (number.passes && textLength(text) <= 9) {
        // One byte without a digit reads as 0, whose text is one byte too.
        const bool oneOtherByte = textLength(text) == 1 && (text[0] < '0' || text[0] > '9');
        EXPECT_PROPERTY(integerToText(value) == text || (oneOtherByte && value == 0));
    }

    // Any four bytes as an integer: its text is plain decimal and reads back.
    if (size >= 4) {
        std::int32_t n;
        std::memcpy(&n, data, sizeof n);
        const Text digits = integerToText(n);
        EXPECT_PROPERTY(textToInteger(digits) == n);
        const SettingsNumber again = settingsNumber(digits);
        EXPECT_PROPERTY(again.passes && again.value == n);
        const std::size_t first = n < 0 ? 1 : 0;
        EXPECT_PROPERTY(digits.size() > first && digits.size() <= 11);
        EXPECT_PROPERTY(digits[first] != '0' || digits == "0");
        EXPECT_PROPERTY(digits.find_first_not_of("0123456789", first) == Text::npos);
    }
    return 0;
}
