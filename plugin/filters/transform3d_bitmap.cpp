#include "filters/transform3d_bitmap.h"

#include <cstdlib>
#include <cstring>

#include "shell/blocks.h"
#include "shell/suites.h"

namespace vx {
namespace {

// Index i ^ kGuideInk is drawn in a colour that stands out against i.
constexpr ADMRGBColor kPalette[8] = {
    0x00000000,  // background (cleared, never filled)
    0x00A0A0A0,  // outline
    0x00000000,  // paths
    0x00FF0000,  // cursor: blue
    0x0000FFFF,  // guide over the cursor: yellow
    0x00FFFFFF,  // guide over a path: white
    0x005F5F5F,  // guide over the outline
    0x00808000,  // guide over the background: teal
};

enum : int { kInside = 0, kLeft = 1, kRight = 2, kAbove = 4, kBelow = 8 };

struct Box {
  int64_t left, top, right, bottom;  // inclusive
};

int Outcode(const Box& box, int64_t x, int64_t y) {
  int code = kInside;
  if (x < box.left) code |= kLeft;
  else if (x > box.right) code |= kRight;
  if (y < box.top) code |= kAbove;
  else if (y > box.bottom) code |= kBelow;
  return code;
}

// Cohen-Sutherland on integers; false when nothing of the line is inside.
bool ClipLine(const Box& box, int64_t* ax, int64_t* ay, int64_t* bx,
              int64_t* by) {
  int ca = Outcode(box, *ax, *ay), cb = Outcode(box, *bx, *by);
  while (true) {
    if (!(ca | cb)) return true;
    if (ca & cb) return false;
    const int out = ca ? ca : cb;
    const int64_t dx = *bx - *ax, dy = *by - *ay;
    int64_t x, y;
    if (out & kAbove) {
      y = box.top;
      x = *ax + dx * (y - *ay) / dy;
    } else if (out & kBelow) {
      y = box.bottom;
      x = *ax + dx * (y - *ay) / dy;
    } else if (out & kRight) {
      x = box.right;
      y = *ay + dy * (x - *ax) / dx;
    } else {
      x = box.left;
      y = *ay + dy * (x - *ax) / dx;
    }
    if (out == ca) {
      *ax = x;
      *ay = y;
      ca = Outcode(box, x, y);
    } else {
      *bx = x;
      *by = y;
      cb = Outcode(box, x, y);
    }
  }
}

}  // namespace

ASErr NewPreviewBitmap(PreviewBitmap* b, const ASRect& area) {
  b->width = area.right > area.left ? area.right - area.left : 0;
  b->height = area.bottom > area.top ? area.bottom - area.top : 0;
  b->origin = {area.left, area.top};
  b->pixels = nullptr;
  void* raw = nullptr;
  const size_t size = size_t(b->width) * size_t(b->height);
  if (NewBlock(size ? size : 1, "preview bitmap", &raw))
    return kPreviewBitmapErr;
  b->pixels = static_cast<uint8_t*>(raw);
  ClearPreviewBitmap(b);
  return kNoErr;
}

void FreePreviewBitmap(PreviewBitmap* b) {
  void* raw = b->pixels;
  FreeBlock(raw);
  b->pixels = nullptr;
}

void ClearPreviewBitmap(PreviewBitmap* b) {
  if (b->pixels)
    std::memset(b->pixels, kBackgroundInk,
                size_t(b->width) * size_t(b->height));
}

uint8_t BitmapInk(const PreviewBitmap& b, int32_t x, int32_t y) {
  x -= b.origin.h;
  y -= b.origin.v;
  if (!b.pixels || x < 0 || y < 0 || x >= b.width || y >= b.height)
    return kBackgroundInk;
  return b.pixels[size_t(y) * size_t(b.width) + size_t(x)];
}

void BitmapLine(PreviewBitmap* b, ASPoint from, ASPoint to, uint8_t ink,
                bool exclusiveOr) {
  // A line of no length paints nothing (its one pixel is its end); the
  // preview's steps along a small path are mostly such lines.
  if (from.h == to.h && from.v == to.v) return;
  if (!b->pixels || b->width == 0 || b->height == 0) return;
  int64_t ax = int64_t(from.h) - b->origin.h, ay = int64_t(from.v) - b->origin.v;
  int64_t bx = int64_t(to.h) - b->origin.h, by = int64_t(to.v) - b->origin.v;
  const int64_t endX = bx, endY = by;
  const Box box{0, 0, b->width - 1, b->height - 1};
  if (!ClipLine(box, &ax, &ay, &bx, &by)) return;
  // The true end point is left out; a clipped end lies on the border and is
  // painted.
  const bool paintEnd = bx != endX || by != endY;
  const int64_t dx = std::llabs(bx - ax), dy = -std::llabs(by - ay);
  const int sx = ax < bx ? 1 : -1, sy = ay < by ? 1 : -1;
  int64_t err = dx + dy, x = ax, y = ay;
  while (true) {
    const bool atEnd = x == bx && y == by;
    if (atEnd && !paintEnd) return;
    uint8_t& pixel = b->pixels[size_t(y) * size_t(b->width) + size_t(x)];
    pixel = exclusiveOr ? uint8_t(pixel ^ ink) : ink;
    if (atEnd) return;
    const int64_t e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      x += sx;
    }
    if (e2 <= dx) {
      err += dx;
      y += sy;
    }
  }
}

void CopyBitmap(const PreviewBitmap& b, ADMDrawerRef drawer) {
  if (!b.pixels) return;
  const ASRect area{b.origin.h, b.origin.v, b.origin.h + b.width,
                    b.origin.v + b.height};
  sADMDrawer->SetDrawMode(drawer, kADMNormalMode);
  sADMDrawer->ClearRect(drawer, &area);
  for (int32_t y = 0; y < b.height; ++y) {
    const uint8_t* row = b.pixels + size_t(y) * size_t(b.width);
    int32_t x = 0;
    while (x < b.width) {
      const uint8_t ink = row[x];
      int32_t end = x + 1;
      while (end < b.width && row[end] == ink) ++end;
      if (ink != kBackgroundInk) {
        sADMDrawer->SetRGBColor(drawer, kPalette[ink & 7]);
        const ASRect run{b.origin.h + x, b.origin.v + y, b.origin.h + end,
                         b.origin.v + y + 1};
        sADMDrawer->FillRect(drawer, &run);
      }
      x = end;
    }
  }
}

}  // namespace vx
