// The host's message log: every call the plug-in makes can be written out
// (the command line's -v). Off, it costs one branch per call.
#pragma once

#include <ostream>
#include <sstream>
#include <string>

namespace vx::host {

class Log {
 public:
  void SetStream(std::ostream* stream) { stream_ = stream; }
  bool On() const { return stream_ != nullptr; }
  void Line(const std::string& text) {
    if (stream_) *stream_ << "[host] " << text << '\n';
  }

 private:
  std::ostream* stream_ = nullptr;
};

// Builds a log line only when the log is on: VX_LOG(host, "AddTool " << name).
#define VX_LOG(host, expr)                  \
  do {                                      \
    if ((host).log().On()) {                \
      std::ostringstream vx_log_line_;      \
      vx_log_line_ << expr;                 \
      (host).log().Line(vx_log_line_.str()); \
    }                                       \
  } while (0)

}  // namespace vx::host
