#include "suite_fixture.h"

namespace vx::test {

void SuiteTest::MakeHost() { host_ = MakeLinkedHost(options_); }

void SuiteTest::SetUp() {
  HostTest::SetUp();
  MakeHost();
  doc = &host().documents().New("Test");
  Get(kAIArtSuite, kAIArtSuiteVersion, &art);
  Get(kAIPathSuite, kAIPathSuiteVersion, &path);
  Get(kAIPathStyleSuite, kAIPathStyleSuiteVersion, &pathStyle);
  Get(kAIMatchingArtSuite, kAIMatchingArtSuiteVersion, &matching);
  Get(kAIMdMemorySuite, kAIMdMemorySuiteVersion, &memory);
  Get(kAIDocumentSuite, kAIDocumentSuiteVersion, &document);
  Get(kAILayerSuite, kAILayerSuiteVersion, &layers);
  Get(kAIUndoSuite, kAIUndoSuiteVersion, &undo);
  Get(kAIDictionarySuite, kAIDictionarySuiteVersion, &dictionary);
  Get(kAIRandomSuite, kAIRandomSuiteVersion, &random);
  Get(kAIRealMathSuite, kAIRealMathSuiteVersion, &math);
  Get(kAITransformArtSuite, kAITransformArtSuiteVersion, &transform);
  Get(kAIHitTestSuite, kAIHitTestSuiteVersion, &hitTest);
  Get(kAIGroupSuite, kAIGroupSuiteVersion, &group);
  Get(kAIPluginGroupSuite, kAIPluginGroupSuiteVersion, &pluginGroup);
}

void SuiteTest::TearDown() {
  for (auto& [name, version] : acquired_) host().suites().Release(name, version);
  HostTest::TearDown();
}

std::vector<AIArtHandle> SuiteTest::TakeList(AIArtHandleList list, int32_t count) {
  std::vector<AIArtHandle> out;
  if (list) out.assign(*list, *list + count);
  EXPECT_EQ(0, memory->MdMemoryDisposeHandle(reinterpret_cast<AIMdMemoryHandle>(list)));
  return out;
}

std::vector<std::string> SuiteTest::Ids(const std::vector<AIArtHandle>& handles) {
  std::vector<std::string> out;
  for (AIArtHandle h : handles) {
    Art* a = doc->FromHandle(h);
    out.push_back(!a ? "<invalid>" : a->isLayerGroup() ? "<layer>" : a->id());
  }
  return out;
}

}  // namespace vx::test
