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

  // bytes: an estimate of the memory the revert action holds.
  void Add(Change revert, std::size_t bytes = 0) {
    changes_.push_back(std::move(revert));
    bytes_ += bytes + sizeof(Change);
  }
  bool empty() const { return changes_.empty(); }
  std::size_t size() const { return changes_.size(); }
  std::size_t bytes() const { return bytes_; }
  // Runs every revert action, newest first, and empties the journal.
  void Revert();
  void Clear() {
    changes_.clear();
    bytes_ = 0;
  }

 private:
  std::vector<Change> changes_;
  std::size_t bytes_ = 0;
};

}  // namespace vx::host::art
