#include "text_ops.h"

int textLength(const Text& t) { return static_cast<int>(t.size()); }

Text leftPart(const Text& t, int n) {
    if (n <= 0) return Text();
    return t.substr(0, static_cast<size_t>(n));
}

Text rightPart(const Text& t, int n) {
    if (n <= 0) return Text();
    if (n >= textLength(t)) return t;
    return t.substr(t.size() - static_cast<size_t>(n));
}

bool sameText(const Text& a, const Text& b) { return a == b; }

Text charFromCode(int code) {
    if (code <= 0 || code > 255) return Text();
    return Text(1, static_cast<char>(code));
}

int charWidthAt(const Text& t, int i) {
    const auto lead = static_cast<unsigned char>(t[i]);
    if (lead < 0x80) return 1;
    if (i + 1 >= textLength(t)) return 0;
    return static_cast<unsigned char>(t[i + 1]) < 0x40 ? 1 : 2;
}

// Full-width digits, signs and a few symbols become their ASCII forms.
static Text foldFullWidth(const Text& t) {
    Text folded;
    for (int i = 0; i < textLength(t);) {
        const int width = charWidthAt(t, i);
        if (width == 0) break;
        if (width == 1) {
            folded += t[i++];
            continue;
        }
        const auto lead = static_cast<unsigned char>(t[i]);
        const auto trail = static_cast<unsigned char>(t[i + 1]);
        if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE)
            folded += static_cast<char>(trail - 0x80);
        else if (lead == 0xA1 && trail == 0xA1)
            folded += ' ';
        else if (lead == 0xA1 && trail == 0xAB)
            folded += '~';
        else if (lead == 0xA1 && (trail == 0xEE || trail == 0xEF))
            folded += '*';
        else
            folded.append(t, static_cast<size_t>(i), 2);
        i += 2;
    }
    return folded;
}

std::int32_t textToInteger(const Text& t) {
    const Text s = foldFullWidth(t);
    size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || (s[i] >= '\t' && s[i] <= '\r'))) ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
    std::uint32_t value = 0;  // no overflow test: a longer number wraps around in 32 bits
    for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) value = value * 10u + static_cast<std::uint32_t>(s[i] - '0');
    if (negative) value = 0u - value;
    return static_cast<std::int32_t>(value);
}

Text integerToText(std::int32_t n) {
    std::uint32_t magnitude = n < 0 ? 0u - static_cast<std::uint32_t>(n) : static_cast<std::uint32_t>(n);
    char digits[12];
    int pos = sizeof digits;
    do {
        digits[--pos] = static_cast<char>('0' + magnitude % 10u);
        magnitude /= 10u;
    } while (magnitude != 0);
    if (n < 0) digits[--pos] = '-';
    return Text(digits + pos, sizeof digits - static_cast<size_t>(pos));
}

LineList splitText(const Text& t, const Text& delimiter) {
    LineList parts;
    if (t.empty()) return parts;
    if (delimiter.empty()) return {t};
    const int length = textLength(t);
    const int delimiterLength = textLength(delimiter);
    int start = 0;
    int scan = 0;
    while (length - scan >= delimiterLength) {
        if (t.compare(static_cast<size_t>(scan), static_cast<size_t>(delimiterLength), delimiter) == 0) {
            parts.push_back(t.substr(static_cast<size_t>(start), static_cast<size_t>(scan - start)));
            scan += delimiterLength;
            start = scan;
            continue;
        }
        const int width = charWidthAt(t, scan);
        if (width == 0) break;
        scan += width;
    }
    if (start < length) parts.push_back(t.substr(static_cast<size_t>(start)));
    return parts;
}
