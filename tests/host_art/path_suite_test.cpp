// The path suite as the plug-in calls it: segment ranges, growing and
// shrinking, and the write-back pattern of the segment buffers.
#include "suite_fixture.h"

namespace vx::test {
namespace {

using Segments = std::vector<Segment>;

Segments Make(std::initializer_list<float> xs) {
  Segments out;
  for (float x : xs) out.push_back(Line(x, -x));
  return out;
}

std::vector<float> Xs(const Art& a) {
  std::vector<float> out;
  for (const Segment& s : a.path().segments) out.push_back(s.p.h);
  return out;
}

class PathSuiteTest : public SuiteTest {
 protected:
  Art* p = nullptr;  // anchors x = 1, 2, 3
  AIArtHandle h = nullptr;
  void SetUp() override {
    SuiteTest::SetUp();
    p = AddPath(*doc, Placement::InsideOnTop, nullptr, "p", {1, -1, 2, -2, 3, -3});
    h = p->handle();
    doc->ClearHistory();
  }
};

TEST_F(PathSuiteTest, GetSegmentsChecksTheRange) {
  struct Case { int16_t first, count; bool ok; };
  const Case cases[] = {{0, 3, true},  {1, 2, true},   {2, 1, true},  {3, 0, true},
                        {2, 2, false}, {-1, 1, false}, {0, -1, false}, {4, 0, false}};
  for (const auto& c : cases) {
    Segment out[4];
    ASSERT_EQ(c.ok ? 0 : kSPBadParameterError, path->GetPathSegments(h, c.first, c.count, out))
        << c.first << "," << c.count;
    if (c.ok && c.count) {
      EXPECT_EQ(float(c.first + 1), out[0].p.h);
    }
  }
}

TEST_F(PathSuiteTest, SetSegmentsCountInsertAndDeleteEditTheAnchorList) {
  struct Case {
    const char* what;
    std::function<int32_t(const AIPathSuite*, AIArtHandle)> call;
    int32_t result;
    std::vector<float> xs;
  };
  const Segments five = Make({10, 11, 12, 13, 14});
  const Case cases[] = {
      {"set inside", [&](auto s, auto a) { return s->SetPathSegments(a, 1, 1, five.data()); }, 0, {1, 10, 3}},
      {"set grows the path", [&](auto s, auto a) { return s->SetPathSegments(a, 2, 3, five.data()); }, 0, {1, 2, 10, 11, 12}},
      {"set at the end", [&](auto s, auto a) { return s->SetPathSegments(a, 3, 1, five.data()); }, 0, {1, 2, 3, 10}},
      {"set past a gap", [&](auto s, auto a) { return s->SetPathSegments(a, 4, 1, five.data()); }, kSPBadParameterError, {1, 2, 3}},
      {"set nothing", [&](auto s, auto a) { return s->SetPathSegments(a, 0, 0, nullptr); }, 0, {1, 2, 3}},
      {"count grows with the last", [&](auto s, auto a) { return s->SetPathSegmentCount(a, 5); }, 0, {1, 2, 3, 3, 3}},
      {"count shrinks", [&](auto s, auto a) { return s->SetPathSegmentCount(a, 1); }, 0, {1}},
      {"count zero", [&](auto s, auto a) { return s->SetPathSegmentCount(a, 0); }, 0, {}},
      {"count grows an empty path from zero segments", [&](auto s, auto a) {
         if (int32_t e = s->SetPathSegmentCount(a, 0)) return e;
         return s->SetPathSegmentCount(a, 2); }, 0, {0, 0}},
      {"count negative", [&](auto s, auto a) { return s->SetPathSegmentCount(a, -1); }, kSPBadParameterError, {1, 2, 3}},
      {"insert first", [&](auto s, auto a) { return s->InsertPathSegments(a, 0, 2, five.data()); }, 0, {10, 11, 1, 2, 3}},
      {"insert at end", [&](auto s, auto a) { return s->InsertPathSegments(a, 3, 1, five.data()); }, 0, {1, 2, 3, 10}},
      {"insert past end", [&](auto s, auto a) { return s->InsertPathSegments(a, 4, 1, five.data()); }, kSPBadParameterError, {1, 2, 3}},
      {"delete middle", [&](auto s, auto a) { return s->DeletePathSegments(a, 1, 1); }, 0, {1, 3}},
      {"delete too many", [&](auto s, auto a) { return s->DeletePathSegments(a, 2, 2); }, kSPBadParameterError, {1, 2, 3}},
      // The write-back of a working buffer: segments from 0, then the count.
      {"write back longer", [&](auto s, auto a) {
         if (int32_t e = s->SetPathSegments(a, 0, 5, five.data())) return e;
         return s->SetPathSegmentCount(a, 5); }, 0, {10, 11, 12, 13, 14}},
      {"write back shorter", [&](auto s, auto a) {
         if (int32_t e = s->SetPathSegments(a, 0, 2, five.data())) return e;
         return s->SetPathSegmentCount(a, 2); }, 0, {10, 11}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    int steps = doc->CompletedSteps();
    doc->BeginStep();
    EXPECT_EQ(c.result, c.call(path, h));
    doc->EndStep();
    EXPECT_EQ(c.xs, Xs(*p));
    EXPECT_EQ(p->path().segments.size(), p->path().selection.size());
    if (doc->CompletedSteps() > steps) doc->Undo();
    ASSERT_EQ((std::vector<float>{1, 2, 3}), Xs(*p));
  }
}

TEST_F(PathSuiteTest, WrongArtOrStaleHandlesAreRefused) {
  Art* g = AddGroup(*doc, Placement::InsideOnTop, nullptr, "g");
  int16_t count = 0;
  EXPECT_EQ(kSPBadParameterError, path->GetPathSegmentCount(g->handle(), &count));
  AIArtHandle stale = h;
  ASSERT_EQ(0, art->DisposeArt(h));
  EXPECT_EQ(kSPBadParameterError, path->GetPathSegmentCount(stale, &count));
  EXPECT_EQ(kSPBadParameterError, path->SetPathClosed(stale, 1));
  EXPECT_FALSE(art->ValidArt(stale));
  EXPECT_EQ(kSPBadParameterError, path->GetPathSegmentCount(nullptr, &count));
}

TEST_F(PathSuiteTest, SegmentSelectionFollowsAndDrivesThePathsSelection) {
  auto attr = [&] {
    return Out<int32_t>([&](auto* a) { return art->GetArtUserAttr(h, kArtSelected | kArtFullySelected, a); });
  };
  ASSERT_EQ(0, art->SetArtUserAttr(h, kArtSelected, kArtSelected));
  EXPECT_EQ(kSegmentPointSelected, Out<int16_t>([&](auto* s) { return path->GetPathSegmentSelected(h, 2, s); }));
  EXPECT_EQ(kArtSelected | kArtFullySelected, attr());
  ASSERT_EQ(0, path->SetPathSegmentSelected(h, 0, kSegmentNotSelected));
  EXPECT_EQ(kArtSelected, attr());
  ASSERT_EQ(0, path->SetPathSegmentSelected(h, 1, kSegmentNotSelected));
  ASSERT_EQ(0, path->SetPathSegmentSelected(h, 2, kSegmentNotSelected));
  EXPECT_EQ(0, attr());
  EXPECT_EQ(kSPBadParameterError, path->SetPathSegmentSelected(h, 3, kSegmentPointSelected));
}

TEST_F(PathSuiteTest, StylesOfPathsCompoundPathsAndTheCurrentStyle) {
  AIPathStyle s{};
  ASSERT_EQ(0, pathStyle->GetCurrentPathStyle(&s));
  s.strokePaint = 1;
  s.stroke.width = 7;
  s.stroke.color.kind = kFourColor;
  s.stroke.color.c.f = {0.1f, 0.2f, 0.3f, 0.4f};
  ASSERT_EQ(0, pathStyle->SetCurrentPathStyle(&s));
  AIArtHandle cp = nullptr, member = nullptr;
  ASSERT_EQ(0, art->NewArt(kCompoundPathArt, kPlaceAboveAll, nullptr, &cp));
  ASSERT_EQ(0, art->NewArt(kPathArt, kPlaceInsideOnTop, cp, &member));
  AIPathStyle got{};
  ASSERT_EQ(0, pathStyle->GetPathStyle(cp, &got));  // the member's, the current one
  EXPECT_TRUE(host::art::SamePathStyle(s, got));
  got.stroke.width = 2;
  ASSERT_EQ(0, pathStyle->SetPathStyle(cp, &got));
  EXPECT_EQ(2.0f, doc->FromHandle(member)->path().style.stroke.width);
  AIArtHandle g = nullptr;
  ASSERT_EQ(0, art->NewArt(kGroupArt, kPlaceAboveAll, nullptr, &g));
  EXPECT_EQ(kSPBadParameterError, pathStyle->GetPathStyle(g, &got));
}

}  // namespace
}  // namespace vx::test
