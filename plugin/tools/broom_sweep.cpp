#include "tools/broom_sweep.h"

#include <algorithm>

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

// Moves every segment of one path by delta, kSweepChunk at a time.
ASErr OffsetPath(AIArtHandle path, const AIRealPoint& delta, Segment* scratch) {
  int16_t count = 0;
  if (ASErr err = sPath->GetPathSegmentCount(path, &count)) return err;
  for (int32_t first = 0; first < count; first += kSweepChunk) {
    const auto n = static_cast<int16_t>(std::min<int32_t>(kSweepChunk, count - first));
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

// Moves one object: a unit as a whole, a path of at least 2 segments by its
// own centre; anything else stays. *unit tells which it was.
ASErr SweepObject(const AreaStep& step, bool groupAsUnit, AIArtHandle art,
                  Segment* scratch, bool* unit) {
  int16_t type = kUnknownArt;
  if (ASErr err = sArt->GetArtType(art, &type)) return err;
  if (ASErr err = IsUnit(art, type, groupAsUnit, unit)) return err;
  if (!*unit && type != kPathArt) return kNoErr;
  if (!*unit) {
    int16_t count = 0;
    if (ASErr err = sPath->GetPathSegmentCount(art, &count)) return err;
    if (count < 2) return kNoErr;
  }
  AIRealPoint r, delta;
  if (ASErr err = ReferenceOf(art, &r)) return err;
  if (!SweepDelta(step, r, &delta)) return kNoErr;
  return *unit ? OffsetTree(art, delta, scratch) : OffsetPath(art, delta, scratch);
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

ASErr NeedSuites() {
  return sArt && sPath ? kNoErr : kSPSuiteNotFoundError;
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

ASErr SweepSelection(const AreaStep& step, bool groupAsUnit, const AIArtHandle* arts,
                     int32_t count, Segment* scratch) {
  if (ASErr err = NeedSuites()) return err;
  AIArtHandle unit = nullptr;  // the last object moved as one
  for (int32_t i = 1; i < count; ++i) {
    if (unit) {
      bool inside = false;
      if (ASErr err = IsInside(arts[i], unit, &inside)) return err;
      if (inside) continue;
    }
    bool isUnit = false;
    if (ASErr err = SweepObject(step, groupAsUnit, arts[i], scratch, &isUnit)) return err;
    if (isUnit) unit = arts[i];
  }
  return kNoErr;
}

ASErr SweepArtTree(const AreaStep& step, bool groupAsUnit, AIArtHandle root,
                   Segment* scratch) {
  if (ASErr err = NeedSuites()) return err;
  int16_t type = kUnknownArt;
  int32_t attrs = 0;
  if (ASErr err = sArt->GetArtType(root, &type)) return err;
  if (ASErr err = sArt->GetArtUserAttr(root, kArtSelected, &attrs)) return err;
  if (attrs & kArtSelected) {
    bool unit = false;
    if (ASErr err = SweepObject(step, groupAsUnit, root, scratch, &unit)) return err;
    if (unit || type == kPathArt) return kNoErr;
  }
  AIArtHandle child = nullptr;
  if (type == kPluginArt) {
    if (!sPluginGroup) return kSPSuiteNotFoundError;
    AIArtHandle edit = nullptr;
    if (ASErr err = sPluginGroup->GetPluginArtEditArt(root, &edit)) return err;
    if (ASErr err = sArt->GetArtFirstChild(edit, &child)) return err;
  } else if (IsContainerType(type)) {
    if (ASErr err = sArt->GetArtFirstChild(root, &child)) return err;
  }
  for (; child;) {
    if (ASErr err = SweepArtTree(step, groupAsUnit, child, scratch)) return err;
    if (ASErr err = sArt->GetArtSibling(child, &child)) return err;
  }
  return kNoErr;
}

}  // namespace vx
