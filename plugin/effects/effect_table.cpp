#include "effects/effect_table.h"

#include <iterator>

#include "effects/border.h"
#include "effects/circle.h"
#include "effects/cutout.h"
#include "effects/emboss.h"
#include "effects/explosion.h"
#include "effects/frame.h"
#include "effects/galaxy.h"
#include "effects/generation.h"
#include "effects/neon.h"
#include "effects/reflections.h"
#include "effects/shadow.h"
#include "effects/tiling.h"
#include "effects/trail.h"
#include "shell/globals.h"

namespace vx {
namespace {

// Effect order: Border, Circle, Cutout, Emboss, Explosion, Frame, Galaxy,
// Generation, Neon, Reflections, Shadow, Tiling, Trail.
const EffectRow* const kEffects[] = {
    &kBorderEffect,     &kCircleEffect,     &kCutoutEffect, &kEmbossEffect,
    &kExplosionEffect,  &kFrameEffect,      &kGalaxyEffect, &kGenerationEffect,
    &kNeonEffect,       &kReflectionsEffect, &kShadowEffect, &kTilingEffect,
    &kTrailEffect};
static_assert(std::size(kEffects) == kEffectCount);

const ActionKeySpec kFractalizeKeys[] = {
    {ActionKey("gene"), ActionKey("enum"), true},
    {ActionKey("genH"), ActionKey("real"), true},
    {ActionKey("levl"), ActionKey("long"), true},
    {ActionKey("dens"), ActionKey("real"), true},
    {ActionKey("unev"), ActionKey("real"), true},
    {ActionKey("uneU"), ActionKey("long"), false}};

const ActionSpec kFractalizeAction = {"VsX4_Fractalize_Action", res::kFractalizeActionTexts, kFractalizeKeys,
                                      int(std::size(kFractalizeKeys))};

bool SameNoCase(const char* a, const char* b) {
  for (; *a && *b; ++a, ++b) {
    char x = *a, y = *b;
    if (x >= 'A' && x <= 'Z') x = char(x - 'A' + 'a');
    if (y >= 'A' && y <= 'Z') y = char(y - 'A' + 'a');
    if (x != y) return false;
  }
  return *a == *b;
}

}  // namespace

ASErr PendingBuild(AIArtHandle, AIArtHandle, const void*) { return kNoErr; }

const EffectRow& Effect(int index) { return *kEffects[index]; }

int FindEffectNamed(const char* name) {
  for (int i = 0; i < kEffectCount; ++i)
    if (SameNoCase(kEffects[i]->name, name)) return i;
  return -1;
}

const ActionSpec& FractalizeAction() { return kFractalizeAction; }

}  // namespace vx
