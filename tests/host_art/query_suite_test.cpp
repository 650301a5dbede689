// Matching art, the selected-art list, bounds, transforming art and hit
// testing through the suite tables.
#include <cmath>

#include "host/art/geometry.h"
#include "suite_fixture.h"
#include "support/allocation_sweep.h"

namespace vx::test {
namespace {

// The layer holds, from the top: P1 (selected); G (selected) with g1 over
// the compound path CP (c1 over c2); text T with its text path TP (path tp)
// and run R; plug-in group art E (selected) with e1 in its edit group; Q
// (locked). In paint order, bottom first: Q E T G CP c2 c1 g1 P1.
class QueryTest : public SuiteTest {
 protected:
  void SetUp() override {
    SuiteTest::SetUp();
    Document& d = *doc;
    Art* layer = d.currentLayer()->group;
    Art* p1 = AddPath(d, Placement::InsideOnBottom, layer, "P1", {0, 0, 10, 10});
    Art* g = AddGroup(d, Placement::InsideOnBottom, layer, "G");
    AddPath(d, Placement::InsideOnBottom, g, "g1", {0, 0, 1, 1});
    Art* cp = AddGroup(d, Placement::InsideOnBottom, g, "CP", ArtKind::CompoundPath);
    AddPath(d, Placement::InsideOnBottom, cp, "c1", {0, 0, 2, 2});
    AddPath(d, Placement::InsideOnBottom, cp, "c2", {0, 0, 3, 3});
    Art* t = AddGroup(d, Placement::InsideOnBottom, layer, "T", ArtKind::Text);
    Art* tp = AddGroup(d, Placement::InsideOnBottom, t, "TP", ArtKind::TextPath);
    AddPath(d, Placement::InsideOnBottom, tp, "tp", {0, 0, 50, 0});
    AddGroup(d, Placement::InsideOnBottom, t, "R", ArtKind::TextRun);
    Art* e = AddGroup(d, Placement::InsideOnBottom, layer, "E", ArtKind::PluginGroup);
    AddPath(d, Placement::InsideOnBottom, e->editGroup(), "e1", {0, 0, 4, 4});
    Art* q = AddPath(d, Placement::InsideOnBottom, layer, "Q", {0, 0, 5, 5});
    d.Select(*p1, true);
    d.Select(*g, true);
    d.Select(*e, true);
    d.SetUserAttrs(*q, kArtLocked, kArtLocked);
  }
  // The ids of the art GetMatchingArt lists for `specs` (no specs: the ids
  // of the art GetSelectedArt lists).
  std::vector<std::string> Match(std::vector<AIMatchingArtSpec> specs = {}) {
    AIArtHandleList list = nullptr;
    int32_t count = -1;
    EXPECT_EQ(0, specs.empty() ? matching->GetSelectedArt(&list, &count)
                               : matching->GetMatchingArt(specs.data(), int16_t(specs.size()),
                                                          &list, &count));
    return Ids(TakeList(list, count));
  }
};

using Names = std::vector<std::string>;

TEST_F(QueryTest, MatchingArtBySpecificationsInPaintOrder) {
  const int16_t S = kArtSelected;
  struct Case {
    std::vector<AIMatchingArtSpec> specs;
    Names expected;
  };
  const Case cases[] = {
      {{{kPathArt, S, S}}, {"c2", "c1", "g1", "P1"}},
      {{{kGroupArt, S, S}}, {"<layer>", "G"}},
      {{{kCompoundPathArt, S, S}}, {"CP"}},
      {{{kPathArt, S, 0}}, {"Q"}},
      {{{kPathArt, kArtLocked, kArtLocked}}, {"Q"}},
      {{{kPluginArt, S, S}}, {"E"}},
      {{{kTextArt, 0, 0}}, {"T"}},
      {{{kTextRunArt, 0, 0}}, {"R"}},
      {{{kPathArt, 0, 0}, {kMysteryPathArt, 0, 0}}, {"Q", "tp", "c2", "c1", "g1", "P1"}},
      {{{kMysteryPathArt, 0, 0}}, {"tp"}},
      {{{kAnyArt, 0, 0}}, {"<layer>", "Q", "E", "T", "G", "CP", "c2", "c1", "g1", "P1"}},
      {{{kGroupArt, S, S}, {kPathArt, S, S}, {kCompoundPathArt, S, S},
        {kMysteryPathArt, S, S}, {kPluginArt, S, S}},
       {"<layer>", "E", "G", "CP", "c2", "c1", "g1", "P1"}},
      {{{kRasterArt, 0, 0}}, {}},
  };
  for (const auto& c : cases) EXPECT_EQ(c.expected, Match(c.specs));
  AIArtHandleList list = nullptr;
  int32_t count = 0;
  EXPECT_EQ(kSPBadParameterError, matching->GetMatchingArt(nullptr, 1, &list, &count));
}

TEST_F(QueryTest, SelectedListStartsWithTheLayersGroupThenPaintOrder) {
  // Selected plug-in group art E is followed by the selected art of its
  // edit group.
  EXPECT_EQ((Names{"<layer>", "E", "e1", "G", "CP", "c2", "c1", "g1", "P1"}), Match());
  // A selection over two layers lists each layer's group before its art.
  host::art::Layer* top = doc->NewLayer("Top");
  Art* x = AddPath(*doc, Placement::InsideOnTop, top->group, "X", {0, 0});
  doc->Select(*x, true);
  EXPECT_EQ((Names{"<layer>", "E", "e1", "G", "CP", "c2", "c1", "g1", "P1", "<layer>", "X"}),
            Match());
  AIArtHandleList list = nullptr;
  int32_t count = 0;
  ASSERT_EQ(0, matching->GetSelectedArt(&list, &count));
  const AIArtHandle first = TakeList(list, count).at(0);
  EXPECT_TRUE(Out<ASBoolean>([&](auto* is) { return art->IsArtLayerGroup(first, is); }));
  EXPECT_EQ(nullptr, Out<AIArtHandle>([&](auto* p) { return art->GetArtParent(first, p); }));
}

TEST_F(QueryTest, NothingSelectedGivesAnEmptyListWithoutMemory) {
  doc->DeselectAll();
  size_t live = host().blocks().LiveCount();
  AIArtHandleList list = reinterpret_cast<AIArtHandleList>(1);
  int32_t count = -1;
  ASSERT_EQ(0, matching->GetSelectedArt(&list, &count));
  EXPECT_EQ(0, count);
  EXPECT_EQ(nullptr, list);
  EXPECT_EQ(live, host().blocks().LiveCount());
  EXPECT_EQ(0, memory->MdMemoryDisposeHandle(nullptr));
}

TEST_F(QueryTest, ListAllocationFailuresLeaveNothingBehind) {
  AIArtHandleList list = nullptr;
  int32_t count = -1;
  size_t taken = 0;
  AllocationSweep sweep;
  sweep.run = [&] {
    list = nullptr;
    count = -1;
    ASErr err = matching->GetSelectedArt(&list, &count);
    EXPECT_EQ(err != kNoErr, list == nullptr);
    EXPECT_EQ(err ? 0 : 9, count);
    taken = err ? 0 : TakeList(list, count).size();
    return err;
  };
  EXPECT_EQ(3, SweepAllocationFailures(host(), sweep));  // two allocations, each failed once
  EXPECT_EQ(9, count);
  EXPECT_EQ(9u, taken);
}

TEST_F(QueryTest, SelectingAGroupSelectsItsMembersAndFullSelectionIsComputed) {
  AIArtHandle g = doc->FindById("G")->handle();
  auto attr = [&] {
    return Out<int32_t>([&](auto* a) { return art->GetArtUserAttr(g, kArtSelected | kArtFullySelected, a); });
  };
  ASSERT_EQ(0, art->SetArtUserAttr(g, kArtSelected, 0));
  EXPECT_FALSE(doc->FindById("c2")->selected());
  ASSERT_EQ(0, art->SetArtUserAttr(doc->FindById("c1")->handle(), kArtSelected, kArtSelected));
  EXPECT_EQ(0, attr());
  ASSERT_EQ(0, art->SetArtUserAttr(g, kArtSelected, kArtSelected));
  EXPECT_EQ(kArtSelected | kArtFullySelected, attr());
  // Mask 1 with value 8 clears the selected bit (only masked bits change).
  ASSERT_EQ(0, art->SetArtUserAttr(doc->FindById("P1")->handle(), 1, 8));
  EXPECT_FALSE(doc->FindById("P1")->selected());
}

struct BoundsCase {
  AIRealMatrix m;
  int32_t flags;
  AIRealRect expected;
};

TEST_F(QueryTest, BoundsUnderMatricesAndOptions) {
  Art* r = AddPath(*doc, Placement::AboveAll, nullptr, "rect", {0, 0, 10, 0, 10, 20, 0, 20}, true);
  AIPathStyle s = r->path().style;
  s.strokePaint = 1;
  s.stroke.width = 4;
  doc->SetStyle(*r, s);
  const AIRealMatrix id{1, 0, 0, 1, 0, 0};
  const BoundsCase cases[] = {
      {id, 0, {0, 20, 10, 0}},
      {id, kVisibleBounds, {-2, 22, 12, -2}},
      {id, kVisibleBounds | kNoStrokeBounds, {0, 20, 10, 0}},
      {{2, 0, 0, 2, 0, 0}, 0, {0, 40, 20, 0}},
      {{2, 0, 0, 2, 0, 0}, kVisibleBounds, {-4, 44, 24, -4}},
      {{0, 1, -1, 0, 0, 0}, 0, {-20, 10, 0, 0}},  // a quarter turn
      {{1, 0, 0, 1, 5, -5}, 0, {5, 15, 15, -5}},
  };
  for (const auto& c : cases) {
    AIRealRect b{};
    ASSERT_EQ(0, art->GetArtTransformBounds(r->handle(), &c.m, c.flags, &b));
    auto ltrb = [](const AIRealRect& r) { return std::vector<float>{r.left, r.top, r.right, r.bottom}; };
    EXPECT_EQ(ltrb(c.expected), ltrb(b));
  }
}

TEST_F(QueryTest, CurveBoundsAreExactControlBoundsIncludeHandles) {
  Art* c = AddPath(*doc, Placement::AboveAll, nullptr, "arc", {0, 0, 100, 0});
  auto& segs = doc->MutablePath(*c).segments;
  segs[0].out = {0, 40};
  segs[1].in = {100, 40};
  AIRealRect b{};
  ASSERT_EQ(0, art->GetArtBounds(c->handle(), &b));
  // The piece peaks at t = 1/2: (0 + 3*40 + 3*40 + 0) / 8 = 30.
  EXPECT_FLOAT_EQ(30, b.top);
  EXPECT_EQ(0, b.bottom);
  ASSERT_EQ(0, art->GetArtTransformBounds(c->handle(), nullptr, kControlBounds, &b));
  EXPECT_EQ(40, b.top);
  // An empty group has no extent.
  Art* g = AddGroup(*doc, Placement::AboveAll, nullptr, "empty");
  ASSERT_EQ(0, art->GetArtBounds(g->handle(), &b));
  EXPECT_EQ(0, b.left);
  EXPECT_EQ(0, b.top);
  // A clipped group extends no further than its clipping path.
  Art* clip = AddGroup(*doc, Placement::AboveAll, nullptr, "clip");
  Art* mask = AddPath(*doc, Placement::InsideOnTop, clip, "mask", {0, 0, 5, 5});
  AddPath(*doc, Placement::InsideOnBottom, clip, "big", {-50, -50, 50, 50});
  AIPathStyle ms = mask->path().style;
  ms.clip = 1;
  doc->SetStyle(*mask, ms);
  ASSERT_EQ(0, group->SetGroupClipped(clip->handle(), 1));
  ASSERT_EQ(0, art->GetArtBounds(clip->handle(), &b));
  EXPECT_EQ(5, b.right);
  EXPECT_EQ(0, b.bottom);
}

TEST_F(QueryTest, TransformArtOptionsChooseWhatMoves) {
  uint32_t gradient = doc->NewGradient({});
  uint32_t pattern = doc->NewPattern("dots", {0, 10, 10, 0});
  struct Case {
    int32_t flags;
    float x0, gradientTx, patternTx, width;
  };
  const Case cases[] = {
      {kTransformObjects, 5, 0, 0, 2},
      {kTransformFillGradients, 0, 5, 0, 2},
      {kTransformStrokePatterns, 0, 0, 5, 2},
      {kTransformFillPatterns, 0, 0, 0, 2},  // the fill is a gradient
      {kScaleLines, 0, 0, 0, 6},
      {kTransformObjects | kTransformFillGradients | kTransformStrokePatterns | kScaleLines,
       5, 5, 5, 6},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.flags);
    Art* p = AddPath(*doc, Placement::AboveAll, nullptr, "", {0, 0, 10, 0});
    AIPathStyle s = p->path().style;
    s.fill.color.kind = kGradient;
    s.fill.color.c.b = {};
    s.fill.color.c.b.gradient = gradient;
    s.fill.color.c.b.matrix = {1, 0, 0, 1, 0, 0};
    s.strokePaint = 1;
    s.stroke.width = 2;
    s.stroke.color.kind = kPattern;
    s.stroke.color.c.p = {};
    s.stroke.color.c.p.pattern = pattern;
    s.stroke.color.c.p.transform = {1, 0, 0, 1, 0, 0};
    doc->SetStyle(*p, s);
    const AIRealMatrix move{1, 0, 0, 1, 5, 7};
    ASSERT_EQ(0, transform->TransformArt(p->handle(), &move, 3, c.flags));
    const host::art::PathData& d = p->path();
    EXPECT_EQ(c.x0, d.segments[0].p.h);
    EXPECT_EQ(c.x0 == 5 ? 7.0f : 0.0f, d.segments[0].p.v);
    EXPECT_EQ(c.gradientTx, d.style.fill.color.c.b.matrix.tx);
    EXPECT_EQ(c.patternTx, d.style.stroke.color.c.p.transform.tx);
    EXPECT_EQ(c.width, d.style.stroke.width);
  }
  // Groups pass it to their members; plug-in group art to its edit group,
  // which asks for an update.
  Art* e = doc->FindById("E");
  doc->TakePendingUpdates();
  const AIRealMatrix move{1, 0, 0, 1, 1, 1};
  ASSERT_EQ(0, transform->TransformArt(doc->FindById("G")->handle(), &move, 1, kTransformObjects));
  EXPECT_EQ(3.0f, doc->FindById("c2")->path().segments[0].p.h + 2);
  ASSERT_EQ(0, transform->TransformArt(e->handle(), &move, 1, kTransformObjects));
  EXPECT_EQ(1.0f, doc->FindById("e1")->path().segments[0].p.h);
  EXPECT_EQ(std::vector<Art*>{e}, doc->TakePendingUpdates());
}

TEST_F(QueryTest, HitTestFindsPartsInOrderOfPreference) {
  doc->DeselectAll();
  Art* sq = AddPath(*doc, Placement::AboveAll, nullptr, "sq", {0, 0, 100, 0, 100, 100, 0, 100}, true);
  AIPathStyle s = sq->path().style;
  s.strokePaint = 1;
  s.stroke.width = 10;
  doc->SetStyle(*sq, s);
  doc->MutablePath(*sq).segments[1].out = {100, 20};  // along the side: bounds unchanged
  Art* t = AddGroup(*doc, Placement::AboveAll, nullptr, "text", ArtKind::Text);
  doc->MutableText(*t).start = {300, 300};
  struct Case {
    AIRealPoint at;
    int32_t part;
    const char* art;
    int segment;
  };
  const Case cases[] = {
      {{1, -1}, kAnchorPart, "sq", 0},      {{100, 100}, kAnchorPart, "sq", 2},
      {{101, 21}, kOutPart, "sq", 1},       {{50, 50}, kCenterPart, "sq", -1},
      {{50, 6}, kStrokePart, "sq", -1},     {{30, 30}, kFillPart, "sq", -1},
      {{300, 301}, kTextStartPart, "text", -1}, {{500, 500}, kNothingPart, "", -1},
  };
  for (const auto& c : cases) {
    AIHitTestResult r{};
    ASSERT_EQ(0, hitTest->HitTest(nullptr, &c.at, 2, &r));
    EXPECT_EQ(c.part, r.part) << c.at.h << "," << c.at.v;
    EXPECT_EQ(std::string(c.art), r.art ? doc->FromHandle(r.art)->id() : "");
    if (c.segment >= 0) {
      EXPECT_EQ(c.segment, r.segmentIndex);
    }
  }
  doc->SetUserAttrs(*sq, kArtHidden, kArtHidden);
  AIHitTestResult r{};
  AIRealPoint centre{50, 50};
  ASSERT_EQ(0, hitTest->HitTest(nullptr, &centre, 2, &r));
  EXPECT_EQ(kNothingPart, r.part);
}

TEST_F(QueryTest, TreeNavigationMatchesTheHostsConventions) {
  using H = AIArtHandle;
  auto id = [&](AIArtHandle h) { return doc->FromHandle(h)->id(); };
  const AILayerHandle layer = Out<AILayerHandle>([&](auto* l) { return layers->GetCurrentLayer(l); });
  const H layerGroup = Out<H>([&](auto* a) { return art->GetFirstArtOfLayer(layer, a); });
  const H child = Out<H>([&](auto* a) { return art->GetArtFirstChild(layerGroup, a); });
  EXPECT_EQ("P1", id(child));  // the topmost
  const H next = Out<H>([&](auto* a) { return art->GetArtSibling(child, a); });
  EXPECT_EQ("G", id(next));  // the next one below
  EXPECT_EQ(child, Out<H>([&](auto* a) { return art->GetArtPriorSibling(next, a); }));
  const H e = doc->FindById("E")->handle();
  const H edit = Out<H>([&](auto* a) { return pluginGroup->GetPluginArtEditArt(e, a); });
  EXPECT_EQ(e, Out<H>([&](auto* a) { return art->GetArtParent(edit, a); }));
  EXPECT_EQ(nullptr, Out<H>([&](auto* a) { return art->GetArtFirstChild(e, a); }));
  EXPECT_EQ(kPluginArt, Out<int16_t>([&](auto* t) { return art->GetArtType(e, t); }));
  EXPECT_EQ(layer, Out<AILayerHandle>([&](auto* l) {
              return art->GetLayerOfArt(doc->FindById("c1")->handle(), l); }));
}

}  // namespace
}  // namespace vx::test
