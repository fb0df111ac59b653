#pragma once
// Command numbers of the panes' context menus, keys and order buttons, and of the channel display filters. They
// share the number space of the main frame's commands.

namespace vorlane {

enum PaneCommand : int {
    // "Satellite" menu and the satellite sort buttons
    kCmdSatelliteProperty = 32736,
    kCmdSatelliteSortStandard = 32715,
    kCmdSatelliteSortLongitude = 32717,
    // "Transponder" menu and the transponder sort buttons
    kCmdTransponderSortStandard = 32718,
    kCmdTransponderSortFrequency = 32719,
    kCmdTransponderProperty = 32738,
    kCmdTransponderNew = 32745,
    kCmdTransponderDelete = 32737,
    kCmdTransponderDeleteEmpty = 32744,
    kCmdTransponderNewTv = 32746,
    kCmdTransponderNewRadio = 32747,
    // channel order buttons
    kCmdTvOrderOriginal = 32721,
    kCmdTvOrderNames = 32722,
    kCmdRadioOrderOriginal = 32723,
    kCmdRadioOrderNames = 32724,
    // "Channel TV" menu
    kCmdTvNew = 32755,
    kCmdTvDelete = 32741,
    kCmdTvMoveTo = 32750,
    kCmdTvSelectAll = 32752,
    kCmdTvSelectFree = 32758,
    kCmdTvSelectScrambled = 32743,
    kCmdTvSelectLocked = 32753,
    kCmdTvSelectTuner1 = 32756,
    kCmdTvSelectTuner2 = 32757,
    kCmdTvSelectSkipped = 32754,
    kCmdTvProperty = 32739,
    kCmdTvCopy = 32748,
    kCmdTvPaste = 32749,
    // "Channel Radio" menu
    kCmdRadioNew = 32759,
    kCmdRadioDelete = 32742,
    kCmdRadioMoveTo = 32768,
    kCmdRadioSelectAll = 32760,
    kCmdRadioSelectFree = 32763,
    kCmdRadioSelectScrambled = 32751,
    kCmdRadioSelectLocked = 32764,
    kCmdRadioSelectTuner1 = 32761,
    kCmdRadioSelectTuner2 = 32762,
    kCmdRadioSelectSkipped = 32765,
    kCmdRadioProperty = 32740,
    kCmdRadioCopy = 32766,
    kCmdRadioPaste = 32767,
    // "Sort List by" in the channel menus: name, frequency, program number, satellite
    kCmdTvSortByName = 33101,
    kCmdTvSortByFrequency = 33102,
    kCmdTvSortByProgramNumber = 33103,
    kCmdTvSortBySatellite = 33104,
    kCmdRadioSortByName = 33111,
    kCmdRadioSortByFrequency = 33112,
    kCmdRadioSortByProgramNumber = 33113,
    kCmdRadioSortBySatellite = 33114,
    // channel order and favourite commands of the channel panes (menu items and Alt+Up / Alt+Down)
    kCmdTvMoveTop = 33401,
    kCmdTvMoveBottom = 33402,
    kCmdTvMoveUp = 33403,
    kCmdTvMoveDown = 33404,
    kCmdRadioMoveTop = 33411,
    kCmdRadioMoveBottom = 33412,
    kCmdRadioMoveUp = 33413,
    kCmdRadioMoveDown = 33414,
    // "Add to Favourite" > FAV 1..8: the first number, then one per group
    kCmdTvAddFavourite = 33421,
    kCmdRadioAddFavourite = 33431,
};

// Which channels the TV and radio panes show, kept as the number of the filter command.
enum DisplayFilterCommand : int {
    kFilterAllChannels = 32729,
    kFilterTuner1Channels = 32730,
    kFilterTuner2Channels = 32731,
    kFilterFtaChannels = 32732,
    kFilterScrambledChannels = 32733,
};

} // namespace vorlane
