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

constexpr const char kFilePrefix[] = "VERSALiX4_PST_";
constexpr const char kFileSuffix[] = ".txt";

bool EqualNoCase(const char* a, const char* b, std::size_t n) {
  for (std::size_t i = 0; i < n; ++i) {
    char x = a[i], y = b[i];
    if (x >= 'A' && x <= 'Z') x = char(x - 'A' + 'a');
    if (y >= 'A' && y <= 'Z') y = char(y - 'A' + 'a');
    if (x != y) return false;
  }
  return true;
}

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

const PresetKind* FindPresetKindByName(const char* name) {
  if (!name) return nullptr;
  const std::size_t n = std::strlen(name);
  const std::size_t prefix = sizeof kFilePrefix - 1;
  const std::size_t suffix = sizeof kFileSuffix - 1;
  for (int i = 0; const PresetKind* k = PresetKindAt(i); ++i) {
    const std::size_t total = std::strlen(k->fileName);
    if (total == prefix + n + suffix && EqualNoCase(k->fileName + prefix, name, n))
      return k;
  }
  return nullptr;
}

}  // namespace vx
