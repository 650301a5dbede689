// The 3D Transform dialog (template 18000): the kind and preset popups, the
// kind's parameter rows, rotations, perspective and cursor, the undo
// history and the live wireframe preview.
#pragma once

#include "filters/transform3d_record.h"
#include "vx_sdk.h"

namespace vx {

constexpr const char* kTransformDialogName = "VERSALiX 3D";

// Runs the dialog modally over record on the current selection. *ok is
// true when the user pressed OK: the record then holds the edited values and
// gGlobals->transformPathSet the gathered paths with the computation so far
// (resume flag set). Errors before the dialog opens are returned.
ASErr RunTransformDialog(TransformParams* record, bool* ok);

}  // namespace vx
