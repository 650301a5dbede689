#include "presets/preset_kinds.h"

#include <chrono>
#include <cstddef>
#include <cstring>

#include "presets/preset_kind_rows.h"
#include "shell/suites.h"

namespace vx {
namespace {

using FamilyKindAt = const PresetKind* (*)(int);
// Installation order: the filters' kinds, the tools', the effects'.
constexpr FamilyKindAt kFamilies[] = {FilterPresetKindAt, ToolPresetKindAt,
                                      EffectPresetKindAt};

}  // namespace

int32_t CreationTickCount() {
  if (sUser && sUser->GetTickCount) return int32_t(sUser->GetTickCount());
  using namespace std::chrono;
  return int32_t(uint32_t(
      duration_cast<milliseconds>(steady_clock::now().time_since_epoch())
          .count()));
}

const PresetKind* PresetKindAt(int i) {
  if (i < 0 || i >= kPresetKindCount) return nullptr;
  for (FamilyKindAt at : kFamilies) {
    int n = 0;
    while (at(n)) ++n;
    if (i < n) return at(i);
    i -= n;
  }
  return nullptr;
}

const PresetKind* FindPresetKind(const char* fileName) {
  if (!fileName) return nullptr;
  for (int i = 0; const PresetKind* k = PresetKindAt(i); ++i)
    if (std::strcmp(k->fileName, fileName) == 0) return k;
  return nullptr;
}

}  // namespace vx
