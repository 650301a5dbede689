// The changes of one undo step, each as an action that toggles the change:
// run once it reverts the change, run again it makes the change anew. Undoing
// runs them newest first, so each one finds the document exactly as the
// change left it; redoing runs them oldest first, so each finds the document
// exactly as its revert left it.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace vx::host::art {

class UndoJournal {
 public:
  using Change = std::function<void()>;

  // bytes: an estimate of the memory the action holds.
  void Add(Change toggle, std::size_t bytes = 0) {
    changes_.push_back(std::move(toggle));
    bytes_ += bytes + sizeof(Change);
  }
  // Takes later's changes after its own: one step for both.
  void Append(UndoJournal&& later) {
    for (Change& change : later.changes_) changes_.push_back(std::move(change));
    bytes_ += later.bytes_;
    later.Clear();
  }
  bool empty() const { return changes_.empty(); }
  std::size_t size() const { return changes_.size(); }
  std::size_t bytes() const { return bytes_; }
  // Reverts every change, newest first, and empties the journal.
  void Revert();
  // Reverts every change, newest first, keeping the actions so that
  // Reapply can make the changes again.
  void Unapply();
  // Makes every change again, oldest first (after Unapply).
  void Reapply();
  // Reverts and forgets the changes after the first `count`.
  void RevertNewerThan(std::size_t count);
  void Clear() {
    changes_.clear();
    bytes_ = 0;
  }
  // Names a completed step (the document gives each its own).
  uint64_t id = 0;

 private:
  std::vector<Change> changes_;
  std::size_t bytes_ = 0;
};

}  // namespace vx::host::art
