// The AlignPoints tool's work: the key point under the pointer, and the
// selected anchors (and point text starts) moved onto its x, its y or onto
// it. The mouse handlers (tools/alignpoints_tool.cpp) call these.
#pragma once

#include <cstdint>

#include "vx_sdk.h"

namespace vx {

enum class AlignMode : int32_t { kX, kY, kBoth };

// The mode the cursor shows: the align-both cursor both coordinates, the
// align-y cursor y only, any other cursor x only.
AlignMode AlignModeOfCursor(int16_t cursorId);

// Moves s onto key by mode, its handles by the same offset.
void AlignSegment(Segment* s, AIRealPoint key, AlignMode mode);
// The same rule on a lone point (a point text's start).
AIRealPoint AlignPoint(AIRealPoint p, AIRealPoint key, AlignMode mode);

// The selected paths, texts and text paths (matching art, selected, types
// 2, 4 and 5) into *arts. "!sel" when none; on error the list is released.
ASErr GatherAlignable(AIArtHandleList* arts, int32_t* count);

// The key point under `mouse` through the host's hit test: the anchor of a
// path's hit anchor, the centre of a path's bounds at its centre point, or
// the start of text on a path when that lies within 1 point of the mouse in
// both coordinates. *found is false for anything else (no change then).
ASErr FindKeyPoint(AIRealPoint mouse, AIRealPoint* key, bool* found);

// Aligns every art of the list in order: a path's anchor-selected
// segments, point text's start, the path of text on a path. Other art is
// skipped. The first host error ends the walk (what moved stays moved).
ASErr AlignArtList(AIArtHandleList arts, int32_t count, AIRealPoint key,
                   AlignMode mode);

}  // namespace vx
