// What differs between the thirteen effects, in effect order. Border is
// complete; Circle, Explosion, Galaxy and Reflections build their results.
// The others have their palettes, records, presets and the whole framework,
// but their own items, updates and action keys come with their effects:
// until then their update leaves the result group empty, a played-back
// action applies the palette's current record unchanged, and recording
// writes an empty parameter value.
#include "effects/border_effect.h"
#include "effects/circle.h"
#include "effects/effect_framework.h"
#include "effects/explosion.h"
#include "effects/galaxy.h"
#include "effects/placement.h"
#include "effects/reflections.h"

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
  return {buttons, nullptr, nullptr, EmptyResult, KeepRecord, NoKeys, nullptr};
}

// An effect whose update is built while its palette items and action keys
// are still to come; `regenerates` as the effect rules (null: always).
constexpr EffectBehaviour Updating(EffectButtons buttons,
                                   ASErr (*build)(AIArtHandle, AIArtHandle, const void*),
                                   ASErr (*regenerates)(AIArtHandle, bool*)) {
  return {buttons, nullptr, nullptr, build, KeepRecord, NoKeys, regenerates};
}

const EffectBehaviour kBehaviours[kEffectCount] = {
    {kBorderButtons, BorderSetUpItems, BorderRefresh, BorderBuild,
     BorderReadAction, BorderWriteAction, nullptr},
    Updating(kSharedRowButtons, CircleBuild, RegeneratesInFocus),     // Circle
    Pending(kSharedRowButtons),     // Cutout
    Pending(kSharedRowButtons),     // Emboss
    Updating(kSharedRowButtons, ExplosionBuild, RegeneratesInFocus),  // Explosion
    Pending(kSharedRowButtons),     // Frame
    Updating(kSharedRowButtons, GalaxyBuild, RegeneratesInFocus),     // Galaxy
    Pending(kSharedRowButtons),     // Generation
    Pending(kSharedRowButtons),     // Neon
    Updating(kReflectionsButtons, ReflectionsBuild, nullptr),         // Reflections
    Pending(kSharedRowButtons),     // Shadow
    Pending(kSharedRowButtons),     // Tiling
    Pending(kSharedRowButtons),     // Trail
};

}  // namespace

const EffectBehaviour& Behaviour(int effect) { return kBehaviours[effect]; }

}  // namespace vx
