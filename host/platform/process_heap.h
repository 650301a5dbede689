// The process's heap, set up for commands that read a large document once:
// one growing heap, and its pages made present in one call where the size
// of the coming work is known.
#pragma once

#include <cstddef>

namespace vx::host {

// Call once, first thing in main: every block below 32 MiB comes from the
// one heap, which grows by 64 MiB of address space at a time and is not
// given back while the command runs.
void SetUpProcessHeap();

// Makes about `bytes` of the heap's fresh room present now, in one call,
// instead of a page fault at the first touch of each 4 KiB page (half the
// system time of reading a large drawing). Best effort: nothing happens
// where the system cannot do it.
void PrefaultHeap(size_t bytes);

}  // namespace vx::host
