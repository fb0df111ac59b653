// vorlane-cli: the editor's and the loader's commands without windows.
#include <cstdio>
#include <cstring>

namespace {

constexpr const char* kUsage =
    "Usage: vorlane-cli <command> [options]\n"
    "\n"
    "Commands are added as the core grows; run 'vorlane-cli <command> --help' for one.\n";

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    std::fprintf(stderr, "vorlane-cli: unknown command '%s'\n", argv[1]);
    std::fputs(kUsage, stderr);
    return 2;
}
