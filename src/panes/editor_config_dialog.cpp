#include "panes/editor_config_dialog.h"

#include "panes/colour_field.h"
#include "panes/dialog_buttons.h"
#include "platform/settings_store.h"
#include "platform/widgets/range_check.h"
#include "platform/widgets/user_prompts.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>
#include <QWindow>

namespace vorlane::ui {
namespace {

struct ColourFieldSpec {
    const char* label;
    const char* objectName;
    EditorColour colour;
};

// The eleven colours the dialog edits, in its reading order (two columns, left to right).
constexpr ColourFieldSpec kColourFields[] = {
    {QT_TRANSLATE_NOOP("EditorConfigDialog", "Active Satellite"), "activeSatelliteColour", EditorColour::ActSatellite},
    {QT_TRANSLATE_NOOP("EditorConfigDialog", "Active TR"), "activeTransponderColour", EditorColour::ActTransponder},
    {QT_TRANSLATE_NOOP("EditorConfigDialog", "Channel Index"), "channelIndexColour", EditorColour::Index},
    {QT_TRANSLATE_NOOP("EditorConfigDialog", "Favorite Channel"), "favoriteChannelColour", EditorColour::Favourite},
    {QT_TRANSLATE_NOOP("EditorConfigDialog", "Scrambled Text"), "scrambledTextColour", EditorColour::ScrambledText},
    {QT_TRANSLATE_NOOP("EditorConfigDialog", "Lock Text"), "lockTextColour", EditorColour::LockText},
    {QT_TRANSLATE_NOOP("EditorConfigDialog", "Satellite Line"), "satelliteLineColour", EditorColour::SatLine},
    {QT_TRANSLATE_NOOP("EditorConfigDialog", "Transponder Line"), "transponderLineColour", EditorColour::TRLine},
    {QT_TRANSLATE_NOOP("EditorConfigDialog", "Channel Line"), "channelLineColour", EditorColour::CHLine},
    {QT_TRANSLATE_NOOP("EditorConfigDialog", "Scrambled"), "scrambledColour", EditorColour::Scrambled},
    {QT_TRANSLATE_NOOP("EditorConfigDialog", "Lock"), "lockColour", EditorColour::Lock},
};

constexpr int kColourColumns = 2;

} // namespace

EditorConfigDialog::EditorConfigDialog(EditorSettings& settings, SettingsStore& store, QWidget* parent)
    : QDialog(parent), m_settings(settings), m_edited(settings), mStore(store) {
    setWindowTitle(QCoreApplication::translate("EditorConfigDialog", "Editor Configuration"));
    auto* layout = new QVBoxLayout(this);

    auto* display = new QGroupBox(QCoreApplication::translate("EditorConfigDialog", "Display Setting"), this);
    auto* displayLayout = new QHBoxLayout(display);
    auto* widthLabel = new QLabel(QCoreApplication::translate("EditorConfigDialog", "Column width"), display);
    m_columnWidth = new QLineEdit(display);
    m_columnWidth->setObjectName(QStringLiteral("columnWidthEdit"));
    m_columnWidth->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this));
    m_columnWidth->setMaxLength(9);
    widthLabel->setBuddy(m_columnWidth);
    displayLayout->addWidget(widthLabel);
    displayLayout->addWidget(m_columnWidth);
    displayLayout->addStretch(1);
    layout->addWidget(display);

    auto* colours = new QGroupBox(QCoreApplication::translate("EditorConfigDialog", "Color Setting"), this);
    auto* colourGrid = new QGridLayout(colours);
    int position = 0;
    for (const ColourFieldSpec& spec : kColourFields) {
        auto* field = new ColourField(QCoreApplication::translate("EditorConfigDialog", spec.label), colours);
        field->setObjectName(QString::fromLatin1(spec.objectName));
        field->setMinimumWidth(150);
        colourGrid->addWidget(field, position / kColourColumns, position % kColourColumns);
        m_colourFields.emplace_back(spec.colour, field);
        ++position;
    }
    layout->addWidget(colours);

    auto* defaults = new QPushButton(QCoreApplication::translate("EditorConfigDialog", "Default Color"), this);
    defaults->setObjectName(QStringLiteral("defaultColourButton"));
    connect(defaults, &QPushButton::clicked, this, [this] { ResetColours(); });
    auto* defaultsRow = new QHBoxLayout;
    defaultsRow->addWidget(defaults);
    defaultsRow->addStretch(1);
    layout->addLayout(defaultsRow);

    m_keepBackup = new QCheckBox(QCoreApplication::translate("EditorConfigDialog", "Keep a backup when saving"), this);
    m_keepBackup->setObjectName(QStringLiteral("keepBackupCheck"));
    layout->addWidget(m_keepBackup);

    const OkCancelButtons buttons = AddOkCancelButtons(*this, *layout);
    connect(buttons.ok, &QPushButton::clicked, this, [this] { AcceptIfValid(); });

    m_columnWidth->setText(QString::number(m_edited.ColumnWidth()));
    LoadColourFields();
    m_keepBackup->setChecked(m_edited.KeepBackup());
}

void EditorConfigDialog::LoadColourFields() {
    for (const auto& [colour, field] : m_colourFields)
        field->SetValue(m_edited.Colour(colour));
}

// The reset works on the dialog's copy, so "Cancel" keeps the colours the panes had.
void EditorConfigDialog::ResetColours() {
    m_edited.ResetColours();
    LoadColourFields();
}

void EditorConfigDialog::AcceptIfValid() {
    std::int64_t width = 0;
    if (!ReadFieldInRange(*m_columnWidth, EditorSettings::kMinColumnWidth, EditorSettings::kMaxColumnWidth, width))
        return;
    m_edited.SetColumnWidth(static_cast<int>(width));
    for (const auto& [colour, field] : m_colourFields)
        m_edited.SetColour(colour, field->Value());
    m_edited.SetKeepBackup(m_keepBackup->isChecked());
    m_settings = m_edited;
    m_settings.Save(mStore);
    accept();
}

void EditorConfigDialog::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && windowHandle() && windowHandle()->startSystemMove())
        return;
    QDialog::mousePressEvent(event);
}

bool EditEditorConfiguration(QWidget* parent, EditorSettings& settings, SettingsStore& store) {
    EditorConfigDialog dialog(settings, store, parent);
    return UserPrompts::Exec(dialog) == QDialog::Accepted;
}

} // namespace vorlane::ui
