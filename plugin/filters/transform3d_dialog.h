// The 3D Transform dialog (res::kTransform3DDialog): the kind and preset popups, the
// kind's parameter rows, rotations, perspective and cursor, the undo
// history and the live wireframe preview.
#pragma once

#include "filters/transform3d_record.h"
#include "generated/resource_ids.h"
#include "vx_sdk.h"

namespace vx {

constexpr const char* kTransformDialogName = "VERSALiX 3D";
// The string table of each kind's value rows (the kind popup's menu is
// res::kTransformKindMenu):
// kind k reads table kTransformKindStrings + kTransformKindStride x k, row r
// its label at 1 + kTransformRowStep x r, then unit, default, edit limits
// and slider limits.
constexpr int32_t kTransformKindStrings = res::kKindRowTexts;
constexpr int32_t kTransformKindStride = 100;
constexpr int32_t kTransformRowStep = 7;
constexpr int32_t kTransformRowCount = 4;

// Runs the dialog modally over record on the current selection. *ok is
// true when the user pressed OK: the record then holds the edited values and
// gGlobals->transformPathSet the gathered paths with the computation so far
// (resume flag set). Errors before the dialog opens are returned.
ASErr RunTransformDialog(TransformParams* record, bool* ok);

}  // namespace vx
