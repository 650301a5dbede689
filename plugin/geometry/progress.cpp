#include "geometry/progress.h"

#include "shell/suites.h"

namespace vx {

void ReportProgress(const ProgressSpan& span, int32_t done) {
  if (span.total <= 0 || !sUser || !sUser->UpdateProgress) return;
  // A progress bar that fails to draw is no reason to stop the work.
  (void)sUser->UpdateProgress(span.offset + done, span.total);
}

bool UserCancelled() {
  return sUser && sUser->Cancelled && sUser->Cancelled() != 0;
}

}  // namespace vx
