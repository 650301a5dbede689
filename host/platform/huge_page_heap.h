// The process's heap in transparent huge pages, where the system gives them
// to those who ask (madvise mode).
#pragma once

namespace vx::host {

// Call once, first thing in main. A large document's reading touches tens
// of megabytes of fresh heap: in 4 KiB pages that is ten thousand page
// faults, most of such a run's system time; in 2 MiB pages a few dozen.
// Changes nothing where transparent huge pages are off or unavailable.
void UseHugePageHeap();

}  // namespace vx::host
