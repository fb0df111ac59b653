#include "panes/channel_dialog.h"

#include "database/add_records.h"
#include "database/pk_channel.h"
#include "panes/channel_record_edit.h"
#include "panes/dialog_buttons.h"
#include "panes/property_dialog_controls.h"
#include "panes/property_dialog_text.h"
#include "platform/widgets/range_check.h"
#include "platform/widgets/user_prompts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vorlane::ui {
namespace {

constexpr int kNameLength = 20;
constexpr int kPidDigits = 5;
constexpr std::int64_t kMaxPid = 65535;

QCheckBox* MakeCheckBox(QWidget* parent, const char* objectName, const QString& text) {
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(QString::fromLatin1(objectName));
    return box;
}

QLabel* MakeInfoLine(QWidget* parent, const char* objectName, const QString& text) {
    auto* line = new QLabel(text, parent);
    line->setObjectName(QString::fromLatin1(objectName));
    line->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return line;
}

// The transponder a channel side sits on, or -1 when its link names no used transponder.
int TransponderOfSide(const ChannelDatabase& db, ConstChannelRecord channel, TunerSide side) {
    const unsigned index = channel.TransponderLink(side).Index();
    if (index >= static_cast<unsigned>(kTransponderCount) || db.Transponder(static_cast<int>(index)).IsFree())
        return -1;
    return static_cast<int>(index);
}

QString SatelliteNameAt(const ChannelDatabase& db, int transponderIndex) {
    return transponderIndex < 0 ? QString() : SatelliteNameOf(db, db.Transponder(transponderIndex));
}

QString TransponderTextOf(const ChannelDatabase& db, int transponderIndex) {
    return transponderIndex < 0 ? QString() : QString::fromLatin1(TransponderSummary(db.Transponder(transponderIndex)));
}

bool ReadPid(QLineEdit& edit, std::uint16_t& pid) {
    std::int64_t value = 0;
    if (!ReadFieldInRange(edit, 0, kMaxPid, value))
        return false;
    pid = static_cast<std::uint16_t>(value);
    return true;
}

} // namespace

ChannelDialog::ChannelDialog(ChannelRecord record, std::optional<Pk> pk, OrderedLists& lists,
                             const QString& satelliteName, const QString& transponderText, QWidget* parent)
    : QDialog(parent), m_record(record), m_pk(pk), m_lists(lists) {
    setWindowTitle(QCoreApplication::translate("ChannelDialog", "Channel Property"));

    auto* info = new QGridLayout;
    info->addWidget(new QLabel(QCoreApplication::translate("ChannelDialog", "Satellite :")), 0, 0);
    info->addWidget(MakeInfoLine(this, "satelliteText", satelliteName), 0, 1);
    // The transponder line ends in a line break; keep its first line level with the label.
    info->addWidget(new QLabel(QCoreApplication::translate("ChannelDialog", "Transponder :")), 1, 0,
                    Qt::AlignLeft | Qt::AlignTop);
    info->addWidget(MakeInfoLine(this, "transponderText", transponderText), 1, 1, Qt::AlignLeft | Qt::AlignTop);
    info->setColumnStretch(1, 1);

    m_name = MakeTextEdit(this, "channelName", kNameLength);
    m_programId = MakeDigitEdit(this, "programId", kPidDigits);
    m_videoPid = MakeDigitEdit(this, "videoPid", kPidDigits);
    for (int i = 0; i < ChannelRecord::kAudioPidCount; ++i)
        m_audioPids[static_cast<std::size_t>(i)] =
            MakeDigitEdit(this, QStringLiteral("audioPid%1").arg(i).toLatin1().constData(), kPidDigits);
    m_pcrPid = MakeDigitEdit(this, "pcrPid", kPidDigits);
    m_teletextPid = MakeDigitEdit(this, "teletextPid", kPidDigits);
    m_ac3Pid = MakeDigitEdit(this, "ac3Pid", kPidDigits);
    m_pmtPid = MakeDigitEdit(this, "pmtPid", kPidDigits);
    m_locked = MakeCheckBox(this, "locked", QCoreApplication::translate("ChannelDialog", "Locked"));
    m_scrambled = MakeCheckBox(this, "scrambled", QCoreApplication::translate("ChannelDialog", "Scrambled"));
    m_skipped = MakeCheckBox(this, "skipped", QCoreApplication::translate("ChannelDialog", "Skipped"));

    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(12);
    AddLabelledControl(*fields, 0, 0, QCoreApplication::translate("ChannelDialog", "Name"), m_name);
    AddLabelledControl(*fields, 1, 0, QCoreApplication::translate("ChannelDialog", "Program ID"), m_programId);
    AddLabelledControl(*fields, 2, 0, QCoreApplication::translate("ChannelDialog", "V PID"), m_videoPid);
    AddLabelledControl(*fields, 3, 0, QCoreApplication::translate("ChannelDialog", "PCR PID"), m_pcrPid);
    AddLabelledControl(*fields, 4, 0, QCoreApplication::translate("ChannelDialog", "TTX PID"), m_teletextPid);
    AddLabelledControl(*fields, 5, 0, QCoreApplication::translate("ChannelDialog", "AC3 PID"), m_ac3Pid);
    AddLabelledControl(*fields, 6, 0, QCoreApplication::translate("ChannelDialog", "PMT PID"), m_pmtPid);
    for (int i = 0; i < ChannelRecord::kAudioPidCount; ++i)
        AddLabelledControl(*fields, i + 1, 2, QCoreApplication::translate("ChannelDialog", "A PID"),
                           m_audioPids[static_cast<std::size_t>(i)]);

    auto* boxes = new QHBoxLayout;
    boxes->addWidget(m_locked);
    boxes->addWidget(m_scrambled);
    boxes->addWidget(m_skipped);
    boxes->addStretch(1);

    auto* tunerGroup = new QGroupBox(QCoreApplication::translate("ChannelDialog", "Tuner Number"), this);
    tunerGroup->setObjectName(QStringLiteral("tunerNumberGroup"));
    m_tunerNumber =
        MakeList(tunerGroup, "tunerNumber",
                 {QT_TRANSLATE_NOOP("ChoiceItems", "Tuner 1"), QT_TRANSLATE_NOOP("ChoiceItems", "Tuner 2")});
    auto* tunerLayout = new QVBoxLayout(tunerGroup);
    tunerLayout->addWidget(m_tunerNumber);
    tunerGroup->hide();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(info);
    layout->addLayout(fields);
    layout->addLayout(boxes);
    layout->addWidget(tunerGroup);
    const OkCancelButtons buttons = AddOkCancelButtons(*this, *layout);
    connect(buttons.ok, &QPushButton::clicked, this, &QDialog::accept);

    QWidget* order[] = {m_name,         m_programId,    m_videoPid,     m_audioPids[0], m_audioPids[1], m_audioPids[2],
                        m_audioPids[3], m_audioPids[4], m_audioPids[5], m_pcrPid,       m_teletextPid,  m_ac3Pid,
                        m_pmtPid,       m_locked,       m_scrambled,    m_skipped,      buttons.ok,     buttons.cancel};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
    Load();
}

TunerSide ChannelDialog::Side() const {
    if (m_pk)
        return m_pk->Side();
    return m_tunerNumber->currentIndex() == SideIndex(TunerSide::Second) ? TunerSide::Second : TunerSide::First;
}

void ChannelDialog::Load() {
    const TunerSide t = Side();
    m_name->setText(RecordNameText(m_record.Name()));
    m_programId->setText(QString::number(m_record.ProgramNumber()));
    m_videoPid->setText(QString::number(m_record.VideoPid()));
    for (int i = 0; i < ChannelRecord::kAudioPidCount; ++i)
        m_audioPids[static_cast<std::size_t>(i)]->setText(QString::number(m_record.AudioPid(i)));
    m_pcrPid->setText(QString::number(m_record.PcrPid()));
    m_teletextPid->setText(QString::number(m_record.TeletextPid()));
    m_ac3Pid->setText(QString::number(m_record.Ac3Pid()));
    m_pmtPid->setText(QString::number(m_record.PmtPid()));
    const ServiceWord word = m_record.SidedServiceWord(t);
    m_locked->setChecked(word.Locked());
    m_scrambled->setChecked(word.Scrambled());
    m_skipped->setChecked(word.Skipped());
    m_tunerNumber->setCurrentIndex(SideIndex(t));
    m_tunerNumber->setEnabled(!m_pk);
}

void ChannelDialog::accept() {
    std::uint16_t programNumber = 0, videoPid = 0, pcrPid = 0, teletextPid = 0, ac3Pid = 0, pmtPid = 0;
    AudioPids audioPids{};
    if (!ReadPid(*m_programId, programNumber) || !ReadPid(*m_videoPid, videoPid))
        return;
    for (std::size_t i = 0; i < audioPids.size(); ++i)
        if (!ReadPid(*m_audioPids[i], audioPids[i]))
            return;
    if (!ReadPid(*m_pcrPid, pcrPid) || !ReadPid(*m_teletextPid, teletextPid) || !ReadPid(*m_ac3Pid, ac3Pid) ||
        !ReadPid(*m_pmtPid, pmtPid))
        return;

    const TunerSide t = Side();
    m_record.SetName(RecordNameBytes(m_name->text()));
    ServiceWord word = m_record.SidedServiceWord(t);
    word.SetLocked(m_locked->isChecked());
    word.SetSkipped(m_skipped->isChecked());
    m_record.SetServiceWord(t, word);
    m_record.SetVideoPid(videoPid);
    m_record.SetPcrPid(pcrPid);
    m_record.SetPmtPid(pmtPid);
    m_record.SetTeletextPid(teletextPid);
    m_record.SetAc3Pid(ac3Pid);
    m_record.SetProgramNumber(programNumber);
    StoreAudioPids(m_record, t, audioPids);
    if (m_pk) {
        SetChannelScrambled(m_lists, m_record, *m_pk, m_scrambled->isChecked());
    } else {
        word = m_record.SidedServiceWord(t);
        word.SetScrambled(m_scrambled->isChecked());
        m_record.SetServiceWord(t, word);
    }
    QDialog::accept();
}

bool EditChannel(QWidget* parent, ChannelDatabase& db, Pk pk) {
    if (!pk.IsChannelSide())
        return false;
    const ChannelRecord record = db.ChannelOfPk(pk);
    const TunerSide side = pk.Side();
    if (record.IsFree() || !record.PresentOn(side))
        return false;
    const int transponder = TransponderOfSide(db, record, side);
    ChannelDialog dialog(record, pk, db.Lists(), SatelliteNameAt(db, transponder), TransponderTextOf(db, transponder),
                         parent);
    if (UserPrompts::Exec(dialog) != QDialog::Accepted)
        return false;
    RebuildPkChannel(db); // its copies of the records show the edit too
    return true;
}

bool AddNewChannel(QWidget* parent, ChannelDatabase& db, int transponderIndex, ServiceType type) {
    if (transponderIndex < 0 || transponderIndex >= kTransponderCount || db.Transponder(transponderIndex).IsFree() ||
        (type != ServiceType::Tv && type != ServiceType::Radio))
        return false;
    std::array<std::uint8_t, ChannelRecord::kSize> bytes{};
    const ChannelRecord record(bytes.data());
    FillBlankChannel(record);
    ChannelDialog dialog(record, ChannelDialog::kNewChannel, db.Lists(), SatelliteNameAt(db, transponderIndex),
                         TransponderTextOf(db, transponderIndex), parent);
    if (UserPrompts::Exec(dialog) != QDialog::Accepted)
        return false;
    PrepareNewChannel(record, dialog.Side(), type, transponderIndex, db.Transponder(transponderIndex));
    if (!AddChannel(db, bytes))
        return false;
    RebuildPkChannel(db);
    return true;
}

} // namespace vorlane::ui
