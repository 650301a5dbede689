// The plug-in's one entry point: every message of the host arrives here, is
// routed by its caller and selector, and a failure is shown to the user.
#include "shell/about_dialog.h"
#include "shell/error_report.h"
#include "shell/globals.h"
#include "shell/help_texts.h"
#include "shell/routing.h"
#include "shell/startup.h"
#include "shell/suites.h"
#include "tools/tool_palette.h"

namespace vx {
namespace {

// Palettes that exist are destroyed by the dialog manager, which calls their
// destroy procedures (they save their state there).
void DestroyPalettes(PluginGlobals& g) {
  if (!sADMDialog) return;
  auto destroy = [](ADMDialogRef& palette) {
    if (palette) sADMDialog->Destroy(palette);
    palette = nullptr;
  };
  destroy(g.ToolPalette);
  destroy(g.HelpPalette);
  for (ADMDialogRef& palette : g.effectPalettes) destroy(palette);
}

ASErr Startup(SPInterfaceMessage* message) {
  void* block = nullptr;
  if (!sBlocks) return kOutOfMemoryErr;
  ASErr err = sBlocks->AllocateBlock(sizeof(PluginGlobals), "globals", &block);
  if (err) return err;
  if (!block) return kOutOfMemoryErr;
  gGlobals = static_cast<PluginGlobals*>(block);
  gGlobals->BasicSuite = message->d.basic;
  message->d.globals = block;
  return RegisterEverything(message);
}

ASErr Shutdown(SPInterfaceMessage* message) {
  if (gGlobals) {
    DestroyPalettes(*gGlobals);
    FreeToolRecords();  // kept from each tool palette's first creation
    // The help texts normally go with the help palette; they are freed here
    // too in case the palette was never made.
    FreeHelpTexts(gGlobals->HelpTexts);
  }
  if (SuiteUseCount > 1) SuiteUseCount = 1;
  const void* suite = nullptr;
  const SPBasicSuite* basic = message->d.basic;
  ASErr err = basic->AcquireSuite(kSPBlocksSuite, kSPBlocksSuiteVersion, &suite);
  if (err) return err;
  auto* blocks = static_cast<const SPBlocksSuite*>(suite);
  if (gGlobals) blocks->FreeBlock(gGlobals);
  gGlobals = nullptr;
  basic->ReleaseSuite(kSPBlocksSuite, kSPBlocksSuiteVersion);
  message->d.globals = nullptr;
  return kNoErr;
}

ASErr Dispatch(const SPBasicSuite* basic, const char* caller,
               const char* selector, void* message) {
  auto is = [basic](const char* a, const char* b) {
    return basic->IsEqual(a, b) != 0;
  };
  if (is(caller, kSPInterfaceCaller)) {
    auto* m = static_cast<SPInterfaceMessage*>(message);
    if (is(selector, kSPInterfaceStartupSelector)) return Startup(m);
    if (is(selector, kSPInterfaceAboutSelector))
      return ShowAboutDialog(m->d.self);
    if (is(selector, kSPInterfaceShutdownSelector)) return Shutdown(m);
    return kNoErr;
  }
  ASErr result = kNoErr;
  if (is(caller, kCallerAIMenu)) {
    auto* m = static_cast<AIMenuMessage*>(message);
    if (is(selector, kSelectorAIGoMenuItem)) result = RouteMenuCommand(m);
    else if (is(selector, kSelectorAIUpdateMenuItem)) result = RouteMenuUpdate(m);
  }
  if (is(caller, kCallerAIFilter)) {
    auto* m = static_cast<AIFilterMessage*>(message);
    if (is(selector, kSelectorAIGetFilterParameters))
      result = RouteFilterGetParameters(m);
    else if (is(selector, kSelectorAIGoFilter)) result = RouteFilterGo(m);
  }
  if (is(caller, kCallerAILiveEffect)) {
    if (is(selector, kSelectorAIEditParameters))
      result = RouteLiveEffectEditParameters(
          static_cast<AILiveEffectEditParamMessage*>(message));
    else if (is(selector, kSelectorAIGoLiveEffect))
      result = RouteLiveEffectGoLive(
          static_cast<AILiveEffectGoMessage*>(message));
    // Interpolate Parameters and Input Type: nothing to do.
  }
  if (is(caller, kCallerAITool)) {
    static const char* const kToolSelectors[] = {
        kSelectorAIEditToolOptions, kSelectorAITrackToolCursor,
        kSelectorAIToolMouseDown,   kSelectorAIToolMouseDrag,
        kSelectorAIToolMouseUp,     kSelectorAISelectTool,
        kSelectorAIDeselectTool};
    for (const char* s : kToolSelectors)
      if (is(selector, s)) {
        result = RouteToolMessage(s, static_cast<AIToolMessage*>(message));
        break;
      }
  } else if (is(caller, kCallerAINotifier)) {
    if (is(selector, kSelectorAINotify))
      result = RouteNotifier(static_cast<AINotifierMessage*>(message));
  } else if (is(caller, kCallerAIPluginGroup)) {
    auto* m = static_cast<AIPluginGroupMessage*>(message);
    if (is(selector, kSelectorAINotifyEdits))
      result = RoutePluginGroupNotifyEdits(m);
    else if (is(selector, kSelectorAIUpdateArt))
      result = RoutePluginGroupUpdate(m);
  }
  if (is(caller, kActionCaller) && is(selector, kDoActionSelector))
    result = RouteDoAction(static_cast<DoActionMessage*>(message));
  return result;
}

}  // namespace
}  // namespace vx

extern "C" __attribute__((visibility("default"))) ASErr PluginMain(
    const char* caller, const char* selector, void* message) {
  using namespace vx;
  auto* data = static_cast<SPMessageData*>(message);
  const SPBasicSuite* basic = data->basic;

  // The host's access messages touch no suites.
  if (basic->IsEqual(caller, kSPAccessCaller)) {
    if (basic->IsEqual(selector, kSPAccessUnloadSelector)) {
      data->globals = gGlobals;
    } else if (basic->IsEqual(selector, kSPAccessReloadSelector)) {
      gGlobals = static_cast<PluginGlobals*>(data->globals);
      SuiteUseCount = 0;
    }
    return kNoErr;
  }

  ASErr result = AcquireSuites(basic);
  if (!result) result = Dispatch(basic, caller, selector, message);
  if (result && result != kSPSuiteNotFoundError) ReportError(data->self, result);
  ReleaseSuites(basic);
  return result;
}
