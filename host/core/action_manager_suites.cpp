// The action manager suite: parameter types, event registration, recording
// and parameter values of every type.
#include <cstring>

#include "host/core/action_values.h"
#include "host/core/call_failures.h"
#include "host/core/core_suites.h"
#include "host/core/host.h"
#include "host/core/registrations.h"

namespace vx::host {
namespace {

ActionManager& Actions() { return Host::Current().actions(); }

ASErr NewParamType(AIActionParamTypeRef* param) {
  Host& host = Host::Current();
  if (!param) return kSPBadParameterError;
  *param = nullptr;
  if (ASErr err = host.failures().Check("AINewActionParamType")) return err;
  *param = reinterpret_cast<AIActionParamTypeRef>(host.actions().NewParamType());
  return kNoErr;
}

ASErr SetTypeKey(AIActionParamTypeRef param, ActionParamKeyID key,
                 const char* name, ActionParamTypeID type, ASBoolean show) {
  Host& host = Host::Current();
  ActionParamType* t = host.actions().FindParamType(param);
  if (!t) return kSPBadParameterError;
  VX_LOG(host, "AIActionSetTypeKey '" << FourCharText(key) << "' \""
                                      << (name ? name : "") << "\" '"
                                      << FourCharText(type) << "' shown "
                                      << int(show != 0));
  if (ASErr err = host.failures().Check("AIActionSetTypeKey")) return err;
  ActionKey entry{key, name ? name : "", type, show != 0};
  for (ActionKey& k : t->keys)
    if (k.key == key) {
      k = entry;
      return kNoErr;
    }
  t->keys.push_back(std::move(entry));
  return kNoErr;
}

ASErr DeleteParamType(AIActionParamTypeRef param) {
  return Actions().DeleteParamType(param) ? kNoErr : kSPBadParameterError;
}

ASErr RegisterActionEvent(const char* eventName, const char* localizedName,
                          int32_t version, int32_t flag,
                          AIActionCallbackProc callback, SPPluginRef plugin,
                          void* userData, AIActionParamTypeRef parameters) {
  Host& host = Host::Current();
  if (!eventName) return kSPBadParameterError;
  VX_LOG(host, "RegisterActionEvent \"" << eventName << "\" \""
                                        << (localizedName ? localizedName : "")
                                        << "\"");
  if (ASErr err = host.failures().Check("RegisterActionEvent")) return err;
  Registrations& regs = host.registrations();
  if (regs.ActionEventNamed(eventName)) return kSPBadParameterError;
  ActionEvent event;
  event.name = eventName;
  event.localizedName = localizedName ? localizedName : "";
  event.version = version;
  event.flags = flag;
  event.callback = callback;
  event.plugin = plugin;
  event.userData = userData;
  if (parameters) {
    ActionParamType* type = host.actions().FindParamType(parameters);
    if (!type) return kSPBadParameterError;
    event.keys = type->keys;  // the event keeps its own copy
  }
  regs.AddActionEvent(std::move(event));
  return kNoErr;
}

ASErr InRecordMode(ASBoolean* inRecordMode) {
  if (!inRecordMode) return kSPBadParameterError;
  *inRecordMode = Actions().recording() ? 1 : 0;
  return kNoErr;
}

ASErr NewParamValue(AIActionParamValueRef* param) {
  Host& host = Host::Current();
  if (!param) return kSPBadParameterError;
  *param = nullptr;
  if (ASErr err = host.failures().Check("AINewActionParamValue")) return err;
  *param =
      reinterpret_cast<AIActionParamValueRef>(host.actions().NewParamValue());
  return kNoErr;
}

ASErr DeleteParamValue(AIActionParamValueRef param) {
  return Actions().DeleteParamValue(param) ? kNoErr : kSPBadParameterError;
}

ASErr RecordActionEvent(const char* eventName, int32_t dialogMode,
                        AIActionParamValueRef parameters) {
  Host& host = Host::Current();
  ActionParamValue* value = host.actions().FindParamValue(parameters);
  if (!eventName || !value) return kSPBadParameterError;
  VX_LOG(host, "RecordActionEvent \"" << eventName << "\"");
  if (ASErr err = host.failures().Check("RecordActionEvent")) return err;
  if (!host.actions().recording()) return kNoErr;
  host.actions().Record({eventName, dialogMode, *value});
  return kNoErr;
}

// ---- values ------------------------------------------------------------------
ASErr Set(AIActionParamValueRef param, ActionValue value) {
  Host& host = Host::Current();
  ActionParamValue* v = host.actions().FindParamValue(param);
  if (!v) return kSPBadParameterError;
  if (ASErr err = host.failures().Check("AIActionSet")) return err;
  v->Set(std::move(value));
  return kNoErr;
}

// A value of the key and type; the caller fills the field the type uses.
ActionValue Typed(ActionParamKeyID key, ActionParamTypeID type) {
  ActionValue v;
  v.key = key;
  v.type = type;
  return v;
}

// The key's value when it exists with that type; null otherwise.
const ActionValue* Get(AIActionParamValueRef param, ActionParamKeyID key,
                       ActionParamTypeID type) {
  ActionParamValue* v = Actions().FindParamValue(param);
  if (!v) return nullptr;
  const ActionValue* found = v->Find(key);
  return found && found->type == type ? found : nullptr;
}

ASErr GetInteger(AIActionParamValueRef param, ActionParamKeyID key,
                 int32_t* value) {
  const ActionValue* v = Get(param, key, actionTypeInteger);
  if (!v || !value) return kSPBadParameterError;
  *value = v->integer;
  return kNoErr;
}
ASErr SetInteger(AIActionParamValueRef param, ActionParamKeyID key,
                 int32_t value) {
  ActionValue v = Typed(key, actionTypeInteger);
  v.integer = value;
  return Set(param, std::move(v));
}
ASErr GetReal(AIActionParamValueRef param, ActionParamKeyID key,
              AIReal* value) {
  const ActionValue* v = Get(param, key, actionTypeReal);
  if (!v || !value) return kSPBadParameterError;
  *value = static_cast<AIReal>(v->real);
  return kNoErr;
}
ASErr SetReal(AIActionParamValueRef param, ActionParamKeyID key,
              AIReal value) {
  ActionValue v = Typed(key, actionTypeReal);
  v.real = value;
  return Set(param, std::move(v));
}
ASErr GetBoolean(AIActionParamValueRef param, ActionParamKeyID key,
                 ASBoolean* value) {
  const ActionValue* v = Get(param, key, actionTypeBool);
  if (!v || !value) return kSPBadParameterError;
  *value = v->boolean ? 1 : 0;
  return kNoErr;
}
ASErr SetBoolean(AIActionParamValueRef param, ActionParamKeyID key,
                 ASBoolean value) {
  ActionValue v = Typed(key, actionTypeBool);
  v.boolean = value != 0;
  return Set(param, std::move(v));
}
ASErr GetEnumerated(AIActionParamValueRef param, ActionParamKeyID key,
                    char* name, int32_t maxLength, int32_t* value) {
  const ActionValue* v = Get(param, key, actionTypeEnum);
  if (!v) return kSPBadParameterError;
  CopyOut(v->text, name, maxLength);
  if (value) *value = v->integer;
  return kNoErr;
}
ASErr SetEnumerated(AIActionParamValueRef param, ActionParamKeyID key,
                    const char* name, int32_t value) {
  ActionValue v = Typed(key, actionTypeEnum);
  v.text = name ? name : "";
  v.integer = value;
  return Set(param, std::move(v));
}
ASErr GetString(AIActionParamValueRef param, ActionParamKeyID key,
                char* value, int32_t maxLength) {
  const ActionValue* v = Get(param, key, actionTypeString);
  if (!v || !value) return kSPBadParameterError;
  CopyOut(v->text, value, maxLength);
  return kNoErr;
}
ASErr SetString(AIActionParamValueRef param, ActionParamKeyID key,
                const char* value) {
  ActionValue v = Typed(key, actionTypeString);
  v.text = value ? value : "";
  return Set(param, std::move(v));
}
ASErr GetRawDataSize(AIActionParamValueRef param, ActionParamKeyID key,
                     int32_t* size) {
  const ActionValue* v = Get(param, key, actionTypeRaw);
  if (!v || !size) return kSPBadParameterError;
  *size = static_cast<int32_t>(v->raw.size());
  return kNoErr;
}
ASErr GetRawData(AIActionParamValueRef param, ActionParamKeyID key,
                 void* value) {
  const ActionValue* v = Get(param, key, actionTypeRaw);
  if (!v || (!value && !v->raw.empty())) return kSPBadParameterError;
  if (!v->raw.empty()) std::memcpy(value, v->raw.data(), v->raw.size());
  return kNoErr;
}
ASErr SetRawData(AIActionParamValueRef param, ActionParamKeyID key,
                 int32_t size, const void* value) {
  if (size < 0 || (size > 0 && !value)) return kSPBadParameterError;
  ActionValue v = Typed(key, actionTypeRaw);
  const auto* bytes = static_cast<const unsigned char*>(value);
  if (size > 0) v.raw.assign(bytes, bytes + size);
  return Set(param, std::move(v));
}
ASErr GetUnitReal(AIActionParamValueRef param, ActionParamKeyID key,
                  ActionParamUnitID* unit, AIReal* value) {
  const ActionValue* v = Get(param, key, actionTypeUnitReal);
  if (!v || !value) return kSPBadParameterError;
  if (unit) *unit = v->unit;
  *value = static_cast<AIReal>(v->real);
  return kNoErr;
}
ASErr SetUnitReal(AIActionParamValueRef param, ActionParamKeyID key,
                  ActionParamUnitID unit, AIReal value) {
  ActionValue v = Typed(key, actionTypeUnitReal);
  v.unit = unit;
  v.real = value;
  return Set(param, std::move(v));
}

const AIActionManagerSuite kActionManager = {
    NewParamType,     SetTypeKey,     DeleteParamType,  RegisterActionEvent,
    InRecordMode,     NewParamValue,  DeleteParamValue, RecordActionEvent,
    GetInteger,       SetInteger,     GetReal,          SetReal,
    GetBoolean,       SetBoolean,     GetEnumerated,    SetEnumerated,
    GetString,        SetString,      GetRawDataSize,   GetRawData,
    SetRawData,       GetUnitReal,    SetUnitReal};

}  // namespace

void RegisterActionManagerSuites(Host& host) {
  host.suites().Add(kAIActionManagerSuite, kAIActionManagerSuiteVersion,
                    &kActionManager);
}

}  // namespace vx::host
