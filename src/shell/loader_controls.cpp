#include "shell/loader_controls.h"

#include "loader/connection_settings.h"
#include "loader/language_texts.h"
#include "loader/serial_port_names.h"
#include "loader/transfer_texts.h"
#include "shell/loader_progress_bar.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vorlane::ui {
namespace {

// LanguageTexts entries of the tool tips and captions.
constexpr int kTipAutoConnect = 0;
constexpr int kTipConnect = 1;
constexpr int kTipDisconnect = 2;
constexpr int kTipSet = 3;
constexpr int kTipUpload = 4;
constexpr int kTipDownload = 5;
constexpr int kCaptionForceMode = 24;

QString Latin1(const std::string& text) {
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

QPushButton* MakeButton(const char* caption, const char* objectName, const QString& toolTip, QWidget* parent) {
    auto* button = new QPushButton(QCoreApplication::translate("LoaderControls", caption), parent);
    button->setObjectName(QString::fromLatin1(objectName));
    button->setToolTip(toolTip);
    return button;
}

QComboBox* MakeList(const QStringList& items, const char* objectName, QWidget* parent) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(objectName));
    list->addItems(items);
    return list;
}

} // namespace

QStringList PortListItems() {
    QStringList items;
    for (int number = 1; number <= kSerialPortCount; ++number)
        items << Latin1(SerialPortName(number));
    return items;
}

QStringList SpeedListItems() {
    QStringList items;
    for (std::uint32_t index = 0; index < kLineSpeedCount; ++index)
        items << QString::number(LineSpeedOfIndex(index));
    return items;
}

LoaderControls::LoaderControls(const LanguageTexts& texts, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("loaderControls"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);

    m_connectStatus = new QGroupBox(QCoreApplication::translate("LoaderControls", "Connect Status"), this);
    m_connectStatus->setObjectName(QStringLiteral("connectStatusGroup"));
    auto* statusLayout = new QVBoxLayout(m_connectStatus);
    m_statusLine = new QLabel(m_connectStatus);
    m_statusLine->setObjectName(QStringLiteral("statusLine"));
    m_progressBar = new LoaderProgressBar(m_connectStatus);
    statusLayout->addWidget(m_statusLine);
    statusLayout->addWidget(m_progressBar);
    layout->addWidget(m_connectStatus, 1);

    m_serialSetting = BuildSerialSetting(texts);
    layout->addWidget(m_serialSetting);
    QWidget* buttons = BuildCommandButtons(texts);
    layout->addWidget(buttons);

    ShowStatusLine(Latin1(StatusLineText(texts, transfer_text::kDisconnected)));
    ShowControls(ConnectionControlsFor(false));
    m_serialSetting->hide();
    buttons->hide();
}

QGroupBox* LoaderControls::BuildSerialSetting(const LanguageTexts& texts) {
    auto* group = new QGroupBox(QCoreApplication::translate("LoaderControls", "Serial Setting"), this);
    group->setObjectName(QStringLiteral("serialSettingGroup"));
    auto* layout = new QHBoxLayout(group);
    m_portList = MakeList(PortListItems(), "portList", group);
    m_speedList = MakeList(SpeedListItems(), "speedList", group);
    m_set = MakeButton(QT_TRANSLATE_NOOP("LoaderControls", "Set"), "setButton", Latin1(texts.GetText(kTipSet)), group);
    layout->addWidget(new QLabel(QCoreApplication::translate("LoaderControls", "Port"), group));
    layout->addWidget(m_portList);
    layout->addWidget(new QLabel(QCoreApplication::translate("LoaderControls", "Speed"), group));
    layout->addWidget(m_speedList);
    layout->addWidget(m_set);
    return group;
}

QWidget* LoaderControls::BuildCommandButtons(const LanguageTexts& texts) {
    auto* box = new QWidget(this);
    box->setObjectName(QStringLiteral("loaderButtons"));
    auto* layout = new QHBoxLayout(box);
    m_autoConnect = MakeButton(QT_TRANSLATE_NOOP("LoaderControls", "Auto Connect"), "autoConnectButton",
                               Latin1(texts.GetText(kTipAutoConnect)), box);
    m_connect = MakeButton(QT_TRANSLATE_NOOP("LoaderControls", "Connect"), "connectButton",
                           Latin1(texts.GetText(kTipConnect)), box);
    m_disconnect = MakeButton(QT_TRANSLATE_NOOP("LoaderControls", "Disconnect"), "disconnectButton",
                              Latin1(texts.GetText(kTipDisconnect)), box);
    m_upload = MakeButton(QT_TRANSLATE_NOOP("LoaderControls", "Upload to STB"), "uploadButton",
                          Latin1(texts.GetText(kTipUpload)), box);
    m_download = MakeButton(QT_TRANSLATE_NOOP("LoaderControls", "Download to PC"), "downloadButton",
                            Latin1(texts.GetText(kTipDownload)), box);
    m_forceMode = new QCheckBox(Latin1(texts.GetText(kCaptionForceMode)), box);
    m_forceMode->setObjectName(QStringLiteral("forceModeBox"));
    for (QWidget* control :
         std::initializer_list<QWidget*>{m_autoConnect, m_connect, m_disconnect, m_upload, m_download, m_forceMode})
        layout->addWidget(control);
    return box;
}

void LoaderControls::ShowStatusLine(const QString& text) {
    m_statusLine->setText(text);
    m_statusLine->repaint();
}

QString LoaderControls::StatusLine() const {
    return m_statusLine->text();
}

void LoaderControls::ShowControls(const ConnectionControls& controls) {
    m_autoConnect->setEnabled(controls.autoConnect);
    m_connect->setEnabled(controls.connect);
    m_disconnect->setEnabled(controls.disconnect);
    m_set->setEnabled(controls.set);
    m_upload->setEnabled(controls.upload);
    m_download->setEnabled(controls.download);
}

void LoaderControls::ShowPortAndSpeed(std::uint32_t portIndex, std::uint32_t speedIndex) {
    m_portList->setCurrentIndex(int(portIndex));
    m_speedList->setCurrentIndex(int(speedIndex));
}

std::uint32_t LoaderControls::ChosenPort() const {
    return std::uint32_t(m_portList->currentIndex());
}

std::uint32_t LoaderControls::ChosenSpeed() const {
    return std::uint32_t(m_speedList->currentIndex());
}

bool LoaderControls::ForceMode() const {
    return m_forceMode->isChecked();
}

} // namespace vorlane::ui
