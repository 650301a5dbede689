// The 3D Transform filter as the host drives it: the parameter request
// (which runs the dialog) and the run that rewrites the selected paths.
#pragma once

#include "filters/transform3d_record.h"
#include "geometry/path_mapping.h"
#include "geometry/segment_buffer.h"
#include "vx_sdk.h"

namespace vx {

// "AI Filter"/"AI Get Parameters": "!sel" without selected paths, 0 when
// they have no segments; otherwise runs the dialog over the host's parameter
// block (made when missing, "!MEM" on failure). OK answers 0 and leaves the
// dialog's PathSet for the run; Cancel restores the block and answers "STOP".
ASErr Transform3DGetParameters(AIFilterMessage* message);
// "AI Filter"/"AI Go": maps the selected paths (resuming the dialog's
// computation when it left one), writes them back and restacks them by
// depth. Progress and cancel ("STOP") through the host.
ASErr Transform3DGo(AIFilterMessage* message);

// The kind's set-up for a run over set (raising the zero-radius flag when
// it finds one), the engine context over the record and the mapping that
// "Move Control Points Only" chooses. The context refers to *p.
void PrepareTransform(TransformParams* p, PathSet* set, MapContext* ctx,
                      PathMapping* mapping);
// Maps the paths of set from set->nextPath on with the record's kind,
// raising the zero-radius flag when the set-up finds one. The record's
// derived fields must be current (RebuildDerived).
ASErr TransformRemainingPaths(TransformParams* p, PathSet* set,
                              bool hostProgress);

// Preference of the kind last shown in the dialog.
constexpr const char* kTransformPrefPrefix = "QVR-VsX4_3DTFilter";
constexpr const char* kTransformKindPref = "EffectKind";
// The kind of that preference (0 when missing or out of range).
int ReadTransformKindPreference();

// The dialog's PathSet kept for the run (gGlobals->transformPathSet), freed
// with its buffers; the resume flag is cleared.
void DropTransformPathSet();

}  // namespace vx
