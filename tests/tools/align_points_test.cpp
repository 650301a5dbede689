// AlignPoints: the key point under the pointer (anchor, centre point, text
// on a path's start) and the selected anchors, point text starts and paths
// of text on a path moved onto it.
#include <gtest/gtest.h>

#include <vector>

#include "host/art/art.h"
#include "host/core/call_failures.h"
#include "shell/suites.h"
#include "support/test_paths.h"
#include "support/tool_fixture.h"
#include "tools/align_points.h"

namespace vx {
namespace {

using host::art::Art;
using host::art::ArtKind;
using host::art::Placement;

// The tool selected (the suites held) over the fixture's document.
class AlignPointsTest : public test::ToolTest {
 protected:
  void SetUp() override {
    ToolTest::SetUp();
    doc_ = &doc();
    UseTool("AlignPoints");
  }
  // A path whose segments have these selection states (1 anchor, 2 in).
  Art* PathWith(const char* svg, const std::vector<int16_t>& selection) {
    Art* art = test::AddSvgPath(*doc_, svg, nullptr, !selection.empty());
    if (!selection.empty()) doc_->MutablePath(*art).selection = selection;
    return art;
  }
  Art* PointText(AIRealPoint start) {
    Art* text = nullptr;
    EXPECT_EQ(0, doc_->NewArt(ArtKind::Text, Placement::InsideOnTop, nullptr, &text));
    doc_->MutableText(*text).start = start;
    doc_->Select(*text, true);
    return text;
  }
  // Text along a path, the text path starting `offset` points along it.
  Art* TextOnPath(const char* svg, float offset, bool selectText) {
    Art *text = nullptr, *textPath = nullptr;
    EXPECT_EQ(0, doc_->NewArt(ArtKind::Text, Placement::InsideOnTop, nullptr, &text));
    EXPECT_EQ(0, doc_->NewArt(ArtKind::TextPath, Placement::InsideOnBottom, text, &textPath));
    doc_->MutableTextPath(*textPath).startOffset = offset;
    Art* path = test::AddSvgPath(*doc_, svg, textPath, false);
    if (selectText) doc_->Select(*text, true);
    return path;
  }
  ASErr Align(AIRealPoint mouse, AlignMode mode, bool* found) {
    AIArtHandleList arts = nullptr;
    int32_t count = 0;
    if (ASErr err = GatherAlignable(&arts, &count)) return err;
    AIRealPoint key{};
    ASErr err = FindKeyPoint(mouse, &key, found);
    if (!err && *found) err = AlignArtList(arts, count, key, mode);
    sMdMemory->MdMemoryDisposeHandle(reinterpret_cast<AIMdMemoryHandle>(arts));
    return err;
  }
  host::art::Document* doc_ = nullptr;
};

// Point text moves its start; text on a path moves the selected anchors of
// its path; the start of text on a path is a key point within 1 point.
TEST_F(AlignPointsTest, TextStartsAndTextOnAPath) {
  PathWith("M 0,0 L 100,0", {});
  Art* text = PointText({20, 30});
  Art* along = TextOnPath("M 200,50 L 300,50", 10.0f, true);
  bool found = false;
  ASSERT_EQ(0, Align({100, 0}, AlignMode::kBoth, &found));
  ASSERT_TRUE(found);
  EXPECT_EQ(100.0f, text->text().start.h);
  EXPECT_EQ(0.0f, text->text().start.v);
  EXPECT_EQ(100.0f, along->path().segments[0].p.h);
  EXPECT_EQ(0.0f, along->path().segments[1].p.v);

  // Text starting 10 points along "M 200,50 L 300,50" starts at (210, 50).
  doc_->DeselectAll();
  TextOnPath("M 200,50 L 300,50", 10.0f, false);
  Art* moving = PathWith("M 0,80 L 0,90", {1, 1});
  ASSERT_EQ(0, Align({210.5f, 50.5f}, AlignMode::kX, &found));
  ASSERT_TRUE(found);
  EXPECT_EQ(210.0f, moving->path().segments[1].p.h);
}

// Nothing suitable selected: "!sel". A host error ends the walk with that
// error; what moved before stays moved.
TEST_F(AlignPointsTest, FailuresTravelBack) {
  PathWith("M 0,0 L 100,0", {});
  bool found = false;
  EXPECT_EQ(kBadSelectionErr, Align({0, 0}, AlignMode::kX, &found));
  Art* path = PathWith("M 30,30 L 40,40", {1, 1});
  Art* text = PointText({5, 5});
  host().failures().FailCall("SetTextStart", 1, kCantHappenErr);
  EXPECT_EQ(kCantHappenErr, Align({100, 0}, AlignMode::kX, &found));
  EXPECT_EQ(5.0f, text->text().start.h);
  EXPECT_EQ(100.0f, path->path().segments[0].p.h);
}

}  // namespace
}  // namespace vx
