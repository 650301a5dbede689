#include "tools/copy_sources.h"

#include "shell/suites.h"

namespace vx {
namespace {
// The pick distance of the host's selection tools, points.
constexpr AIReal kPickTolerance = 3.0f;
}  // namespace

ASErr IsCopySource(AIArtHandle art, bool* source) {
  *source = false;
  int16_t type = kUnknownArt;
  if (ASErr err = sArt->GetArtType(art, &type)) return err;
  if (type != kPathArt && type != kGroupArt && type != kCompoundPathArt) return kNoErr;
  ASBoolean layerGroup = false;
  if (ASErr err = sArt->IsArtLayerGroup(art, &layerGroup)) return err;
  AIArtHandle parent = nullptr;
  if (layerGroup || sArt->GetArtParent(art, &parent) || !parent) return kNoErr;
  if (ASErr err = sArt->IsArtLayerGroup(parent, &layerGroup)) return err;
  int32_t attr = 0;
  if (!layerGroup)
    if (ASErr err = sArt->GetArtUserAttr(parent, kArtSelected, &attr)) return err;
  *source = layerGroup || !(attr & kArtSelected);
  return kNoErr;
}

ASErr StyleUnderPointer(AIRealPoint where, AIPathStyle* style, bool* found) {
  *found = false;
  AIHitTestResult hit{};
  if (ASErr err = sHitTest->HitTest(nullptr, &where, kPickTolerance, &hit)) return err;
  if (hit.part == kNothingPart || !hit.art) return kNoErr;
  int16_t type = kUnknownArt;
  if (ASErr err = sArt->GetArtType(hit.art, &type)) return err;
  if (type != kPathArt) return kNoErr;
  *found = true;
  return sPathStyle->GetPathStyle(hit.art, style);
}

}  // namespace vx
