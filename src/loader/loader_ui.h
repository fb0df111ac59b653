#pragma once
// What the loader asks of its user interface: message boxes and the not-allowed cursor. The editor shows real
// windows, the command-line loader prints the texts, tests record them.

#include <string>

namespace vorlane {

class LoaderUi {
public:
    virtual ~LoaderUi() = default;

    // The platform's standard message box with the program's title as caption and only an OK button.
    virtual void ShowMessageBox(const std::string& text) = 0;

    // The "Message" dialog. Mode 0 shows no button and does not wait, mode 1 only OK, mode 2 OK and Cancel,
    // any other mode all three buttons. Returns the button pressed: 1 OK, 2 Cancel (0 in mode 0).
    virtual int ShowMessage(const std::string& text, int mode) = 0;

    // The slashed-circle cursor while the loader blocks the user-interface thread; restored when the work ends.
    virtual void ShowNotAllowedCursor() = 0;
    virtual void RestoreCursor() = 0;
};

} // namespace vorlane
