// Files that belong to the running program, found relative to it: the build
// folder's layout and the installed one differ, and no build path is
// compiled in.
#pragma once

#include <initializer_list>
#include <string>

namespace vx::host {

// The file at the first of `places` (relative to the program's folder) that
// exists, else at the last.
std::string ProgramFile(std::initializer_list<const char*> places);

}  // namespace vx::host
