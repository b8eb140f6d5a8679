// readAllLines through the host file layer: a file's lines are those of its
// readable part; writing them back with rewriteAllLines and reading again
// gives the same lines, and appendLines adds lines after them.

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "package/line_file.h"
#include "platform/host/host_files.h"
#include "tests/fuzz/fuzz_input.h"

namespace fs = std::filesystem;

namespace {

// Drive C: is a folder of its own for this process, removed at exit.
struct Drive {
    fs::path folder = fs::temp_directory_path() / ("vyr-fuzz-" + std::to_string(getpid()));
    Drive() {
        fs::create_directories(folder);
        platform::host::mapDrive('C', folder);
    }
    ~Drive() {
        std::error_code error;
        fs::remove_all(folder, error);
    }
};

const Text fileName = "C:\\lines.txt";

std::string bytesOf(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Drive drive;
    const fs::path file = drive.folder / "lines.txt";
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;

    const LineList lines = readAllLines(fileName, OpenFor::Reading);
    EXPECT_PROPERTY(lines == linesBetweenLineEnds(readablePart(bytes)));
    EXPECT_PROPERTY(readAllLines(fileName, OpenFor::ReadingAndWriting) == lines);

    EXPECT_PROPERTY(rewriteAllLines(fileName, lines));
    std::string written;
    for (const Text& line : lines) written += line + "\r\n";
    EXPECT_PROPERTY(bytesOf(file) == written);
    EXPECT_PROPERTY(readAllLines(fileName, OpenFor::Reading) == lines);

    const LineList added = {"", "x"};
    EXPECT_PROPERTY(appendLines(fileName, added));
    LineList longer = lines;
    longer.insert(longer.end(), added.begin(), added.end());
    EXPECT_PROPERTY(readAllLines(fileName, OpenFor::Reading) == longer);
    return 0;
}
