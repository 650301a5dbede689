#include "app/fractalize_options.h"

namespace vx::app {

void AddFractalizeOptions(CLI::App& cmd, FractalizeOptions& o) {
  cmd.add_option("--generator", o.generator,
                 "Generator: its number 1..14 or its name (\"Square1\", ...)");
  cmd.add_option("--height", o.height, "Height of the generator in percent")
      ->check(kFiniteNumber);
  cmd.add_option("--level", o.level, "Substitution passes");
  cmd.add_option("--density", o.density,
                 "Resampling in segments per inch before the substitution; 0 turns "
                 "resampling and distortion off")
      ->check(kFiniteNumber);
  cmd.add_option("--distortion", o.distortion, "Random distortion of the resampled anchors")
      ->check(kFiniteNumber);
  cmd.add_option("--unit", o.unit, "Unit of the distortion: pct (of the half-diagonal) or pt")
      ->check(CLI::IsMember({"pct", "pt"}));
  cmd.add_option("--seed", o.seed, "Fixed random seed, so that a run repeats exactly");
  cmd.add_flag("--live", o.live,
               "Apply the live effect: each selected object keeps its source, its parameters "
               "and its seed, and versalix4 update renders it again; an object that has the "
               "effect already gets its parameters changed (and keeps its seed)");
}

}  // namespace vx::app
