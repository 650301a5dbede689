// The dialog's undo history: sixteen full copies of the record in a ring.
#pragma once

#include <cstdint>

#include "filters/transform3d_record.h"

namespace vx {

constexpr int kUndoSlots = 16;

struct UndoHistory {
  int16_t current;  // -1 when empty
  int16_t oldest;
  int16_t newest;
  TransformParams slots[kUndoSlots];
};

// Empty: current -1, oldest = newest = 0.
void ClearHistory(UndoHistory* h);
// Copies the record into the next slot, dropping the oldest when full.
void PushHistory(UndoHistory* h, const TransformParams& record);
// One step back / forward into *record; false (nothing changes) at the end.
bool UndoHistoryStep(UndoHistory* h, TransformParams* record);
bool RedoHistoryStep(UndoHistory* h, TransformParams* record);

}  // namespace vx
