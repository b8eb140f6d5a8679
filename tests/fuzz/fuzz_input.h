#pragma once
// What the fuzz targets share: the input as a text, the rules by which a
// line file's bytes become lines, written independently of package/ so that
// the targets can compare, and a failed property that stops the fuzzer.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "package/text_ops.h"

[[noreturn]] inline void propertyFailed(const char* property, const char* file, int line) {
    std::fprintf(stderr, "%s:%d: property failed: %s\n", file, line, property);
    std::abort();
}
#define EXPECT_PROPERTY(condition) ((condition) ? void(0) : propertyFailed(#condition, __FILE__, __LINE__))

// A text ends at its first 0x00 byte.
inline Text inputText(const std::uint8_t* data, std::size_t size) {
    std::size_t n = 0;
    while (n < size && data[n] != 0) ++n;
    return Text(reinterpret_cast<const char*>(data), n);
}

// The readable part of a line file's bytes: up to the first 0x00 or 0x1A,
// or up to a byte 0x80 or above that is the last byte or stands before 0x00.
// Such a byte followed by a byte from 0x40 on is a character of two bytes.
inline Text readablePart(const std::string& bytes) {
    std::size_t end = 0;
    while (end < bytes.size()) {
        const auto byte = static_cast<unsigned char>(bytes[end]);
        if (byte == 0x00 || byte == 0x1A) break;
        if (byte < 0x80) {
            ++end;
            continue;
        }
        if (end + 1 == bytes.size() || bytes[end + 1] == 0) break;
        end += static_cast<unsigned char>(bytes[end + 1]) >= 0x40 ? 2 : 1;
    }
    return bytes.substr(0, end);
}

// The lines between CR LF pairs, byte by byte: a CR is never the second
// byte of a character, so every CR LF ends a line. A final CR LF adds no line.
inline LineList linesBetweenLineEnds(const Text& text) {
    LineList lines;
    std::size_t start = 0;
    for (std::size_t at; (at = text.find("\r\n", start)) != Text::npos; start = at + 2)
        lines.push_back(text.substr(start, at - start));
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}
