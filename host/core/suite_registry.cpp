#include "host/core/suite_registry.h"

#include "vx_sdk.h"

namespace vx::host {

void SuiteRegistry::Add(const std::string& name, int32_t version,
                        const void* table) {
  tables_[{name, version}] = table;
}

int32_t SuiteRegistry::Acquire(const char* name, int32_t version,
                               const void** table) {
  if (!name || !table) return kSPBadParameterError;
  *table = nullptr;
  Key key{name, version};
  auto it = tables_.find(key);
  if (it == tables_.end() || missing_.count(key)) return kSPSuiteNotFoundError;
  *table = it->second;
  ++held_[key];
  return kNoErr;
}

int32_t SuiteRegistry::Release(const char* name, int32_t version) {
  if (!name) return kSPBadParameterError;
  Key key{name, version};
  auto err = releaseErrors_.find(key);
  if (err != releaseErrors_.end()) return err->second;
  auto it = held_.find(key);
  if (it == held_.end() || it->second == 0) return kSPSuiteNotFoundError;
  --it->second;
  return kNoErr;
}

void SuiteRegistry::MakeMissing(const std::string& name, int32_t version) {
  missing_.insert({name, version});
}

void SuiteRegistry::MakeReleaseFail(const std::string& name, int32_t version,
                                    int32_t error) {
  releaseErrors_[{name, version}] = error;
}

bool SuiteRegistry::Has(const std::string& name, int32_t version) const {
  return tables_.count({name, version}) != 0;
}

long SuiteRegistry::OutstandingAcquisitions() const {
  long total = 0;
  for (const auto& [key, count] : held_) total += count;
  return total;
}

long SuiteRegistry::AcquisitionsOf(const std::string& name,
                                   int32_t version) const {
  auto it = held_.find({name, version});
  return it == held_.end() ? 0 : it->second;
}

void SuiteRegistry::AddPlaceholdersForKnownSuites() {
  // Large enough for any suite table of the interface; all members null.
  static const void* const kEmptyTable[256] = {};
  static const std::pair<const char*, int32_t> kKnown[] = {
      {kSPBlocksSuite, kSPBlocksSuiteVersion},
      {kSPInterfaceSuite, kSPInterfaceSuiteVersion},
      {kSPPluginsSuite, kSPPluginsSuiteVersion},
      {kSPFilesSuite, kSPFilesSuiteVersion},
      {kSPAccessSuite, kSPAccessSuiteVersion},
      {kAIContextSuite, kAIContextSuiteVersion},
      {kAIFoldersSuite, kAIFoldersSuiteVersion},
      {kAIDocumentSuite, kAIDocumentSuiteVersion},
      {kAIDocumentViewSuite, kAIDocumentViewSuiteVersion},
      {kAIPluginGroupSuite, kAIPluginGroupSuiteVersion},
      {kAICustomColorSuite, kAICustomColorSuiteVersion},
      {kAIMdMemorySuite, kAIMdMemorySuiteVersion},
      {kAILayerSuite, kAILayerSuiteVersion},
      {kAIGroupSuite, kAIGroupSuiteVersion},
      {kAIArtSuite, kAIArtSuiteVersion},
      {kAIUserSuite, kAIUserSuiteVersion},
      {kAIUndoSuite, kAIUndoSuiteVersion},
      {kAIRealMathSuite, kAIRealMathSuiteVersion},
      {kAIPathSuite, kAIPathSuiteVersion},
      {kAIPathStyleSuite, kAIPathStyleSuiteVersion},
      {kAIMatchingArtSuite, kAIMatchingArtSuiteVersion},
      {kAIGradientSuite, kAIGradientSuiteVersion},
      {kAIPatternSuite, kAIPatternSuiteVersion},
      {kAITextSuite, kAITextSuiteVersion},
      {kAITextPathSuite, kAITextPathSuiteVersion},
      {kAITextRunSuite, kAITextRunSuiteVersion},
      {kAIRandomSuite, kAIRandomSuiteVersion},
      {kAIHitTestSuite, kAIHitTestSuiteVersion},
      {kAIPreferenceSuite, kAIPreferenceSuiteVersion},
      {kAIRealBezierSuite, kAIRealBezierSuiteVersion},
      {kAITransformArtSuite, kAITransformArtSuiteVersion},
      {kAIRuntimeSuite, kAIRuntimeSuiteVersion},
      {kAIPaintStyleSuite, kAIPaintStyleSuiteVersion},
      {kAIDrawArtSuite, kAIDrawArtSuiteVersion},
      {kAIMenuSuite, kAIMenuSuiteVersion},
      {kAIToolSuite, kAIToolSuiteVersion},
      {kAIFilterSuite, kAIFilterSuiteVersion},
      {kAILiveEffectSuite, kAILiveEffectSuiteVersion},
      {kAIDictionarySuite, kAIDictionarySuiteVersion},
      {kAINotifierSuite, kAINotifierSuiteVersion},
      {kAIActionManagerSuite, kAIActionManagerSuiteVersion},
      {kAIURLSuite, kAIURLSuiteVersion},
      {kADMBasicSuite, kADMBasicSuiteVersion},
      {kADMDialogSuite, kADMDialogSuiteVersion},
      {kADMDialogGroupSuite, kADMDialogGroupSuiteVersion},
      {kADMItemSuite, kADMItemSuiteVersion},
      {kADMIconSuite, kADMIconSuiteVersion},
      {kADMDrawerSuite, kADMDrawerSuiteVersion},
      {kADMEntrySuite, kADMEntrySuiteVersion},
      {kADMListSuite, kADMListSuiteVersion},
      {kADMTrackerSuite, kADMTrackerSuiteVersion},
      {kADMNotifierSuite, kADMNotifierSuiteVersion},
  };
  // The Mac user suite is deliberately absent: this host is not a Mac.
  for (const auto& [name, version] : kKnown)
    if (!Has(name, version)) Add(name, version, kEmptyTable);
}

}  // namespace vx::host
