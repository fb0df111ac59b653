// CMirevoView: "Sort List by" in the channel menus.
#include "shell/mirevo_view.h"

#include "listtools/list_sort.h"
#include "panes/pane_commands.h"

#include <array>

#include <QCoreApplication>

namespace vorlane {
namespace {

struct SortListCommand {
    int command;
    ServiceType type;
    SortKey key;
};

constexpr std::array<SortListCommand, 8> kSortListCommands{{
    {kCmdTvSortByName, ServiceType::Tv, SortKey::Name},
    {kCmdTvSortByFrequency, ServiceType::Tv, SortKey::Frequency},
    {kCmdTvSortByProgramNumber, ServiceType::Tv, SortKey::ProgramNumber},
    {kCmdTvSortBySatellite, ServiceType::Tv, SortKey::Satellite},
    {kCmdRadioSortByName, ServiceType::Radio, SortKey::Name},
    {kCmdRadioSortByFrequency, ServiceType::Radio, SortKey::Frequency},
    {kCmdRadioSortByProgramNumber, ServiceType::Radio, SortKey::ProgramNumber},
    {kCmdRadioSortBySatellite, ServiceType::Radio, SortKey::Satellite},
}};

} // namespace

bool CMirevoView::SortListByCommand(int command) {
    for (const SortListCommand& sort : kSortListCommands) {
        if (sort.command != command)
            continue;
        // One change of the database, then the path every whole-list edit takes, so it undoes as one step.
        SortBothTuners(m_database, sort.type, sort.key);
        m_database.SetModified(true);
        CommitEdit(QCoreApplication::translate("MirevoViewListSort", "Sort List"));
        RefreshAllPanes();
        return true;
    }
    return false;
}

} // namespace vorlane
