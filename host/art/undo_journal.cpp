#include "host/art/undo_journal.h"

namespace vx::host::art {

// An action never records anything (it sets state directly), so the vector
// is stable while the actions run.

void UndoJournal::Revert() {
  Unapply();
  Clear();
}

void UndoJournal::Unapply() {
  for (auto it = changes_.rbegin(); it != changes_.rend(); ++it) (*it)();
}

void UndoJournal::Reapply() {
  for (Change& change : changes_) change();
}

void UndoJournal::RevertNewerThan(std::size_t count) {
  while (changes_.size() > count) {
    changes_.back()();
    changes_.pop_back();
  }
  // The estimate is kept: it only bounds the history's memory.
}

}  // namespace vx::host::art
