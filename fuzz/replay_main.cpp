// Runs a fuzz target's entry point on files, without the fuzzer: every file
// named, and every file of every folder named. The normal build runs each
// target this way on its seeds and on the inputs that once made it fail, so
// a fixed crash stays fixed under every compiler and sanitizer the project
// builds with.

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv);
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

namespace {

int replay(const std::filesystem::path &file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "cannot read %s\n", file.c_str());
        return 1;
    }
    const std::vector<char> bytes((std::istreambuf_iterator<char>(in)),
                                  std::istreambuf_iterator<char>());
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(bytes.data()), bytes.size());
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    LLVMFuzzerInitialize(&argc, &argv);
    int files = 0;
    int failures = 0;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path arg(argv[i]);
        std::error_code ec;
        if (std::filesystem::is_directory(arg, ec)) {
            for (const auto &entry : std::filesystem::recursive_directory_iterator(arg, ec))
                if (entry.is_regular_file()) {
                    failures += replay(entry.path());
                    ++files;
                }
        } else {
            failures += replay(arg);
            ++files;
        }
    }
    std::printf("%d inputs replayed\n", files);
    return failures == 0 && files > 0 ? 0 : 1;
}
