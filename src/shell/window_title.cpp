#include "shell/window_title.h"

namespace vorlane {

std::string StartWindowTitle() {
    return std::string(kProgramTitle);
}

std::string NoTitleWindowTitle() {
    return std::string(kProgramTitle) + " - (No Title)";
}

std::string FileWindowTitle(std::string_view path) {
    std::string title(kProgramTitle);
    title += " - (";
    title += path;
    title += ')';
    return title;
}

} // namespace vorlane
