#include "shell/view_texts.h"

#include "database/record_words.h"
#include "database/settings_record.h"
#include "panes/edit_labels.h"
#include "platform/trace.h"

#include <QCoreApplication>

namespace vorlane {
namespace {

QString Tr(const char* text) {
    return QCoreApplication::translate("ViewTexts", text);
}

QString Latin1(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QString PolarisationWord(unsigned code) {
    static constexpr const char* kWords[] = {QT_TRANSLATE_NOOP("ViewTexts", "Auto"),
                                             QT_TRANSLATE_NOOP("ViewTexts", "Horizontal"),
                                             QT_TRANSLATE_NOOP("ViewTexts", "Vertical"), ""};
    return Tr(kWords[code & 3u]);
}

QString FecWord(unsigned code) {
    static constexpr const char* kWords[] = {"1/2", "2/3", "3/4", "5/6", "7/8", QT_TRANSLATE_NOOP("ViewTexts", "Auto"),
                                             "",    ""};
    return Tr(kWords[code & 7u]);
}

QChar PolarisationMark(unsigned code) {
    return QLatin1Char(PolarisationLetter(code & 3u, '?'));
}

QString CaptionText(PaneCaption caption) {
    static constexpr const char* kCaptions[] = {
        QT_TRANSLATE_NOOP("ViewTexts", "Satellite"), QT_TRANSLATE_NOOP("ViewTexts", "Transponder"),
        QT_TRANSLATE_NOOP("ViewTexts", "TV"), QT_TRANSLATE_NOOP("ViewTexts", "Radio")};
    return Tr(kCaptions[static_cast<int>(caption)]);
}

} // namespace

QString CountLabelText(PaneCaption caption, int count) {
    if (count <= 0)
        return CaptionText(caption);
    return ui::CountedText("ViewTexts", QT_TRANSLATE_NOOP("ViewTexts", "%1 - 1 item"),
                           QT_TRANSLATE_N_NOOP("ViewTexts", "%1 - %n items"), count)
        .arg(CaptionText(caption));
}

QString FilteredCountLabelText(PaneCaption caption, int shown, int total) {
    return QCoreApplication::translate("ViewTexts", "%1 - %2 of %n items", nullptr, total)
        .arg(CaptionText(caption), QString::number(shown));
}

QString ServiceTypeText(ServiceType type) {
    return CaptionText(type == ServiceType::Tv ? PaneCaption::Tv : PaneCaption::Radio);
}

QString SatelliteInformation(const ChannelDatabase& db, int satellite) {
    if (satellite < 0 || satellite >= kSatelliteCount)
        return {};
    const ConstSatelliteRecord record = db.Satellite(satellite);
    const int position = record.OrbitalPosition();
    return QCoreApplication::translate("ViewTexts", "%1     Longitude: %2 %3'     ")
        .arg(Latin1(record.Name()),
             position >= 0 ? QCoreApplication::translate("ViewTexts", "East")
                           : QCoreApplication::translate("ViewTexts", "West"),
             QString::number(position / 10.0, 'f', 1));
}

QString TransponderInformation(const ChannelDatabase& db, int transponder) {
    if (transponder < 0 || transponder >= kTransponderCount)
        return {};
    const ConstTransponderRecord record = db.Transponder(transponder);
    const TuningWord tuning = record.Tuning();
    DebugOut("sFlag.fec=%d\n", static_cast<int>(tuning.Fec()));
    return QCoreApplication::translate(
               "ViewTexts", "Frequency : %1     Symbol Rate : %2     TSID : %3     Polar : %4     FEC : %5     ")
        .arg(QString::number(record.Frequency()), QString::number(record.SymbolRate()),
             QString::number(record.TransportStreamId()), PolarisationWord(tuning.PolarisationCode()),
             FecWord(tuning.Fec()));
}

QString FavouriteInformation(ChannelDatabase& db, int group) {
    if (group < 0 || group >= FavouriteGroups::kGroupCount)
        return {};
    const ListHead* head = db.Lists().Head(FavouriteKind(group), 0);
    const std::string name = HeldReceiverSettings(db).fav_name(static_cast<std::size_t>(group));
    return QCoreApplication::translate("ViewTexts", "%1     Number of channel: %2")
        .arg(Latin1(name), QString::number(head ? head->count : 0));
}

QString ChannelInformation(const ChannelDatabase& db, Pk pk) {
    if (!pk.IsChannelSide())
        return {};
    const ConstChannelRecord channel = db.ChannelOfPk(pk);
    const unsigned transponderIndex = channel.TransponderLink(pk.Side()).Index();
    if (transponderIndex >= static_cast<unsigned>(kTransponderCount))
        return {};
    const ConstTransponderRecord transponder = db.Transponder(static_cast<int>(transponderIndex));
    const auto padded = [](int value) { return QStringLiteral("%1").arg(value, 6); };
    return QCoreApplication::translate(
               "ViewTexts", "%1     Frequency : %2     Polar : %3     SymbolRate : %4     VPID : %5     APID : %6")
        .arg(Latin1(channel.Name()), QString::number(transponder.Frequency()),
             QString(PolarisationMark(transponder.Tuning().PolarisationCode())),
             QString::number(transponder.SymbolRate()), padded(channel.VideoPid()), padded(channel.AudioPid(0)));
}

} // namespace vorlane
