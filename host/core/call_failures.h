// Test switch: makes a named suite call answer an error on its k-th call
// ("AddMenuItem" fails on its 3rd call with -108), so that the plug-in's
// failing start-up paths can be exercised.
#pragma once

#include <cstdint>
#include <map>
#include <string>

namespace vx::host {

class CallFailures {
 public:
  // Call number k (1-based, counted from now) of the named suite function
  // answers error; k = 0 removes the switch.
  void FailCall(const std::string& function, long k, int32_t error);
  void Clear() { switches_.clear(); }
  // Counts one call of the function; answers the error it must return, or 0.
  int32_t Check(const std::string& function);

 private:
  struct Switch {
    long calls = 0;
    long failAt = 0;
    int32_t error = 0;
  };
  std::map<std::string, Switch> switches_;
};

}  // namespace vx::host
