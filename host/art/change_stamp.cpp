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
// new revision) and a mark for where its members end, so that a member
// moving in or out of it changes the stamp too.
void Walk(const Art& art, uint64_t& hash) {
  Mix(hash, art.uid());
  Mix(hash, art.revision());
  for (const Art* part : {art.editGroup(), art.resultGroup()})
    if (part) Walk(*part, hash);
  for (const Art* c = art.firstChild(); c; c = c->sibling()) Walk(*c, hash);
  Mix(hash, ~uint64_t(0));
}

}  // namespace

uint64_t ChangeStamp(const Art& art) {
  uint64_t hash = 0xCBF29CE484222325ull;
  Walk(art, hash);
  return hash;
}

}  // namespace vx::host::art
