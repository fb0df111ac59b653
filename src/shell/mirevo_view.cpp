#include "shell/mirevo_view.h"

#include "database/favourite_ops.h"
#include "database/pk_channel.h"
#include "importexport/database_files.h"
#include "panes/channel_pane.h"
#include "panes/label_panes.h"
#include "panes/pane_commands.h"
#include "panes/pane_filter_field.h"
#include "shell/command_state_updater.h"
#include "shell/edit_document.h"
#include "shell/loader_link.h"
#include "shell/pane_border.h"
#include "shell/translations.h"
#include "shell/view_texts.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QRadioButton>
#include <QResizeEvent>
#include <QToolButton>
#include <algorithm>
#include <tuple>
#include <utility>

namespace vorlane {
namespace {

// Form geometry in pixels; the anchoring, not the margins, is what the layout keeps.
constexpr int kMargin = 6;
constexpr int kGap = 5;
constexpr int kInfoLineHeight = 18;
constexpr int kLabelTop = 26;
constexpr int kLabelHeight = 16;
constexpr int kButtonTop = 43;
constexpr int kButtonHeight = 18;
constexpr int kPaneTop = 63;
constexpr int kInfoLabelWidth = 34;
constexpr int kToggleSize = 16;

QFont ViewFont() {
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    font.setBold(true);
    return font;
}

QLabel* MakeLabel(QWidget* parent, const char* objectName, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(objectName));
    return label;
}

// Two radio buttons that act as one choice; pressing either sends its command to the view.
std::pair<QRadioButton*, QRadioButton*> MakeButtonPair(CMirevoView& view, const char* firstName,
                                                       const QString& firstText, int firstCommand,
                                                       const char* secondName, const QString& secondText,
                                                       int secondCommand) {
    auto* group = new QButtonGroup(&view);
    auto* first = new QRadioButton(firstText, &view);
    auto* second = new QRadioButton(secondText, &view);
    first->setObjectName(QString::fromLatin1(firstName));
    second->setObjectName(QString::fromLatin1(secondName));
    group->addButton(first);
    group->addButton(second);
    first->setChecked(true);
    QObject::connect(first, &QRadioButton::clicked, &view, [&view, firstCommand] { view.HandleCommand(firstCommand); });
    QObject::connect(second, &QRadioButton::clicked, &view,
                     [&view, secondCommand] { view.HandleCommand(secondCommand); });
    return {first, second};
}

} // namespace

CMirevoView::CMirevoView(ChannelDatabase& database, SettingsStore& store, QWidget* parent)
    : QWidget(parent), m_database(database), m_document(new EditDocument(database, this)), mStore(store),
      m_messageDialog(new ui::MessageDialog(this)), m_displayFilter(kFilterAllChannels) {
    setObjectName(QStringLiteral("mirevoView"));
    m_texts.SetDefaultTranslation(ui::LoaderTextTranslation());
    m_texts.Load(ui::LanguageFileFolders());
    setFont(ViewFont());
    BuildForm();
    BuildCommandActions();
}

CMirevoView::~CMirevoView() = default;

void CMirevoView::BuildForm() {
    m_informationLine = MakeLabel(this, "informationLine", QString());
    m_informationLine->setFrameShape(QFrame::StyledPanel);
    m_informationLine->setFrameShadow(QFrame::Sunken);
    m_infoLabel = MakeLabel(this, "infoLabel", QCoreApplication::translate("MirevoView", "INFO"));
    m_paneToggle = new QToolButton(this);
    m_paneToggle->setObjectName(QStringLiteral("paneToggleButton"));
    m_paneToggle->setArrowType(Qt::RightArrow);
    m_paneToggle->setToolTip(QCoreApplication::translate("MirevoView", "Show or hide the radio pane"));
    m_paneToggle->setAccessibleName(m_paneToggle->toolTip()); // an arrow has no text to read out
    connect(m_paneToggle, &QToolButton::clicked, this, [this] { ToggleRadioPane(); });

    m_satelliteLabel = MakeLabel(this, "satelliteCountLabel", QCoreApplication::translate("MirevoView", "Satellite"));
    m_transponderLabel =
        MakeLabel(this, "transponderCountLabel", QCoreApplication::translate("MirevoView", "Transponder"));
    m_favouriteLabel = MakeLabel(this, "favoriteLabel", QCoreApplication::translate("MirevoView", "Favorite"));
    m_tvLabel = MakeLabel(this, "tvCountLabel", QCoreApplication::translate("MirevoView", "TV"));
    m_radioLabel = MakeLabel(this, "radioCountLabel", QCoreApplication::translate("MirevoView", "Radio"));

    std::tie(m_satelliteStandard, m_satelliteLongitude) =
        MakeButtonPair(*this, "satelliteStandardButton", QCoreApplication::translate("MirevoView", "Standard"),
                       kCmdSatelliteSortStandard, "satelliteLongitudeButton",
                       QCoreApplication::translate("MirevoView", "Longitude"), kCmdSatelliteSortLongitude);
    std::tie(m_transponderStandard, m_transponderFrequency) =
        MakeButtonPair(*this, "transponderStandardButton", QCoreApplication::translate("MirevoView", "Standard"),
                       kCmdTransponderSortStandard, "transponderFrequencyButton",
                       QCoreApplication::translate("MirevoView", "Frequency"), kCmdTransponderSortFrequency);
    // The channel order buttons stay out of sight; the channel menus' "View sorted by" reaches them.
    std::tie(m_tvOriginal, m_tvNames) = MakeButtonPair(
        *this, "tvOriginalButton", QCoreApplication::translate("MirevoView", "Original"), kCmdTvOrderOriginal,
        "tvNamesButton", QCoreApplication::translate("MirevoView", "Names"), kCmdTvOrderNames);
    std::tie(m_radioOriginal, m_radioNames) = MakeButtonPair(
        *this, "radioOriginalButton", QCoreApplication::translate("MirevoView", "Original"), kCmdRadioOrderOriginal,
        "radioNamesButton", QCoreApplication::translate("MirevoView", "Names"), kCmdRadioOrderNames);
    for (QRadioButton* hidden : {m_tvOriginal, m_tvNames, m_radioOriginal, m_radioNames})
        hidden->hide();

    m_satellitePane = new ui::SatellitePane(*this, this);
    m_transponderPane = new ui::TransponderPane(*this, this);
    m_favouritePane = new ui::FavouritePane(*this, this);
    m_tvPane = new ui::ChannelPane(*this, ServiceType::Tv, this);
    m_radioPane = new ui::ChannelPane(*this, ServiceType::Radio, this);
    // Screen readers name each pane by its caption, without the count that follows it on screen.
    for (const auto& [pane, caption] : {std::pair<QWidget*, const char*>{m_satellitePane, "Satellite"},
                                        {m_transponderPane, "Transponder"},
                                        {m_favouritePane, "Favorite"},
                                        {m_tvPane, "TV"},
                                        {m_radioPane, "Radio"}})
        pane->setAccessibleName(QCoreApplication::translate("MirevoView", caption));
    BuildFilterFields();

    // The borders between the four pane columns; dragging one widens the column on its left.
    const auto moveBorder = [this](int border) {
        return [this, border](int dx) {
            // From the width the column has now: a stored one may have been narrowed to fit the window.
            if (border == 0)
                m_widths.satellite = m_satellitePane->width() + dx;
            else if (border == 1)
                m_widths.lists = m_transponderPane->width() + dx;
            else
                m_widths.tv = m_tvPane->width() + dx;
            LayOut();
        };
    };
    for (int border = 0; border < 3; ++border) {
        m_borders[static_cast<std::size_t>(border)] =
            new PaneBorder(this, moveBorder(border), [this] { m_widths.Save(mStore); });
        m_borders[static_cast<std::size_t>(border)]->setObjectName(QStringLiteral("paneBorder%1").arg(border));
    }

    m_loaderArea = new QFrame(this);
    m_loaderArea->setObjectName(QStringLiteral("loaderArea"));
    BuildLoader();

    setTabOrder(m_satellitePane, m_satelliteStandard);
    setTabOrder(m_satelliteStandard, m_transponderPane);
    setTabOrder(m_transponderPane, m_transponderStandard);
    setTabOrder(m_transponderStandard, m_favouritePane);
    setTabOrder(m_favouritePane, m_tvPane);
    setTabOrder(m_tvPane, m_radioPane);
    setTabOrder(m_radioPane, m_paneToggle);
}

void CMirevoView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (!window()->isMinimized())
        LayOut();
}

void CMirevoView::LayOut() {
    const int w = width();
    const int h = height();
    const int right = w - kMargin;

    const int loaderHeight = m_loaderArea->sizeHint().height();
    m_loaderArea->setGeometry(kMargin, h - kMargin - loaderHeight, w - 2 * kMargin, loaderHeight);
    const int paneBottom = h - kMargin - loaderHeight - kGap;

    m_infoLabel->setGeometry(right - kInfoLabelWidth, 3, kInfoLabelWidth, kInfoLineHeight);
    m_informationLine->setGeometry(kMargin, 3, right - kInfoLabelWidth - kGap - kMargin, kInfoLineHeight);

    // Column widths as dragged, kept so that every column stays at least the minimum wide.
    const int columnSpace = w - 2 * kMargin - 3 * kGap;
    const int listLimit = std::max(PaneWidths::kMinimumWidth, columnSpace / 3);
    const int satelliteWidth = std::clamp(m_widths.satellite, PaneWidths::kMinimumWidth, listLimit);
    const int listWidth = std::clamp(m_widths.lists, PaneWidths::kMinimumWidth, listLimit);

    const int satelliteLeft = kMargin;
    m_satelliteLabel->setGeometry(satelliteLeft, kLabelTop, satelliteWidth, kLabelHeight);
    m_satelliteStandard->setGeometry(satelliteLeft, kButtonTop, satelliteWidth / 2, kButtonHeight);
    m_satelliteLongitude->setGeometry(satelliteLeft + satelliteWidth / 2, kButtonTop, satelliteWidth / 2,
                                      kButtonHeight);
    m_satellitePane->setGeometry(satelliteLeft, kPaneTop, satelliteWidth, paneBottom - kPaneTop);

    const int transponderLeft = satelliteLeft + satelliteWidth + kGap;
    const int columnHeight = paneBottom - kPaneTop - kLabelHeight - kGap;
    const int transponderHeight = columnHeight / 2;
    const int favouriteTop = kPaneTop + transponderHeight + kGap + kLabelHeight;
    m_transponderLabel->setGeometry(transponderLeft, kLabelTop, listWidth, kLabelHeight);
    m_transponderStandard->setGeometry(transponderLeft, kButtonTop, listWidth / 2, kButtonHeight);
    m_transponderFrequency->setGeometry(transponderLeft + listWidth / 2, kButtonTop, listWidth / 2, kButtonHeight);
    m_transponderPane->setGeometry(transponderLeft, kPaneTop, listWidth, transponderHeight);
    m_favouriteLabel->setGeometry(transponderLeft, favouriteTop - kLabelHeight, listWidth, kLabelHeight);
    m_favouritePane->setGeometry(transponderLeft, favouriteTop, listWidth, paneBottom - favouriteTop);

    const int channelsLeft = transponderLeft + listWidth + kGap;
    const int channelsWidth = right - channelsLeft;
    int tvWidth = channelsWidth;
    if (m_radioShown) {
        const int shared = (channelsWidth - kGap) / 2;
        tvWidth =
            m_widths.tv == PaneWidths::kShared
                ? shared
                : std::clamp(m_widths.tv, PaneWidths::kMinimumWidth,
                             std::max(PaneWidths::kMinimumWidth, channelsWidth - kGap - PaneWidths::kMinimumWidth));
    }
    const int radioLeft = channelsLeft + tvWidth + kGap;
    const int radioWidth = right - radioLeft;
    m_tvLabel->setGeometry(channelsLeft, kLabelTop, tvWidth, kLabelHeight);
    m_tvFilter->setGeometry(channelsLeft, kButtonTop, tvWidth, kButtonHeight);
    m_tvPane->setGeometry(channelsLeft, kPaneTop, tvWidth, paneBottom - kPaneTop);
    m_radioLabel->setGeometry(radioLeft, kLabelTop, radioWidth - kToggleSize - kGap, kLabelHeight);
    m_radioFilter->setGeometry(radioLeft, kButtonTop, radioWidth, kButtonHeight);
    m_radioPane->setGeometry(radioLeft, kPaneTop, radioWidth, paneBottom - kPaneTop);
    m_paneToggle->setGeometry(right - kToggleSize, kLabelTop, kToggleSize, kLabelHeight);

    const int borderHeight = paneBottom - kLabelTop;
    m_borders[0]->setGeometry(transponderLeft - kGap, kLabelTop, kGap, borderHeight);
    m_borders[1]->setGeometry(channelsLeft - kGap, kLabelTop, kGap, borderHeight);
    m_borders[2]->setGeometry(radioLeft - kGap, kButtonTop, kGap, paneBottom - kButtonTop);
    m_borders[2]->setVisible(m_radioShown);
}

void CMirevoView::OnInitialUpdate() {
    StartLikeEditor(m_database);
    m_document->StartAfresh();
    m_editorSettings.Load(mStore);
    m_widths.Load(mStore);
    LayOut();
    RefillSatellitePane();
    RefillFavouritePane();
    ApplyEditorSettings();
    m_chosen = ChosenList{};
    m_satelliteStandard->setChecked(true);
    m_loader->Start();
    setFocus();
}

void CMirevoView::RefreshAllPanes() {
    if (!m_radioShown)
        ToggleRadioPane();
    ClearFavouriteCounters(m_database);
    RebuildPkChannel(m_database);
    m_satellitePane->SetSortMode(0);
    m_transponderPane->SetSortMode(0);
    RefillSatellitePane();
    RefillTransponderPane(-1);
    m_satelliteStandard->setChecked(true);
    m_transponderStandard->setChecked(true);
    m_tvOriginal->setChecked(true);
    m_radioOriginal->setChecked(true);
    m_tvPane->SetSortedByName(false);
    m_radioPane->SetSortedByName(false);
    // The choice goes back to "All", so the channel panes show the whole file.
    m_chosen = ChosenList{ChosenList::kSatellite, -1};
    m_satellitePane->SelectRow(0);
    RefillChannelPanes();
    RefillFavouritePane();
    SetInformationLine(QString());
}

void CMirevoView::RefillTvPane() {
    RefillKeepingSelection(*m_tvPane);
}

void CMirevoView::RefillRadioPane() {
    RefillKeepingSelection(*m_radioPane);
}

// After a new display filter the channels still shown stay selected, and the information line follows the caret
// row (or is cleared when its channel is no longer shown).
void CMirevoView::RefillKeepingSelection(ui::ChannelPane& pane) {
    const std::vector<Pk> selected = pane.SelectedPks();
    const bool described = m_describedPane == &pane;
    RefillChannelPane(pane);
    pane.SelectPks(selected);
    if (described)
        ChooseChannel(pane);
}

void CMirevoView::ApplyEditorSettings() {
    m_tvPane->ApplyColumnWidth();
    m_radioPane->ApplyColumnWidth();
    for (ui::PaneListView* pane :
         {static_cast<ui::PaneListView*>(m_satellitePane), static_cast<ui::PaneListView*>(m_transponderPane),
          static_cast<ui::PaneListView*>(m_favouritePane), static_cast<ui::PaneListView*>(m_tvPane),
          static_cast<ui::PaneListView*>(m_radioPane)})
        pane->viewport()->update();
}

void CMirevoView::SetInformationLine(const QString& text) {
    m_informationLine->setText(text);
    m_describedPane = nullptr;
}

QString CMirevoView::InformationLine() const {
    return m_informationLine->text();
}

void CMirevoView::ToggleRadioPane() {
    m_radioShown = !m_radioShown;
    m_radioPane->setVisible(m_radioShown);
    m_radioLabel->setVisible(m_radioShown);
    m_radioFilter->setVisible(m_radioShown);
    m_paneToggle->setArrowType(m_radioShown ? Qt::RightArrow : Qt::LeftArrow);
    LayOut();
}

void CMirevoView::RefillSatellitePane() {
    m_satellitePane->Refill();
    RenewCountLabels();
}

void CMirevoView::RefillTransponderPane(int satellite) {
    m_transponderPane->Refill(satellite);
    RenewCountLabels();
}

void CMirevoView::RefillFavouritePane() {
    const int row = m_favouritePane->SelectedRow();
    m_favouritePane->Refill();
    KeepSelection(*m_favouritePane, row);
}

// The channel panes' filters come from the list chosen last; after a favourite group the satellite and
// transponder filters are "any".
void CMirevoView::RefillChannelPane(ui::ChannelPane& pane) {
    const int satellite = m_chosen.kind == ChosenList::kSatellite ? m_chosen.index : -1;
    const int transponder = m_chosen.kind == ChosenList::kTransponder ? m_chosen.index : -1;
    const int favourite = m_chosen.kind == ChosenList::kFavourite ? m_chosen.index : -1;
    pane.Refill(satellite, transponder, favourite);
    RenewCountLabels();
}

void CMirevoView::RefillChannelPanes() {
    RefillChannelPane(*m_tvPane);
    RefillChannelPane(*m_radioPane);
}

void CMirevoView::ReloadChannelPane(ui::ChannelPane& pane) {
    pane.Reload();
    RenewCountLabels();
}

void CMirevoView::RenewCountLabels() {
    m_satelliteLabel->setText(CountLabelText(PaneCaption::Satellite, m_satellitePane->RowCount() - 1));
    m_transponderLabel->setText(CountLabelText(PaneCaption::Transponder, m_transponderPane->RowCount()));
    for (const auto& [pane, label, caption] :
         {std::tuple{m_tvPane, m_tvLabel, PaneCaption::Tv}, std::tuple{m_radioPane, m_radioLabel, PaneCaption::Radio}})
        label->setText(pane->Filtered() ? FilteredCountLabelText(caption, pane->RowCount(), pane->UnfilteredRowCount())
                                        : CountLabelText(caption, pane->RowCount()));
}

// The satellite labels count channels and the transponder pane lists what exists: both are refilled after
// channels came or went, with the same rows selected.
void CMirevoView::RefillListPanesKeepingSelection() {
    const int satelliteRow = m_satellitePane->SelectedRow();
    RefillSatellitePane();
    KeepSelection(*m_satellitePane, satelliteRow);
    const int transponderRow = m_transponderPane->SelectedRow();
    RefillTransponderPane(m_transponderPane->Satellite());
    KeepSelection(*m_transponderPane, transponderRow);
}

// After a refill the pane shows the same row index again, without that counting as the user's choice.
void CMirevoView::KeepSelection(ui::PaneListView& pane, int row) {
    if (row >= 0 && row < pane.RowCount())
        pane.SelectRow(row);
}

} // namespace vorlane
