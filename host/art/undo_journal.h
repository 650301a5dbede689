// The changes of one undo step, each as the action that reverts it. Undoing
// runs them newest first, so each one finds the document exactly as the
// change left it.
#pragma once

#include <functional>
#include <vector>

namespace vx::host::art {

class UndoJournal {
 public:
  using Change = std::function<void()>;

  void Add(Change revert) { changes_.push_back(std::move(revert)); }
  bool empty() const { return changes_.empty(); }
  std::size_t size() const { return changes_.size(); }
  // Runs every revert action, newest first, and empties the journal.
  void Revert();
  void Clear() { changes_.clear(); }

 private:
  std::vector<Change> changes_;
};

}  // namespace vx::host::art
