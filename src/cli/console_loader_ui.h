#pragma once
// The loader's user interface in vorlane-cli: messages are printed as lines on standard output, questions are
// answered with OK (the command line runs unattended), and there is no cursor to change.

#include "loader/loader_ui.h"

namespace vorlane::cli {

class ConsoleLoaderUi : public LoaderUi {
public:
    void ShowMessageBox(const std::string& text) override;
    int ShowMessage(const std::string& text, int mode) override;
    void ShowNotAllowedCursor() override {}
    void RestoreCursor() override {}
};

} // namespace vorlane::cli
