#pragma once
// CMirevoView: the one form that fills the main frame. Its upper part is the channel editor: the information
// line, the five list panes with their count labels and sort buttons, and the toggle that hides the radio pane;
// its lower part holds the loader's Connect Status group with the status line and the progress bar, over the hidden
// serial settings and loader buttons. It keeps the panes consistent when
// the user chooses a satellite, transponder, favourite group or channel, carries out the panes' commands, and
// routes drops that leave the TV or radio pane. It owns the interface texts, its own "Message" dialog, the editor
// settings and the display filter.

#include "database/edit_history.h"
#include "loader/language_texts.h"
#include "panes/command_actions.h"
#include "panes/editor_settings.h"
#include "panes/pane_host.h"
#include "shell/message_dialog.h"
#include "shell/pane_widths.h"

#include <QWidget>
#include <array>
#include <memory>
#include <vector>

class QFrame;
class QLabel;
class QMenu;
class QRadioButton;
class QToolButton;

namespace vorlane {

class CommandStateUpdater;
class EditDocument;
class LoaderLink;
class PaneBorder;
class SettingsStore;

namespace ui {
class ChannelPane;
class FavouritePane;
class PaneFilterField;
class LoaderControls;
class SatellitePane;
class TransponderPane;
} // namespace ui

class CMirevoView : public QWidget, public ui::PaneHost {
public:
    CMirevoView(ChannelDatabase& database, SettingsStore& store, QWidget* parent = nullptr);
    ~CMirevoView() override;

    // The first update: start-up settings and database initialisation, the editor settings from the profile, the
    // satellite and favourite panes filled; the other panes stay empty until the user chooses.
    void OnInitialUpdate();

    // --- for the frame ---
    // After New and Open: every pane refilled in list order, nothing copied, the information line cleared.
    void RefreshAllPanes();
    void RefillTvPane();
    void RefillRadioPane();
    // The TV and radio panes take the column width and all panes the colours of the editor settings.
    void ApplyEditorSettings();
    void SetInformationLine(const QString& text); // empty clears
    QString InformationLine() const;
    int DisplayFilter() const override { return m_displayFilter; }
    // The panes show the new filter's channels only once they are refilled.
    void SetDisplayFilter(int command);
    // A pane command by number (context menus, keys, order buttons); true when the number is a pane command.
    bool HandleCommand(int command) override;

    // The database with its undo history.
    EditDocument& Document() { return *m_document; }
    // Ends every command that may have changed the database: the change becomes one undo step.
    void CommitEdit(const QString& label, EditSubjects subjects = {});
    // Takes back or does again the last step; the panes show the result with the step's records selected.
    void UndoEdit();
    void RedoEdit();

    ChannelDatabase& Database() override { return m_database; }
    const LanguageTexts& CurrentLanguageTexts() const { return m_texts; }
    EditorSettings& CurrentEditorSettings() { return m_editorSettings; }
    ui::MessageDialog& Messages() { return *m_messageDialog; }

    ui::SatellitePane& SatelliteListPane() { return *m_satellitePane; }
    ui::TransponderPane& TransponderListPane() { return *m_transponderPane; }
    ui::FavouritePane& FavouriteListPane() { return *m_favouritePane; }
    ui::ChannelPane& TvPane() { return *m_tvPane; }
    ui::ChannelPane& RadioPane() { return *m_radioPane; }
    // The area at the foot of the form that the loader's controls fill.
    QFrame& LoaderArea() { return *m_loaderArea; }
    // The loader: port, connection, transfer and the upload and download commands.
    LoaderLink& Loader() { return *m_loader; }
    ui::LoaderControls& LoaderControlsPanel() { return *m_loaderControls; }
    bool RadioPaneShown() const { return m_radioShown; }
    void ToggleRadioPane();

    // The one action of every command number: the panes' commands, and the frame's once it added its menus.
    ui::CommandActions& CommandActions() { return m_actions; }
    // Every action's enabled and checked state, renewed at once; afterwards they follow the document's signals.
    void RenewCommandStates();
    // The context menu a pane shows: its commands' actions, grayed and checked for the present state.
    std::unique_ptr<QMenu> BuildPaneMenu(ui::PaneListView& pane);
    // Whether the clipboard holds channel records that Paste can add.
    static bool ClipboardHoldsChannels();

    // --- ui::PaneHost ---
    const EditorSettings& PaneSettings() const override { return m_editorSettings; }
    ChosenList CurrentChosenList() const override { return m_chosen; }
    void OnPaneChoice(ui::PaneListView& pane) override;
    void OnPaneDoubleClick(ui::PaneListView& pane, int row) override;
    void ShowPaneMenu(ui::PaneListView& pane, QPoint globalPos) override;
    int HitTestOutside(ui::PaneListView& source, QPoint globalPos) override;
    void DropOutside(ui::PaneListView& source, QPoint globalPos, std::span<const Pk> pks) override;
    void ClearDropTargets() override;
    void CommitPaneEdit(const QString& label, std::span<const Pk> channelPks) override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void BuildForm();
    // The loader's controls in the loader area, the loader itself, and its hidden buttons wired to its commands.
    void BuildLoader();
    // The filter fields above the channel panes and Ctrl+Shift+F, which puts the cursor in the field of the
    // channel pane that has the focus (the TV pane's otherwise).
    void BuildFilterFields();
    void FocusFilterField();
    void LayOut();
    // The pane commands' actions, run when triggered, and the signals their states follow.
    void BuildCommandActions();

    // Fills and labels.
    void RefillSatellitePane();
    void RefillTransponderPane(int satellite);
    void RefillChannelPanes();
    void RefillChannelPane(ui::ChannelPane& pane);
    void ReloadChannelPane(ui::ChannelPane& pane);
    void RefillKeepingSelection(ui::ChannelPane& pane);
    void RefillListPanesKeepingSelection();
    void RefillFavouritePane();
    void RenewCountLabels();
    void KeepSelection(ui::PaneListView& pane, int row);
    // After undo or redo: every pane refilled for the lists chosen before where they still exist, and the
    // step's records selected where they are shown.
    void ShowRestoredState(const EditSubjects& subjects);

    // Choices.
    void ChooseSatellite();
    void ChooseTransponder();
    void ChooseFavouriteGroup();
    void ChooseChannel(ui::ChannelPane& pane);

    // Commands.
    ui::ChannelPane* ChannelPaneOfCommand(int command);
    // "Sort List by": the pane's lists renumbered for good; false for another command.
    bool SortListByCommand(int command);
    void SetSatelliteSortMode(int mode);
    void SetTransponderSortMode(int mode);
    void SetChannelOrder(ui::ChannelPane& pane, bool byName);
    void EditSelectedSatellite();
    void EditSelectedTransponder();
    void AddTransponderToSatellite();
    void DeleteSelectedTransponder();
    void DeleteEmptyTransponders();
    void RefreshAfterTransponderDelete(int row);
    void AddChannel(ui::ChannelPane& pane);
    void DeleteChannels(ui::ChannelPane& pane);
    void MoveChannelsTo(ui::ChannelPane& pane);
    void MoveSelectedChannels(ui::ChannelPane& pane, int number);
    // Move to Top / Bottom, one place up or down, Add to Favourite.
    void HandleChannelOrderCommand(ui::ChannelPane& pane, int command);
    void AddSelectedToFavourite(ui::ChannelPane& pane, int group);
    void EditCaretChannel(ui::ChannelPane& pane);
    void RenameGroup(int row);
    // Copy puts the selected channels on the clipboard as text and as channel records; Paste adds the records
    // after the caret row, in this file or another.
    void CopyChannels(ui::ChannelPane& pane);
    void PasteChannels(ui::ChannelPane& pane);
    bool SelectByCommand(int command);
    // The Connect Status commands and COM Setting; true when the number is one of them.
    bool HandleLoaderCommand(int command);

    // Drops.
    ui::PaneListView* PaneAt(ui::PaneListView& source, QPoint globalPos, int& row);

    ChannelDatabase& m_database;
    EditDocument* m_document;
    SettingsStore& mStore;
    LanguageTexts m_texts;
    EditorSettings m_editorSettings;
    ui::MessageDialog* m_messageDialog;
    ui::CommandActions m_actions;
    CommandStateUpdater* m_commandStates = nullptr;

    ChosenList m_chosen;
    int m_displayFilter;
    bool m_radioShown = true;
    // The channel pane whose caret row the information line describes; nullptr when it describes none.
    ui::ChannelPane* m_describedPane = nullptr;

    QLabel* m_informationLine = nullptr;
    QLabel* m_infoLabel = nullptr;
    QToolButton* m_paneToggle = nullptr;
    QLabel* m_satelliteLabel = nullptr;
    QLabel* m_transponderLabel = nullptr;
    QLabel* m_favouriteLabel = nullptr;
    QLabel* m_tvLabel = nullptr;
    QLabel* m_radioLabel = nullptr;
    ui::PaneFilterField* m_tvFilter = nullptr;
    ui::PaneFilterField* m_radioFilter = nullptr;
    QRadioButton* m_satelliteStandard = nullptr;
    QRadioButton* m_satelliteLongitude = nullptr;
    QRadioButton* m_transponderStandard = nullptr;
    QRadioButton* m_transponderFrequency = nullptr;
    QRadioButton* m_tvOriginal = nullptr;
    QRadioButton* m_tvNames = nullptr;
    QRadioButton* m_radioOriginal = nullptr;
    QRadioButton* m_radioNames = nullptr;
    ui::SatellitePane* m_satellitePane = nullptr;
    ui::TransponderPane* m_transponderPane = nullptr;
    ui::FavouritePane* m_favouritePane = nullptr;
    ui::ChannelPane* m_tvPane = nullptr;
    ui::ChannelPane* m_radioPane = nullptr;
    // The column widths the user dragged the borders to, and the three borders.
    PaneWidths m_widths;
    std::array<PaneBorder*, 3> m_borders{};
    QFrame* m_loaderArea = nullptr;
    ui::LoaderControls* m_loaderControls = nullptr;
    std::unique_ptr<LoaderLink> m_loader;
};

} // namespace vorlane
