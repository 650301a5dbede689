// Fractalize's engine, shared by the filter and the live effect: seeding,
// resampling with jitter, and the substitution of every span of a path by
// the generator, level after level.
#pragma once

#include <cstdint>

#include "filters/fractalize_params.h"
#include "vx_sdk.h"

namespace vx {

// The largest path the substitution starts from or produces.
constexpr int32_t kFractalSegmentLimit = 8000;
// The resampled list lives in a buffer of this many segments and a path that
// would reach kResampleLimit anchors is not resampled.
constexpr int32_t kResampleCapacity = 8192;
constexpr int32_t kResampleLimit = 8191;

// Seeds the host's random generator. A fresh seed (the tick count) is drawn
// when ReuseSeed is 0 or ForceNewSeed is set; otherwise FractalSeed is kept
// and the reuse flag is used up (ReuseSeed by the filter, ReuseSeedNextLive
// by the live effect).
void SeedFractalRandom(bool liveEffect);

// The number of segments the substitution gives a path of n segments, or 0
// when the result would fall outside 1 .. 8000 (mult stops growing once it
// passes 8000, so nothing overflows).
int32_t SubstitutedCount(int32_t n, bool closed, int32_t generatorCount,
                         int32_t level);

// Replaces every span (as a straight chord) of old[0 .. n) by the generator,
// `level` times. old and out must both hold `total` = SubstitutedCount(...)
// segments; old is used as scratch between levels. The generator's +y side
// falls to the left of the direction of travel. The result is out[0 .. total).
void SubstituteSegments(Segment* old, Segment* out, int32_t n, bool closed,
                        const Segment* gen, int32_t m, int32_t level);

// Resamples the host path into pieces of equal arc length (72 / density
// points, never below 0.5) and jitters the anchors with the host's random
// generator; nothing when density is 0 or the path has fewer than two
// segments, or when the resampled path would reach 8191 anchors. With a
// generator of m > 0 segments to follow, a resampled path whose substitution
// at params.level would pass the segment limit is not written either and
// the answer is "SEGM": a path the substitution skips is left as it was,
// not left resampled. The resampled list goes to `list` (kResampleCapacity
// segments) when the caller keeps one for many paths, else to a buffer of
// its own.
ASErr ResamplePath(AIArtHandle path, const FractalizeParams& params, int32_t m,
                   Segment* list = nullptr);

// Substitutes the host path in place. "SEGM" when the result would leave
// 1 .. 8000 segments or the path has more than 8000; a path of fewer than
// two segments, or a level below 1, is left as it is.
ASErr SubstitutePath(AIArtHandle path, const Segment* gen, int32_t m,
                     int32_t level);

// Resampling (when density is not 0) then substitution; `list` as for
// ResamplePath.
ASErr FractalizePath(AIArtHandle path, const FractalizeParams& params,
                     const Segment* gen, int32_t m, Segment* list = nullptr);

// The filter's run over the selected paths: loads the generator, seeds the
// random generator, fractalizes every selected path in order with a progress
// bar. "!sel" without a selected path; "SEGM" of a path is skipped; "STOP"
// when the user cancels (the paths done stay changed). Every buffer and the
// progress bar are closed on every way out.
ASErr FractalizeSelection(SPPluginRef plugin, const FractalizeParams& params);

// The live effect's walk over its input art: a group or compound path is
// entered at its first child, then that element and each following sibling
// are handled (containers recursively, paths fractalized with "SEGM"
// ignored, other art skipped); a cancel ends the walk with "STOP".
ASErr FractalizeArtTree(AIArtHandle art, const FractalizeParams& params,
                        const Segment* gen, int32_t m);

}  // namespace vx
