#pragma once
// The "STB Configuration" dialog: nine tabbed pages over the receiver settings record. The pages copy their
// fields when the dialog opens; "OK" writes them back page by page and stops at the first page that refuses.

#include "settings/receiver_settings.h"

#include <QDialog>
#include <vector>

class QTabWidget;

namespace vorlane {
class ChannelDatabase;
}

namespace vorlane::ui {

class StbPage;

class StbConfigurationDialog : public QDialog {
public:
    explicit StbConfigurationDialog(ReceiverSettings settings, QWidget* parent = nullptr);

private:
    StbPage* AddPage(StbPage* page, const char* objectName, const char* tabLabel);
    void SaveAndClose();

    ReceiverSettings m_settings;
    QTabWidget* m_tabs;
    std::vector<StbPage*> m_saveOrder;
};

// Opens the dialog, modal, over a copy of the record the database loads and stores. "OK", once every page
// accepted its input, writes the copy back and marks the database modified when anything changed; "Cancel"
// writes nothing. Returns whether the user closed it with "OK".
bool RunStbConfiguration(QWidget* parent, ChannelDatabase& db);

} // namespace vorlane::ui
