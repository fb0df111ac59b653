// CMirevoView: Copy and Paste of channels through the system clipboard, as tab-separated text for other programs
// and as channel records that a paste places on the matching transponder of whatever file is open then.
#include "shell/mirevo_view.h"

#include "database/channel_clipboard.h"
#include "panes/channel_pane.h"
#include "panes/label_panes.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace vorlane {
namespace {

const QString kChannelsMimeType = QStringLiteral("application/x-vorlane-channels");

std::vector<CopiedChannel> ClipboardChannels() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data || !data->hasFormat(kChannelsMimeType))
        return {};
    const QByteArray bytes = data->data(kChannelsMimeType);
    return DecodeCopiedChannels(
        std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()), static_cast<std::size_t>(bytes.size())));
}

} // namespace

bool CMirevoView::ClipboardHoldsChannels() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data && data->hasFormat(kChannelsMimeType);
}

void CMirevoView::CopyChannels(ui::ChannelPane& pane) {
    const std::vector<Pk> pks = pane.SelectedPks();
    if (pks.empty())
        return;
    const std::vector<std::uint8_t> records = EncodeCopiedChannels(vorlane::CopyChannels(m_database, pks));
    const std::string text = ChannelsAsText(m_database, pks);
    auto* mime = new QMimeData;
    mime->setText(QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
    mime->setData(kChannelsMimeType,
                  QByteArray(reinterpret_cast<const char*>(records.data()), static_cast<qsizetype>(records.size())));
    QGuiApplication::clipboard()->setMimeData(mime);
}

void CMirevoView::PasteChannels(ui::ChannelPane& pane) {
    const std::vector<CopiedChannel> copies = ClipboardChannels();
    if (copies.empty())
        return;
    const std::vector<Pk> pasted = vorlane::PasteChannels(m_database, pane.Type(), pane.PkAt(pane.CaretRow()), copies);
    if (pasted.empty())
        return;
    // New channels and maybe new transponders: the lists and their counts show them.
    RefillListPanesKeepingSelection();
    ReloadChannelPane(pane);
    pane.SelectPks(pasted);
    ChooseChannel(pane);
}

} // namespace vorlane
