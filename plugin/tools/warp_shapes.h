// The Warp tool's 22 shapes as point mappings. Each shape is one row: where
// its reference column and row lie, its scale and the mapping family. A
// drag step sets up one WarpGeometry from the selection's bounds, the down
// point and the pointer; every point of every path then goes through
// WarpMapPoint.
//
// Coordinates: `across` is the axis the bend spreads along (x, or y in the
// Alt variant) and `along` the axis the drag moves points on (y, or x with
// Alt). The bounds' low and high edges on `along` are B and T without Alt,
// L and R with it. All arithmetic is single precision.
#pragma once

#include <cstdint>

#include "vx_sdk.h"

namespace vx {

constexpr int32_t kWarpShapeCount = 22;

enum class WarpMapping : int32_t {
  kCosineBend, kCircularBulge, kCircularShift, kCosineCup, kCosineHump,
  kCosineShift, kArcsineSlant, kLinearFold, kLinearPeak, kLinearShift
};

struct WarpShape {
  bool mirrored;        // reference column 2c - pointer; else the pointer's
  int8_t row;           // reference row: 0 centre, -1 low edge, 1 high edge
  int8_t scale;         // k: 2 = 2b, 1 = b, 0 = h (b / 2), -1 = `constant`
  float constant;       // k of the shapes with a fixed scale
  bool negated;         // the drag amount changes sign (the high-edge rows)
  WarpMapping mapping;
};

extern const WarpShape kWarpShapes[kWarpShapeCount];

// One drag step's geometry in across / along coordinates.
struct WarpGeometry {
  WarpMapping mapping;
  bool alt;          // across is y, along is x
  bool perspective;
  float x0;          // reference column (across)
  float y0;          // reference row (along)
  float k;           // shape scale
  float a;           // drag amount, after the shape's sign change
  float w;           // reach, widened by the margin
  float q;           // Perspective factor, 0 .. 1 (0 without Perspective)
};

// The base scale b = 1 / extent, raised to 0.001 and lowered to 10.
float WarpBaseScale(float extent);

// Sets up shape `shape` (0 .. 21) for the drag from `down` to `pointer`
// over `bounds` (page points, y up). False when the step leaves the artwork
// unchanged: zero-width or zero-height bounds, a shape outside the table,
// or a gate (with Perspective, shapes 0-5, 7-12 and 15-20 need a > 0;
// without it shapes 6, 14 and 21 need a != 0; shape 13 always a != 0).
bool WarpSetUp(int32_t shape, float margin, bool perspective, bool alt,
               const AIRealRect& bounds, AIRealPoint down, AIRealPoint pointer,
               WarpGeometry* g);

// Maps one page point. False (and p unchanged) when the point lies at the
// reach or beyond it under a mapping that fades out there.
bool WarpMapPoint(const WarpGeometry& g, AIRealPoint* p);

}  // namespace vx
