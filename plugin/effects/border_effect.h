// Live Border's update: its steps, shading and the two styles. The styling
// routines it shares with other effects are in art_styling.h.
#pragma once

#include <cstdint>

#include "effects/art_styling.h"
#include "effects/border.h"
#include "vx_sdk.h"

namespace vx {

// Steps of the automatic modes for a stroke width (0 for Manual).
float AutoSteps(float strokeWidth, int32_t stepsMode);
// Shade f at position t (0..1) for gradient arc a (-1..1): 1 the stroke
// colour, 0 the fill colour.
float ShadeCurve(float t, float arc);

// What MeasureStrokes found since the last reset.
struct StrokeMeasure {
  int32_t mostSteps = 0;
  float widestStroke = 0;
};
// Walks the art's paths and text runs with stroke paint; each raises the
// most steps (AutoSteps truncated) and the widest stroke.
ASErr MeasureStrokes(AIArtHandle art, int32_t stepsMode, StrokeMeasure* measure);

ASErr BorderOutside(AIArtHandle group, AIArtHandle source,
                    const BorderPGParams& params);
ASErr BorderInside(AIArtHandle group, AIArtHandle source,
                   const BorderPGParams& params);
ASErr BuildClipMask(AIArtHandle clipGroup, AIArtHandle source);

}  // namespace vx
