#include "tools/area_frame.h"

#include "shell/suites.h"

namespace vx {
namespace {

// Handle length of a quarter circle of radius 1 drawn as one cubic.
constexpr float kKappa = 0.55228475f;
constexpr float kFrameWidth = 0.5f;

}  // namespace

ASErr DrawAreaFrame(AIRealPoint centre, float radius, AIArtHandle* frame) {
  *frame = nullptr;
  AIArtHandle art = nullptr;
  if (ASErr err = sArt->NewArt(kPathArt, kPlaceAboveAll, nullptr, &art)) return err;
  *frame = art;
  const float r = radius, k = radius * kKappa;
  const float x = centre.h, y = centre.v;
  // Counter-clockwise from the right: right, top, left, bottom.
  const Segment segments[4] = {
      {{x + r, y}, {x + r, y - k}, {x + r, y + k}, 0},
      {{x, y + r}, {x + k, y + r}, {x - k, y + r}, 0},
      {{x - r, y}, {x - r, y + k}, {x - r, y - k}, 0},
      {{x, y - r}, {x - k, y - r}, {x + k, y - r}, 0}};
  if (ASErr err = sPath->SetPathSegmentCount(art, 4)) return err;
  if (ASErr err = sPath->SetPathSegments(art, 0, 4, segments)) return err;
  if (ASErr err = sPath->SetPathClosed(art, true)) return err;
  AIPathStyle style{};
  if (ASErr err = sPathStyle->GetPathStyle(art, &style)) return err;
  style.fillPaint = false;
  style.strokePaint = true;
  style.stroke.color.kind = kThreeColor;
  style.stroke.color.c.rgb = {0.0f, 0.5f, 1.0f};
  style.stroke.width = kFrameWidth;
  return sPathStyle->SetPathStyle(art, &style);
}

ASErr RemoveAreaFrame(AIArtHandle* frame) {
  AIArtHandle art = *frame;
  *frame = nullptr;
  if (!art || !sArt->ValidArt(art)) return kNoErr;
  return sArt->DisposeArt(art);
}

}  // namespace vx
