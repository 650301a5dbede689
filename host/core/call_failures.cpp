#include "host/core/call_failures.h"

namespace vx::host {

void CallFailures::FailCall(const std::string& function, long k,
                            int32_t error) {
  if (k <= 0) {
    switches_.erase(function);
    return;
  }
  switches_[function] = Switch{0, k, error};
}

int32_t CallFailures::Check(const std::string& function) {
  auto it = switches_.find(function);
  if (it == switches_.end()) return 0;
  Switch& s = it->second;
  return ++s.calls == s.failAt ? s.error : 0;
}

}  // namespace vx::host
