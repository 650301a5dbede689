#include "shell/routing.h"

#include "filters/fractalize_filter.h"
#include "filters/transform3d_filter.h"
#include "shell/globals.h"

// The commands behind these messages (filters, live effects, tools, palettes
// and their menus) are not built yet: every message is accepted and answered
// with 0, so the host goes on as if the plug-in had nothing to do.

namespace vx {

ASErr RouteMenuCommand(AIMenuMessage*) { return kNoErr; }
ASErr RouteMenuUpdate(AIMenuMessage*) { return kNoErr; }
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
ASErr RouteToolMessage(const char*, AIToolMessage*) { return kNoErr; }
ASErr RouteNotifier(AINotifierMessage*) { return kNoErr; }
ASErr RoutePluginGroupNotifyEdits(AIPluginGroupMessage*) { return kNoErr; }
ASErr RoutePluginGroupUpdate(AIPluginGroupMessage*) { return kNoErr; }
ASErr RouteDoAction(DoActionMessage* message) {
  if (!message->userData) return kNoErr;
  const int16_t number = *static_cast<const int16_t*>(message->userData);
  if (number == 0) return FractalizeDoAction(message);
  return kNoErr;
}

}  // namespace vx
