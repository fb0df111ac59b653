#pragma once
// Drives the STB Configuration dialog through its controls by object name, over a record the test owns.

#include "platform/widgets/user_prompts.h"
#include "settings/receiver_settings.h"
#include "settings/settings_defaults.h"
#include "settings/ui/stb_configuration_dialog.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <memory>

namespace vorlane::ui::testing {

using Record = std::array<std::uint8_t, ReceiverSettings::kSize>;

// The factory defaults, with the reserved and private bytes patterned so that a stray write shows.
inline Record DefaultsWithPatternedReserved() {
    Record r{};
    for (std::size_t i = 0; i < r.size(); ++i)
        r[i] = static_cast<std::uint8_t>(i * 7 + 3);
    Record patterned = r;
    ReceiverSettings settings(r);
    FillDefaults(settings);
    // Everything the defaults left at zero outside the named fields gets its pattern back.
    const std::size_t reserved[][2] = {{0x009, 0x00C}, {0x010, 0x014}, {0x036, 0x037}, {0x047, 0x050},
                                       {0x051, 0x056}, {0x05A, 0x064}, {0x066, 0xB5A}, {0xBDA, r.size()}};
    for (const auto& range : reserved)
        for (std::size_t i = range[0]; i < range[1]; ++i)
            r[i] = patterned[i];
    return r;
}

class StbDialogTest : public ::testing::Test {
protected:
    void SetUp() override { open(); }
    void TearDown() override { UserPrompts::reset(); }

    void open() { dialog = std::make_unique<StbConfigurationDialog>(ReceiverSettings(record)); }
    ReceiverSettings settings() { return ReceiverSettings(record); }

    template <class T> T* control(const char* name) {
        T* found = dialog->findChild<T*>(name);
        EXPECT_NE(nullptr, found) << name;
        return found;
    }
    QComboBox* list(const char* name) { return control<QComboBox>(name); }
    QLineEdit* edit(const char* name) { return control<QLineEdit>(name); }

    void choose(const char* listName, const QString& item) {
        QComboBox* box = list(listName);
        const int index = box->findText(item);
        ASSERT_GE(index, 0) << listName << ": " << item.toStdString();
        box->setCurrentIndex(index);
    }
    QString shown(const char* listName) { return list(listName)->currentText(); }

    void pressOk() { control<QPushButton>("okButton")->click(); }
    void pressCancel() { control<QPushButton>("cancelButton")->click(); }
    bool accepted() const { return dialog->result() == QDialog::Accepted; }

    Record record = DefaultsWithPatternedReserved();
    std::unique_ptr<StbConfigurationDialog> dialog;
};

} // namespace vorlane::ui::testing
