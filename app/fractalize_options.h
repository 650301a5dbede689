// The options of versalix4 fractalize: the values its dialog is filled in
// with.
#pragma once

#include <CLI/CLI.hpp>

#include <cstdint>
#include <optional>
#include <functional>
#include <string>
#include <vector>

#include "app/cli.h"
#include "host/art/document.h"
#include "host/core/host.h"

namespace vx::app {

struct FractalizeOptions {
  std::string generator;  // number 1 .. 14 or the name the dialog shows
  std::optional<double> height;
  std::optional<int> level;
  std::optional<double> density;
  std::optional<double> distortion;
  std::string unit;  // "pct" or "pt"; empty: as the dialog has it
  std::optional<uint32_t> seed;
  bool live = false;  // the live effect instead of the filter
  bool last = false;  // start from the Last Setting, not the Default Setting
};

void AddFractalizeOptions(CLI::App& command, FractalizeOptions& options);

// The filter: the dialog filled in from the options, OK, then Go.
int RunFractalizeFilter(host::Host& host, const FractalizeOptions& options);
// The live effect on each target: the dialog (effect mode) filled in from
// the options and OK; the targets become live effect art, or when they
// carry the effect already, get their parameters changed.
int RunFractalizeLiveEffect(host::Host& host, host::art::Document& doc,
                            const std::vector<host::art::Art*>& targets,
                            const FractalizeOptions& options);
// Reads an SVG file, selects what common.select names (or everything),
// runs the filter (or with options.live the live effect) and gives the
// document as SVG text; `save` then runs while the host is still up, so a
// failed save puts the settings back like any failure.
int FractalizeDocument(const CommonOptions& common, const std::string& input,
                       const FractalizeOptions& options, std::string* svgText,
                       const std::function<int()>& save = {});

}  // namespace vx::app
