#include "host/core/action_values.h"

#include <algorithm>

namespace vx::host {

void ActionParamValue::Set(ActionValue value) {
  for (ActionValue& v : values_)
    if (v.key == value.key) {
      v = std::move(value);
      return;
    }
  values_.push_back(std::move(value));
}

const ActionValue* ActionParamValue::Find(ActionParamKeyID key) const {
  for (const ActionValue& v : values_)
    if (v.key == key) return &v;
  return nullptr;
}

namespace {
template <typename T, typename Ref>
T* FindIn(const std::vector<std::unique_ptr<T>>& all, Ref ref) {
  for (const auto& p : all)
    if (reinterpret_cast<Ref>(p.get()) == ref) return p.get();
  return nullptr;
}
template <typename T, typename Ref>
bool EraseFrom(std::vector<std::unique_ptr<T>>& all, Ref ref) {
  auto it = std::find_if(all.begin(), all.end(), [ref](const auto& p) {
    return reinterpret_cast<Ref>(p.get()) == ref;
  });
  if (it == all.end()) return false;
  all.erase(it);
  return true;
}
}  // namespace

ActionParamType* ActionManager::NewParamType() {
  types_.push_back(std::make_unique<ActionParamType>());
  return types_.back().get();
}
ActionParamType* ActionManager::FindParamType(AIActionParamTypeRef ref) const {
  return FindIn(types_, ref);
}
bool ActionManager::DeleteParamType(AIActionParamTypeRef ref) {
  return EraseFrom(types_, ref);
}

ActionParamValue* ActionManager::NewParamValue() {
  values_.push_back(std::make_unique<ActionParamValue>());
  return values_.back().get();
}
ActionParamValue* ActionManager::FindParamValue(AIActionParamValueRef ref) const {
  return FindIn(values_, ref);
}
bool ActionManager::DeleteParamValue(AIActionParamValueRef ref) {
  return EraseFrom(values_, ref);
}

std::string FourCharText(uint32_t code) {
  std::string text;
  for (int shift = 24; shift >= 0; shift -= 8)
    text += static_cast<char>((code >> shift) & 0xFF);
  return text;
}

}  // namespace vx::host
