#include "database/band.h"

#include "database/record_words.h"
#include "database/satellite_record.h"

namespace vorlane {

int BandNumber(int lnbType, unsigned frequencyMhz, unsigned polarisation) {
    int subBand = 0;
    if (lnbType == SatelliteRecord::kLnbTypeUniversal) {
        if (frequencyMhz >= 10700 && frequencyMhz < 11700)
            subBand = 1;
        else if (frequencyMhz >= 11700 && frequencyMhz < 12750)
            subBand = 2;
    }
    return 2 * subBand + (polarisation == kPolarisationVertical ? 1 : 0);
}

} // namespace vorlane
