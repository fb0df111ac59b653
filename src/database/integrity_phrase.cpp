#include "database/integrity_phrase.h"

namespace vorlane {

std::string IntegrityPhrase::Text(const TextTranslator& texts) const {
    return texts.Fill("IntegrityCheck", pattern, values);
}

} // namespace vorlane
