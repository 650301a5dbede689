// The general path data reader lives in a module of its own,
// VERSALiX4PathData.so, which links lib2geom. lib2geom brings some thirty
// shared libraries with it (cairo, X11, glib, ...): loading them costs a few
// milliseconds at every start, so the module is opened with dlopen the first
// time path data needs it (an elliptical arc, data with an error, a
// closepath that lands near but not on its start); the direct reader in
// svg_path_data.cpp takes everything else. The module is built beside the
// plug-in module and installed with it.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string_view>
#include <vector>

#include "host/geometry/affine.h"

namespace vx::host::svg {

// One subpath as its start and cubic (c1, c2, end) triples: lines, quadratic
// curves and elliptical arcs already as cubics.
struct CubicSubpath {
  Point start;
  std::vector<Point> triples;
  bool closed = false;
};

// The module's one entry point: reads `size` bytes of path data into `out`;
// false when the data has an error (`out` then holds what came before it).
using ReadCubicSubpathsFn = bool (*)(const char* data, std::size_t size,
                                     std::vector<CubicSubpath>* out);
inline constexpr char kPathModuleEntry[] = "VxReadCubicSubpaths";

// Raised when the module cannot be loaded; the message names it and why.
struct PathModuleError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Through the module, opened on the first call (throws PathModuleError when
// it cannot be).
bool ReadCubicSubpaths(std::string_view data, std::vector<CubicSubpath>* out);

}  // namespace vx::host::svg
