// The host's progress bar and cancel button, as long operations use them.
#pragma once

#include <cstdint>

namespace vx {

// Where a long operation stands: current of total. A total of 0 means no
// progress bar is shown (for example while a dialog previews).
struct ProgressSpan {
  int32_t offset;  // position reached before this part of the work
  int32_t total;
};

// Shows offset + done of total; nothing when total is 0 or the host has no
// progress bar.
void ReportProgress(const ProgressSpan& span, int32_t done);
// True once the user asked to stop.
bool UserCancelled();

}  // namespace vx
