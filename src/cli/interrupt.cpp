#include "cli/interrupt.h"

#include <csignal>

namespace vorlane::cli {
namespace {

volatile std::sig_atomic_t g_interrupted = 0;

void NoteInterrupt(int /*signal*/) {
    g_interrupted = 1;
}

} // namespace

void CatchInterrupt() {
    struct sigaction action {};
    action.sa_handler = NoteInterrupt;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, nullptr);
}

bool Interrupted() {
    return g_interrupted != 0;
}

} // namespace vorlane::cli
