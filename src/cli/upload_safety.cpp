#include "cli/upload_safety.h"

#include "cli/cli_command.h"
#include "cli/loader_session.h"

#include <cstdio>

namespace vorlane::cli {

int RunSafeUpload(LoaderSession& session, const SafeUploadPlan& plan) {
    SafeUpload sequence(session.Commands(), session.TransferProtocol(), session.Dispatcher());
    if (!sequence.Start(plan))
        return kExitFailed;
    const bool ended = session.RunUntil([&] { return !sequence.Running(); },
                                        [&] { sequence.CheckReceiverAnswer(std::chrono::steady_clock::now()); });
    // Silence, a lost line or an interrupt cut the wait short: the sequence still says how far it got.
    if (!ended)
        sequence.GiveUp(session.WaitEndReason());
    if (!sequence.BackupPath().empty())
        std::fprintf(stderr, "The receiver's channel list was backed up to %s\n", sequence.BackupPath().c_str());
    return sequence.Outcome() == TransferOutcome::Completed ? kExitOk : kExitFailed;
}

} // namespace vorlane::cli
