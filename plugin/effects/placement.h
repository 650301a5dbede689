// Placing copies of source art for the effects that repeat it (Galaxy,
// Explosion, Circle, Reflections; Tiling, Generation and Frame build on the
// same pieces): affine matrices composed in the order they apply, the
// transform of every leaf of a copy, the two-step form of turns by a
// multiple of pi, the centre mark, and the seeds of scattering effects.
//
// Coordinates are page points, y up; angles are radians, counter-clockwise.
// Every routine answers the first failing host call's code; a copy left
// half placed stays where it is (the next update rebuilds the result).
#pragma once

#include <cstdint>

#include "shell/suites.h"
#include "vx_sdk.h"

namespace vx {

constexpr float kTwoPi = 6.28318530717959f;

// An affine matrix built step by step in the order the steps apply to a
// point: Translate(1, 0).Rotate(a) first moves, then turns about (0, 0).
// 32-bit arithmetic throughout, as the records hold their values.
class MatrixChain {
 public:
  MatrixChain& Translate(float dx, float dy);
  MatrixChain& Translate(const AIRealPoint& by) { return Translate(by.h, by.v); }
  MatrixChain& Rotate(float angle);
  MatrixChain& Scale(float sx, float sy);
  const AIRealMatrix& matrix() const { return m_; }

 private:
  MatrixChain& Then(const AIRealMatrix& next);
  AIRealMatrix m_{1, 0, 0, 1, 0, 0};
};

// The options every copy is transformed with: the objects, fill gradients,
// fill patterns and stroke patterns (line scale 1.0: stroke widths stay).
constexpr int32_t kCopyTransformFlags = kTransformObjects | kTransformFillGradients |
                                        kTransformFillPatterns |
                                        kTransformStrokePatterns;

// Transforms art by m. A group or compound path is not transformed as a
// whole: each of its members is, recursively, so every leaf takes the same
// matrix (and the reference points computed for the whole object).
ASErr TransformLeaves(AIArtHandle art, const AIRealMatrix& m);

// True when angle lies within 0.001 of a whole multiple of pi: the
// remainder of |angle| after whole multiples of pi is below 0.001 or above
// pi - 0.001.
bool NearMultipleOfPi(float angle);
// True when a turn by angle must be made in two transforms (first 0.1
// radians, then the rest): on every host but version 8, for angles near a
// multiple of pi. The two transforms reach the same placement.
bool TurnsInTwoSteps(float angle);
constexpr float kFirstTurnStep = 0.1f;

// The two points a copy is placed by: the core it turns about and the point
// it is scaled about (its centre for Galaxy, the middle of its left edge for
// Explosion).
struct CopyFrame {
  AIRealPoint core;    // A
  AIRealPoint centre;  // M
};

// Scales the copy by s about M, carries it d along the x axis from its place
// relative to A and turns it by a about A:
//   translate(-M), scale(s, s), translate(M - A), translate(d, 0), rotate(a),
//   translate(A).
ASErr PlaceCopy(AIArtHandle copy, const CopyFrame& frame, float d, float a, float s);
// The same with a turn by -a right after the scaling: the copy revolves
// about A without turning.
ASErr PlaceCopyKeepAngle(AIArtHandle copy, const CopyFrame& frame, float d,
                         float a, float s);
// PlaceCopyKeepAngle when keepAngle, otherwise PlaceCopy; a turn that
// TurnsInTwoSteps is made as PlaceCopy(d, 0.1, s) followed by
// PlaceCopy(0, a - 0.1, 1).
ASErr PlaceCopyTurned(AIArtHandle copy, const CopyFrame& frame, float d, float a,
                      float s, bool keepAngle);

// Marks the point at with a cross of two open three-point paths, 4 points
// to each side, inside group on top: no fill, a black 0.5-point stroke
// (overprinted, solid, butt caps, miter joins, miter limit 4) over the
// host's current path style.
ASErr DrawCentreMark(AIArtHandle group, const AIRealPoint& at);

// The seed of one scattering update. With sameSequence the record's stored
// seed; otherwise the tick count plus tickOffset, which is also written to
// *paletteSeed (the palette's current record keeps the last seed used, so
// that Apply or Live Update stores it in the art; null while no palette
// exists). Arithmetic wraps as 32-bit unsigned.
int32_t UpdateSeed(int32_t sameSequence, int32_t storedSeed, uint32_t tickOffset,
                   int32_t* paletteSeed);
// seed + k, wrapping as 32-bit unsigned (seeds are bit patterns).
int32_t SeedPlus(int32_t seed, int32_t k);
// One value of the host's random generator, in [0, 1), centred: r - 0.5.
float CentredRandom();

// The host's visible bounds of art (stroke included).
ASErr VisibleBounds(AIArtHandle art, AIRealRect* bounds);

// Whether an update of this effect art regenerates it now (Galaxy,
// Explosion and Circle): always on a version-8 host; on others only while
// the art is selected (the art itself or an object of its edit group) or
// the host's text focus is the text object that is the edit group's first
// child (its topmost object), so that typing into the source text updates
// it. *yes false keeps the last result.
ASErr RegeneratesInFocus(AIArtHandle art, bool* yes);

// Calls make(child) for every child of the edit group, first to last; the
// first error ends the walk.
template <typename Make>
ASErr ForEachSource(AIArtHandle editGroup, Make&& make) {
  AIArtHandle child = nullptr;
  if (ASErr err = sArt->GetArtFirstChild(editGroup, &child)) return err;
  while (child) {
    if (ASErr err = make(child)) return err;
    if (ASErr err = sArt->GetArtSibling(child, &child)) return err;
  }
  return kNoErr;
}

}  // namespace vx
