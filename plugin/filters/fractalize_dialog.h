// Fractalize's modal dialog (template 18010), shared by the filter and the
// live effect. Its Preview runs the filter on the selection (filter mode,
// undoing the previous preview first) or rewrites the effect's parameter
// dictionary and asks the host to update the effect (effect mode).
#pragma once

#include <cstdint>

#include "filters/fractalize_params.h"
#include "vx_sdk.h"

namespace vx {

constexpr int32_t kFractalizeDialog = 18010;
constexpr const char* kFractalizePresetFile = "VERSALiX4_PST_Fractalize.txt";

enum class FractalizeMode { kFilter, kEffect };

struct FractalizeDialogContext {
  SPPluginRef plugin;
  FractalizeMode mode;
  FractalizeParams* record;   // the values the dialog edits
  AIDictionaryRef parameters; // effect mode: the effect's dictionary
};

// Item ids of the dialog.
enum FractalizeItem : int32_t {
  kFractalOk = 1, kFractalCancel = 2, kFractalPresetMenu = 3,
  kFractalGenerator = 5, kFractalHeight = 7, kFractalLevel = 10,
  kFractalDensity = 12, kFractalUnevenPercent = 15, kFractalUnevenPoints = 16,
  kFractalUnitLabel = 17, kFractalUnitFrame = 18, kFractalNewSequence = 19,
  kFractalPreview = 20, kFractalHelp = 21
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
