// Fractalize's modal dialog (res::kFractalizeDialog), shared by the filter and the
// live effect. Its Preview runs the filter on the selection (filter mode,
// undoing the previous preview first) or rewrites the effect's parameter
// dictionary and asks the host to update the effect (effect mode).
#pragma once

#include <cstdint>

#include "filters/fractalize_params.h"
#include "vx_sdk.h"

namespace vx {

constexpr const char* kFractalizePresetFile = "VERSALiX4_PST_Fractalize.txt";

enum class FractalizeMode { kFilter, kEffect };

struct FractalizeDialogContext {
  SPPluginRef plugin;
  FractalizeMode mode;
  FractalizeParams* record;   // the values the dialog edits
  AIDictionaryRef parameters; // effect mode: the effect's dictionary
};

// Runs the dialog; *ok is true when it was closed with OK. The record keeps
// whatever the user set in either case (the caller restores it on Cancel).
// Closing stores the values as the preset file's "Last Setting".
ASErr RunFractalizeDialog(FractalizeDialogContext* context, bool* ok);

// The six parameter dictionary entries ("generator", "genHeight", "level",
// "density", "uneven", "unevenUnit").
ASErr WriteFractalizeEntries(AIDictionaryRef dict, const FractalizeParams& p);
// Reads them; kNoSuchKeyErr when "generator" is absent (p untouched then).
ASErr ReadFractalizeEntries(AIDictionaryRef dict, FractalizeParams* p);
ASErr RemoveFractalizeEntries(AIDictionaryRef dict);

}  // namespace vx
