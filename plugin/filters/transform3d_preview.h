// The 3D Transform preview: zoom and scroll state, the mapping between
// page points and preview pixels, the drawing of the outline, the
// transformed paths, the cross cursor and the warnings into the off-screen
// bitmap, the guide figures drawn in exclusive-or while the mouse is
// tracked, and the cooperative recomputation in slices of tick count.
#pragma once

#include <cstdint>

#include "filters/transform3d_bitmap.h"
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
// One zoom step that keeps the page point under pixel where it is.
bool ZoomStepAbout(PreviewState* s, int step, const ASPoint& pixel);
// Zooms so that the rectangle (pixels, as dragged) fills the preview and
// centres the view on it: percent = preview size x 100 / rectangle size x
// old percent / 100 (heights when the rectangle is at least as high as
// wide, else widths), at most 6000; the zoom index becomes that of the first
// table entry above the percent (the last when none is). False for a
// rectangle without width or height.
bool ZoomToRect(PreviewState* s, const ASRect& dragged);

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

// The warning or error text the preview shows ("" when none) into out.
void PreviewMessage(SPPluginRef plugin, const PathSet& set, ASErr error,
                    char* out, int32_t size);

// ---- drawing into the bitmap ---------------------------------------------
// Clears the bitmap and draws the untransformed outline with its cross.
void RenderOutline(PreviewBitmap* b, const PreviewState& s,
                   const TransformParams& p, const PathSet& set);
// One path as a polyline of its Bezier pieces.
void RenderPath(PreviewBitmap* b, const PreviewState& s,
                const TransformParams& p, const SegmentBuffer& path);
// The cross cursor through the transformation centre.
void RenderCursor(PreviewBitmap* b, const PreviewState& s,
                  const TransformParams& p);
// Outline, the mapped paths (from working copies before set.nextPath, from
// source copies after it when withUnmapped) and the cursor.
void RenderPreview(PreviewBitmap* b, const PreviewState& s,
                   const TransformParams& p, const PathSet& set,
                   bool withUnmapped);
// Copies the bitmap to the screen and writes the message (if any) in red
// inside the preview inset by 12 pixels.
void ShowPreview(ADMDrawerRef drawer, const PreviewState& s,
                 const PreviewBitmap& b, const char* message);

// ---- guide figures in exclusive-or -------------------------------------------
// Polylines in preview pixels: the selection's outline and cross mapped by
// the current values (while the mouse turns the object or moves the cursor),
// or the rectangle of a Ctrl-drag.
constexpr int kGuideLines = 6;
constexpr int kGuideSteps = 8;
struct PreviewGuide {
  int32_t lines;          // 0: nothing drawn
  int32_t pointsPerLine;
  ASPoint points[kGuideLines * (kGuideSteps + 1)];
};
// The outline and cross of the selection's bounds through the kind's
// mapping; the record must be set up (SetUpKind). Points that cannot be
// mapped end the figure early.
void MakeOutlineGuide(PreviewGuide* g, const PreviewState& s,
                      const TransformParams& p, const PathSet& set);
void MakeRectGuide(PreviewGuide* g, const ASPoint& a, const ASPoint& b);
// Draws the figure in exclusive-or: twice leaves the bitmap as it was.
void XorGuide(PreviewBitmap* b, const PreviewGuide& g);

// ---- cooperative recomputation -------------------------------------------------
// Length of a slice of work, in ticks (milliseconds).
constexpr uint32_t kPreviewSliceTicks = 15;
// Called at the end of each slice of AdvancePreview.
typedef void (*SliceEndProc)(void* data);
// Maps the paths from set->nextPath on without the host's progress bar,
// drawing each into the bitmap as it is finished. With sliceEnd, every
// kPreviewSliceTicks of tick count sliceEnd is called and the work goes on
// until every path is mapped; without it, the work stops at the end of the
// first slice (after one path at least), and a later call resumes it.
// Returns 0 or the mapping's error (the failing path stays unmapped).
ASErr AdvancePreview(TransformParams* p, PathSet* set, const PreviewState& s,
                     PreviewBitmap* b, SliceEndProc sliceEnd, void* data);

}  // namespace vx
