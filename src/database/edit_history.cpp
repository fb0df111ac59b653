#include "database/edit_history.h"

#include "database/pk_channel.h"
#include "database/xor_delta.h"

namespace vorlane {
namespace {

// A new database keeps two settings records: the held one the user edits and Save writes, and a scratch one
// with its slot cursors. Both are followed, so neither kind of change escapes the history.
enum RegionIndex : int { kSatelliteRegion, kChannelRegion, kHeldSettingsRegion, kScratchSettingsRegion };

std::size_t SubjectBytes(const EditSubjects& subjects) {
    return sizeof(int) * (subjects.satellites.size() + subjects.transponders.size()) +
           sizeof(Pk) * subjects.channelPks.size();
}

} // namespace

std::size_t EditHistory::Step::SizeInBytes() const {
    std::size_t total = sizeof(Step) + label.size() + SubjectBytes(subjects);
    for (const auto& delta : deltas)
        total += delta.size();
    return total;
}

EditHistory::EditHistory(ChannelDatabase& db, EditHistoryLimits limits) : m_db(db), m_limits(limits) {
    Reset();
}

ByteSpan EditHistory::Live(int region) {
    switch (region) {
    case kSatelliteRegion:
        return m_db.SatelliteBuffer();
    case kChannelRegion:
        return m_db.ChannelBuffer();
    case kHeldSettingsRegion:
        return m_db.HeldSettings();
    default:
        return m_db.ScratchSettings();
    }
}

void EditHistory::Reset() {
    for (int region = 0; region < kRegionCount; ++region) {
        const ByteSpan live = Live(region);
        m_baselines[static_cast<std::size_t>(region)].assign(live.begin(), live.end());
    }
    m_steps.clear();
    m_position = 0;
    m_saved = 0;
    m_heldBytes = 0;
}

// A database made again behind the history's back (New, Open) starts a new history.
bool EditHistory::SizesMatch() {
    for (int region = 0; region < kRegionCount; ++region)
        if (Live(region).size() != m_baselines[static_cast<std::size_t>(region)].size())
            return false;
    return true;
}

bool EditHistory::Commit(const std::string& label, EditSubjects subjects) {
    if (!SizesMatch()) {
        Reset();
        return false;
    }
    Step step{label, std::move(subjects), {}};
    bool changed = false;
    for (int region = 0; region < kRegionCount; ++region) {
        auto& delta = step.deltas[static_cast<std::size_t>(region)];
        delta = TakeXorDelta(m_baselines[static_cast<std::size_t>(region)], Live(region));
        changed = changed || !delta.empty();
    }
    // Callers mark the database modified before they know whether their command changed anything; a command
    // that changed nothing leaves the flag where the history says it is.
    if (!changed) {
        m_db.SetModified(!AtSavedState());
        return false;
    }
    while (m_steps.size() > m_position) {
        m_heldBytes -= m_steps.back().SizeInBytes();
        m_steps.pop_back();
    }
    if (m_saved && *m_saved > m_position)
        m_saved.reset();
    m_heldBytes += step.SizeInBytes();
    m_steps.push_back(std::move(step));
    ++m_position;
    Trim();
    m_db.SetModified(!AtSavedState());
    return true;
}

void EditHistory::AbsorbChanges() {
    if (!SizesMatch()) {
        Reset();
        return;
    }
    for (int region = 0; region < kRegionCount; ++region) {
        const auto delta = TakeXorDelta(m_baselines[static_cast<std::size_t>(region)], Live(region));
        if (delta.empty())
            continue;
        if (m_position > 0)
            Fold(m_position - 1, region, delta);
        if (m_position < m_steps.size())
            Fold(m_position, region, delta);
    }
}

void EditHistory::Fold(std::size_t index, int region, const std::vector<std::uint8_t>& delta) {
    Step& step = m_steps[index];
    m_heldBytes -= step.SizeInBytes();
    auto& stored = step.deltas[static_cast<std::size_t>(region)];
    stored = ComposeXorDeltas(stored, delta, Live(region).size());
    m_heldBytes += step.SizeInBytes();
}

void EditHistory::Trim() {
    while (m_steps.size() > 1 && (m_steps.size() > m_limits.steps || m_heldBytes > m_limits.bytes)) {
        m_heldBytes -= m_steps.front().SizeInBytes();
        m_steps.pop_front();
        --m_position;
        if (m_saved && *m_saved == 0)
            m_saved.reset();
        else if (m_saved)
            --*m_saved;
    }
}

std::string EditHistory::UndoLabel() const {
    return CanUndo() ? m_steps[m_position - 1].label : std::string();
}

std::string EditHistory::RedoLabel() const {
    return CanRedo() ? m_steps[m_position].label : std::string();
}

std::optional<EditSubjects> EditHistory::Undo(const std::string& uncommittedLabel) {
    Commit(uncommittedLabel);
    if (!CanUndo())
        return std::nullopt;
    --m_position;
    return Apply(m_position);
}

std::optional<EditSubjects> EditHistory::Redo() {
    if (!CanRedo() || !SizesMatch())
        return std::nullopt;
    ++m_position;
    return Apply(m_position - 1);
}

EditSubjects EditHistory::Apply(std::size_t index) {
    const Step& step = m_steps[index];
    for (int region = 0; region < kRegionCount; ++region) {
        auto& baseline = m_baselines[static_cast<std::size_t>(region)];
        ApplyXorDelta(step.deltas[static_cast<std::size_t>(region)], Live(region), baseline);
    }
    // Building the lists from consistent tables leaves the tables as they are, so the baseline stays true.
    m_db.BuildAllLists();
    RebuildPkChannel(m_db);
    m_db.SetModified(!AtSavedState());
    return step.subjects;
}

void EditHistory::MarkSaved() {
    m_saved = m_position;
}

} // namespace vorlane
