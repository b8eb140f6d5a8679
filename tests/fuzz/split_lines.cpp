// splitText: at CR LF it gives the lines between the line ends; at any
// delimiter, the pieces joined again with it give back the text, with one
// more delimiter when the text ended in one.

#include "package/text_ops.h"
#include "tests/fuzz/fuzz_input.h"

static Text joined(const LineList& pieces, const Text& delimiter) {
    Text text;
    for (std::size_t i = 0; i < pieces.size(); ++i) text += (i == 0 ? "" : delimiter) + pieces[i];
    return text;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Text text = inputText(data, size);
    EXPECT_PROPERTY(splitText(text, "\r\n") == linesBetweenLineEnds(text));

    // The first byte's low bits choose a delimiter of up to three bytes
    // taken from the text after it.
    if (text.empty()) return 0;
    const int delimiterLength = static_cast<unsigned char>(text[0]) % 4;
    const Text delimiter = text.substr(1, static_cast<std::size_t>(delimiterLength));
    const Text rest = text.substr(1 + delimiter.size());
    const LineList pieces = splitText(rest, delimiter);
    if (rest.empty()) {
        EXPECT_PROPERTY(pieces.empty());
        return 0;
    }
    if (delimiter.empty()) {
        EXPECT_PROPERTY(pieces == LineList{rest});
        return 0;
    }
    const Text back = joined(pieces, delimiter);
    EXPECT_PROPERTY(back == rest || back + delimiter == rest);
    return 0;
}
