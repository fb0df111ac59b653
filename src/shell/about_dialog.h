#pragma once
// The about box of the About menu's "Information" entry.

class QWidget;

namespace vorlane::ui {

// Shows the modal box titled "Vorlane" with its three lines and "OK".
void ShowAboutBox(QWidget* parent);

} // namespace vorlane::ui
