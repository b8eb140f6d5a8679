// Copies a UTF-8 source file with every non-ASCII character written as the
// octal escapes of its GBK bytes. clang keeps texts as UTF-8 and has no
// -fexec-charset=GBK; compiled from such a copy, its texts hold the same
// bytes as the programs' own. Escapes in comments are harmless.
//
//   gbk_escape SOURCE COPY

#include <iconv.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: gbk_escape SOURCE COPY\n");
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    std::string source(std::istreambuf_iterator<char>(in), {});
    if (!in) {
        std::fprintf(stderr, "gbk_escape: cannot read %s\n", argv[1]);
        return 1;
    }
    const iconv_t toGbk = iconv_open("GBK", "UTF-8");
    if (toGbk == reinterpret_cast<iconv_t>(-1)) {
        std::perror("gbk_escape: iconv_open");
        return 1;
    }
    std::string gbk(source.size(), '\0');
    char* from = source.data();
    size_t fromLeft = source.size();
    char* to = gbk.data();
    size_t toLeft = gbk.size();  // GBK never takes more bytes than UTF-8
    if (iconv(toGbk, &from, &fromLeft, &to, &toLeft) == static_cast<size_t>(-1)) {
        std::fprintf(stderr, "gbk_escape: %s: no GBK form for the text at byte %zu\n", argv[1],
                     source.size() - fromLeft);
        return 1;
    }
    iconv_close(toGbk);
    gbk.resize(gbk.size() - toLeft);

    // Reports and debuggers name the original file and lines.
    std::string copy = "#line 1 \"" + std::string(argv[1]) + "\"\n";
    for (const char c : gbk) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            copy += c;
            continue;
        }
        char escape[5];
        std::snprintf(escape, sizeof escape, "\\%03o", byte);
        copy += escape;
    }
    std::ofstream out(argv[2], std::ios::binary);
    out << copy;
    return out ? 0 : 1;
}
