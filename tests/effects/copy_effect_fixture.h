// The effects that repeat their source (Galaxy, Explosion, Circle,
// Reflections, Tiling, Generation, Frame): a filled 50-point square at
// (100, 100) alone on the layer as the source, the effect applied through
// its palette with a given record, and measures of the square copies it
// makes.
#pragma once

#include <cmath>
#include <cstring>
#include <string>

#include "effect_fixture.h"
#include "effects/effect_framework.h"
#include "effects/effect_table.h"
#include "host/art/document_set.h"
#include "host/art/plugin_group_updates.h"

namespace vx::test {

class CopyEffectTest : public EffectTest {
 protected:
  static constexpr float kSide = 50;
  static constexpr AIRealPoint kCentre{125, 125};

  // Source on an emptied layer (with a stroke of this width, or of this
  // side instead).
  Art* Source(float stroke = 0, float side = kSide) {
    while (Art* a = layer()->firstChild()) EXPECT_EQ(0, doc().Dispose(a));
    Art* square = AddSquare("source", 100, 100, side);
    const AIColor black = Gray(1);
    Paint(*square, stroke, black, &black);
    Select({square});
    source_ = square->path();
    return square;
  }
  // The art is a path exactly as Source made it (segments and style).
  bool SameAsSource(const Art* art) const {
    if (!art || art->kind() != ArtKind::Path) return false;
    const auto& p = art->path();
    return p.segments.size() == source_.segments.size() &&
           std::memcmp(p.segments.data(), source_.segments.data(),
                       p.segments.size() * sizeof(Segment)) == 0 &&
           host::art::SamePathStyle(p.style, source_.style);
  }
  // Applies the effect with this record (the effect's record type) to the
  // selection, as the user presses Apply in its palette; the art made.
  Art* Apply(int effect, const void* record) {
    if (!Palette(effect)) {
      EXPECT_EQ(0, ChooseWindowItem(effect));
    }
    void* current = globals().effectRecords[effect];
    EXPECT_NE(nullptr, current);
    if (!current) return nullptr;
    std::memcpy(current, record, size_t(Effect(effect).record.size));
    Act(effect, "press " + std::to_string(Effect(effect).buttons.apply));
    auto effects = EffectArt();
    EXPECT_EQ(1u, effects.size());
    return effects.empty() ? nullptr : effects[0];
  }
  // A new host that reports this version, with a new document.
  void RestartHost(const char* version) {
    ExpectCleanShutdown();
    host_.reset();
    options_.versionText = version;
    ASSERT_EQ(0, StartHost());
    doc_ = &host().documents().New("restarted");
  }

  // A square copy's centre (the mean of its corners) and side length.
  static AIRealPoint Centre(const Art* square) {
    AIRealPoint c{0, 0};
    for (const Segment& s : square->path().segments) {
      c.h += s.p.h * 0.25f;
      c.v += s.p.v * 0.25f;
    }
    return c;
  }
  static float Side(const Art* square) {
    const auto& s = square->path().segments;
    return std::hypot(s[1].p.h - s[0].p.h, s[1].p.v - s[0].p.v);
  }
  // A square copy with this centre and side, within 0.001 point.
  static void ExpectSquare(const Art* square, AIRealPoint centre, float side) {
    ASSERT_NE(nullptr, square);
    EXPECT_NEAR(centre.h, Centre(square).h, 1e-3f);
    EXPECT_NEAR(centre.v, Centre(square).v, 1e-3f);
    if (side > 0) {
      EXPECT_NEAR(side, Side(square), 1e-3f);
    }
  }
  static float Distance(AIRealPoint a, AIRealPoint b) {
    return std::hypot(a.h - b.h, a.v - b.v);
  }

 private:
  host::art::PathData source_;
};

}  // namespace vx::test
