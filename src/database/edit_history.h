#pragma once
// Undo and redo of every change to the channel database, whatever command made it. The history keeps one
// baseline copy of the table buffers and the current settings record; each commit compares the database with
// it and stores only what changed, as one named step: the exclusive-or of the old and new bytes, its runs of
// zeros left out. The same delta takes a step back and does it again. Undo and redo rebuild the lists from the
// tables, which alone carry the database. The oldest steps are dropped past the step or byte limit.

#include "database/channel_database.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace vorlane {

struct EditHistoryLimits {
    std::size_t steps = 200;
    std::size_t bytes = std::size_t{64} << 20;
};

// The records a command worked on, named by the command when it commits, to put the selection on after undo
// or redo: satellite and transponder indexes, channel PKs.
struct EditSubjects {
    std::vector<int> satellites;
    std::vector<int> transponders;
    std::vector<Pk> channelPks;
};

class EditHistory {
public:
    explicit EditHistory(ChannelDatabase& db, EditHistoryLimits limits = {});

    // Forgets every step and takes the database as it is now as the start and as the saved state: after New,
    // Open and the first initialisation.
    void Reset();
    // Stores what changed since the last commit, undo or redo as one step named `label` and marks the database
    // modified. False, and no step, when nothing changed.
    bool Commit(const std::string& label, EditSubjects subjects = {});
    // Changes with no meaning of their own (a save writing the sorted lists back into the link words) join the
    // steps on either side of the present state instead of becoming a step: undo and redo then lead to and from
    // the database as it is now.
    void AbsorbChanges();

    bool CanUndo() const { return m_position > 0; }
    bool CanRedo() const { return m_position < m_steps.size(); }
    // The label of the step Undo or Redo would take back or do again; empty when there is none.
    std::string UndoLabel() const;
    std::string RedoLabel() const;
    // Takes back (or does again) one step, rebuilds the lists and lets the modified flag say whether the
    // database differs from the saved state. Changes not yet committed become a step of their own first, so
    // nothing is lost by undoing. Returns the step's subjects; nothing when there is no step.
    std::optional<EditSubjects> Undo(const std::string& uncommittedLabel = "Edit");
    std::optional<EditSubjects> Redo();

    // The database as it is now was written to its file (or opened): the modified flag clears when undo or
    // redo comes back here.
    void MarkSaved();
    bool AtSavedState() const { return m_saved == m_position; }
    // No state in the history is the saved one (work recovered after a crash).
    void ForgetSavedState() { m_saved.reset(); }

    std::size_t StepCount() const { return m_steps.size(); }
    // Bytes held by the stored steps (the baseline copy not counted).
    std::size_t HeldBytes() const { return m_heldBytes; }

private:
    static constexpr int kRegionCount = 4;
    struct Step {
        std::string label;
        EditSubjects subjects;
        // Per region: pairs of (zero run, changed run) lengths as varints, each changed run followed by its
        // exclusive-or bytes.
        std::array<std::vector<std::uint8_t>, kRegionCount> deltas;
        std::size_t SizeInBytes() const;
    };

    ByteSpan Live(int region);
    bool SizesMatch();
    // Undoes or redoes the step at `index`: the same delta either way.
    EditSubjects Apply(std::size_t index);
    void Trim();
    // Adds `delta` of `region` to the step at `index`.
    void Fold(std::size_t index, int region, const std::vector<std::uint8_t>& delta);

    ChannelDatabase& m_db;
    EditHistoryLimits m_limits;
    std::array<std::vector<std::uint8_t>, kRegionCount> m_baselines;
    std::deque<Step> m_steps;
    std::size_t m_position = 0;
    // Where the saved state lies in the history; none once its step was dropped or replaced.
    std::optional<std::size_t> m_saved = 0;
    std::size_t m_heldBytes = 0;
};

} // namespace vorlane
