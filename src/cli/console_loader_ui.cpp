#include "cli/console_loader_ui.h"

#include <cstdio>

namespace vorlane::cli {
namespace {

constexpr int kButtonOk = 1;

void PrintLine(const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

} // namespace

void ConsoleLoaderUi::ShowMessageBox(const std::string& text) {
    PrintLine(text);
}

int ConsoleLoaderUi::ShowMessage(const std::string& text, int mode) {
    PrintLine(text);
    return mode == 0 ? 0 : kButtonOk;
}

} // namespace vorlane::cli
