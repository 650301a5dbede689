// The Wave tool's five shapes as point mappings. A drag step sets up one
// WaveGeometry from the selection's bounds, the down point and the pointer;
// every point of every path then goes through WaveMapPoint.
//
// Coordinates as for the Warp tool: `across` is the axis the wave runs
// along (x, or y in the Alt variant) and `along` the axis the drag moves
// points on (y, or x with Alt). All arithmetic is single precision.
#pragma once

#include <cstdint>

#include "vx_sdk.h"

namespace vx {

constexpr int32_t kWaveShapeCount = 5;
// The shape whose paths are first squeezed across by 1 / (cycle pi) and
// then rolled round (x' = cx + H sin(...)).
constexpr int16_t kWaveRollShape = 4;

// One drag step's geometry in across / along coordinates.
struct WaveGeometry {
  int16_t shape;
  bool alt;      // across is y, along is x
  float x0;      // reference column (across)
  float y0;      // reference row (along)
  float k;       // shape scale
  float a;       // drag amount (amplitude), after shape 2's sign change
  float half;    // H: half the extent across (shape 4: H / (cycle pi))
  float cycle;   // wave cycles
  float crest;   // the pointer's across coordinate (the crest column)
  float centre;  // the bounds' centre across (shape 4's fixed column)
};

// Sets up shape `shape` (0 .. 4) with `cycle` cycles for the drag from
// `down` to `pointer` over `bounds` (page points, y up); `crest` is the
// across coordinate that places the crest (the pointer's, or a Full Cycle
// copy's). False when the step leaves the artwork unchanged: zero-width or
// zero-height bounds, a shape outside the table, or a cycle that is not a
// positive number.
bool WaveSetUp(int16_t shape, float cycle, bool alt, const AIRealRect& bounds,
               AIRealPoint down, AIRealPoint pointer, float crest,
               WaveGeometry* g);

// Maps one page point (already squeezed for shape 4). The wave is not
// limited to H: every point of the selection moves.
void WaveMapPoint(const WaveGeometry& g, AIRealPoint* p);

// Shape 4's squeeze before mapping: scale by 1 / (cycle pi) across, about
// the bounds' centre, as a host matrix (x' = a x + c y + tx, y' = b x + d y
// + ty).
AIRealMatrix WaveSqueeze(const WaveGeometry& g, const AIRealRect& bounds);

// Full Cycle: the crest column of copy `index` (1 .. count) of `count`,
// spread evenly across the selection from its low edge (left, with Alt
// bottom), one step of extent / count apart.
float WaveFullCycleCrest(const AIRealRect& bounds, bool alt, int32_t index,
                         int32_t count);

}  // namespace vx
