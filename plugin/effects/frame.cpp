// Live Frame: a rectangular frame of copies of each source object, a run
// along each side and optionally one copy in each corner, walked from the
// object's own place counterclockwise (right, up, left, down) or clockwise
// (up, right, down, left).
#include "effects/frame.h"
#include "effects/placement.h"
#include "effects/tile_placement.h"
#include "shell/globals.h"

namespace vx {
namespace {

constexpr float kQuarterPi = 0.785398163397448f;
constexpr float kHalfPi = 1.5707963267949f;

// One frame's walk: the running position, the turn of the next copy, and
// the copies placed inside the group at the bottom (each below the earlier).
struct FrameWalk {
  AIArtHandle into;
  AIArtHandle source;
  AIRealPoint centre;
  bool keepAngle;
  float x = 0, y = 0, a = 0;

  // Changes the turn; a frame whose copies keep their angle never turns.
  void Turn(float by) {
    if (!keepAngle) a += by;
  }
  // With splitTurn (the third run, on hosts other than version 8) the copy
  // first turns by half its angle in place, then by the other half as it
  // moves: the same placement.
  ASErr Place(float px, float py, bool splitTurn = false) {
    AIArtHandle copy = nullptr;
    if (ASErr err = sArt->DuplicateArt(source, kPlaceInsideOnBottom, into, &copy)) return err;
    if (!splitTurn) return PlaceTile(copy, centre, AIRealPoint{px, py}, a, 1.0f, 1.0f);
    const float half = a * 0.5f;
    if (ASErr err = PlaceTile(copy, centre, AIRealPoint{0, 0}, half, 1.0f, 1.0f)) return err;
    return PlaceTile(copy, centre, AIRealPoint{px, py}, half, 1.0f, 1.0f);
  }
};

// Counterclockwise: S, K and O from the object's width.
ASErr Counterclockwise(FrameWalk& w, const FramePGParams& p, float S, float K, float O,
                       bool corner, bool split) {
  for (int32_t n = 0; n < p.sideH; ++n, w.x += S)  // bottom, rightwards
    if (ASErr err = w.Place(w.x, 0)) return err;
  w.x += K - S;
  if (corner) {
    w.Turn(kQuarterPi);
    if (ASErr err = w.Place(w.x, 0)) return err;
    w.Turn(-kQuarterPi);
  }
  if (O < 0) {
    w.y = K + O;
  } else {
    w.x -= O;
    w.y = K;
  }
  w.Turn(kHalfPi);
  for (int32_t n = 0; n < p.sideV; ++n, w.y += S)  // right, upwards
    if (ASErr err = w.Place(w.x, w.y)) return err;
  w.y += K - S;
  if (corner) {
    w.Turn(kQuarterPi);
    if (ASErr err = w.Place(w.x, w.y)) return err;
    w.Turn(-kQuarterPi);
  }
  if (O < 0) {
    w.x -= K + O;
  } else {
    w.y -= O;
    w.x -= K;
  }
  w.Turn(kHalfPi);
  for (int32_t n = 0; n < p.sideH; ++n, w.x -= S)  // top, leftwards
    if (ASErr err = w.Place(w.x, w.y, split)) return err;
  w.x -= K - S;
  if (corner) {
    w.Turn(kQuarterPi);
    if (ASErr err = w.Place(w.x, w.y)) return err;
    w.Turn(-kQuarterPi);
  }
  if (O < 0) {
    w.y -= K + O;
  } else {
    w.x += O;
    w.y -= K;
  }
  w.Turn(kHalfPi);
  for (int32_t n = 0; n < p.sideV; ++n, w.y -= S)  // left, downwards
    if (ASErr err = w.Place(w.x, w.y)) return err;
  w.y -= K - S;
  if (!corner) return kNoErr;
  w.Turn(kQuarterPi);
  return w.Place(w.x, w.y);
}

// Clockwise: S, K and O from the object's height.
ASErr Clockwise(FrameWalk& w, const FramePGParams& p, float S, float K, float O,
                bool corner, bool split) {
  for (int32_t n = 0; n < p.sideV; ++n, w.y += S)  // left, upwards
    if (ASErr err = w.Place(0, w.y)) return err;
  w.y += K - S;
  if (corner) {
    w.Turn(-kQuarterPi);
    if (ASErr err = w.Place(0, w.y)) return err;
    w.Turn(kQuarterPi);
  }
  if (O < 0) {
    w.y += O;
    w.x = K;
  } else {
    w.x = K - O;
  }
  w.Turn(-kHalfPi);
  for (int32_t n = 0; n < p.sideH; ++n, w.x += S)  // top, rightwards
    if (ASErr err = w.Place(w.x, w.y)) return err;
  w.x += K - S;
  if (corner) {
    w.Turn(-kQuarterPi);
    if (ASErr err = w.Place(w.x, w.y)) return err;
    w.Turn(kQuarterPi);
  }
  if (O < 0) {
    w.x += O;
    w.y -= K;
  } else {
    w.y -= K - O;
  }
  w.Turn(-kHalfPi);
  for (int32_t n = 0; n < p.sideV; ++n, w.y -= S)  // right, downwards
    if (ASErr err = w.Place(w.x, w.y, split)) return err;
  w.y -= K - S;
  if (corner) {
    w.Turn(-kQuarterPi);
    if (ASErr err = w.Place(w.x, w.y)) return err;
    w.Turn(kQuarterPi);
  }
  if (O < 0) {
    w.y -= O;
    w.x -= K;
  } else {
    w.x -= K - O;
  }
  w.Turn(-kHalfPi);
  for (int32_t n = 0; n < p.sideH; ++n, w.x -= S)  // bottom, leftwards
    if (ASErr err = w.Place(w.x, w.y)) return err;
  w.x -= K - S;
  if (!corner) return kNoErr;
  w.Turn(-kQuarterPi);
  return w.Place(w.x, w.y);
}

ASErr FrameOne(AIArtHandle into, AIArtHandle source, const FramePGParams& p) {
  AIRealRect bounds{};
  AIRealPoint centre{};
  if (ASErr err = TileFrameOf(source, &bounds, &centre)) return err;
  const bool ccw = p.cycling != 0;
  const float base = ccw ? bounds.right - bounds.left : bounds.top - bounds.bottom;
  const bool relative = p.frameSpaceMode == 0;
  const float S = relative ? base * p.sidesSpace : p.sidesSpace;
  const float K = relative ? base * p.cornerSpace : p.cornerSpace;
  const float O = K * p.cornerOffset;
  const bool corner = p.drawAtCorner && p.cornerOffset == 0.0f;
  const bool split = !gGlobals->HostIsAI8;
  FrameWalk walk{into, source, centre, p.keepAngle != 0};
  return ccw ? Counterclockwise(walk, p, S, K, O, corner, split)
             : Clockwise(walk, p, S, K, O, corner, split);
}

}  // namespace

ASErr FrameBuild(AIArtHandle into, AIArtHandle editGroup, const void* record) {
  const auto& p = *static_cast<const FramePGParams*>(record);
  return ForEachSource(editGroup, [&](AIArtHandle source) { return FrameOne(into, source, p); });
}

}  // namespace vx
