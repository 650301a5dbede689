// A palette's bound fields in the plain form the module exports to the
// program that drives it (VxEffectField, sdk/vx_effects.h), for the live
// effects' and the tools' tables.
#pragma once

#include "palettes/palette_binding.h"
#include "vx_sdk.h"

namespace vx {

// The field as the command line reads it: its enabling (or showing) field
// named by the binding field stored where the rule looks.
VxEffectField DescribeField(const PaletteBinding& b, const PaletteField& f);

}  // namespace vx
