// The messages a real host sends the plug-in besides start-up and shutdown:
// menu commands and menu updates, notifications, filter, live effect, tool
// and plug-in group messages, and action playback. Each fills the message
// record with the registered handle and answers the plug-in's result.
#pragma once

#include <cstdint>
#include <string>

#include "host/core/action_values.h"
#include "vx_sdk.h"

namespace vx::host {

class Host;

// "AI Menu"/"AI Go": the user chose the item.
int32_t SendMenuGo(Host& host, AIMenuItemHandle item);
// "AI Menu"/"AI Update" to every item registered with the update option, as
// before the host shows its menus; answers the first error.
int32_t SendMenuUpdate(Host& host);

// "AI Notifier"/"AI Notify" to every active notifier of the type; answers
// the first error (the others are still notified).
int32_t SendNotify(Host& host, const std::string& type, void* notifyData = nullptr);

// "AI Filter"/"AI Get Parameters" and "AI Go". The filter's parameter block
// is kept in its registration between runs, as the host keeps it.
int32_t SendFilterGetParameters(Host& host, AIFilterHandle filter);
int32_t SendFilterGo(Host& host, AIFilterHandle filter);
// Disposes of every filter's parameter block (the host does this once the
// plug-in has shut down).
void DisposeFilterParameters(Host& host);

// "AI Live Effect" messages.
int32_t SendLiveEffectEditParameters(Host& host, AILiveEffectHandle effect,
                                     AIDictionaryRef parameters,
                                     AIDictionaryRef instanceInfo, bool isNew);
// *art is the input art on entry and the plug-in's result on return.
int32_t SendLiveEffectGoLive(Host& host, AILiveEffectHandle effect,
                             AIDictionaryRef parameters,
                             AIDictionaryRef instanceInfo, AIArtHandle* art);
int32_t SendLiveEffectInterpolate(Host& host, AILiveEffectHandle effect);
int32_t SendLiveEffectInputType(Host& host, AILiveEffectHandle effect,
                                int32_t* inputType);

// "AI Tool" messages: selector is one of "AI Edit Options", "AI Track
// Cursor", "AI Mouse Down", "AI Mouse Drag", "AI Mouse Up", "AI Select",
// "AI Deselect". The pointer is the event's; the tool driver
// (host/tools/tool_driver.h) sends them as a person's actions do.
int32_t SendToolEvent(Host& host, const char* selector, AIToolHandle tool,
                      const AIEvent& event, AIReal pressure = 1.0f);
// The same with an event at the tool driver's current tick, no keys held
// and full pressure.
int32_t SendTool(Host& host, const char* selector, AIToolHandle tool,
                 AIRealPoint cursor = {});

// "AI Plugin Group"/"AI Notify Edits" or "AI Update" for an art object.
int32_t SendPluginGroup(Host& host, const char* selector,
                        AIPluginGroupHandle group, AIArtHandle art);

// "Action Manager"/"Do Action": plays the named event with these values;
// answers kSPBadParameterError when no such event is registered.
int32_t DoAction(Host& host, const std::string& eventName,
                 const ActionParamValue& value, bool showDialog);

}  // namespace vx::host
