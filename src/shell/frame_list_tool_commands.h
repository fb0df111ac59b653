#pragma once
// The main frame's list tools: Find Duplicates, Apply Order from Reference List, Compare with File and Print.
// Each change of the database is one call into the list tools followed by the path every whole-list edit
// takes (modified flag, lists rebuilt, panes refilled), so that each is one step to undo.

#include "listtools/duplicate_transponders.h"

#include <QString>
#include <vector>

class QWidget;

namespace vorlane {

class ChannelDatabase;
class CMirevoView;

class FrameListToolCommands {
public:
    FrameListToolCommands(ChannelDatabase& database, CMirevoView& view, QWidget& frame);

    void FindDuplicates();
    // `folder` is where file choices start.
    void ApplyOrderFromReference(const QString& folder);
    void CompareWithFile(const QString& folder);
    void Print();

    // The duplicates dialog's buttons.
    int RemoveDuplicates(const std::vector<Pk>& pks);
    TransponderMergeResult MergeTransponders();

private:
    // Opens the file into `other` as Open would, telling the user when it is refused.
    bool OpenOther(ChannelDatabase& other, const QString& path);
    void TakeChanges(const QString& label);

    ChannelDatabase& m_database;
    CMirevoView& m_view;
    QWidget& m_frame;
};

} // namespace vorlane
