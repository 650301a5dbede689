// The circular-area sweep shared by the Broom and Craft tools: the falloff
// inside the target area, where one point goes for each of the four sweeps,
// how the pinch and twirl amounts grow, the click filter, the Shift axis
// lock and the outline of the area indicator.
//
// Coordinates are page points, y up. Everything here is plain arithmetic in
// 32-bit floats; the host operations live with the tools.
#pragma once

#include <cstdint>

#include "tools/area_tracking.h"
#include "vx_sdk.h"

namespace vx {

// Radius limits of the area, for the palette and the Alt-drag.
constexpr float kMinAreaRadius = 1.0f;
constexpr float kMaxAreaRadius = 4000.0f;

// Growth of the pinch amount per point dragged up: the Broom's rate, and the
// Craft tool's twice that.
constexpr float kBroomPinchRate = 0.025f;
constexpr float kCraftPinchRate = 0.05f;

// The click filter: a first step within kAreaClickTicks of the mouse down and
// strictly within kAreaClickDistance of the previous point in both coordinates
// does nothing. A mouse up within kAreaNoMoveDistance of the down point changes
// nothing either.
constexpr int32_t kAreaClickTicks = 30;
constexpr float kAreaClickDistance = 2.0f;
constexpr float kAreaNoMoveDistance = 1.0f;

// The falloff w = |1 - d / radius| to the power `resistance`, multiplied out
// resistance - 1 times (so a resistance below 1 counts as 1). Callers leave
// points at d >= radius alone before asking.
float AreaWeight(float d, float radius, int16_t resistance);

// Where point x goes in step s. False (and *out = x) when x lies on or
// outside the area's edge. Free: x + w (P - D); Dynamic: x + w (P - Q);
// Pinch: centre + k (x - centre), k = w pinch + 1 and 0 when that is
// negative; Twirl: x turned about the centre by w twirl (counter-clockwise
// for a positive amount, y up). An unknown sweep moves nothing.
bool SweepPoint(const AreaStep& s, const AIRealPoint& x, AIRealPoint* out);

// The pinch amount's growth for a step from q to p: (p.v - q.v) rate.
float PinchIncrement(const AIRealPoint& q, const AIRealPoint& p, float rate);
// The change of direction from centre->q to centre->p, in (-pi, pi]; 0 when
// p or q coincides with the centre.
float TwirlIncrement(const AIRealPoint& centre, const AIRealPoint& q,
                     const AIRealPoint& p);

// The click filter of the first drag step: fewer than kAreaClickTicks since
// the mouse down and PointsClose(p, q, kAreaClickDistance).
bool IsClickStep(bool firstStep, int32_t ticksSinceDown, const AIRealPoint& p,
                 const AIRealPoint& q);

// The Shift axis lock. The first step with Shift locks the axis that moved
// less since the previous point (|dx| <= |dy| keeps x); while locked that
// coordinate of p is q's. Without Shift the lock is cleared.
AIRealPoint LockAreaAxis(AxisLock* lock, bool shift, const AIRealPoint& p,
                         const AIRealPoint& q);
// p under a lock that is already set (kAxisFree: p itself).
AIRealPoint ApplyLock(AxisLock lock, const AIRealPoint& p, const AIRealPoint& q);

// Anchors of the area indicator.
constexpr int32_t kIndicatorSegments = 4;
// The indicator: a closed circle of radius r about c through four smooth
// anchors at its top, right, bottom and left (in that order), each with
// handles of length 0.55229 r along the circle.
void AreaIndicatorSegments(const AIRealPoint& c, float r,
                           Segment out[kIndicatorSegments]);

// The radius an Alt-drag from the indicator's centre c to p sets: the
// distance, kept within kMinAreaRadius .. kMaxAreaRadius.
float DraggedRadius(const AIRealPoint& c, const AIRealPoint& p);

}  // namespace vx
