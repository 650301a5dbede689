#include "palettes/colour_swatch.h"

#include <algorithm>
#include <cmath>

#include "shell/suites.h"

namespace vx {
namespace {

uint32_t Byte(float v) {
  return uint32_t(std::lround(std::clamp(v, 0.0f, 1.0f) * 255.0f));
}

}  // namespace

bool SwatchRgb(const AIColor& colour, ADMRGBColor* rgb) {
  float r = 0, g = 0, b = 0;
  switch (colour.kind) {
    case kGrayColor:  // gray is the amount of black
      r = g = b = 1.0f - colour.c.g.gray;
      break;
    case kFourColor: {
      const AIFourColorStyle& f = colour.c.f;
      r = (1.0f - f.cyan) * (1.0f - f.black);
      g = (1.0f - f.magenta) * (1.0f - f.black);
      b = (1.0f - f.yellow) * (1.0f - f.black);
      break;
    }
    case kThreeColor:
      r = colour.c.rgb.red;
      g = colour.c.rgb.green;
      b = colour.c.rgb.blue;
      break;
    default:
      return false;
  }
  *rgb = Byte(r) | (Byte(g) << 8) | (Byte(b) << 16);
  return true;
}

void DrawSwatch(ADMDrawerRef drawer, const AIColor& colour) {
  ASRect r{};
  sADMDrawer->GetBoundsRect(drawer, &r);
  sADMDrawer->ClearRect(drawer, &r);
  ADMRGBColor rgb = 0;
  const bool shown = SwatchRgb(colour, &rgb);
  sADMDrawer->SetRGBColor(drawer, shown ? rgb : 0xFFFFFF);
  sADMDrawer->FillRect(drawer, &r);
  sADMDrawer->SetRGBColor(drawer, 0x000000);
  sADMDrawer->DrawRect(drawer, &r);
  if (!shown) {
    const ASPoint from{r.left, r.bottom - 1}, to{r.right - 1, r.top};
    sADMDrawer->DrawLine(drawer, &from, &to);
  }
}

ASErr PickSwatchColour(AIColor* colour) {
  AIColor chosen = *colour;
  if (ASErr err = sADMBasic->ChooseColor("", colour, &chosen)) return err;
  *colour = chosen;
  return kNoErr;
}

}  // namespace vx
