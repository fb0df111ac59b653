#pragma once
// The main frame's tuner commands: Copy T1 to T2, Copy T2 to T1 and Merge T1 and T2, each confirmed and
// reported in the frame's "Message" dialog.

#include "database/tuner_side.h"

class QString;

namespace vorlane {

class ChannelDatabase;
class CMirevoView;

namespace ui {
class MessageDialog;
}

class FrameTunerCommands {
public:
    FrameTunerCommands(ChannelDatabase& database, CMirevoView& view, ui::MessageDialog& messages);

    // Returns the number of channel sides added, 0 when not confirmed.
    int Copy(TunerSide source, TunerSide destination);
    int Merge();

private:
    bool Confirmed(const QString& question);
    // The copy changed the lists under the panes and the data to be saved.
    void TakeChanges(const QString& label);

    ChannelDatabase& m_database;
    CMirevoView& m_view;
    ui::MessageDialog& m_messages;
};

} // namespace vorlane
