// Placement and paint order of the art tree: where NewArt, Duplicate and
// Reorder put art, and the refusals that keep the tree sound.
#include <gtest/gtest.h>

#include <functional>

#include "host/art/dump.h"
#include "model_builders.h"

namespace vx::test {
namespace {

using host::art::DumpDocument;

// The layer holds, from the top: A, G (g1 over g2), C.
class PlacementTest : public ::testing::Test {
 protected:
  Document doc;
  Art* layer = nullptr;
  void SetUp() override {
    layer = doc.currentLayer()->group;
    AddPath(doc, Placement::InsideOnBottom, layer, "A", {0, 0, 10, 10});
    Art* g = AddGroup(doc, Placement::InsideOnBottom, layer, "G");
    AddPath(doc, Placement::InsideOnBottom, g, "g1", {1, 1, 2, 2});
    AddPath(doc, Placement::InsideOnBottom, g, "g2", {3, 3, 4, 4});
    AddPath(doc, Placement::InsideOnBottom, layer, "C", {5, 5, 6, 6});
    ASSERT_EQ("A G[g1 g2] C", Listing(*layer));
    doc.ClearHistory();
  }
  Art* Id(const std::string& id) { return id.empty() ? nullptr : doc.FindById(id); }
  // Runs `edit` as one step. Refused (`expected` null): a bad-parameter error
  // and nothing changed. Otherwise the layer lists `expected` and undoing
  // gives back the document as it was.
  void ExpectStep(const std::function<int32_t()>& edit, const char* expected) {
    std::string before = DumpDocument(doc);
    doc.BeginStep();
    int32_t err = edit();
    doc.EndStep();
    if (!expected) {
      EXPECT_EQ(kSPBadParameterError, err);
    } else {
      ASSERT_EQ(0, err);
      EXPECT_EQ(expected, Listing(*layer));
      if (DumpDocument(doc) != before) {
        ASSERT_TRUE(doc.Undo());
      }
    }
    EXPECT_EQ(before, DumpDocument(doc));
  }
};

struct PlaceCase {
  Placement placement;
  const char* prep;
  const char* expected;
};

// New art goes where its placement says; impossible placements (null
// expected) are refused, hand back no art and change nothing.
TEST_F(PlacementTest, NewArtGoesWherePlacementSays) {
  const PlaceCase cases[] = {
      {Placement::Above, "A", "N A G[g1 g2] C"},
      {Placement::Below, "A", "A N G[g1 g2] C"},
      {Placement::Above, "g2", "A G[g1 N g2] C"},
      {Placement::Below, "g2", "A G[g1 g2 N] C"},
      {Placement::Below, "C", "A G[g1 g2] C N"},
      {Placement::InsideOnTop, "G", "A G[N g1 g2] C"},
      {Placement::InsideOnBottom, "G", "A G[g1 g2 N] C"},
      {Placement::InsideOnTop, "", "N A G[g1 g2] C"},
      {Placement::InsideOnBottom, "", "A G[g1 g2] C N"},
      {Placement::AboveAll, "g2", "N A G[g1 g2] C"},
      {Placement::BelowAll, "g1", "A G[g1 g2] C N"},
      {Placement::AboveAll, "", "N A G[g1 g2] C"},
      {Placement::Above, "", nullptr},  // no sibling to place at
      {Placement::Below, "", nullptr},
      {Placement::InsideOnTop, "A", nullptr},  // a path holds no art
      {Placement::InsideOnBottom, "C", nullptr},
      {Placement(0), "A", nullptr},
      {Placement(7), "A", nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string("placement ") + std::to_string(int(c.placement)) +
                 " prep " + c.prep);
    ExpectStep([&] {
      Art* n = reinterpret_cast<Art*>(1);
      const int32_t err = doc.NewArt(ArtKind::Path, c.placement, Id(c.prep), &n);
      EXPECT_EQ(err != 0, n == nullptr);
      if (!err && n) doc.SetId(*n, "N");
      return err;
    }, c.expected);
  }
  // Siblings of a layer's group do not exist.
  const std::string before = DumpDocument(doc);
  EXPECT_EQ(kSPBadParameterError, doc.NewArt(ArtKind::Path, Placement::Above, layer, nullptr));
  EXPECT_EQ(before, DumpDocument(doc));
}

struct ReorderCase {
  const char* art;
  Placement placement;
  const char* prep;
  const char* expected;  // null: refused
};

TEST_F(PlacementTest, ReorderMovesArtAndUndoPutsItBack) {
  const ReorderCase cases[] = {
      {"C", Placement::AboveAll, "", "C A G[g1 g2]"},
      {"g2", Placement::AboveAll, "", "g2 A G[g1] C"},  // top of its own layer
      {"A", Placement::Below, "C", "G[g1 g2] C A"},
      {"A", Placement::Above, "C", "G[g1 g2] A C"},
      {"A", Placement::InsideOnBottom, "G", "G[g1 g2 A] C"},
      {"g1", Placement::Below, "g2", "A G[g2 g1] C"},
      {"g2", Placement::Above, "g1", "A G[g2 g1] C"},
      {"g1", Placement::InsideOnTop, "G", "A G[g1 g2] C"},  // already there
      {"G", Placement::BelowAll, "A", "A C G[g1 g2]"},
      {"A", Placement::Above, "A", nullptr},
      {"A", Placement::Below, "A", nullptr},
      {"G", Placement::InsideOnTop, "G", nullptr},   // into itself
      {"G", Placement::Above, "g1", nullptr},        // into its own subtree
      {"G", Placement::InsideOnTop, "g1", nullptr},  // a path holds no art
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.art) + " to " + c.prep);
    ExpectStep([&] { return doc.Reorder(Id(c.art), c.placement, Id(c.prep)); }, c.expected);
  }
}

TEST_F(PlacementTest, LayerGroupsEditAndResultGroupsCannotMoveOrGo) {
  Art* plugin = nullptr;
  ASSERT_EQ(0, doc.NewArt(ArtKind::PluginGroup, Placement::AboveAll, nullptr, &plugin));
  EXPECT_EQ(kSPBadParameterError, doc.Dispose(layer));
  EXPECT_EQ(kSPBadParameterError, doc.Dispose(plugin->editGroup()));
  EXPECT_EQ(kSPBadParameterError, doc.Reorder(plugin->resultGroup(), Placement::AboveAll, nullptr));
  EXPECT_EQ(kSPBadParameterError, doc.Reorder(layer, Placement::AboveAll, nullptr));
  // Plug-in group art takes no members of its own; its groups do.
  EXPECT_EQ(kSPBadParameterError, doc.NewArt(ArtKind::Path, Placement::InsideOnTop, plugin, nullptr));
  EXPECT_EQ(kSPBadParameterError, doc.NewArt(ArtKind::Path, Placement::Above, plugin->editGroup(), nullptr));
  EXPECT_EQ(0, doc.Reorder(Id("A"), Placement::InsideOnBottom, plugin->editGroup()));
  EXPECT_EQ(plugin, Id("A")->parent()->parent());
  EXPECT_EQ(nullptr, plugin->firstChild());
}

TEST_F(PlacementTest, DuplicateCopiesTheSubtreeWithFreshHandlesAndNoIds) {
  Art* g = Id("G");
  Art* copy = nullptr;
  ASSERT_EQ(0, doc.Duplicate(g, Placement::Above, Id("A"), &copy));
  ASSERT_NE(nullptr, copy);
  EXPECT_EQ("?[? ?] A G[g1 g2] C", Listing(*layer));
  EXPECT_NE(g->uid(), copy->uid());
  EXPECT_EQ(g->firstChild()->path().segments.size(),
            copy->firstChild()->path().segments.size());
  EXPECT_NE(g->firstChild()->uid(), copy->firstChild()->uid());
  EXPECT_EQ(kSPBadParameterError, doc.Duplicate(layer, Placement::AboveAll, nullptr, &copy));
  EXPECT_EQ(nullptr, copy);
}

TEST_F(PlacementTest, AboveAllAndBelowAllStayOnTheArtsOwnLayer) {
  host::art::Layer* second = doc.NewLayer("Second", Placement::Above, nullptr);
  ASSERT_EQ(0, doc.LayerIndex(second));
  doc.SetCurrentLayer(second);
  AddPath(doc, Placement::InsideOnTop, nullptr, "S", {0, 0});
  // g1 lives on the first layer: place-above-all lifts it to that layer's top,
  // not to the current layer.
  ASSERT_EQ(0, doc.Reorder(Id("g1"), Placement::AboveAll, nullptr));
  EXPECT_EQ("g1 A G[g2] C", Listing(*layer));
  EXPECT_EQ("S", Listing(*second->group));
  // New art placed above all without prep goes to the current layer.
  AddPath(doc, Placement::AboveAll, nullptr, "T", {0, 0});
  EXPECT_EQ("T S", Listing(*second->group));
}

}  // namespace
}  // namespace vx::test
