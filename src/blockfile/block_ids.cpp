#include "blockfile/block_ids.h"

namespace vorlane {

namespace {

struct BlockIdInfo {
    const char* name;
    TransferClass transferClass;
};

constexpr BlockIdInfo kKnownIds[] = {
    {"All data blocks", TransferClass::Program}, // 0xB0
    {"Program", TransferClass::Program},         // 0xB1
    {"Channel", TransferClass::Channel},         // 0xB2
    {"Preset", TransferClass::Preset},           // 0xB3
    {"Osd lang", TransferClass::Program},        // 0xB4
    {"icon", TransferClass::Program},            // 0xB5
    {"Mpeg data", TransferClass::Program},       // 0xB6
    {nullptr, TransferClass::Program},           // 0xB7
    {"P2 key data", TransferClass::Program},     // 0xB8
};

const BlockIdInfo* FindBlockId(std::uint8_t id) {
    if (id < block_id::kAllDataBlocks || id > block_id::kP2KeyData)
        return nullptr;
    return &kKnownIds[id - block_id::kAllDataBlocks];
}

} // namespace

const char* BlockIdName(std::uint8_t id) {
    const BlockIdInfo* info = FindBlockId(id);
    return info ? info->name : nullptr;
}

bool IsKnownBlockId(std::uint8_t id) {
    return FindBlockId(id) != nullptr;
}

TransferClass TransferClassOfBlockId(std::uint8_t id) {
    const BlockIdInfo* info = FindBlockId(id);
    return info ? info->transferClass : TransferClass::UnknownBlock;
}

} // namespace vorlane
