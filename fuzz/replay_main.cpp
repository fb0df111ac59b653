// Runs a fuzz target over saved inputs without libFuzzer: each argument is an input file or a folder of them
// (taken in name order). Fails when no input was found, so a wrong corpus path does not pass unnoticed.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

namespace fs = std::filesystem;

std::vector<fs::path> InputsOf(const fs::path& argument) {
    std::error_code error;
    if (!fs::is_directory(argument, error))
        return {argument};
    std::vector<fs::path> inputs;
    for (const fs::directory_entry& entry : fs::directory_iterator(argument, error))
        if (entry.is_regular_file(error))
            inputs.push_back(entry.path());
    std::sort(inputs.begin(), inputs.end());
    return inputs;
}

bool Replay(const fs::path& input) {
    std::ifstream file(input, std::ios::binary);
    if (!file) {
        std::fprintf(stderr, "cannot read %s\n", input.c_str());
        return false;
    }
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    std::printf("%s (%zu bytes)\n", input.c_str(), bytes.size());
    std::fflush(stdout); // the name must be out before a crash
    LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
    return true;
}

} // namespace

int main(int argc, char** argv) {
    std::size_t replayed = 0;
    for (int i = 1; i < argc; ++i)
        for (const fs::path& input : InputsOf(argv[i])) {
            if (!Replay(input))
                return 1;
            ++replayed;
        }
    std::printf("%zu inputs replayed\n", replayed);
    return replayed > 0 ? 0 : 1;
}
