#include "support/test_paths.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "host/svg/svg_path_data.h"

namespace vx::test {

std::string SvgPolyline(const std::vector<AIRealPoint>& points, bool closed) {
  std::string data;
  for (const AIRealPoint& p : points) {
    char text[64];
    std::snprintf(text, sizeof text, "%s%.9g,%.9g", data.empty() ? "M " : " L ",
                  double(p.h), double(p.v));
    data += text;
  }
  return closed ? data + " Z" : data;
}

TestPath PathFromSvg(std::string_view data) {
  using namespace host::svg;
  bool ok = true;
  BezierPaths paths = ReadPathDataGeneral(data, &ok);
  EXPECT_TRUE(ok) << data;
  TestPath path;
  EXPECT_FALSE(paths.empty()) << data;
  if (paths.empty()) return path;
  auto point = [](const host::Point& p) { return AIRealPoint{float(p[0]), float(p[1])}; };
  for (const Anchor& a : paths[0].anchors) {
    Segment s{};
    s.p = point(a.p);
    s.in = point(a.in);
    s.out = point(a.out);
    s.corner = a.corner ? 1 : 0;
    path.segments.push_back(s);
  }
  path.closed = paths[0].closed;
  return path;
}

host::art::Art* AddSvgPath(host::art::Document& doc, std::string_view data,
                           host::art::Art* container, bool selected,
                           const std::string& id) {
  using namespace host::art;
  Art* art = nullptr;
  EXPECT_EQ(0, doc.NewArt(ArtKind::Path, Placement::InsideOnTop,
                          container ? container : doc.currentLayer()->group, &art));
  if (!art) return nullptr;
  const TestPath path = PathFromSvg(data);
  PathData& p = doc.MutablePath(*art);
  p.segments = path.segments;
  p.selection.assign(p.segments.size(), kSegmentNotSelected);
  p.closed = path.closed;
  if (selected) doc.Select(*art, true);
  if (!id.empty()) doc.SetId(*art, id);
  return art;
}

}  // namespace vx::test
