// Change stamps: numbers that change whenever an object or anything in it
// changes (content, id, name, locked or hidden, members added, removed or
// reordered; plug-in group art's edit and result groups included) and come
// back when undo brings the object back. The selection does not count. A
// viewer compares stamps to know which objects to draw again, and the shape
// and structure stamps to know whether drawing them again means only
// setting attributes.
#pragma once

#include <cstdint>

namespace vx::host::art {

class Art;

struct ChangeStamp {
  // Any change.
  uint64_t any = 0;
  // The make-up of the subtree: its members' kinds, order and shape
  // revisions, not their uids. Equal stamps with `any` differing: only
  // what a writer puts in attributes changed (paint and style, ids, names,
  // hidden, data stores), even where the art was made again as copies of
  // unchanged art (an effect's result rebuilt with other colours).
  uint64_t shape = 0;
  // The make-up alone: the members' kinds and order. Equal while a drag
  // only moves points, so a viewer can set the new path data on the
  // elements it has.
  uint64_t structure = 0;

  bool operator==(const ChangeStamp&) const = default;
};

// The stamps of art and its subtree: a walk over its objects (not their
// segments), so cheap next to writing them.
ChangeStamp StampOf(const Art& art);

}  // namespace vx::host::art
