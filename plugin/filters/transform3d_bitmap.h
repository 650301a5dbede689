// The 3D preview's off-screen bitmap: one colour index per pixel in a block
// of the host's allocator. Lines are drawn into it normally or in
// exclusive-or mode (drawing the same figure twice in exclusive-or leaves
// the bitmap as it was), and the bitmap, or part of it, is copied to the
// screen through the dialog manager's drawer.
#pragma once

#include <cstdint>

#include "vx_sdk.h"

namespace vx {

// The bitmap could not be made.
constexpr ASErr kPreviewBitmapErr = VX_FOURCC('x', 'x', 'x', 'x');

// Colour indices. An exclusive-or line flips the bits of kGuideInk, so
// every index has a partner of contrasting colour (see the palette).
enum PreviewInk : uint8_t {
  kBackgroundInk = 0, kOutlineInk = 1, kPathInk = 2, kCursorInk = 3,
  kGuideInk = 7
};

struct PreviewBitmap {
  int32_t width, height;
  ASPoint origin;   // where pixel (0, 0) lies in the drawer's coordinates
  uint8_t* pixels;  // "preview bitmap", width x height, row by row
};

// Allocates a cleared width x height bitmap; kPreviewBitmapErr on failure.
ASErr NewPreviewBitmap(PreviewBitmap* b, const ASRect& area);
void FreePreviewBitmap(PreviewBitmap* b);
void ClearPreviewBitmap(PreviewBitmap* b);

// The colour index at (x, y) in drawer coordinates (kBackgroundInk outside).
uint8_t BitmapInk(const PreviewBitmap& b, int32_t x, int32_t y);
// A line from a to b in drawer coordinates, clipped to the bitmap; the end
// point itself is not painted, so joined lines meet without a gap and do
// not cancel at their joints in exclusive-or mode.
void BitmapLine(PreviewBitmap* b, ASPoint from, ASPoint to, uint8_t ink,
                bool exclusiveOr);
// Copies the bitmap to the screen: its area is cleared, then every run of
// one colour in a row is filled.
void CopyBitmap(const PreviewBitmap& b, ADMDrawerRef drawer);

}  // namespace vx
