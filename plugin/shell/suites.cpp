#include "shell/suites.h"

#include <cstdio>

namespace vx {

const SPBlocksSuite* sBlocks;
const SPInterfaceSuite* sInterface;
const SPPluginsSuite* sPlugins;
const SPFilesSuite* sFiles;
const AIContextSuite* sContext;
const AIFoldersSuite* sFolders;
const AIDocumentSuite* sDocument;
const AIDocumentViewSuite* sDocumentView;
const AIPluginGroupSuite* sPluginGroup;
const AICustomColorSuite* sCustomColor;
const AIMdMemorySuite* sMdMemory;
const SPAccessSuite* sAccess;
const AILayerSuite* sLayer;
const AIGroupSuite* sGroup;
const AIArtSuite* sArt;
const AIUserSuite* sUser;
const AIMacUserSuite* sMacUser;
const AIUndoSuite* sUndo;
const AIRealMathSuite* sRealMath;
const AIPathSuite* sPath;
const AIPathStyleSuite* sPathStyle;
const AIMatchingArtSuite* sMatchingArt;
const AIGradientSuite* sGradient;
const AIPatternSuite* sPattern;
const AITextSuite* sText;
const AITextPathSuite* sTextPath;
const AITextRunSuite* sTextRun;
const AIRandomSuite* sRandom;
const AIHitTestSuite* sHitTest;
const AIPreferenceSuite* sPreference;
const AIRealBezierSuite* sRealBezier;
const AITransformArtSuite* sTransformArt;
const AIRuntimeSuite* sRuntime;
const AIRuntimeSuite* sRuntime2;
const AIPaintStyleSuite* sPaintStyle;
const AIDrawArtSuite* sDrawArt;
const AIMenuSuite* sMenu;
const AIToolSuite* sTool;
const AIFilterSuite* sFilter;
const AILiveEffectSuite* sLiveEffect;
const AIDictionarySuite* sDictionary;
const AINotifierSuite* sNotifier;
const AIPluginGroupSuite* sPluginGroup2;
const AIActionManagerSuite* sActionManager;
const ADMBasicSuite* sADMBasic;
const ADMDialogSuite* sADMDialog;
const ADMDialogGroupSuite* sADMDialogGroup;
const ADMItemSuite* sADMItem;
const ADMIconSuite* sADMIcon;
const ADMDrawerSuite* sADMDrawer;
const ADMEntrySuite* sADMEntry;
const ADMListSuite* sADMList;
const ADMTrackerSuite* sADMTracker;
const ADMNotifierSuite* sADMNotifier;
const VxPlatformCursorSuite* sPlatformCursor;

int16_t SuiteUseCount = 0;

namespace {

struct SuiteEntry {
  const char* name;
  int32_t version;
  const void** slot;
};

template <typename T>
const void** Slot(const T** p) {
  return reinterpret_cast<const void**>(p);
}

// The acquisition order; the runtime suite stands twice.
const SuiteEntry kSuiteTable[] = {
    {kSPBlocksSuite, kSPBlocksSuiteVersion, Slot(&sBlocks)},
    {kSPInterfaceSuite, kSPInterfaceSuiteVersion, Slot(&sInterface)},
    {kSPPluginsSuite, kSPPluginsSuiteVersion, Slot(&sPlugins)},
    {kSPFilesSuite, kSPFilesSuiteVersion, Slot(&sFiles)},
    {kAIContextSuite, kAIContextSuiteVersion, Slot(&sContext)},
    {kAIFoldersSuite, kAIFoldersSuiteVersion, Slot(&sFolders)},
    {kAIDocumentSuite, kAIDocumentSuiteVersion, Slot(&sDocument)},
    {kAIDocumentViewSuite, kAIDocumentViewSuiteVersion, Slot(&sDocumentView)},
    {kAIPluginGroupSuite, kAIPluginGroupSuiteVersion, Slot(&sPluginGroup)},
    {kAICustomColorSuite, kAICustomColorSuiteVersion, Slot(&sCustomColor)},
    {kAIMdMemorySuite, kAIMdMemorySuiteVersion, Slot(&sMdMemory)},
    {kSPAccessSuite, kSPAccessSuiteVersion, Slot(&sAccess)},
    {kAILayerSuite, kAILayerSuiteVersion, Slot(&sLayer)},
    {kAIGroupSuite, kAIGroupSuiteVersion, Slot(&sGroup)},
    {kAIArtSuite, kAIArtSuiteVersion, Slot(&sArt)},
    {kAIUserSuite, kAIUserSuiteVersion, Slot(&sUser)},
    {kAIMacUserSuite, kAIMacUserSuiteVersion, Slot(&sMacUser)},
    {kAIUndoSuite, kAIUndoSuiteVersion, Slot(&sUndo)},
    {kAIRealMathSuite, kAIRealMathSuiteVersion, Slot(&sRealMath)},
    {kAIPathSuite, kAIPathSuiteVersion, Slot(&sPath)},
    {kAIPathStyleSuite, kAIPathStyleSuiteVersion, Slot(&sPathStyle)},
    {kAIMatchingArtSuite, kAIMatchingArtSuiteVersion, Slot(&sMatchingArt)},
    {kAIGradientSuite, kAIGradientSuiteVersion, Slot(&sGradient)},
    {kAIPatternSuite, kAIPatternSuiteVersion, Slot(&sPattern)},
    {kAITextSuite, kAITextSuiteVersion, Slot(&sText)},
    {kAITextPathSuite, kAITextPathSuiteVersion, Slot(&sTextPath)},
    {kAITextRunSuite, kAITextRunSuiteVersion, Slot(&sTextRun)},
    {kAIRandomSuite, kAIRandomSuiteVersion, Slot(&sRandom)},
    {kAIHitTestSuite, kAIHitTestSuiteVersion, Slot(&sHitTest)},
    {kAIPreferenceSuite, kAIPreferenceSuiteVersion, Slot(&sPreference)},
    {kAIRealBezierSuite, kAIRealBezierSuiteVersion, Slot(&sRealBezier)},
    {kAITransformArtSuite, kAITransformArtSuiteVersion, Slot(&sTransformArt)},
    {kAIRuntimeSuite, kAIRuntimeSuiteVersion, Slot(&sRuntime)},
    {kAIRuntimeSuite, kAIRuntimeSuiteVersion, Slot(&sRuntime2)},
    {kAIPaintStyleSuite, kAIPaintStyleSuiteVersion, Slot(&sPaintStyle)},
    {kAIDrawArtSuite, kAIDrawArtSuiteVersion, Slot(&sDrawArt)},
    {kAIMenuSuite, kAIMenuSuiteVersion, Slot(&sMenu)},
    {kAIToolSuite, kAIToolSuiteVersion, Slot(&sTool)},
    {kAIFilterSuite, kAIFilterSuiteVersion, Slot(&sFilter)},
    {kAILiveEffectSuite, kAILiveEffectSuiteVersion, Slot(&sLiveEffect)},
    {kAIDictionarySuite, kAIDictionarySuiteVersion, Slot(&sDictionary)},
    {kAINotifierSuite, kAINotifierSuiteVersion, Slot(&sNotifier)},
    {kAIPluginGroupSuite, kAIPluginGroupSuiteVersion, Slot(&sPluginGroup2)},
    {kAIActionManagerSuite, kAIActionManagerSuiteVersion, Slot(&sActionManager)},
    // The platform's cursor calls (tool cursors); optional like every suite
    // before the dialog manager's.
    {kVxPlatformCursorSuite, kVxPlatformCursorSuiteVersion, Slot(&sPlatformCursor)},
    {kADMBasicSuite, kADMBasicSuiteVersion, Slot(&sADMBasic)},
    {kADMDialogSuite, kADMDialogSuiteVersion, Slot(&sADMDialog)},
    {kADMDialogGroupSuite, kADMDialogGroupSuiteVersion, Slot(&sADMDialogGroup)},
    {kADMItemSuite, kADMItemSuiteVersion, Slot(&sADMItem)},
    {kADMIconSuite, kADMIconSuiteVersion, Slot(&sADMIcon)},
    {kADMDrawerSuite, kADMDrawerSuiteVersion, Slot(&sADMDrawer)},
    {kADMEntrySuite, kADMEntrySuiteVersion, Slot(&sADMEntry)},
    {kADMListSuite, kADMListSuiteVersion, Slot(&sADMList)},
    {kADMTrackerSuite, kADMTrackerSuiteVersion, Slot(&sADMTracker)},
    {kADMNotifierSuite, kADMNotifierSuiteVersion, Slot(&sADMNotifier)},
};
constexpr int kSuiteCount = int(sizeof kSuiteTable / sizeof kSuiteTable[0]);

}  // namespace

ASErr AcquireSuites(const SPBasicSuite* basic) {
  ASErr result = kNoErr;
  if (SuiteUseCount == 0) {
    for (const SuiteEntry& entry : kSuiteTable) {
      const void* suite = nullptr;
      ASErr err = basic->AcquireSuite(entry.name, entry.version, &suite);
      if (err == kNoErr) {
        *entry.slot = suite;
        continue;
      }
      *entry.slot = nullptr;
      if (!sADMBasic) continue;  // tolerated: the suite is simply absent
      char text[256];
      std::snprintf(text, sizeof text, "Error: %d, suite: %s, version: %d!",
                    static_cast<int>(err), entry.name,
                    static_cast<int>(entry.version));
      if (sADMBasic->MessageAlert) sADMBasic->MessageAlert(text);
      result = err;
      break;
    }
  }
  ++SuiteUseCount;
  return result;
}

ASErr ReleaseSuites(const SPBasicSuite* basic) {
  ASErr result = kNoErr;
  if (SuiteUseCount == 1) {
    for (const SuiteEntry& entry : kSuiteTable) {
      if (!*entry.slot) continue;
      ASErr err = basic->ReleaseSuite(entry.name, entry.version);
      if (err) {
        result = err;
        break;
      }
      *entry.slot = nullptr;
    }
  }
  --SuiteUseCount;
  return result;
}

int SuiteTableSize() { return kSuiteCount; }
const char* SuiteTableName(int i) { return kSuiteTable[i].name; }
int32_t SuiteTableVersion(int i) { return kSuiteTable[i].version; }

}  // namespace vx
