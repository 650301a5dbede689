// Change stamps: a number that changes whenever an object or anything in it
// changes (content, id, name, locked or hidden, members added, removed or
// reordered; plug-in group art's edit and result groups included) and comes
// back when undo brings the object back. The selection does not count. A
// viewer compares stamps to know which objects to draw again.
#pragma once

#include <cstdint>

namespace vx::host::art {

class Art;

// The stamp of art and its subtree: a walk over its objects (not their
// segments), so cheap next to writing them.
uint64_t ChangeStamp(const Art& art);

}  // namespace vx::host::art
