// ForEachPath of tools/copy_sources.h.
#pragma once

#include "shell/suites.h"

namespace vx {

template <typename Visit>
ASErr ForEachPath(AIArtHandle art, Visit&& visit) {
  int16_t type = kUnknownArt;
  if (ASErr err = sArt->GetArtType(art, &type)) return err;
  if (type == kPathArt) return visit(art);
  if (type != kGroupArt && type != kCompoundPathArt) return kNoErr;
  AIArtHandle child = nullptr;
  if (ASErr err = sArt->GetArtFirstChild(art, &child)) return err;
  while (child) {
    if (ASErr err = ForEachPath(child, visit)) return err;
    if (ASErr err = sArt->GetArtSibling(child, &child)) return err;
  }
  return kNoErr;
}

}  // namespace vx
