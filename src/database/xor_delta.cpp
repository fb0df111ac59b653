#include "database/xor_delta.h"

#include <algorithm>
#include <cstring>

namespace vorlane {
namespace {

// Equal blocks are skipped with one comparison; only differing blocks are walked byte by byte.
constexpr std::size_t kBlockSize = 256;

void PutVarint(std::vector<std::uint8_t>& out, std::size_t value) {
    while (value >= 0x80) {
        out.push_back(static_cast<std::uint8_t>(value | 0x80));
        value >>= 7;
    }
    out.push_back(static_cast<std::uint8_t>(value));
}

std::size_t GetVarint(const std::vector<std::uint8_t>& in, std::size_t& at) {
    std::size_t value = 0;
    for (int shift = 0; at < in.size(); shift += 7) {
        const std::uint8_t byte = in[at++];
        value |= static_cast<std::size_t>(byte & 0x7F) << shift;
        if (!(byte & 0x80))
            break;
    }
    return value;
}

class DeltaWriter {
public:
    void Unchanged(std::size_t count) {
        CloseRun();
        m_unchanged += count;
    }
    void Changed(std::uint8_t xorByte) { m_run.push_back(xorByte); }
    std::vector<std::uint8_t> Finish() {
        CloseRun();
        return std::move(m_out);
    }

private:
    void CloseRun() {
        if (m_run.empty())
            return;
        PutVarint(m_out, m_unchanged);
        PutVarint(m_out, m_run.size());
        m_out.insert(m_out.end(), m_run.begin(), m_run.end());
        m_run.clear();
        m_unchanged = 0;
    }

    std::vector<std::uint8_t> m_out;
    std::vector<std::uint8_t> m_run;
    std::size_t m_unchanged = 0;
};

} // namespace

std::vector<std::uint8_t> TakeXorDelta(ByteSpan baseline, ConstByteSpan live) {
    DeltaWriter writer;
    for (std::size_t block = 0; block < baseline.size(); block += kBlockSize) {
        const std::size_t length = std::min(kBlockSize, baseline.size() - block);
        if (std::memcmp(baseline.data() + block, live.data() + block, length) == 0) {
            writer.Unchanged(length);
            continue;
        }
        for (std::size_t at = block; at < block + length; ++at) {
            const auto difference = static_cast<std::uint8_t>(baseline[at] ^ live[at]);
            if (difference == 0)
                writer.Unchanged(1);
            else
                writer.Changed(difference);
        }
        std::memcpy(baseline.data() + block, live.data() + block, length);
    }
    return writer.Finish();
}

void ApplyXorDelta(const std::vector<std::uint8_t>& delta, ByteSpan first, ByteSpan second) {
    std::size_t position = 0;
    for (std::size_t at = 0; at < delta.size();) {
        position += GetVarint(delta, at);
        const std::size_t count = GetVarint(delta, at);
        for (std::size_t i = 0; i < count; ++i, ++position, ++at) {
            first[position] ^= delta[at];
            second[position] ^= delta[at];
        }
    }
}

std::vector<std::uint8_t> ComposeXorDeltas(const std::vector<std::uint8_t>& first,
                                           const std::vector<std::uint8_t>& second, std::size_t size) {
    std::vector<std::uint8_t> combined(size, 0);
    std::vector<std::uint8_t> unused(size, 0);
    ApplyXorDelta(first, combined, unused);
    ApplyXorDelta(second, combined, unused);
    std::vector<std::uint8_t> zeros(size, 0);
    return TakeXorDelta(zeros, combined);
}

} // namespace vorlane
