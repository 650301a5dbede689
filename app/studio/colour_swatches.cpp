#include "app/studio/colour_swatches.h"

#include <algorithm>

#include "app/document_files.h"
#include "host/art/art.h"

namespace vx::app::studio {

std::vector<AIColor> DocumentColours(const host::art::Document& document, std::size_t limit) {
  std::vector<AIColor> colours;
  auto add = [&](const AIColor& c) {
    const bool plain = c.kind == kGrayColor || c.kind == kFourColor || c.kind == kThreeColor;
    if (!plain || colours.size() >= limit) return;
    if (std::none_of(colours.begin(), colours.end(),
                     [&](const AIColor& seen) { return host::art::SameColor(seen, c); }))
      colours.push_back(c);
  };
  ForEachObject(document, [&](const host::art::Art& art, const std::string&, int) {
    if (const AIPathStyle* style = art.style()) {
      if (style->fillPaint) add(style->fill.color);
      if (style->strokePaint) add(style->stroke.color);
    }
  });
  return colours;
}

}  // namespace vx::app::studio
