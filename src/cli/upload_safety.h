#pragma once
// vorlane-cli upload --backup / --verify: the channel-file upload with its safety net, run to its end.

#include "loader/safe_upload.h"

namespace vorlane::cli {

class LoaderSession;

// Runs the sequence on the open session; the exit status is 0 only when it completed (and verified, when asked).
int RunSafeUpload(LoaderSession& session, const SafeUploadPlan& plan);

} // namespace vorlane::cli
