#include "host/core/messages.h"

#include "host/core/host.h"
#include "host/art/md_memory.h"
#include "host/core/registrations.h"
#include "host/core/user_interaction.h"
#include "host/tools/tool_driver.h"

namespace vx::host {

int32_t SendMenuGo(Host& host, AIMenuItemHandle item) {
  AIMenuMessage message{};
  message.menuItem = item;
  return host.Send(kCallerAIMenu, kSelectorAIGoMenuItem, &message.d);
}

int32_t SendMenuUpdate(Host& host) {
  int32_t first = kNoErr;
  for (const MenuItem* item : host.registrations().MenuItems()) {
    if (!(item->options & kMenuItemWantsUpdateOption)) continue;
    AIMenuMessage message{};
    message.menuItem = reinterpret_cast<AIMenuItemHandle>(
        const_cast<MenuItem*>(item));
    int32_t result = host.Send(kCallerAIMenu, kSelectorAIUpdateMenuItem,
                               &message.d);
    if (result && !first) first = result;
  }
  return first;
}

int32_t SendNotify(Host& host, const std::string& type, void* notifyData) {
  int32_t first = kNoErr;
  for (const Notifier* notifier : host.registrations().Notifiers()) {
    // Checked at the moment of sending: a notifier may turn itself (or
    // another) off while handling a notification.
    if (notifier->type != type || !notifier->active) continue;
    AINotifierMessage message{};
    message.notifier = reinterpret_cast<AINotifierHandle>(
        const_cast<Notifier*>(notifier));
    message.type = notifier->type.c_str();
    message.notifyData = notifyData;
    int32_t result = host.Send(kCallerAINotifier, kSelectorAINotify, &message.d);
    if (result && !first) first = result;
  }
  return first;
}

namespace {
int32_t SendFilter(Host& host, const char* selector, AIFilterHandle handle) {
  Filter* filter = host.registrations().FindFilter(handle);
  AIFilterMessage message{};
  message.filter = handle;
  message.parameters = filter ? filter->parameters : nullptr;
  int32_t result = host.Send(kCallerAIFilter, selector, &message.d);
  if (filter) filter->parameters = message.parameters;
  return result;
}
}  // namespace

int32_t SendFilterGetParameters(Host& host, AIFilterHandle filter) {
  return SendFilter(host, kSelectorAIGetFilterParameters, filter);
}

int32_t SendFilterGo(Host& host, AIFilterHandle filter) {
  return SendFilter(host, kSelectorAIGoFilter, filter);
}

void DisposeFilterParameters(Host& host) {
  for (const Filter* registered : host.registrations().Filters()) {
    Filter* filter = host.registrations().FindFilter(
        reinterpret_cast<AIFilterHandle>(const_cast<Filter*>(registered)));
    if (!filter || !filter->parameters) continue;
    art::DisposeMdHandle(host.blocks(),
                         static_cast<AIMdMemoryHandle>(filter->parameters));
    filter->parameters = nullptr;
  }
}

int32_t SendLiveEffectEditParameters(Host& host, AILiveEffectHandle effect,
                                     AIDictionaryRef parameters,
                                     AIDictionaryRef instanceInfo, bool isNew) {
  AILiveEffectEditParamMessage message{};
  message.effect = effect;
  message.parameters = parameters;
  message.instanceInfo = instanceInfo;
  message.isNew = isNew ? 1 : 0;
  return host.Send(kCallerAILiveEffect, kSelectorAIEditParameters, &message.d);
}

int32_t SendLiveEffectGoLive(Host& host, AILiveEffectHandle effect,
                             AIDictionaryRef parameters,
                             AIDictionaryRef instanceInfo, AIArtHandle* art) {
  AILiveEffectGoMessage message{};
  message.effect = effect;
  message.parameters = parameters;
  message.instanceInfo = instanceInfo;
  message.art = art ? *art : nullptr;
  int32_t result =
      host.Send(kCallerAILiveEffect, kSelectorAIGoLiveEffect, &message.d);
  if (art) *art = message.art;
  return result;
}

int32_t SendLiveEffectInterpolate(Host& host, AILiveEffectHandle effect) {
  AILiveEffectInterpParamMessage message{};
  message.effect = effect;
  return host.Send(kCallerAILiveEffect, kSelectorAIInterpolateParameters,
                   &message.d);
}

int32_t SendLiveEffectInputType(Host& host, AILiveEffectHandle effect,
                                int32_t* inputType) {
  AILiveEffectInputTypeMessage message{};
  message.effect = effect;
  int32_t result =
      host.Send(kCallerAILiveEffect, kSelectorAIGetInputType, &message.d);
  if (inputType) *inputType = message.inputType;
  return result;
}

int32_t SendToolEvent(Host& host, const char* selector, AIToolHandle tool,
                      const AIEvent& event, AIReal pressure) {
  AIToolMessage message{};
  message.tool = tool;
  message.cursor = event.where;
  message.pressure = pressure;
  message.event = &event;
  return host.Send(kCallerAITool, selector, &message.d);
}

int32_t SendTool(Host& host, const char* selector, AIToolHandle tool, AIRealPoint cursor) {
  AIEvent event{};
  event.when = host.tools().clock().now();
  event.where = cursor;
  return SendToolEvent(host, selector, tool, event);
}

int32_t SendPluginGroup(Host& host, const char* selector,
                        AIPluginGroupHandle group, AIArtHandle art) {
  AIPluginGroupMessage message{};
  message.entry = group;
  message.art = art;
  return host.Send(kCallerAIPluginGroup, selector, &message.d);
}

int32_t DoAction(Host& host, const std::string& eventName,
                 const ActionParamValue& value, bool showDialog) {
  const ActionEvent* event = host.registrations().ActionEventNamed(eventName);
  if (!event) return kSPBadParameterError;
  ActionManager& actions = host.actions();
  ActionParamValue* live = actions.NewParamValue();
  *live = value;
  DoActionMessage message{};
  message.userData = event->userData;
  message.showDialog = showDialog ? 1 : 0;
  message.param = reinterpret_cast<AIActionParamValueRef>(live);
  int32_t result = host.Send(kActionCaller, kDoActionSelector, &message.d);
  actions.DeleteParamValue(message.param);
  return result;
}

}  // namespace vx::host
