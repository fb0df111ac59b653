#pragma once
// Turns a file chosen for upload into upload entries: the blocks of a block file, or the whole file when it
// is one of the three kinds the receiver takes whole, or nothing.

#include "blockfile/block_file_reader.h"
#include "blockfile/block_table.h"
#include "platform/bytes.h"

#include <string>
#include <string_view>

namespace vorlane {

// What the caller shows for a refused file.
enum class UploadRefusal {
    None,
    NoFileSelected, // nothing to show (traced only)
    CannotOpen,     // the interface text "Can't open the file."
    NotAcceptable,  // neither a block file nor a whole-file kind
};

// The whole file becomes one entry of this class when it is not a block file: P2Gold for a file beginning
// with "QV1 TPDB Data" and a NUL, P2 for a name ending in "key" in any case, Sky for a name ending in
// exactly "s1". False when none of them applies.
[[nodiscard]] bool WholeFileClass(std::string_view fileName, ConstByteSpan contents, TransferClass& transferClass);

// Classifies the bytes of a file named `fileName` into `table` (cleared first). A block file leaves its
// blocks and the block-file flag set; a whole file leaves one entry and the flag cleared. True when the
// file is accepted, false when refused (table empty). `blockReport` tells why the file was not a block file.
[[nodiscard]] bool ClassifyUploadFile(std::string_view fileName, ConstByteSpan contents, BlockTable& table,
                                      BlockFileReport* blockReport = nullptr);

// Reads the file at `path` and classifies it. True when accepted; false with the reason in `refusal`.
[[nodiscard]] bool LoadUploadFile(const std::string& path, BlockTable& table, UploadRefusal* refusal = nullptr,
                                  BlockFileReport* blockReport = nullptr);

} // namespace vorlane
