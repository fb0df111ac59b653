#pragma once
// Runs work on the owner's thread: the editor queues it into its event loop, the command-line loader and
// the tests into an EventQueueDispatcher.

#include <functional>

namespace vorlane {

class OwnerDispatcher {
public:
    virtual ~OwnerDispatcher() = default;

    // Queues the task to run later on the owner's thread, in posting order. Callable from any thread.
    virtual void Post(std::function<void()> task) = 0;
};

} // namespace vorlane
