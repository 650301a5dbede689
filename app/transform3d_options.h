// The options of versalix4 3d: what its dialog is filled in with.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/cli.h"

namespace vx::app {

struct TransformOptions {
  std::string kind;                 // name as the popup shows it, or 0 .. 11
  std::vector<std::string> values;  // "N=V", N = 1 .. 4
  std::string pre, post, cursor;    // "x,y,z", "X,Y,Z", "H,V"
  std::optional<double> perspective;
  bool before = false;
  bool anchorsOnly = false;
  std::string preset;
  std::string preview;  // PNG of the dialog's preview
};

// Reads an SVG file, selects what common.select names (or everything), runs
// the filter with its dialog filled in from options and, on success, gives
// the resulting document as SVG text (and with options.preview, the
// dialog's preview as PNG bytes in previewPng). `save` runs while the host
// is still up, so a failed save puts the settings back like any failure.
int TransformDocument(const CommonOptions& common, const std::string& input,
                      const TransformOptions& options, std::string* svgText,
                      std::string* previewPng = nullptr,
                      const std::function<int()>& save = {});

}  // namespace vx::app
