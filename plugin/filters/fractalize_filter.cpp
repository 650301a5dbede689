#include "generated/resource_ids.h"
#include "filters/fractalize_filter.h"

#include <cstdio>

#include "effects/effect_table.h"
#include "filters/fractalize_dialog.h"
#include "filters/fractalize_engine.h"
#include "filters/fractalize_generator.h"
#include "geometry/segment_buffer.h"
#include "presets/preset_store.h"
#include "shell/blocks.h"
#include "shell/globals.h"
#include "shell/suites.h"

namespace vx {
namespace {

constexpr const char* kRandSeedKey = "randSeed";

constexpr ActionParamKeyID Key(const char (&k)[5]) {
  return VX_FOURCC(k[0], k[1], k[2], k[3]);
}

// The host's parameter block of the filter, made (with the last used
// values, else the factory ones) when the host has none.
ASErr ParameterBlock(AIFilterMessage* message, FractalizeParams** record) {
  *record = nullptr;
  auto handle = static_cast<AIMdMemoryHandle>(message->parameters);
  if (!handle) {
    if (!sMdMemory ||
        sMdMemory->MdMemoryNewHandle(sizeof(FractalizeParams), &handle) ||
        !handle || !*handle)
      return kMemErr4;
    auto* fresh = static_cast<FractalizeParams*>(*handle);
    *fresh = kFractalizeFactoryParams;
    FractalizeParams last = kFractalizeFactoryParams;
    if (!LoadLastSettingOrDefaults(kFractalizePresetFile, &last)) *fresh = last;
    gGlobals->fractalizeDialogPosition.saved = 0;
    message->parameters = handle;
  }
  *record = static_cast<FractalizeParams*>(*handle);
  return kNoErr;
}

ASErr RequireSelectedPath() {
  AIArtHandleList arts = nullptr;
  int32_t count = 0, segments = 0;
  ASErr err = GatherSelectedPaths(&arts, &count, &segments, nullptr);
  ReleaseArtList(&arts);
  return err;
}

// Runs the dialog in filter mode over record; true on OK (on Cancel the
// record is put back). The preview's changes are undone either way.
ASErr RunFilterDialog(SPPluginRef plugin, FractalizeParams* record, bool* ok) {
  const FractalizeParams kept = *record;
  PluginGlobals& g = *gGlobals;
  g.FractalSeed = static_cast<int32_t>(sUser->GetTickCount());
  sRandom->SetRndSeed(g.FractalSeed);
  FractalizeDialogContext context{plugin, FractalizeMode::kFilter, record,
                                  nullptr};
  ASErr err = RunFractalizeDialog(&context, ok);
  if (!*ok) *record = kept;
  g.ReuseSeed = 1;
  ASErr undone = sUndo->UndoChanges();
  return err ? err : undone;
}

}  // namespace

ASErr FractalizeGetParameters(AIFilterMessage* message) {
  if (ASErr err = RequireSelectedPath()) return err;
  FractalizeParams* record = nullptr;
  if (ASErr err = ParameterBlock(message, &record)) return err;
  bool ok = false;
  if (ASErr err = RunFilterDialog(message->d.self, record, &ok)) return err;
  return ok ? kNoErr : kCanceledErr;
}

ASErr FractalizeGo(AIFilterMessage* message) {
  FractalizeParams* record = nullptr;
  if (ASErr err = ParameterBlock(message, &record)) return err;
  return FractalizeSelection(message->d.self, *record);
}

ASErr FractalizeRecordAction(AIFilterMessage* message) {
  if (!sActionManager) return kNoErr;
  ASBoolean recording = 0;
  if (ASErr err = sActionManager->InRecordMode(&recording)) return err;
  if (!recording) return kNoErr;
  FractalizeParams* record = nullptr;
  if (ASErr err = ParameterBlock(message, &record)) return err;
  const FractalizeParams& p = *record;
  AIActionParamValueRef value = nullptr;
  if (ASErr err = sActionManager->AINewActionParamValue(&value)) return err;
  char name[128] = "";
  const int16_t generator = static_cast<int16_t>(p.generator);
  sADMBasic->GetIndexString(message->d.self, res::kFractalizeActionTexts, kGeneratorFirstName + generator - 1,
                            name, sizeof name);
  ASErr err = sActionManager->AIActionSetEnumerated(value, Key("gene"), name,
                                                    generator);
  if (!err)
    err = sActionManager->AIActionSetUnitReal(value, Key("genH"), unitPercent,
                                              p.genHeight);
  if (!err)
    err = sActionManager->AIActionSetInteger(value, Key("levl"),
                                             static_cast<int16_t>(p.level));
  if (!err)
    err = sActionManager->AIActionSetUnitReal(value, Key("dens"),
                                              unitResolution, p.density);
  const int16_t unit = static_cast<int16_t>(p.unevenUnit);
  if (!err)
    err = sActionManager->AIActionSetUnitReal(
        value, Key("unev"), unit == 0 ? unitPercent : unitPixels, p.uneven);
  if (!err) err = sActionManager->AIActionSetInteger(value, Key("uneU"), unit);
  if (!err)
    err = sActionManager->RecordActionEvent(FractalizeAction().eventName,
                                            kDialogOff, value);
  ASErr deleted = sActionManager->AIDeleteActionParamValue(value);
  return err ? err : deleted;
}

ASErr FractalizeDoAction(DoActionMessage* message) {
  FractalizeParams p = kFractalizeFactoryParams;
  (void)LoadLastSettingOrDefaults(kFractalizePresetFile, &p);
  if (message->param && sActionManager) {
    // A value the recording lacks keeps the last used one.
    AIActionParamValueRef v = message->param;
    char name[128];
    int32_t integer = 0;
    AIReal real = 0;
    ActionParamUnitID unit = 0;
    if (!sActionManager->AIActionGetEnumerated(v, Key("gene"), name,
                                               sizeof name, &integer) &&
        integer >= 1 && integer <= kGeneratorCount)
      p.generator = static_cast<uint32_t>(integer);
    if (!sActionManager->AIActionGetUnitReal(v, Key("genH"), &unit, &real))
      p.genHeight = real;
    if (!sActionManager->AIActionGetInteger(v, Key("levl"), &integer) &&
        integer >= 1)
      p.level = static_cast<uint32_t>(integer);
    if (!sActionManager->AIActionGetUnitReal(v, Key("dens"), &unit, &real))
      p.density = real;
    if (!sActionManager->AIActionGetInteger(v, Key("uneU"), &integer))
      p.unevenUnit = integer ? 1 : 0;
    if (!sActionManager->AIActionGetUnitReal(v, Key("unev"), &unit, &real))
      p.uneven = real;
  }
  if (message->showDialog) {
    if (ASErr err = RequireSelectedPath()) return err;
    bool ok = false;
    if (ASErr err = RunFilterDialog(message->d.self, &p, &ok)) return err;
    if (!ok) return kNoErr;
  }
  return FractalizeSelection(message->d.self, p);
}

ASErr FractalizeEditParameters(AILiveEffectEditParamMessage* message) {
  PluginGlobals& g = *gGlobals;
  FractalizeParams p = kFractalizeFactoryParams;
  if (ReadFractalizeEntries(message->parameters, &p)) {
    p = kFractalizeFactoryParams;
    g.FractalSeed = static_cast<int32_t>(sUser->GetTickCount());
    g.fractalizeDialogPosition.saved = 0;
  }
  const FractalizeParams kept = p;
  FractalizeDialogContext context{message->d.self, FractalizeMode::kEffect, &p,
                                  message->parameters};
  bool ok = false;
  ASErr err = RunFractalizeDialog(&context, &ok);
  g.ReuseSeed = 1;
  g.ReuseSeedNextLive = 1;
  sRandom->SetRndSeed(g.FractalSeed);
  if (err) return err;
  if (!ok) {
    // The previews rewrote the dictionary: put it back as it was.
    (void)(message->isNew ? RemoveFractalizeEntries(message->parameters)
                          : WriteFractalizeEntries(message->parameters, kept));
    (void)sUndo->UndoChanges();
    return kCanceledErr;
  }
  if (ASErr e = WriteFractalizeEntries(message->parameters, p)) return e;
  return sLiveEffect->UpdateParameters(message->parameters);
}

ASErr FractalizeGoLive(AILiveEffectGoMessage* message) {
  PluginGlobals& g = *gGlobals;
  FractalizeParams p = kFractalizeFactoryParams;
  if (ReadFractalizeEntries(message->parameters, &p)) return kNoErr;
  int32_t seed = 0;
  if (message->instanceInfo &&
      !sDictionary->GetIntegerEntry(message->instanceInfo, kRandSeedKey, &seed)) {
    g.FractalSeed = seed;
    g.ReuseSeed = 1;
  }
  SeedFractalRandom(true);
  if (message->instanceInfo)
    if (ASErr err = sDictionary->SetIntegerEntry(message->instanceInfo,
                                                 kRandSeedKey, g.FractalSeed))
      return err;
  Segment* gen = nullptr;
  int32_t m = 0;
  if (ASErr err = LoadGenerator(message->d.self, static_cast<int16_t>(p.generator),
                                p.genHeight, &gen, &m))
    return err;
  ASErr err = message->art ? FractalizeArtTree(message->art, p, gen, m) : kNoErr;
  void* block = gen;
  FreeBlock(block);
  return err;
}

}  // namespace vx
