// What the user suite does without a screen: beeps are counted and logged,
// progress is recorded and can be cancelled by a test switch, and the tick
// count can be fixed so that tick-seeded results repeat.
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vx::host {

class UserInteraction {
 public:
  UserInteraction();

  void Beep() { ++beeps_; }
  int beeps() const { return beeps_; }

  // ---- progress ----
  void SetProgressText(std::string text);
  void UpdateProgress(int32_t current, int32_t total);
  void CloseProgress() { progressOpen_ = false; }
  bool progressOpen() const { return progressOpen_; }
  const std::string& progressText() const { return progressText_; }
  int32_t progressCurrent() const { return current_; }
  int32_t progressTotal() const { return total_; }
  long progressUpdates() const { return updates_; }
  // Test switch: Cancelled answers 1 from the n-th progress update on
  // (counted from this call; 0 cancels at once, -1 never).
  void CancelAfterUpdates(long n);
  bool Cancelled() const;

  // ---- ticks ----
  uint32_t TickCount() const;
  void FixTickCount(std::optional<uint32_t> ticks) { fixedTicks_ = ticks; }
  bool TickCountFixed() const { return fixedTicks_.has_value(); }

  // ---- web links (there is no browser here) ----
  void RecordOpenedURL(std::string url) { urls_.push_back(std::move(url)); }
  const std::vector<std::string>& openedURLs() const { return urls_; }

 private:
  int beeps_ = 0;
  bool progressOpen_ = false;
  std::string progressText_;
  int32_t current_ = 0, total_ = 0;
  long updates_ = 0;
  long cancelAt_ = -1;  // update count from which Cancelled answers 1
  std::chrono::steady_clock::time_point start_;
  std::optional<uint32_t> fixedTicks_;
  std::vector<std::string> urls_;
};

}  // namespace vx::host
