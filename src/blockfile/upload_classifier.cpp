#include "blockfile/upload_classifier.h"

#include "blockfile/file_bytes.h"
#include "platform/trace.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <vector>

namespace vorlane {

namespace {

constexpr std::string_view kDatabaseFileTag{"QV1 TPDB Data\0", 14};

bool EndsWithKeyInAnyCase(std::string_view name) {
    if (name.size() < 3)
        return false;
    const std::string_view tail = name.substr(name.size() - 3);
    return std::equal(tail.begin(), tail.end(), "KEY", [](char c, char upper) {
        return (c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c) == upper;
    });
}

bool Outcome(UploadRefusal* refusal, UploadRefusal reason) {
    if (refusal)
        *refusal = reason;
    return reason == UploadRefusal::None;
}

} // namespace

bool WholeFileClass(std::string_view fileName, ConstByteSpan contents, TransferClass& transferClass) {
    const std::string_view head(reinterpret_cast<const char*>(contents.data()),
                                std::min(contents.size(), kDatabaseFileTag.size()));
    if (head == kDatabaseFileTag)
        transferClass = TransferClass::P2Gold;
    else if (EndsWithKeyInAnyCase(fileName))
        transferClass = TransferClass::P2;
    else if (fileName.ends_with("s1"))
        transferClass = TransferClass::Sky;
    else
        return false;
    return true;
}

bool ClassifyUploadFile(std::string_view fileName, ConstByteSpan contents, BlockTable& table,
                        BlockFileReport* blockReport) {
    table.Clear();
    table.SetBlockFileFlag(true);
    if (ReadBlockFile(contents, table, blockReport))
        return true;

    table.Clear();
    TransferClass transferClass{};
    // An entry's size is a 32-bit count, so a larger file cannot be sent whole.
    if (contents.size() > std::numeric_limits<std::uint32_t>::max() ||
        !WholeFileClass(fileName, contents, transferClass))
        return false;
    return table.Append(BlockEntry(std::vector<std::uint8_t>(contents.begin(), contents.end()), transferClass));
}

bool LoadUploadFile(const std::string& path, BlockTable& table, UploadRefusal* refusal, BlockFileReport* blockReport) {
    table.Clear();
    if (path.empty()) {
        DebugOut("File is not selected...\n");
        return Outcome(refusal, UploadRefusal::NoFileSelected);
    }
    std::vector<std::uint8_t> contents;
    if (!ReadFileBytes(path, contents))
        return Outcome(refusal, UploadRefusal::CannotOpen);
    if (!ClassifyUploadFile(path, contents, table, blockReport))
        return Outcome(refusal, UploadRefusal::NotAcceptable);
    return Outcome(refusal, UploadRefusal::None);
}

} // namespace vorlane
