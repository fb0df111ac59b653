// Writes a picture of the Satellite, Transponder Property and Channel Property dialogs into a folder:
//   property_dialog_screenshots <folder>   (run with QT_QPA_PLATFORM=offscreen or under a virtual display)
#include "panes/channel_dialog.h"
#include "panes/channel_record_edit.h"
#include "panes/satellite_dialog.h"
#include "panes/transponder_dialog.h"
#include "support/record_builders.h"

#include <QApplication>
#include <QDir>
#include <array>
#include <cstdio>

namespace {

bool save(QDialog& dialog, const QDir& folder, const char* name) {
    dialog.show();
    QApplication::processEvents();
    const QString path = folder.filePath(QString::fromLatin1(name));
    if (dialog.grab().save(path))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    using namespace vorlane;

    ChannelDatabase db;
    db.AllocateTables();
    testing::putSatellite(db, 0, "Astra 19.2E", 1, 0);
    testing::putTransponder(db, 0, 0, 11778, kPolarisationVertical, 0);
    testing::ChannelSpec spec;
    testing::putChannel(db, 0, spec);
    db.BuildAllLists();

    const SatelliteRecord satellite = db.satellite(0);
    satellite.setOrbitalPosition(192);
    LnbSwitchWord word;
    word.setDiseqcType(2);
    word.setDiseqcPort(1);
    word.setLnbPower(2);
    satellite.setLnbSwitch(0, word);
    std::array<std::uint8_t, ReceiverSettings::kSize> settingsBytes{};
    ui::SatelliteDialog satelliteDialog(satellite, ReceiverSettings(settingsBytes));

    ui::TransponderDialog transponderDialog(db.transponder(0), "Astra 19.2E");

    const ChannelRecord channel = db.channel(0);
    channel.setName("Das Erste");
    ui::ChannelDialog channelDialog(channel, 0, db.lists(), "Astra 19.2E",
                                    QString::fromLatin1(TransponderSummary(db.transponder(0))));

    return save(satelliteDialog, folder, "satellite-dialog.png") &&
                   save(transponderDialog, folder, "transponder-dialog.png") &&
                   save(channelDialog, folder, "channel-dialog.png")
               ? 0
               : 1;
}
