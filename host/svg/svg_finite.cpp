#include "host/svg/svg_finite.h"

#include <cmath>

namespace vx::host::svg {
namespace {

bool Finite(const AIRealPoint& p) { return std::isfinite(p.h) && std::isfinite(p.v); }

bool FiniteColor(const AIColor& c) {
  switch (c.kind) {
    case kGrayColor: return std::isfinite(c.c.g.gray);
    case kFourColor:
      return std::isfinite(c.c.f.cyan) && std::isfinite(c.c.f.magenta) &&
             std::isfinite(c.c.f.yellow) && std::isfinite(c.c.f.black);
    case kThreeColor:
      return std::isfinite(c.c.rgb.red) && std::isfinite(c.c.rgb.green) &&
             std::isfinite(c.c.rgb.blue);
    case kCustomColor: return std::isfinite(c.c.c.tint);
    default: return true;
  }
}

bool FiniteStyle(const AIPathStyle& s) {
  return FiniteColor(s.fill.color) && FiniteColor(s.stroke.color) &&
         std::isfinite(s.stroke.width) && std::isfinite(s.stroke.miterLimit);
}

const art::Art* FirstNonFiniteIn(const art::Art& art) {
  using art::ArtKind;
  bool ok = true;
  if (art.kind() == ArtKind::Path) {
    // x - x is 0 for every finite x and NaN otherwise: one sum, no branch
    // per number.
    AIReal zero = 0;
    for (const Segment& s : art.path().segments)
      zero += (s.p.h - s.p.h) + (s.p.v - s.p.v) + (s.in.h - s.in.h) + (s.in.v - s.in.v) +
              (s.out.h - s.out.h) + (s.out.v - s.out.v);
    ok = zero == 0;
  } else if (art.kind() == ArtKind::Text) {
    ok = Finite(art.text().start) && std::isfinite(art.text().fontSize);
  } else if (art.kind() == ArtKind::TextPath) {
    ok = std::isfinite(art.textPath().startOffset);
  }
  if (const AIPathStyle* style = art.style()) ok = ok && FiniteStyle(*style);
  if (!ok) return &art;
  for (const art::Art* part : {art.editGroup(), art.resultGroup()})
    if (part)
      if (const art::Art* bad = FirstNonFiniteIn(*part)) return bad;
  for (const art::Art* child = art.firstChild(); child; child = child->sibling())
    if (const art::Art* bad = FirstNonFiniteIn(*child)) return bad;
  return nullptr;
}

}  // namespace

const art::Art* FirstNonFinite(const art::Document& document) {
  for (const art::Layer* layer : document.LayersInPaintOrder())
    if (const art::Art* bad = FirstNonFiniteIn(*layer->group)) return bad;
  return nullptr;
}

}  // namespace vx::host::svg
