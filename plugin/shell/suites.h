// The suites the plug-in acquires, in acquisition order, and the module-level
// pointers every subsystem calls the host through. A pointer is null while
// the suites are not acquired, or when the host lacks an optional suite.
#pragma once

#include <cstdint>

#include "vx_sdk.h"

namespace vx {

extern const SPBlocksSuite* sBlocks;
extern const SPInterfaceSuite* sInterface;
extern const SPPluginsSuite* sPlugins;
extern const SPFilesSuite* sFiles;
extern const AIContextSuite* sContext;
extern const AIFoldersSuite* sFolders;
extern const AIDocumentSuite* sDocument;
extern const AIDocumentViewSuite* sDocumentView;
extern const AIPluginGroupSuite* sPluginGroup;
extern const AICustomColorSuite* sCustomColor;
extern const AIMdMemorySuite* sMdMemory;
extern const SPAccessSuite* sAccess;
extern const AILayerSuite* sLayer;
extern const AIGroupSuite* sGroup;
extern const AIArtSuite* sArt;
extern const AIUserSuite* sUser;
extern const AIMacUserSuite* sMacUser;
extern const AIUndoSuite* sUndo;
extern const AIRealMathSuite* sRealMath;
extern const AIPathSuite* sPath;
extern const AIPathStyleSuite* sPathStyle;
extern const AIMatchingArtSuite* sMatchingArt;
extern const AIGradientSuite* sGradient;
extern const AIPatternSuite* sPattern;
extern const AITextSuite* sText;
extern const AITextPathSuite* sTextPath;
extern const AITextRunSuite* sTextRun;
extern const AIRandomSuite* sRandom;
extern const AIHitTestSuite* sHitTest;
extern const AIPreferenceSuite* sPreference;
extern const AIRealBezierSuite* sRealBezier;
extern const AITransformArtSuite* sTransformArt;
extern const AIRuntimeSuite* sRuntime;
extern const AIRuntimeSuite* sRuntime2;
extern const AIPaintStyleSuite* sPaintStyle;
extern const AIDrawArtSuite* sDrawArt;
extern const AIMenuSuite* sMenu;
extern const AIToolSuite* sTool;
extern const AIFilterSuite* sFilter;
extern const AILiveEffectSuite* sLiveEffect;
extern const AIDictionarySuite* sDictionary;
extern const AINotifierSuite* sNotifier;
extern const AIPluginGroupSuite* sPluginGroup2;
extern const AIActionManagerSuite* sActionManager;
extern const ADMBasicSuite* sADMBasic;
extern const ADMDialogSuite* sADMDialog;
extern const ADMDialogGroupSuite* sADMDialogGroup;
extern const ADMItemSuite* sADMItem;
extern const ADMIconSuite* sADMIcon;
extern const ADMDrawerSuite* sADMDrawer;
extern const ADMEntrySuite* sADMEntry;
extern const ADMListSuite* sADMList;
extern const ADMTrackerSuite* sADMTracker;
extern const ADMNotifierSuite* sADMNotifier;
extern const VxPlatformCursorSuite* sPlatformCursor;

// Number of nested acquisitions of the whole table (palettes hold one each).
extern int16_t SuiteUseCount;

// Acquires every suite of the table when SuiteUseCount is 0; always counts
// one more use. A suite missing before the dialog manager's basic suite is
// tolerated (its pointer stays null); one missing after it stops the walk
// with an alert and its error.
ASErr AcquireSuites(const SPBasicSuite* basic);
// Releases every acquired suite when SuiteUseCount is 1; always counts one
// use less. The first failing release stops the walk and is returned.
ASErr ReleaseSuites(const SPBasicSuite* basic);

// Number of entries of the acquisition table, and entry i's name/version
// (for tests and the host's log).
int SuiteTableSize();
const char* SuiteTableName(int i);
int32_t SuiteTableVersion(int i);

}  // namespace vx
