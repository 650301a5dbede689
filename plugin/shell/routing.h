// Handlers of the host's messages other than start-up and shutdown: menus,
// filters, the live effect, tools, notifiers, plug-in groups and actions.
#pragma once

#include "vx_sdk.h"

namespace vx {

ASErr RouteMenuCommand(AIMenuMessage* message);
ASErr RouteMenuUpdate(AIMenuMessage* message);
ASErr RouteFilterGetParameters(AIFilterMessage* message);
ASErr RouteFilterGo(AIFilterMessage* message);
ASErr RouteLiveEffectEditParameters(AILiveEffectEditParamMessage* message);
ASErr RouteLiveEffectGoLive(AILiveEffectGoMessage* message);
ASErr RouteToolMessage(const char* selector, AIToolMessage* message);
ASErr RouteNotifier(AINotifierMessage* message);
ASErr RoutePluginGroupNotifyEdits(AIPluginGroupMessage* message);
ASErr RoutePluginGroupUpdate(AIPluginGroupMessage* message);
ASErr RouteDoAction(DoActionMessage* message);

}  // namespace vx
