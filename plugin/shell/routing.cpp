#include "shell/routing.h"

#include <cstring>

#include "effects/effect_framework.h"
#include "filters/fractalize_filter.h"
#include "filters/transform3d_filter.h"
#include "shell/globals.h"
#include "shell/help_window.h"
#include "shell/suites.h"
#include "tools/tool_routing.h"

// Filters, the Fractalize live effect and the tools are routed by their own
// subsystems.

namespace vx {
namespace {

constexpr int kShowPaletteItem = 13;
constexpr int kHelpItem = 15;

int WindowItemIndex(AIMenuItemHandle item) {
  if (!item) return -1;
  for (int i = 0; i < kWindowMenuItemCount; ++i)
    if (gGlobals->WindowMenuItems[i] == item) return i;
  return -1;
}

}  // namespace

ASErr RouteMenuCommand(AIMenuMessage* message) {
  const int index = WindowItemIndex(message->menuItem);
  if (index == kHelpItem) return ToggleHelpPalette(message->d.self);
  if (index == kShowPaletteItem) {
    // A beep when no palette was shown, except after a host error.
    int32_t shown = 0;
    if (!ShowSelectedEffectPalettes(message->d.self, &shown) && !shown && sUser)
      sUser->SysBeep();
    return kNoErr;
  }
  if (index < 0 || index >= kEffectCount) return kNoErr;
  if (!gGlobals->effectPalettes[index]) EffectPaletteOpen(index, message->d.self);
  ADMDialogRef palette = gGlobals->effectPalettes[index];
  if (!palette) return kNoErr;
  const bool wasVisible = sADMDialog->IsVisible(palette) != 0;
  sADMDialog->Show(palette, !wasVisible);
  if (!wasVisible && gGlobals->effectPalettes[index])
    EffectPaletteRefresh(index, palette, gGlobals->effectRecords[index]);
  return kNoErr;
}

ASErr RouteMenuUpdate(AIMenuMessage*) {
  auto visible = [](ADMDialogRef palette) {
    return palette && sADMDialog->IsVisible(palette);
  };
  if (AIMenuItemHandle help = gGlobals->WindowMenuItems[kHelpItem])
    sMenu->CheckItem(help, visible(gGlobals->HelpPalette));
  for (int i = 0; i < kEffectCount; ++i)
    if (AIMenuItemHandle item = gGlobals->WindowMenuItems[i])
      sMenu->CheckItem(item, visible(gGlobals->effectPalettes[i]));
  return kNoErr;
}

ASErr RouteFilterGetParameters(AIFilterMessage* message) {
  if (message->filter == gGlobals->FilterHandles[0])
    return Transform3DGetParameters(message);
  if (message->filter == gGlobals->FilterHandles[1])
    return FractalizeGetParameters(message);
  return kNoErr;
}
ASErr RouteFilterGo(AIFilterMessage* message) {
  if (message->filter == gGlobals->FilterHandles[0])
    return Transform3DGo(message);
  if (message->filter == gGlobals->FilterHandles[1]) {
    if (ASErr err = FractalizeGo(message)) return err;
    return FractalizeRecordAction(message);
  }
  return kNoErr;
}
ASErr RouteLiveEffectEditParameters(AILiveEffectEditParamMessage* message) {
  if (message->effect != gGlobals->LiveEffectHandles[0]) return kNoErr;
  return FractalizeEditParameters(message);
}
ASErr RouteLiveEffectGoLive(AILiveEffectGoMessage* message) {
  if (message->effect != gGlobals->LiveEffectHandles[0]) return kNoErr;
  gGlobals->ReuseSeed = gGlobals->ReuseSeedNextLive;
  return FractalizeGoLive(message);
}
ASErr RouteToolMessage(const char* selector, AIToolMessage* message) {
  return RouteTool(selector, message);
}

ASErr RouteNotifier(AINotifierMessage* message) {
  PluginGlobals& g = *gGlobals;
  if (message->notifier == g.SelectionNotifier) {
    AIDocumentHandle document = nullptr;
    const ASErr err = sDocument->GetDocument(&document);
    if (err == kNoDocumentErr) return kNoErr;
    if (err) return err;
    if (!document) return kNoErr;
    for (int i = 0; i < kEffectCount; ++i) {
      ADMDialogRef palette = g.effectPalettes[i];
      if (!palette || !sADMDialog->IsVisible(palette)) continue;
      if (ASErr e = EffectSelectionChanged(i, palette)) return e;
    }
    return kNoErr;
  }
  if (message->notifier == g.DocumentOpenedNotifier)
    return sNotifier->SetNotifierActive(g.DocumentOpenedNotifier, false);
  return kNoErr;
}

// The plug-in group's effect, with its palette created (hidden) when it has
// none yet: the palette keeps the effect's record and working state.
static int EffectWithPalette(AIPluginGroupMessage* message) {
  const int effect = EffectOfGroup(message->entry);
  if (effect >= 0 && !gGlobals->effectPalettes[effect])
    EffectPaletteOpen(effect, message->d.self);
  return effect;
}

ASErr RoutePluginGroupNotifyEdits(AIPluginGroupMessage* message) {
  EffectWithPalette(message);
  return kNoErr;  // every edit of the source art is accepted
}

ASErr RoutePluginGroupUpdate(AIPluginGroupMessage* message) {
  const int effect = EffectWithPalette(message);
  if (effect < 0) return kNoErr;
  return EffectUpdate(effect, message->art);
}

ASErr RouteDoAction(DoActionMessage* message) {
  if (!message->userData) return kNoErr;
  const int16_t number = *static_cast<const int16_t*>(message->userData);
  if (number == 0) return FractalizeDoAction(message);
  if (number >= 1 && number <= kEffectCount) {
    const int effect = number - 1;
    if (!gGlobals->effectPalettes[effect])
      EffectPaletteOpen(effect, message->d.self);
    return EffectDoAction(effect, message);
  }
  return kNoErr;
}

}  // namespace vx
