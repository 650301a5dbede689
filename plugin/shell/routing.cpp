#include "shell/routing.h"

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
  return kNoErr;
}
ASErr RouteFilterGo(AIFilterMessage* message) {
  if (message->filter == gGlobals->FilterHandles[0])
    return Transform3DGo(message);
  return kNoErr;
}
ASErr RouteLiveEffectEditParameters(AILiveEffectEditParamMessage*) {
  return kNoErr;
}
ASErr RouteLiveEffectGoLive(AILiveEffectGoMessage*) { return kNoErr; }
ASErr RouteToolMessage(const char*, AIToolMessage*) { return kNoErr; }
ASErr RouteNotifier(AINotifierMessage*) { return kNoErr; }
ASErr RoutePluginGroupNotifyEdits(AIPluginGroupMessage*) { return kNoErr; }
ASErr RoutePluginGroupUpdate(AIPluginGroupMessage*) { return kNoErr; }
ASErr RouteDoAction(DoActionMessage*) { return kNoErr; }

}  // namespace vx
