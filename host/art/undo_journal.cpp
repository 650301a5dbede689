#include "host/art/undo_journal.h"

namespace vx::host::art {

void UndoJournal::Revert() {
  // A revert action never records anything (it restores state directly),
  // so the vector is stable while it runs.
  for (auto it = changes_.rbegin(); it != changes_.rend(); ++it) (*it)();
  changes_.clear();
  bytes_ = 0;
}

}  // namespace vx::host::art
