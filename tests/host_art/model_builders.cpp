#include "model_builders.h"

#include <gtest/gtest.h>

namespace vx::test {

Segment Line(float x, float y) {
  Segment s{};
  s.p = s.in = s.out = {x, y};
  s.corner = 1;
  return s;
}

Art* AddPath(Document& doc, Placement placement, Art* prep, const std::string& id,
             std::initializer_list<float> xy, bool closed) {
  Art* art = nullptr;
  EXPECT_EQ(0, doc.NewArt(ArtKind::Path, placement, prep, &art));
  if (!art) return nullptr;
  doc.SetId(*art, id);
  auto& p = doc.MutablePath(*art);
  for (auto it = xy.begin(); it != xy.end() && it + 1 != xy.end(); it += 2)
    p.segments.push_back(Line(*it, *(it + 1)));
  p.selection.assign(p.segments.size(), kSegmentNotSelected);
  p.closed = closed;
  return art;
}

Art* AddGroup(Document& doc, Placement placement, Art* prep, const std::string& id,
              ArtKind kind) {
  Art* art = nullptr;
  EXPECT_EQ(0, doc.NewArt(kind, placement, prep, &art));
  if (art) doc.SetId(*art, id);
  return art;
}

}  // namespace vx::test
