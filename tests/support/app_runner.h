// Runs the versalix4 program as a person runs it from a shell, for the tests
// of the commands.
#pragma once

#include <filesystem>
#include <string>

namespace vx::test {

struct CommandRun {
  int exitCode;  // -1 when the program did not exit normally
  std::string out, err;
};

// `versalix4 ARGS` (ARGS as typed in a shell), its output and error text
// caught in files in `folder`; `shellPrefix` runs first in the same shell
// ("ulimit -f 4;").
CommandRun RunVersalix4(const std::string& args, const std::filesystem::path& folder,
                        const std::string& shellPrefix = "");
// Any command line, run the same way.
CommandRun RunCommand(const std::string& commandLine, const std::filesystem::path& folder);

}  // namespace vx::test
