// The tracking state the Broom and Craft tools keep besides the shared drag
// state (ToolTracking): the target area, the points of the drag, the pinch
// and twirl amounts, the axis lock and the indicator. One set, in
// PluginGlobals, valid from a mouse down to its mouse up.
#pragma once

#include <cstdint>

#include "vx_sdk.h"

namespace vx {

// The four sweeps, as the records store them (Broom `sweep`, Craft
// `distortion`).
enum AreaSweep : int16_t {
  kSweepFree = 0,     // along the straight line from the down point
  kSweepDynamic = 1,  // along the dragged path, the area following it
  kSweepPinch = 2,    // away from or towards the centre
  kSweepTwirl = 3,    // about the centre
};

// One drag step of an area tool: what a point's new place depends on.
struct AreaStep {
  int16_t sweep;        // AreaSweep
  int16_t resistance;   // falloff exponent, 1 .. 5
  float radius;         // areaRadius, points
  AIRealPoint centre;   // the area centre: D, or P for Dynamic
  AIRealPoint down;     // D
  AIRealPoint previous; // Q
  AIRealPoint current;  // P
  float pinch;          // the pinch amount
  float twirl;          // the twirl amount, radians
};

// The Shift axis lock of a drag (see LockAreaAxis).
enum AxisLock : int16_t { kAxisFree = 0, kAxisKeepH = 1, kAxisKeepV = 2 };

struct AreaTracking {
  AreaStep step;              // sweep, falloff, B, D, Q, P and the amounts
  AIArtHandle indicator;      // the area indicator on the artwork, or null
  AIRealPoint indicatorCentre;
  int32_t radiusMode;         // Alt at mouse down: the drag sets the radius
  int32_t firstStep;          // no drag step has passed the click filter yet
  AxisLock lock;
  AIRealPoint lastRecorded;   // Drag Along: the last recorded pointer
  float lastAmount;           // Drag Along: the last recorded twirl amount
};

}  // namespace vx
