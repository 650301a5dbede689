// Restacking mapped paths by depth: units, order, layers and failures.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "document_fixture.h"
#include "geometry/depth_order.h"

namespace vx {
namespace {

using host::art::ArtKind;
using test::Listing;

class DepthOrder : public test::DocumentGeometryTest {
 protected:
  void TearDown() override {
    FreePathSet(&set_);
    ReleaseArtList(&arts_);
    DocumentGeometryTest::TearDown();
  }
  Art* Path(const std::string& id, bool selected, Art* container = nullptr) {
    return AddPath(id, "M 0,0 L 10,10", selected, container);
  }
  // Gathers the selection and gives each path the depth named for its id.
  void GatherWithDepths(const std::map<std::string, float>& depths) {
    ASSERT_EQ(kNoErr, GatherPathSet(&arts_, &set_));
    for (int i = 0; i < set_.pathCount; ++i) {
      const Art* art = doc_->FromHandle((*arts_)[i]);
      ASSERT_TRUE(art);
      set_.working[i].depth = depths.at(art->id());
    }
  }
  AIArtHandleList arts_ = nullptr;
  PathSet set_{};
};

TEST_F(DepthOrder, UnitsRestackByAscendingDepthGroupsByTheirDeepestMember) {
  Path("P1", true);
  Art* g = AddContainer("G", ArtKind::Group);
  Path("g2", true, g);
  Path("g1", true, g);
  Path("P3", true);
  ASSERT_EQ("P3 G[g1 g2] P1", Listing(*layer()));
  GatherWithDepths({{"P1", 30}, {"g1", 5}, {"g2", 50}, {"P3", 10}});
  ASSERT_EQ(kNoErr, ReorderByDepth(arts_, set_));
  EXPECT_EQ("G[g1 g2] P1 P3", Listing(*layer()));
}

TEST_F(DepthOrder, NestedContainersMoveAsTheirOutermostGroup) {
  Art* g = AddContainer("G", ArtKind::Group);
  Art* c = AddContainer("C", ArtKind::CompoundPath, g);
  Path("c1", true, c);
  Path("P", true);
  Path("Q", false);
  ASSERT_EQ("Q P G[C[c1]]", Listing(*layer()));
  GatherWithDepths({{"c1", 9}, {"P", -4}});
  ASSERT_EQ(kNoErr, ReorderByDepth(arts_, set_));
  EXPECT_EQ("G[C[c1]] P Q", Listing(*layer()));
}

TEST_F(DepthOrder, OneSelectedPathIsNeverReordered) {
  Path("P", true);
  Path("Q", false);
  GatherWithDepths({{"P", 100}});
  ASSERT_EQ(kNoErr, ReorderByDepth(arts_, set_));
  EXPECT_EQ("Q P", Listing(*layer()));
}

TEST_F(DepthOrder, PathsOnSeveralLayersStopBeforeAnythingMoves) {
  Path("A", true);
  Path("B", true);
  host::art::Layer* other = doc_->NewLayer("Other");
  doc_->SetCurrentLayer(other);
  Path("C", true);
  doc_->SetCurrentLayer(doc_->LayerAt(1));
  const std::string before = Listing(*layer());
  GatherWithDepths({{"A", 50}, {"B", 1}, {"C", 7}});
  // Segments written back before the reorder stay written.
  set_.working[0].segments[1].p = {3, 4};
  ASSERT_EQ(kNoErr, WriteBack(arts_, set_));
  EXPECT_EQ(kPathsOnSeveralLayersErr, ReorderByDepth(arts_, set_));
  EXPECT_EQ(before, Listing(*layer()));
  EXPECT_EQ(3.0f, doc_->FromHandle((*arts_)[0])->path().segments[1].p.h);
}

}  // namespace
}  // namespace vx
