#pragma once
// The question asked when the main window closes with unsaved changes.

#include <functional>

class QWidget;

namespace vorlane {

class ChannelDatabase;

// Writes the data the way the Save command does; true when written, false when not (failed or cancelled).
using SaveHandler = std::function<bool()>;

// True when the window may close: at once when nothing was modified; otherwise after asking "Do you want to
// save the changes ?" (caption "Exit"): No closes, Cancel keeps the window, Yes saves and closes. A save that
// did not write keeps the window open, so unsaved changes are never dropped silently.
bool ConfirmClose(QWidget* parent, const ChannelDatabase& database, const SaveHandler& save);

} // namespace vorlane
