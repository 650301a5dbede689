// What the copying tools (MetaBrush, Trail) copy: the selected objects
// that are not inside another selected object, and the art under the
// pointer for their Alt pick.
#pragma once

#include "vx_sdk.h"

namespace vx {

// Whether a selected art of the drag's list is copied as a whole: a path,
// group or compound path whose parent is a layer or not selected itself
// (a layer's own group is never one).
ASErr IsCopySource(AIArtHandle art, bool* source);

// The path under the pointer (the host's hit test over the document),
// or null when the pointer is not over a path.
ASErr PathUnderPointer(AIRealPoint where, AIArtHandle* path);

// Calls visit for every path at or inside art (groups, compound paths).
template <typename Visit>
ASErr ForEachPath(AIArtHandle art, Visit&& visit);

}  // namespace vx

#include "tools/copy_sources_inl.h"
