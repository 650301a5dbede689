// What the copying tools (MetaBrush, Trail) copy: the selected objects
// that are not inside another selected object, and the style under the
// pointer for their Alt pick; and the record lookup of the tools with
// handlers of their own.
#pragma once

#include "tools/tool_drag.h"
#include "tools/tool_table.h"
#include "vx_sdk.h"

namespace vx {

// Whether a selected art of the drag's list is copied as a whole: a path,
// group or compound path whose parent is a layer or not selected itself
// (a layer's own group is never one).
ASErr IsCopySource(AIArtHandle art, bool* source);

// The style of the path under the pointer (the host's hit test over the
// document), for the tools' Alt pick; *found is false when the pointer is
// not over a path.
ASErr StyleUnderPointer(AIRealPoint where, AIPathStyle* style, bool* found);

// The row of the tool a message addresses and its options record; both
// null for an unmatched handle or a message without an event. CANT for a
// matched tool without a record (routing calls only while its palette,
// which makes the record, exists).
template <typename Record>
ASErr ToolAndRecord(const AIToolMessage* message, const ToolInfo** tool,
                    Record** record) {
  *tool = ToolOfHandle(message->tool);
  *record = nullptr;
  if (!*tool || !message->event) {
    *tool = nullptr;
    return kNoErr;
  }
  *record = static_cast<Record*>(ToolRecord(**tool));
  return *record ? kNoErr : kCantHappenErr;
}

}  // namespace vx
