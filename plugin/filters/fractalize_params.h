// Fractalize: its parameter record, the filter's parameter block and the
// unit of its presets.
#pragma once

#include <cstddef>
#include <cstdint>

#include "presets/param_record.h"

namespace vx {

struct FractalizeParams {
  char name[kParamNameSize];
  uint32_t generator;   // 1 .. 14 (read as 16-bit)
  float genHeight;      // percent of the generator's drawn height
  uint32_t level;       // substitution passes (read as 16-bit)
  float density;        // segments per inch; 0 turns resampling off
  float uneven;         // jitter amplitude
  uint32_t unevenUnit;  // 0 percent of the half-diagonal, 1 points
};
static_assert(sizeof(FractalizeParams) == 88);
static_assert(offsetof(FractalizeParams, generator) == 64);
static_assert(offsetof(FractalizeParams, genHeight) == 68);
static_assert(offsetof(FractalizeParams, level) == 72);
static_assert(offsetof(FractalizeParams, density) == 76);
static_assert(offsetof(FractalizeParams, uneven) == 80);
static_assert(offsetof(FractalizeParams, unevenUnit) == 84);

constexpr FractalizeParams kFractalizeFactoryParams = {
    .name = {},
    .generator = 1,
    .genHeight = 100.0f,
    .level = 1,
    .density = 5.0f,
    .uneven = 0.0f,
    .unevenUnit = 0};

}  // namespace vx
