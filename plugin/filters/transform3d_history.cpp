#include "filters/transform3d_history.h"

#include <cstring>

namespace vx {

void ClearHistory(UndoHistory* h) {
  h->current = -1;
  h->oldest = 0;
  h->newest = 0;
}

void PushHistory(UndoHistory* h, const TransformParams& record) {
  const bool wasEmpty = h->current < 0;
  h->current = int16_t((h->current + 1) % kUndoSlots);
  std::memcpy(&h->slots[h->current], &record, sizeof record);
  h->newest = h->current;
  if (!wasEmpty && h->current == h->oldest)
    h->oldest = int16_t((h->oldest + 1) % kUndoSlots);
}

bool UndoHistoryStep(UndoHistory* h, TransformParams* record) {
  if (h->current < 0 || h->current == h->oldest) return false;
  h->current = int16_t(h->current == 0 ? kUndoSlots - 1 : h->current - 1);
  std::memcpy(record, &h->slots[h->current], sizeof *record);
  return true;
}

bool RedoHistoryStep(UndoHistory* h, TransformParams* record) {
  if (h->current < 0 || h->current == h->newest) return false;
  h->current = int16_t((h->current + 1) % kUndoSlots);
  std::memcpy(record, &h->slots[h->current], sizeof *record);
  return true;
}

}  // namespace vx
