// Undo restores the document exactly: art, styles, selection, paint order,
// layers, resources, with the same handles. Checked by comparing full dumps
// before and after, over hand-written and random sequences of edits.
#include <gtest/gtest.h>

#include <random>

#include "host/art/dump.h"
#include "host/art/geometry.h"
#include "model_builders.h"

namespace vx::test {
namespace {

using host::art::DumpDocument;
using host::art::Layer;

// Every art object of the document, edit and result groups included.
void Collect(Art& art, std::vector<Art*>& out) {
  out.push_back(&art);
  if (art.editGroup()) Collect(*art.editGroup(), out);
  if (art.resultGroup()) Collect(*art.resultGroup(), out);
  for (Art* c = art.firstChild(); c; c = c->sibling()) Collect(*c, out);
}
std::vector<Art*> AllArt(Document& doc) {
  std::vector<Art*> out;
  for (int i = 0; i < doc.LayerCount(); ++i) Collect(*doc.LayerAt(i)->group, out);
  return out;
}

// One random edit of the kinds the plug-in and the host make.
class RandomEditor {
 public:
  RandomEditor(Document& doc, unsigned seed) : doc_(doc), rng_(seed) {}

  void Edit() {
    std::vector<Art*> all = AllArt(doc_);
    Art* a = all[Pick(all.size())];
    Art* b = all[Pick(all.size())];
    Placement where = Placement(1 + Pick(6));
    switch (Pick(17)) {
      case 0: {
        Art* n = nullptr;
        doc_.NewArt(ArtKind::Path, where, b, &n);
        if (n) {
          auto& p = doc_.MutablePath(*n);
          for (int i = 0, k = 1 + Pick(5); i < k; ++i) p.segments.push_back(Line(Real(), Real()));
          p.selection.assign(p.segments.size(), kSegmentNotSelected);
        }
        break;
      }
      case 1: doc_.Dispose(a); break;
      case 2: doc_.Reorder(a, where, Pick(4) ? b : nullptr); break;
      case 3: doc_.Duplicate(a, where, b, nullptr); break;
      case 4:
        if (a->kind() == ArtKind::Path) {
          auto& p = doc_.MutablePath(*a);
          if (!p.segments.empty() && Pick(2)) {
            p.segments.pop_back();
            p.selection.pop_back();
          } else {
            p.segments.push_back(Line(Real(), Real()));
            p.selection.push_back(kSegmentPointSelected);
          }
          if (!p.segments.empty()) p.segments[0].out = {Real(), Real()};
          p.closed = !p.closed;
        }
        break;
      case 5:
        if (a->style()) {
          AIPathStyle s = *a->style();
          s.stroke.width = Real();
          s.strokePaint = !s.strokePaint;
          s.fill.color.kind = kThreeColor;
          s.fill.color.c.rgb = {Real() / 100, 0.5f, 0.25f};
          doc_.SetStyle(*a, s);
        }
        break;
      case 6: doc_.Select(*a, Pick(2)); break;
      case 7: doc_.SetUserAttrs(*a, kArtLocked | kArtHidden, int32_t(Pick(8))); break;
      case 8:
        doc_.SetId(*a, "id" + std::to_string(Pick(1000)));
        doc_.SetName(*a, "name" + std::to_string(Pick(1000)));
        break;
      case 9: {
        Art* g = nullptr;
        doc_.NewArt(Pick(2) ? ArtKind::Group : ArtKind::CompoundPath, where, b, &g);
        if (g) doc_.Reorder(a, Placement::InsideOnTop, g);
        break;
      }
      case 10: {
        Art* p = nullptr;
        doc_.NewArt(ArtKind::PluginGroup, where, b, &p);
        if (p) {
          doc_.MutablePlugin(*p).data.assign(Pick(20), uint8_t(Pick(256)));
          doc_.Reorder(a, Placement::InsideOnBottom, p->editGroup());
          doc_.Duplicate(a, Placement::InsideOnTop, p->resultGroup(), nullptr);
        }
        break;
      }
      case 11: {
        int n = doc_.LayerCount();
        Layer* l = doc_.LayerAt(Pick(n));
        switch (Pick(4)) {
          case 0: doc_.NewLayer("L" + std::to_string(Pick(100)), Pick(2) ? Placement::Above : Placement::Below, l); break;
          case 1: doc_.DeleteLayer(l); break;
          case 2: doc_.SetCurrentLayer(l); break;
          default:
            doc_.SetLayerVisible(l, Pick(2));
            doc_.SetLayerTitle(l, "T" + std::to_string(Pick(100)));
        }
        break;
      }
      case 12: {
        host::art::Gradient g;
        g.name = "g";
        uint32_t id = doc_.NewGradient(g);
        doc_.MutableGradient(id)->type = kRadialGradient;
        host::art::CustomColor c;
        c.name = "spot";
        c.definition.kind = kFourColor;
        doc_.NewCustomColor(c);
        doc_.NewPattern("p", {0, 10, 10, 0});
        break;
      }
      case 13: {
        AIPathStyle s = doc_.currentStyle();
        s.stroke.width = Real();
        doc_.SetCurrentStyle(s);
        doc_.SetTextFocus(a->kind() == ArtKind::Text ? a : nullptr);
        break;
      }
      case 14:
        host::art::TransformArt(doc_, *a, {1, 0.5f, 0, 2, Real(), Real()}, 2,
                                kTransformObjects | kScaleLines);
        break;
      case 15:
        if (a->kind() == ArtKind::Group && !a->isLayerGroup())
          doc_.MutableGroup(*a).clipped = !a->group().clipped;
        break;
      case 16: {
        Art* t = nullptr;
        doc_.NewArt(ArtKind::Text, where, b, &t);
        if (t) {
          doc_.MutableText(*t).start = {Real(), Real()};
          Art* run = nullptr;
          doc_.NewArt(ArtKind::TextRun, Placement::InsideOnBottom, t, &run);
          if (run) doc_.MutableRun(*run).contents = "abc";
        }
        break;
      }
    }
  }

 private:
  size_t Pick(size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(rng_); }
  float Real() { return float(std::uniform_int_distribution<int>(-400, 400)(rng_)) / 4; }
  Document& doc_;
  std::mt19937 rng_;
};

// Twelve steps of random edits; the dumps of the states from the start on.
std::vector<std::string> EditSteps(Document& doc, unsigned seed) {
  AddPath(doc, Placement::InsideOnTop, nullptr, "first", {0, 0, 10, 0, 10, 10});
  doc.ClearHistory();
  RandomEditor editor(doc, seed);
  std::vector<std::string> states{DumpDocument(doc)};
  for (int step = 0; step < 12; ++step) {
    doc.BeginStep();
    for (int i = 0, n = 1 + int(seed + step) % 7; i < n; ++i) editor.Edit();
    doc.EndStep();
    states.push_back(DumpDocument(doc));
    EXPECT_EQ(std::string::npos, states.back().find("BROKEN"));
  }
  return states;
}

TEST(Undo, RandomEditSequencesUndoStepByStepToEveryEarlierState) {
  for (unsigned seed = 1; seed <= 40; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    Document doc;
    const std::vector<std::string> states = EditSteps(doc, seed);
    for (size_t k = states.size() - 1; k > 0; --k) {
      if (states[k] == states[k - 1]) continue;  // a step that changed nothing
      ASSERT_TRUE(doc.Undo());
      ASSERT_EQ(states[k - 1], DumpDocument(doc)) << "undoing step " << k;
    }
    // Redo makes every undone step again, in order.
    for (size_t k = 1; k < states.size(); ++k) {
      if (states[k] == states[k - 1]) continue;
      ASSERT_TRUE(doc.Redo());
      ASSERT_EQ(states[k], DumpDocument(doc)) << "redoing step " << k;
    }
    EXPECT_FALSE(doc.Redo());
  }
}

TEST(Undo, ANewStepOrAClearedHistoryDropsWhatRedoWouldMake) {
  for (const bool clear : {false, true}) {
    Document doc;
    EditSteps(doc, 7);
    ASSERT_TRUE(doc.Undo());
    ASSERT_EQ(doc.RedoableSteps(), 1);
    if (clear) {
      doc.ClearHistory();
    } else {
      doc.BeginStep();
      AddPath(doc, Placement::InsideOnTop, nullptr, "new", {0, 0, 5, 5});
      doc.EndStep();
    }
    EXPECT_EQ(doc.RedoableSteps(), 0);
    EXPECT_FALSE(doc.Redo());
  }
}

// What is made while loading is where the history starts, not a step:
// nothing is recorded, and later steps undo back to it exactly.
TEST(Undo, LoadingRecordsNothingAndLaterStepsUndoToTheLoadedState) {
  Document doc;
  {
    const Document::Loading loading(doc);
    EditSteps(doc, 3);
    EXPECT_EQ(0, doc.CompletedSteps());
    EXPECT_EQ(0u, doc.HistoryBytes() + doc.OpenStepChanges());
  }
  const std::string loaded = DumpDocument(doc);
  RandomEditor editor(doc, 9);
  for (int step = 0; step < 4; ++step) {
    doc.BeginStep();
    for (int i = 0; i < 3; ++i) editor.Edit();
    doc.EndStep();
  }
  EXPECT_LT(0, doc.CompletedSteps());
  while (doc.Undo()) {
  }
  EXPECT_EQ(loaded, DumpDocument(doc));
}

TEST(Undo, RevertAndFailedDragEventsRestoreTheStartAndTheLastGoodEventExactly) {
  for (unsigned seed = 200; seed < 230; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    Document doc;
    AddPath(doc, Placement::InsideOnTop, nullptr, "first", {0, 0, 10, 0, 10, 10});
    doc.ClearHistory();
    RandomEditor editor(doc, seed);
    const std::string start = DumpDocument(doc);
    std::string good = start;
    doc.BeginStep();
    for (int event = 0; event < 8; ++event) {
      doc.BeginEvent();
      // Most events revert the previous move first (some twice, some not):
      // back to the drag's start.
      const int reverts = int(seed + event) % 3;
      for (int r = 0; r < reverts; ++r) doc.RevertOpenStep();
      if (reverts) {
        ASSERT_EQ(start, DumpDocument(doc)) << "event " << event;
      }
      for (int i = 0, n = 1 + int(seed * 7 + event) % 5; i < n; ++i) editor.Edit();
      if ((seed + event) % 3 == 0) {
        doc.RollBackEvent();
        ASSERT_EQ(good, DumpDocument(doc)) << "event " << event;
      } else {
        doc.EndEvent();
        good = DumpDocument(doc);
      }
    }
    doc.EndStep();
    if (good != start) {
      ASSERT_TRUE(doc.Undo());
    }
    EXPECT_EQ(start, DumpDocument(doc));
  }
}

TEST(Undo, UndoKeepsHandlesOfRestoredArtAndDropsUndoneNewArt) {
  Document doc;
  Art* g = AddGroup(doc, Placement::InsideOnTop, nullptr, "g");
  Art* p = AddPath(doc, Placement::InsideOnTop, g, "p", {0, 0, 1, 1});
  uint32_t gUid = g->uid(), pUid = p->uid();
  doc.ClearHistory();
  doc.BeginStep();
  ASSERT_EQ(0, doc.Dispose(g));
  Art* n = AddPath(doc, Placement::InsideOnTop, nullptr, "n", {5, 5});
  uint32_t nUid = n->uid();
  doc.EndStep();
  EXPECT_EQ(nullptr, doc.FindArt(gUid));
  EXPECT_EQ(nullptr, doc.FindArt(pUid));
  ASSERT_TRUE(doc.Undo());
  EXPECT_EQ(g, doc.FindArt(gUid));
  EXPECT_EQ(p, doc.FindArt(pUid));
  EXPECT_EQ(g, p->parent());
  EXPECT_EQ(nullptr, doc.FindArt(nUid));
  EXPECT_FALSE(doc.Undo());
}

TEST(Undo, StepsNestChangesOutsideStepsFormTheirOwnAndTheLimitDropsOldOnes) {
  Document doc;
  doc.SetHistoryLimit(3);
  std::string empty = DumpDocument(doc);
  AddPath(doc, Placement::InsideOnTop, nullptr, "host edit", {0, 0});
  std::string afterHost = DumpDocument(doc);
  doc.BeginStep();
  doc.BeginStep();  // a nested message joins the outer step
  AddPath(doc, Placement::InsideOnTop, nullptr, "a", {0, 0});
  doc.EndStep();
  AddPath(doc, Placement::InsideOnTop, nullptr, "b", {0, 0});
  doc.EndStep();
  EXPECT_EQ(2, doc.CompletedSteps());
  doc.BeginStep();
  doc.EndStep();  // nothing changed: no step
  EXPECT_EQ(2, doc.CompletedSteps());
  ASSERT_TRUE(doc.Undo());
  EXPECT_EQ(afterHost, DumpDocument(doc));
  ASSERT_TRUE(doc.Undo());
  EXPECT_EQ(empty, DumpDocument(doc));
  for (int i = 0; i < 5; ++i) {
    doc.BeginStep();
    AddPath(doc, Placement::InsideOnTop, nullptr, "x" + std::to_string(i), {0, 0});
    doc.EndStep();
  }
  EXPECT_EQ(3, doc.CompletedSteps());
}

// A drag's steps joined to its first: one Undo goes back before the drag,
// Redo brings its end back; a step is joined only to the one named.
TEST(Undo, JoinedStepsUndoAndRedoAsOne) {
  Document doc;
  RandomEditor editor(doc, 3);
  AddPath(doc, Placement::InsideOnTop, nullptr, "first", {0, 0, 10, 0});
  doc.ClearHistory();
  const std::string before = DumpDocument(doc);
  uint64_t first = 0;
  for (int i = 0; i < 4; ++i) {
    doc.BeginStep();
    AddPath(doc, Placement::InsideOnTop, nullptr, "p" + std::to_string(i), {0, 0, 5, 5});
    editor.Edit();
    doc.EndStep();
    if (i == 0) first = doc.LastStep();
    EXPECT_EQ(i > 0, doc.JoinLastStep(first)) << i;
    EXPECT_FALSE(doc.JoinLastStep(doc.LastStep()));
  }
  const std::string after = DumpDocument(doc);
  EXPECT_EQ(1, doc.CompletedSteps());
  ASSERT_TRUE(doc.Undo());
  EXPECT_EQ(before, DumpDocument(doc));
  ASSERT_TRUE(doc.Redo());
  EXPECT_EQ(after, DumpDocument(doc));
}

TEST(Undo, PluginGroupArtIsMarkedByDataAndEditGroupChangesOnly) {
  Document doc;
  Art* plugin = nullptr;
  ASSERT_EQ(0, doc.NewArt(ArtKind::PluginGroup, Placement::InsideOnTop, nullptr, &plugin));
  Art* src = AddPath(doc, Placement::InsideOnTop, nullptr, "src", {0, 0, 1, 1});
  doc.TakePendingUpdates();
  ASSERT_EQ(0, doc.Reorder(src, Placement::InsideOnBottom, plugin->editGroup()));
  EXPECT_EQ(std::vector<Art*>{plugin}, doc.TakePendingUpdates());
  // The plug-in's own result changes ask for no further update.
  ASSERT_EQ(0, doc.Duplicate(src, Placement::InsideOnTop, plugin->resultGroup(), nullptr));
  EXPECT_TRUE(doc.TakePendingUpdates().empty());
  doc.MutablePath(*src).segments[0].p = {3, 3};
  doc.MutablePlugin(*plugin).data = {1, 2};
  EXPECT_EQ(std::vector<Art*>{plugin}, doc.TakePendingUpdates());
  // Selecting is no edit.
  doc.Select(*src, true);
  EXPECT_TRUE(doc.TakePendingUpdates().empty());
}

}  // namespace
}  // namespace vx::test
