#include "importexport/listing_words.h"

#include "database/link_word.h"

#include <array>
#include <cstddef>

namespace vorlane {
namespace {

template <std::size_t N> const char* WordOrEmpty(const std::array<const char*, N>& words, unsigned code) {
    return code < N ? words[code] : "";
}

} // namespace

const char* PolarisationWord(unsigned code) {
    static constexpr std::array<const char*, 3> kWords{"Auto", "Horizontal", "Vertical"};
    return code < kWords.size() ? kWords[code] : "unused";
}

const char* FecWord(unsigned code) {
    static constexpr std::array<const char*, 6> kWords{"1/2", "2/3", "3/4", "5/6", "7/8", "auto"};
    return WordOrEmpty(kWords, code);
}

const char* DiseqcTypeWord(unsigned code) {
    static constexpr std::array<const char*, 9> kWords{"None",     "2 port",   "4 port",   "8 port",  "16 port",
                                                       "Diseqc 1", "Diseqc 2", "Diseqc 3", "Diseqc 4"};
    return WordOrEmpty(kWords, code);
}

const char* AudioModeWord(unsigned code) {
    static constexpr std::array<const char*, 4> kWords{"Stereo", "Left", "Right", "Mono"};
    return WordOrEmpty(kWords, code);
}

const char* ServiceClassWord(unsigned serviceType) {
    if (serviceType == static_cast<unsigned>(ServiceType::Tv))
        return "TV";
    if (serviceType == static_cast<unsigned>(ServiceType::Radio))
        return "Radio";
    return "Data";
}

} // namespace vorlane
