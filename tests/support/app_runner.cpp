#include "support/app_runner.h"

#include <sys/wait.h>

#include <cstdlib>

#include "support/scratch_folder.h"

namespace vx::test {

CommandRun RunCommand(const std::string& commandLine, const std::filesystem::path& folder) {
  const std::filesystem::path out = folder / "stdout.txt", err = folder / "stderr.txt";
  const std::string command = commandLine + " >'" + out.string() + "' 2>'" + err.string() + "'";
  const int status = std::system(command.c_str());
  CommandRun run{WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadFile(out), ReadFile(err)};
  std::filesystem::remove(out);
  std::filesystem::remove(err);
  return run;
}

CommandRun RunVersalix4(const std::string& args, const std::filesystem::path& folder,
                        const std::string& shellPrefix) {
  return RunCommand(shellPrefix + std::string(VX_APP_PATH) + " " + args, folder);
}

}  // namespace vx::test
