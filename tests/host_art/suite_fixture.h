// A host with an open document and the document model's suite tables, as
// the plug-in acquires them.
#pragma once

#include <gtest/gtest.h>

#include "host/art/document_set.h"
#include "model_builders.h"
#include "support/checked_out.h"
#include "support/host_fixture.h"

namespace vx::test {

class SuiteTest : public HostTest {
 protected:
  Document* doc = nullptr;
  const AIArtSuite* art = nullptr;
  const AIPathSuite* path = nullptr;
  const AIPathStyleSuite* pathStyle = nullptr;
  const AIMatchingArtSuite* matching = nullptr;
  const AIMdMemorySuite* memory = nullptr;
  const AIDocumentSuite* document = nullptr;
  const AILayerSuite* layers = nullptr;
  const AIUndoSuite* undo = nullptr;
  const AIDictionarySuite* dictionary = nullptr;
  const AIRandomSuite* random = nullptr;
  const AIRealMathSuite* math = nullptr;
  const AITransformArtSuite* transform = nullptr;
  const AIHitTestSuite* hitTest = nullptr;
  const AIGroupSuite* group = nullptr;
  const AIPluginGroupSuite* pluginGroup = nullptr;

  void SetUp() override;
  void TearDown() override;
  // Makes the host (over the linked plug-in unless one is attached first).
  virtual void MakeHost();

  // The handles of a list from the matching-art suite, disposed of.
  std::vector<AIArtHandle> TakeList(AIArtHandleList list, int32_t count);
  // Ids of art handles ("" for art without one).
  std::vector<std::string> Ids(const std::vector<AIArtHandle>& handles);

 private:
  template <class T>
  void Get(const char* name, int32_t version, const T** table) {
    const void* t = nullptr;
    ASSERT_EQ(0, host().suites().Acquire(name, version, &t)) << name;
    *table = static_cast<const T*>(t);
    acquired_.push_back({name, version});
  }
  std::vector<std::pair<const char*, int32_t>> acquired_;
};

}  // namespace vx::test
