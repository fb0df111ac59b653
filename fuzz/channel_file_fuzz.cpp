// Fuzz target: opening a channel file of exactly 0xD0000 bytes with the editor's Open, then saving the database
// that came of it.
//
// Mutating 832 KB inputs gets nowhere, so an input of any other length describes a file instead: a flags byte,
// then patches, each a 3-byte little-endian offset (taken modulo the file length), a length byte and that many
// bytes, laid over a valid channel file the program itself saved. Flag bit 0 makes every tagged table sector's
// checksum right again after patching and bit 1 every settings page's, so patched records get past the sums and
// reach the readers behind them. An input of exactly 0xD0000 bytes is opened as it stands.

#include "blockfile/channel_file.h"
#include "fuzz_support.h"
#include "importexport/database_files.h"
#include "platform/bytes.h"
#include "sample_database.h"
#include "storage/checksum.h"
#include "storage/storage_image.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace {

using vorlane::ByteSpan;
using vorlane::ConstByteSpan;
using vorlane::fuzz::Check;

constexpr std::uint8_t kResealSectors = 0x01;
constexpr std::uint8_t kResealPages = 0x02;
constexpr std::size_t kOffsetSize = 3;

// A small but varied database: several satellites, both tuners, scrambled channels and favourites.
std::vector<std::uint8_t> SavedSampleFile() {
    vorlane::ChannelDatabase db;
    db.SetReceiverModel(1);
    vorlane::testing::SampleOptions options;
    options.seed = 7;
    options.satellites = 4;
    options.transponders = 40;
    options.channels = 160;
    Check(vorlane::testing::MakeSampleDatabase(db, options) >= 0, "the sample database builds its lists");
    std::vector<std::uint8_t> file = vorlane::ChannelFileBytes(db);
    Check(file.size() == vorlane::kChannelFileSize, "the sample saves as a channel file");
    return file;
}

void ApplyPatches(ConstByteSpan patches, ByteSpan file) {
    std::size_t at = 0;
    while (patches.size() - at > kOffsetSize) {
        const std::uint32_t offset = patches[at] | (patches[at + 1] << 8) | (patches[at + 2] << 16);
        const std::size_t length = patches[at + kOffsetSize];
        at += kOffsetSize + 1;
        const ConstByteSpan bytes = patches.subspan(at, std::min(length, patches.size() - at));
        at += bytes.size();
        const ByteSpan target = file.subspan(offset % file.size());
        std::copy_n(bytes.begin(), std::min(bytes.size(), target.size()), target.begin());
    }
}

void ResealSectors(vorlane::StorageImage& image) {
    for (int physical = 0; physical < vorlane::kPhysicalSectorCount; ++physical) {
        if (const auto sector = image.Sector(physical); sector && sector->HasTag()) {
            const std::uint32_t sum = vorlane::Checksum(sector->StoredData());
            vorlane::WriteLe32(image.Bytes(),
                               vorlane::kFirstSectorOffset + physical * vorlane::kSectorSize +
                                   vorlane::FlashSector::kChecksumOffset,
                               sum);
        }
    }
}

void ResealPages(vorlane::StorageImage& image) {
    for (int number = 0; number < vorlane::kSettingsPageCount; ++number) {
        if (const auto page = image.Page(number); page && page->Length() < vorlane::EepromPage::kDataCapacity) {
            const ConstByteSpan data = page->Data();
            const std::size_t pageOffset =
                static_cast<std::size_t>(data.data() - image.Bytes().data()) - vorlane::EepromPage::kDataOffset;
            vorlane::WriteLe32(image.Bytes(), pageOffset + vorlane::EepromPage::kChecksumOffset,
                               vorlane::Checksum(data.first(page->Length())));
        }
    }
}

std::vector<std::uint8_t> FileOfInput(ConstByteSpan input) {
    if (input.size() == vorlane::kChannelFileSize)
        return {input.begin(), input.end()};
    static const std::vector<std::uint8_t> sample = SavedSampleFile();
    std::vector<std::uint8_t> file = sample;
    if (input.empty())
        return file;
    ApplyPatches(input.subspan(1), file);
    vorlane::StorageImage image(file);
    if (input[0] & kResealSectors)
        ResealSectors(image);
    if (input[0] & kResealPages)
        ResealPages(image);
    return file;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Open itself makes the database new.
    vorlane::ChannelDatabase& db = vorlane::fuzz::EditorDatabase();
    const vorlane::OpenResult opened =
        vorlane::OpenDatabaseFromBytes(db, FileOfInput(ConstByteSpan(data, size)), "fuzz.bin");
    Check(opened.accepted, "a file of a channel file's length is always opened");
    Check(vorlane::ChannelFileBytes(db).size() == vorlane::kChannelFileSize, "the opened database saves whole");
    return 0;
}
