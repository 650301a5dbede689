#include "host/core/user_interaction.h"

namespace vx::host {

UserInteraction::UserInteraction() : start_(std::chrono::steady_clock::now()) {}

void UserInteraction::SetProgressText(std::string text) {
  progressText_ = std::move(text);
  progressOpen_ = true;
}

void UserInteraction::UpdateProgress(int32_t current, int32_t total) {
  current_ = current;
  total_ = total;
  progressOpen_ = true;
  ++updates_;
}

void UserInteraction::CancelAfterUpdates(long n) {
  cancelAt_ = n < 0 ? -1 : updates_ + n;
}

bool UserInteraction::Cancelled() const {
  return cancelAt_ >= 0 && updates_ >= cancelAt_;
}

uint32_t UserInteraction::TickCount() const {
  if (fixedTicks_) return *fixedTicks_;
  auto elapsed = std::chrono::steady_clock::now() - start_;
  return static_cast<uint32_t>(
      std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
}

}  // namespace vx::host
