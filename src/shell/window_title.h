#pragma once
// The main window's title: only these rules set it (the frame never adds a document name on its own).

#include <string>
#include <string_view>

namespace vorlane {

inline constexpr std::string_view kProgramTitle = "Vorlane";

// At start: "Vorlane".
std::string StartWindowTitle();
// After New: "Vorlane - (No Title)".
std::string NoTitleWindowTitle();
// After a file was chosen in Open: "Vorlane - (<full path>)".
std::string FileWindowTitle(std::string_view path);

} // namespace vorlane
