#pragma once
// The buttons a "Message" dialog offers and the one the user pressed, shared by the loader (which asks) and the
// windows and console (which answer).

namespace vorlane {

// Which buttons a message shows: none (a note that does not wait), only "OK", "OK" and "Cancel", or all three.
enum class MessageMode : int { NoButton = 0, Ok = 1, OkCancel = 2, AllButtons = 3 };

// The buttons of the "Message" dialog, numbered as the receiver's loader numbers them; also how a modal wait
// ended (Ok: ended by EndModalWait with Ok, Cancel: closed).
enum class MessageButton : int { None = 0, Ok = 1, Cancel = 2, Exit = 3 };

} // namespace vorlane
