#include "host/art/change_stamp.h"

#include "host/art/art.h"

namespace vx::host::art {
namespace {

// FNV-1a over the 64-bit words of the walk.
void Mix(uint64_t& hash, uint64_t word) {
  for (int i = 0; i < 8; ++i, word >>= 8) {
    hash ^= word & 0xFF;
    hash *= 0x100000001B3ull;
  }
}

// Each object adds its uid and revision (every change of its own makes a
// new revision) to `any`, its kind and shape revision to `shape`, its kind
// to `structure`, and a mark for where its members end to all three, so that a member moving in or
// out of it changes them too.
void Walk(const Art& art, ChangeStamp& stamp) {
  Mix(stamp.any, art.uid());
  Mix(stamp.any, art.revision());
  Mix(stamp.shape, uint64_t(int64_t(art.kind())));
  Mix(stamp.shape, art.shapeRevision());
  Mix(stamp.structure, uint64_t(int64_t(art.kind())));
  for (const Art* part : {art.editGroup(), art.resultGroup()})
    if (part) Walk(*part, stamp);
  for (const Art* c = art.firstChild(); c; c = c->sibling()) Walk(*c, stamp);
  Mix(stamp.any, ~uint64_t(0));
  Mix(stamp.shape, ~uint64_t(0));
  Mix(stamp.structure, ~uint64_t(0));
}

}  // namespace

ChangeStamp StampOf(const Art& art) {
  ChangeStamp stamp{0xCBF29CE484222325ull, 0xCBF29CE484222325ull, 0xCBF29CE484222325ull};
  Walk(art, stamp);
  return stamp;
}

}  // namespace vx::host::art
