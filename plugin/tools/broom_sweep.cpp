#include "tools/broom_sweep.h"

#include <algorithm>

#include "geometry/bezier.h"
#include "shell/suites.h"

namespace vx {

namespace {

bool IsContainerType(int16_t type) { return type == kGroupArt || type == kCompoundPathArt; }

AIRealPoint BoundsCentre(const AIRealRect& b) {
  return {(b.left + b.right) * 0.5f, (b.top + b.bottom) * 0.5f};
}

ASErr ReferenceOf(AIArtHandle art, AIRealPoint* r) {
  AIRealRect b{};
  if (ASErr err = sArt->GetArtBounds(art, &b)) return err;
  *r = BoundsCentre(b);
  return kNoErr;
}

// Moves every segment of one path by delta, a scratch-full at a time.
ASErr OffsetPath(AIArtHandle path, const AIRealPoint& delta, Segment* scratch) {
  int16_t count = 0;
  if (ASErr err = sPath->GetPathSegmentCount(path, &count)) return err;
  for (int32_t first = 0; first < count; first += kScratchSegments) {
    const auto n = static_cast<int16_t>(std::min<int32_t>(kScratchSegments, count - first));
    const auto at = static_cast<int16_t>(first);
    if (ASErr err = sPath->GetPathSegments(path, at, n, scratch)) return err;
    OffsetSegments(scratch, n, delta);
    if (ASErr err = sPath->SetPathSegments(path, at, n, scratch)) return err;
  }
  return kNoErr;
}

// Moves every path under root (nested groups and compound paths) by delta.
ASErr OffsetTree(AIArtHandle root, const AIRealPoint& delta, Segment* scratch) {
  AIArtHandle child = nullptr;
  if (ASErr err = sArt->GetArtFirstChild(root, &child)) return err;
  for (; child;) {
    int16_t type = kUnknownArt;
    if (ASErr err = sArt->GetArtType(child, &type)) return err;
    if (type == kPathArt) {
      if (ASErr err = OffsetPath(child, delta, scratch)) return err;
    } else if (IsContainerType(type)) {
      if (ASErr err = OffsetTree(child, delta, scratch)) return err;
    }
    if (ASErr err = sArt->GetArtSibling(child, &child)) return err;
  }
  return kNoErr;
}

// Whether art is a group or compound path to move as one object.
ASErr IsUnit(AIArtHandle art, int16_t type, bool groupAsUnit, bool* unit) {
  *unit = false;
  if (!groupAsUnit || !IsContainerType(type)) return kNoErr;
  ASBoolean layerGroup = 0;
  if (ASErr err = sArt->IsArtLayerGroup(art, &layerGroup)) return err;
  if (layerGroup) return kNoErr;
  int32_t attrs = 0;
  if (ASErr err = sArt->GetArtUserAttr(art, kArtFullySelected, &attrs)) return err;
  *unit = (attrs & kArtFullySelected) != 0;
  return kNoErr;
}

// Whether art lies inside ancestor (not art itself).
ASErr IsInside(AIArtHandle art, AIArtHandle ancestor, bool* inside) {
  *inside = false;
  AIArtHandle parent = nullptr;
  if (ASErr err = sArt->GetArtParent(art, &parent)) return err;
  for (; parent; ) {
    if (parent == ancestor) {
      *inside = true;
      return kNoErr;
    }
    if (ASErr err = sArt->GetArtParent(parent, &parent)) return err;
  }
  return kNoErr;
}

}  // namespace

void OffsetSegments(Segment* segments, int32_t count, const AIRealPoint& delta) {
  for (int32_t i = 0; i < count; ++i) {
    Segment& s = segments[i];
    s.p.h += delta.h, s.p.v += delta.v;
    s.in.h += delta.h, s.in.v += delta.v;
    s.out.h += delta.h, s.out.v += delta.v;
  }
}

bool SweepDelta(const AreaStep& step, const AIRealPoint& r, AIRealPoint* delta) {
  AIRealPoint moved;
  if (!SweepPoint(step, r, &moved)) return false;
  *delta = {moved.h - r.h, moved.v - r.v};
  return true;
}

ASErr SweepObject(const AreaStep& step, bool groupAsUnit, AIArtHandle art,
                  Segment* scratch, SweptAs* kind) {
  *kind = kSweptNothing;
  if (!sArt || !sPath) return kSPSuiteNotFoundError;
  int16_t type = kUnknownArt;
  bool unit = false;
  if (ASErr err = sArt->GetArtType(art, &type)) return err;
  if (ASErr err = IsUnit(art, type, groupAsUnit, &unit)) return err;
  if (!unit && type != kPathArt) return kNoErr;
  *kind = unit ? kSweptUnit : kSweptPath;
  if (!unit) {
    int16_t count = 0;
    if (ASErr err = sPath->GetPathSegmentCount(art, &count)) return err;
    if (count < 2) return kNoErr;
  }
  AIRealPoint r, delta;
  if (ASErr err = ReferenceOf(art, &r)) return err;
  if (!SweepDelta(step, r, &delta)) return kNoErr;
  return unit ? OffsetTree(art, delta, scratch) : OffsetPath(art, delta, scratch);
}

ASErr SweepSelection(const AreaStep& step, bool groupAsUnit, const AIArtHandle* arts,
                     int32_t count, Segment* scratch) {
  AIArtHandle unit = nullptr;  // the last object moved as one
  for (int32_t i = 1; i < count; ++i) {
    if (unit) {
      bool inside = false;
      if (ASErr err = IsInside(arts[i], unit, &inside)) return err;
      if (inside) continue;
    }
    SweptAs kind = kSweptNothing;
    if (ASErr err = SweepObject(step, groupAsUnit, arts[i], scratch, &kind)) return err;
    if (kind == kSweptUnit) unit = arts[i];
  }
  return kNoErr;
}

}  // namespace vx
