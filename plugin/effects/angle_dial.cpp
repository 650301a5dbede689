#include "effects/angle_dial.h"

#include <cmath>

#include "effects/effect_framework.h"
#include "presets/param_record.h"
#include "shell/suites.h"

namespace vx {
namespace {

constexpr float kDegreesPerRadian = 180.0f / 3.14159265358979323846f;

// The dial's user data: the field offset (low 16 bits) and the spin edit id.
struct DialInfo {
  uint32_t fieldOffset;
  int32_t spinEditId;
};

DialInfo InfoOf(ADMItemRef item) {
  const auto packed = reinterpret_cast<uintptr_t>(sADMItem->GetUserData(item));
  return {uint32_t(packed & 0xFFFF), int32_t(packed >> 16)};
}

float* AngleOf(ADMItemRef item) {
  const int effect = EffectOfDialog(sADMItem->GetDialog(item));
  if (effect < 0 || !gGlobals->effectRecords[effect]) return nullptr;
  auto* record = static_cast<uint8_t*>(gGlobals->effectRecords[effect]);
  return reinterpret_cast<float*>(record + InfoOf(item).fieldOffset);
}

ASRect LocalBounds(ADMItemRef item) {
  ASRect r{};
  sADMItem->GetBoundsRect(item, &r);
  return ASRect{0, 0, r.right - r.left, r.bottom - r.top};
}

void DrawDial(ADMItemRef item, ADMDrawerRef drawer) {
  ASRect r{};
  sADMDrawer->GetBoundsRect(drawer, &r);
  sADMDrawer->ClearRect(drawer, &r);
  sADMDrawer->SetRGBColor(drawer, 0x000000);
  sADMDrawer->DrawOval(drawer, &r);
  const float* angle = AngleOf(item);
  if (!angle) return;
  const ASPoint centre{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  const ASPoint end = DialLineEnd(r, *angle);
  sADMDrawer->DrawLine(drawer, &centre, &end);
}

ASBoolean TrackDial(ADMItemRef item, ADMTrackerRef tracker) {
  sADMItem->DefaultTrack(item, tracker);
  ASPoint point{};
  sADMTracker->GetPoint(tracker, &point);
  float* angle = AngleOf(item);
  if (angle) {
    *angle = DialAngleAt(LocalBounds(item), point);
    ADMItemRef spin = sADMDialog->GetItem(sADMItem->GetDialog(item),
                                          InfoOf(item).spinEditId);
    if (spin)
      sADMItem->SetFloatValue(spin, AIReal(std::round(ShownDegrees(*angle))));
  }
  sADMItem->Invalidate(item);
  return true;
}

}  // namespace

float ShownDegrees(float radians) { return radians * kDegreesPerRadian; }

ASPoint DialLineEnd(const ASRect& r, float angle) {
  const ASPoint centre{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  const float length = float(r.right - r.left) * 0.5f;
  return ASPoint{centre.h + int32_t(std::lround(length * std::cos(-angle))),
                 centre.v + int32_t(std::lround(length * std::sin(-angle)))};
}

float DialAngleAt(const ASRect& bounds, ASPoint point) {
  const int32_t dx = point.h - (bounds.right - bounds.left) / 2;
  const int32_t dy = point.v - (bounds.bottom - bounds.top) / 2;
  return -std::atan2(float(dy), float(dx));
}

void SetUpAngleDial(ADMItemRef dial, uint32_t fieldOffset, int32_t spinEditId,
                    ADMItemNotifyProc notify) {
  if (!dial) return;
  ASRect r{};
  sADMItem->GetBoundsRect(dial, &r);
  r.bottom = r.top + (r.right - r.left);
  sADMItem->SetBoundsRect(dial, &r);
  const uintptr_t packed =
      (uintptr_t(uint32_t(spinEditId)) << 16) | (fieldOffset & 0xFFFF);
  sADMItem->SetUserData(dial, reinterpret_cast<void*>(packed));
  sADMItem->SetDrawProc(dial, DrawDial);
  sADMItem->SetTrackProc(dial, TrackDial);
  sADMItem->SetNotifyProc(dial, notify);
}

}  // namespace vx
