#pragma once
// Ctrl+C during a loader command: the handler only notes it; the command sees it between events, closes the
// port and ends.

namespace vorlane::cli {

// Installs the SIGINT handler.
void CatchInterrupt();
// True once SIGINT arrived after CatchInterrupt.
bool Interrupted();

} // namespace vorlane::cli
