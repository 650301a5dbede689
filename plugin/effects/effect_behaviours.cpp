// What differs between the thirteen effects, in effect order. Border is
// complete; Neon and Trail build their results. The others have their
// palettes, records, presets and the whole framework, but their own items,
// updates and action keys come with their effects: until then their update
// leaves the result group empty, a played-back action applies the palette's
// current record unchanged, and recording writes an empty parameter value.
#include "effects/border_effect.h"
#include "effects/effect_framework.h"
#include "effects/neon.h"
#include "effects/trail.h"

namespace vx {
namespace {

constexpr EffectButtons kBorderButtons{34, 35, 36, 37, 38};
constexpr EffectButtons kReflectionsButtons{10, 11, 12, 13, 14};
constexpr EffectButtons kSharedRowButtons{90, 91, 92, 93, 94};

// The result of an effect whose update is not built yet: nothing.
ASErr EmptyResult(AIArtHandle, AIArtHandle, const void*) { return kNoErr; }
ASErr KeepRecord(AIActionParamValueRef, void*) { return kNoErr; }
ASErr NoKeys(SPPluginRef, AIActionParamValueRef, const void*) { return kNoErr; }

constexpr EffectBehaviour Pending(EffectButtons buttons) {
  return {buttons, nullptr, nullptr, EmptyResult, KeepRecord, NoKeys};
}

const EffectBehaviour kBehaviours[kEffectCount] = {
    {kBorderButtons, BorderSetUpItems, BorderRefresh, BorderBuild,
     BorderReadAction, BorderWriteAction},
    Pending(kSharedRowButtons),     // Circle
    Pending(kSharedRowButtons),     // Cutout
    Pending(kSharedRowButtons),     // Emboss
    Pending(kSharedRowButtons),     // Explosion
    Pending(kSharedRowButtons),     // Frame
    Pending(kSharedRowButtons),     // Galaxy
    Pending(kSharedRowButtons),     // Generation
    {kSharedRowButtons, nullptr, nullptr, NeonBuild, KeepRecord, NoKeys},
    Pending(kReflectionsButtons),   // Reflections
    Pending(kSharedRowButtons),     // Shadow
    Pending(kSharedRowButtons),     // Tiling
    {kSharedRowButtons, nullptr, nullptr, TrailBuild, KeepRecord, NoKeys, true},
};

}  // namespace

const EffectBehaviour& Behaviour(int effect) { return kBehaviours[effect]; }

}  // namespace vx
