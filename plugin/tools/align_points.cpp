#include "tools/align_points.h"

#include <cmath>

#include "generated/resource_ids.h"
#include "geometry/segment_buffer.h"
#include "shell/suites.h"

namespace vx {
namespace {

// How near the pointer a key point must be for the hit test, in points:
// the pick distance of the host's own selection tools.
constexpr AIReal kHitTolerance = 3.0f;
// Text on a path: its start must lie this near the mouse in x and y.
constexpr AIReal kTextStartReach = 1.0f;

// The anchor-selected segments of one path, each written back alone.
ASErr AlignPath(AIArtHandle path, AIRealPoint key, AlignMode mode) {
  int16_t count = 0;
  if (ASErr err = sPath->GetPathSegmentCount(path, &count)) return err;
  for (int16_t i = 0; i < count; ++i) {
    int16_t selected = 0;
    if (ASErr err = sPath->GetPathSegmentSelected(path, i, &selected)) return err;
    if (selected != kSegmentPointSelected) continue;
    Segment s{};
    if (ASErr err = sPath->GetPathSegments(path, i, 1, &s)) return err;
    AlignSegment(&s, key, mode);
    if (ASErr err = sPath->SetPathSegments(path, i, 1, &s)) return err;
  }
  return kNoErr;
}

ASErr AlignTextPath(AIArtHandle textPath, AIRealPoint key, AlignMode mode) {
  AIArtHandle path = nullptr;
  if (ASErr err = sTextPath->GetTextPathPath(textPath, &path)) return err;
  return path ? AlignPath(path, key, mode) : kNoErr;
}

// Text art: text on a path aligns the path it flows along (its first text
// path with a path, the walk ends there); point text, which has no text
// path, moves its start.
ASErr AlignText(AIArtHandle text, AIRealPoint key, AlignMode mode) {
  AIArtHandle child = nullptr;
  if (ASErr err = sArt->GetArtFirstChild(text, &child)) return err;
  bool onPath = false;
  for (; child; ) {
    int16_t type = 0;
    if (ASErr err = sArt->GetArtType(child, &type)) return err;
    if (type == kTextPathArt) {
      AIArtHandle path = nullptr;
      if (ASErr err = sTextPath->GetTextPathPath(child, &path)) return err;
      if (path) return AlignPath(path, key, mode);
      onPath = true;
    }
    if (ASErr err = sArt->GetArtSibling(child, &child)) return err;
  }
  if (onPath) return kNoErr;
  AIRealPoint start{};
  if (ASErr err = sText->GetTextStart(text, &start)) return err;
  start = AlignPoint(start, key, mode);
  return sText->SetTextStart(text, &start);
}

}  // namespace

AlignMode AlignModeOfCursor(int16_t cursorId) {
  if (cursorId == res::kAlignBothCursor) return AlignMode::kBoth;
  if (cursorId == res::kAlignYCursor) return AlignMode::kY;
  return AlignMode::kX;
}

AIRealPoint AlignPoint(AIRealPoint p, AIRealPoint key, AlignMode mode) {
  if (mode != AlignMode::kY) p.h = key.h;
  if (mode != AlignMode::kX) p.v = key.v;
  return p;
}

void AlignSegment(Segment* s, AIRealPoint key, AlignMode mode) {
  const AIRealPoint d{key.h - s->p.h, key.v - s->p.v};
  if (mode != AlignMode::kY) {
    s->p.h = key.h;
    s->in.h += d.h;
    s->out.h += d.h;
  }
  if (mode != AlignMode::kX) {
    s->p.v = key.v;
    s->in.v += d.v;
    s->out.v += d.v;
  }
}

ASErr GatherAlignable(AIArtHandleList* arts, int32_t* count) {
  *arts = nullptr;
  *count = 0;
  const AIMatchingArtSpec specs[3] = {{kPathArt, kArtSelected, kArtSelected},
                                      {kTextArt, kArtSelected, kArtSelected},
                                      {kTextPathArt, kArtSelected, kArtSelected}};
  ASErr err = sMatchingArt->GetMatchingArt(specs, 3, arts, count);
  if (!err && (*count <= 0 || !*arts)) err = kBadSelectionErr;
  if (err) ReleaseArtList(arts);
  return err;
}

ASErr FindKeyPoint(AIRealPoint mouse, AIRealPoint* key, bool* found) {
  *found = false;
  AIHitTestResult hit{};
  if (ASErr err = sHitTest->HitTest(nullptr, &mouse, kHitTolerance, &hit)) return err;
  if (hit.part == kNothingPart || !hit.art) return kNoErr;
  int16_t type = 0;
  if (ASErr err = sArt->GetArtType(hit.art, &type)) return err;
  if (type == kPathArt && hit.part == kAnchorPart) {
    Segment s{};
    if (ASErr err = sPath->GetPathSegments(hit.art, hit.segmentIndex, 1, &s)) return err;
    *key = s.p;
    *found = true;
  } else if (type == kPathArt && hit.part == kCenterPart) {
    AIRealRect b{};
    if (ASErr err = sArt->GetArtBounds(hit.art, &b)) return err;
    *key = {(b.left + b.right) / 2, (b.top + b.bottom) / 2};
    *found = true;
  } else if (type == kTextPathArt && hit.part == kTextStartPart) {
    AIRealPoint start{};
    if (ASErr err = sTextPath->GetTextPathStart(hit.art, &start)) return err;
    if (std::fabs(start.h - mouse.h) <= kTextStartReach &&
        std::fabs(start.v - mouse.v) <= kTextStartReach) {
      *key = start;
      *found = true;
    }
  }
  return kNoErr;
}

ASErr AlignArtList(AIArtHandleList arts, int32_t count, AIRealPoint key,
                   AlignMode mode) {
  for (int32_t i = 0; i < count; ++i) {
    AIArtHandle art = (*arts)[i];
    int16_t type = 0;
    if (ASErr err = sArt->GetArtType(art, &type)) return err;
    ASErr err = kNoErr;
    if (type == kPathArt) err = AlignPath(art, key, mode);
    else if (type == kTextArt) err = AlignText(art, key, mode);
    else if (type == kTextPathArt) err = AlignTextPath(art, key, mode);
    if (err) return err;
  }
  return kNoErr;
}

}  // namespace vx
