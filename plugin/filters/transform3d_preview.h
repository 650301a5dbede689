// The 3D Transform preview: zoom and scroll state, the mapping between
// page points and preview pixels, and the drawing of the outline, the
// transformed paths, the cross cursor and the warnings.
#pragma once

#include <cstdint>

#include "filters/transform3d_record.h"
#include "geometry/segment_buffer.h"
#include "vx_sdk.h"

namespace vx {

constexpr int kZoomSteps = 24;
constexpr int kStartZoomIndex = 6;  // 80 %
extern const int32_t kZoomTable[kZoomSteps];

enum class PreviewTracking : int32_t { kNone, kZoomIn, kZoomOut, kScroll,
                                       kCursorDrag };

struct PreviewState {
  ASRect rect;     // the user item inset by one pixel
  ASPoint centre;  // of rect
  int32_t zoomIndex;
  int32_t percent;
  int32_t previousPercent;
  float scale;     // 1.0 at start
  ASPoint scroll;  // pixels
  PreviewTracking tracking;
  int32_t redraw;  // 0 normal, 1 quick, 2 tracking finished, 3 scroll
};

// Sets the rectangle from the dialog's item and centres the view.
void InitPreview(PreviewState* s, ADMDialogRef dialog, int32_t itemId);
// Zoom index 6, scale 1, no scroll.
void CenterPreview(PreviewState* s);
// One zoom step (+1 in, -1 out); false (nothing changes) at either end.
// The scroll offset follows the new percent.
bool ZoomStep(PreviewState* s, int step);

// Pixels per point at the current zoom.
float PixelsPerPoint(const PreviewState& s, const TransformParams& p);
// A page point in preview pixels (y down), the bounds centre at the
// preview's centre plus the scroll.
ASPoint PageToPixel(const PreviewState& s, const TransformParams& p,
                    const AIRealPoint& page);
// The cursor offset a pixel stands for.
AIRealPoint PixelToOffset(const PreviewState& s, const TransformParams& p,
                          const ASPoint& pixel);

// Text id of the preview warning for a result flag (0 none).
int32_t PreviewWarningIndex(int32_t resultFlag);
constexpr int32_t kTransformWarningTable = 21300;

// The warning or error text the preview shows ("" when none) into out.
void PreviewMessage(SPPluginRef plugin, const PathSet& set, ASErr error,
                    char* out, int32_t size);

// Draws the whole preview: outline with its cross, the working copies of
// every mapped path, the cross cursor through the transformation centre,
// and the red warning or error text.
void DrawPreview(SPPluginRef plugin, ADMDrawerRef drawer,
                 const PreviewState& s, const TransformParams& p,
                 const PathSet& set, ASErr error);

}  // namespace vx
