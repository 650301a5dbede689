// Paths for tests written in SVG path data: PathFromSvg("M 0,0 L 10,0 Z").
// Coordinates are taken as written (page points, y up: no flip); lines are
// corner anchors with retracted handles, curves keep their handles, and an
// anchor is smooth where its handles are collinear.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "host/art/document.h"
#include "vx_sdk.h"

namespace vx::test {

struct TestPath {
  std::vector<Segment> segments;
  bool closed = false;
};

// Path data of straight spans through the points ("M 0,0 L 10,0"), each
// number written so that it reads back as the same float.
std::string SvgPolyline(const std::vector<AIRealPoint>& points, bool closed = false);

// The first subpath of the data; fails the test on bad data.
TestPath PathFromSvg(std::string_view data);

// A path art of the data on top of `container` (default: the current
// layer), selected unless told otherwise, with id `id` when given.
host::art::Art* AddSvgPath(host::art::Document& doc, std::string_view data,
                           host::art::Art* container = nullptr,
                           bool selected = true, const std::string& id = "");

}  // namespace vx::test
