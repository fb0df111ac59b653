#pragma once
// A text of the integrity check: an English pattern with %1, %2, ... and the values that go in. The editor
// translates the pattern before it puts the values in; the command line and the traces use the English text.

#include "platform/translatable.h"

#include <string>
#include <vector>

namespace vorlane {

struct IntegrityPhrase {
    const char* pattern = "";
    std::vector<std::string> values;

    std::string Text() const;
};

// The pattern's %1 ... %9 replaced by the values in `values`, in order of their numbers.
std::string FillPattern(const std::string& pattern, const std::vector<std::string>& values);

} // namespace vorlane
