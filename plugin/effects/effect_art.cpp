// Effect art: writing records into it, wrapping the selection in it,
// releasing and expanding it, and the update skeleton.
#include <cstring>

#include "effects/effect_framework.h"
#include "effects/effect_table.h"
#include "effects/selection_walk.h"
#include "presets/param_record.h"
#include "shell/blocks.h"
#include "shell/error_report.h"

namespace vx {
namespace {

// Alert 1 of res::kEffectAlerts: another live effect is already applied.
constexpr int32_t kOtherEffectAlert = 1;

bool IsClippingPath(AIArtHandle path, ASErr* err) {
  AIPathStyle style{};
  *err = sPathStyle->GetPathStyle(path, &style);
  return style.clip != 0;
}

// The path style of a text object's first run; false when it has none.
bool FirstRunStyle(AIArtHandle text, AIPathStyle* style, ASErr* err) {
  AIArtHandle child = nullptr;
  *err = sArt->GetArtFirstChild(text, &child);
  while (!*err && child) {
    int16_t type = 0;
    if ((*err = sArt->GetArtType(child, &type))) return false;
    if (type == kTextRunArt) {
      *err = sTextRun->GetTextRunStyle(child, style);
      return !*err;
    }
    *err = sArt->GetArtSibling(child, &child);
  }
  return false;
}

// Duplicates every child of `from` just above `art`, in order, then deletes
// art: the copies take the effect art's place.
ASErr ReplaceByChildren(AIArtHandle art, AIArtHandle from) {
  AIArtHandle child = nullptr;
  if (ASErr err = sArt->GetArtFirstChild(from, &child)) return err;
  while (child) {
    AIArtHandle copy = nullptr;
    if (ASErr err = sArt->DuplicateArt(child, kPlaceAbove, art, &copy)) return err;
    if (ASErr err = sArt->GetArtSibling(child, &child)) return err;
  }
  return sArt->DisposeArt(art);
}

ASErr TouchLocked(AIArtHandle art) {
  if (ASErr err = sArt->SetArtUserAttr(art, kArtLocked, kArtLocked)) return err;
  return sArt->SetArtUserAttr(art, kArtLocked, 0);
}

using ArtOperation = ASErr (*)(AIArtHandle);

ASErr ForEachSelectedEffectArt(int effect, ArtOperation operation) {
  SelectedArtList list;
  if (ASErr err = list.Fetch()) return err;
  for (int32_t i = kFirstWalkedEntry; i < list.count(); ++i) {
    // Earlier operations may have deleted art further down the list.
    if (!sArt->ValidArt(list[i])) continue;
    if (!IsEffectArtOf(effect, list[i])) continue;
    if (ASErr err = operation(list[i])) return err;
  }
  return kNoErr;
}

}  // namespace

bool IsEffectArtOf(int effect, AIArtHandle art) {
  int16_t type = 0;
  if (sArt->GetArtType(art, &type) || type != kPluginArt) return false;
  AIPluginGroupHandle group = nullptr;
  if (sPluginGroup->GetPluginArtPluginGroup(art, &group)) return false;
  return group && group == gGlobals->effectSlots[effect].group;
}

int EffectOfGroup(AIPluginGroupHandle group) {
  if (!group) return -1;
  for (int i = 0; i < kEffectCount; ++i)
    if (gGlobals->effectSlots[i].group == group) return i;
  return -1;
}

ASErr WriteRecordToArt(int effect, AIArtHandle art, const void* record) {
  const EffectRow& info = Effect(effect);
  BlockPtr<uint8_t> buffer;
  if (ASErr err = buffer.Allocate(size_t(info.record.size), info.record.name)) return err;
  // The name area means nothing in effect art: it is stored as zeros.
  std::memset(buffer.get(), 0, kParamNameSize);
  std::memcpy(buffer.get() + kParamNameSize,
              static_cast<const uint8_t*>(record) + kParamNameSize,
              size_t(info.record.size) - kParamNameSize);
  if (ASErr err = sPluginGroup->SetPluginArtDataCount(art, size_t(info.record.size)))
    return err;
  return sPluginGroup->SetPluginArtDataRange(art, buffer.get(), 0,
                                             size_t(info.record.size));
}

ASErr WriteParamsToArt(int effect, AIArtHandle art) {
  const void* record = gGlobals->effectRecords[effect];
  if (!record) return kNoErr;
  return WriteRecordToArt(effect, art, record);
}

ASErr LiveUpdateSelection(int effect) {
  if (!gGlobals->effectSlots[effect].liveUpdate) return kNoErr;
  SelectedArtList list;
  if (ASErr err = list.Fetch()) return err;
  for (int32_t i = kFirstWalkedEntry; i < list.count(); ++i)
    if (IsEffectArtOf(effect, list[i]))
      if (ASErr err = WriteParamsToArt(effect, list[i])) return err;
  return kNoErr;
}

ASErr CountEligibleDescendants(int effect, AIArtHandle art, int32_t* count) {
  int32_t total = 0;
  AIArtHandle child = nullptr;
  if (ASErr err = sArt->GetArtFirstChild(art, &child)) return err;
  while (child) {
    ++total;
    int16_t type = 0;
    if (ASErr err = sArt->GetArtType(child, &type)) return err;
    if (type == kTextArt) return -2;
    if (type == kPluginArt && !IsEffectArtOf(effect, child)) return -1;
    if (type == kGroupArt || type == kCompoundPathArt) {
      int32_t inner = 0;
      ASErr err = CountEligibleDescendants(effect, child, &inner);
      if (err) return err;
      total += inner;
    }
    if (ASErr err = sArt->GetArtSibling(child, &child)) return err;
  }
  *count += total;
  return kNoErr;
}

ASErr WrapInEffectArt(int effect, AIPluginGroupHandle group, AIArtHandle* slot,
                      const void* record, AIArtHandle source) {
  if (!*slot) {
    if (ASErr err = sArt->NewArt(kPluginArt, kPlaceAbove, source, slot)) return err;
    if (ASErr err = sPluginGroup->UseAIPluginGroup(*slot, group)) return err;
    if (ASErr err = WriteRecordToArt(effect, *slot, record)) return err;
  }
  if (ASErr err = TouchLocked(source)) return err;
  AIArtHandle edit = nullptr;
  if (ASErr err = sPluginGroup->GetPluginArtEditArt(*slot, &edit)) return err;
  return sArt->ReorderArt(source, kPlaceInsideOnBottom, edit);
}

ASErr ApplyToSelection(int effect) {
  if (!gGlobals->effectRecords[effect]) return kNoErr;
  const EffectRow& info = Effect(effect);
  SelectedArtList list;
  if (ASErr err = list.Fetch()) return err;
  auto wrap = [&](AIArtHandle art) -> ASErr {
    BlockPtr<uint8_t> record;
    if (ASErr err = record.Allocate(size_t(info.record.size), info.record.name)) return err;
    std::memcpy(record.get(), gGlobals->effectRecords[effect], size_t(info.record.size));
    AIArtHandle made = nullptr;
    return WrapInEffectArt(effect, gGlobals->effectSlots[effect].group, &made,
                           record.get(), art);
  };
  for (int32_t i = kFirstWalkedEntry; i < list.count(); ++i) {
    AIArtHandle art = list[i];
    AIArtHandle parent = nullptr;
    if (ASErr err = sArt->GetArtParent(art, &parent)) return err;
    if (!parent) continue;
    int16_t type = 0;
    if (ASErr err = sArt->GetArtType(art, &type)) return err;
    ASErr err = kNoErr;
    switch (type) {
      case kGroupArt:
      case kCompoundPathArt: {
        if (type == kGroupArt) {
          ASBoolean layerGroup = false;
          if ((err = sArt->IsArtLayerGroup(art, &layerGroup))) return err;
          if (layerGroup) break;
        }
        if (!sArt->ValidArt(art)) break;
        int32_t count = i;
        err = CountEligibleDescendants(effect, art, &count);
        if (err == -2 && type == kGroupArt) {  // text inside: left alone
          err = kNoErr;
          break;
        }
        if (err == -1) {
          ShowEffectAlert(gGlobals->PluginRef, kOtherEffectAlert);
          return kNoErr;
        }
        if (err) return err;
        i = count;
        err = wrap(art);
        break;
      }
      case kPathArt:
        if (!IsClippingPath(art, &err) && !err) err = wrap(art);
        break;
      case kTextArt: {
        AIPathStyle style{};
        if (FirstRunStyle(art, &style, &err) && !style.clip) err = wrap(art);
        break;
      }
      case kPluginArt:
        if (IsEffectArtOf(effect, art)) break;
        ShowEffectAlert(gGlobals->PluginRef, kOtherEffectAlert);
        return kNoErr;
      default:
        break;
    }
    if (err) return err;
  }
  return kNoErr;
}

ASErr ReleaseEffectArt(AIArtHandle art) {
  if (ASErr err = TouchLocked(art)) return err;
  AIArtHandle edit = nullptr;
  if (ASErr err = sPluginGroup->GetPluginArtEditArt(art, &edit)) return err;
  return ReplaceByChildren(art, edit);
}

ASErr ExpandEffectArt(AIArtHandle art) {
  if (ASErr err = TouchLocked(art)) return err;
  AIArtHandle result = nullptr;
  if (ASErr err = sPluginGroup->GetPluginArtResultArt(art, &result)) return err;
  return ReplaceByChildren(art, result);
}

ASErr ReleaseSelection(int effect) {
  return ForEachSelectedEffectArt(effect, ReleaseEffectArt);
}

ASErr ExpandSelection(int effect) {
  return ForEachSelectedEffectArt(effect, ExpandEffectArt);
}

ASErr EffectUpdate(int effect, AIArtHandle art) {
  const EffectRow& info = Effect(effect);
  if (info.regenerates) {
    bool yes = true;
    if (ASErr err = info.regenerates(art, &yes)) return err;
    if (!yes) return kNoErr;
  }
  BlockPtr<uint8_t> record;
  if (ASErr err = record.Allocate(size_t(info.record.size), info.record.name)) return err;
  if (ASErr err = sPluginGroup->GetPluginArtDataRange(art, record.get(), 0,
                                                      size_t(info.record.size)))
    return err;
  AIArtHandle edit = nullptr, result = nullptr;
  if (ASErr err = sPluginGroup->GetPluginArtEditArt(art, &edit)) return err;
  if (ASErr err = sPluginGroup->GetPluginArtResultArt(art, &result)) return err;
  for (;;) {
    AIArtHandle child = nullptr;
    if (ASErr err = sArt->GetArtFirstChild(result, &child)) return err;
    if (!child) break;
    if (ASErr err = sArt->DisposeArt(child)) return err;
  }
  AIArtHandle into = nullptr;
  if (ASErr err = sArt->NewArt(kGroupArt, kPlaceInsideOnTop, result, &into)) return err;
  return info.build(into, edit, record.get());
}

}  // namespace vx
