// The action manager's state: parameter types (keys with names, types and
// shown flags, in order), parameter values of every type, the recording
// switch and the events recorded while it is on.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "vx_sdk.h"

namespace vx::host {

struct ActionKey {
  ActionParamKeyID key = 0;
  std::string name;
  ActionParamTypeID type = 0;
  bool shown = false;
};

struct ActionParamType {
  std::vector<ActionKey> keys;
};

// One value of a parameter value record. The type says which fields count:
// integer (also the value of an enumeration), real (with unit for unit
// reals), boolean, text (string, or the name of an enumeration), raw bytes.
struct ActionValue {
  ActionParamKeyID key = 0;
  ActionParamTypeID type = 0;
  int32_t integer = 0;
  double real = 0;
  ActionParamUnitID unit = 0;
  bool boolean = false;
  std::string text{};
  std::vector<unsigned char> raw{};
};

class ActionParamValue {
 public:
  // Replaces the key's value, or appends it (values keep their first order).
  void Set(ActionValue value);
  const ActionValue* Find(ActionParamKeyID key) const;
  const std::vector<ActionValue>& values() const { return values_; }

 private:
  std::vector<ActionValue> values_;
};

struct RecordedAction {
  std::string eventName;
  int32_t dialogMode = 0;
  ActionParamValue value;
};

class ActionManager {
 public:
  ActionParamType* NewParamType();
  ActionParamType* FindParamType(AIActionParamTypeRef ref) const;
  bool DeleteParamType(AIActionParamTypeRef ref);
  size_t LiveParamTypes() const { return types_.size(); }

  ActionParamValue* NewParamValue();
  ActionParamValue* FindParamValue(AIActionParamValueRef ref) const;
  bool DeleteParamValue(AIActionParamValueRef ref);
  size_t LiveParamValues() const { return values_.size(); }

  // The recording switch ("the user pressed Record in the Actions palette").
  void SetRecording(bool on) { recording_ = on; }
  bool recording() const { return recording_; }
  void Record(RecordedAction action) { recorded_.push_back(std::move(action)); }
  const std::vector<RecordedAction>& recorded() const { return recorded_; }
  void ClearRecorded() { recorded_.clear(); }

 private:
  std::vector<std::unique_ptr<ActionParamType>> types_;
  std::vector<std::unique_ptr<ActionParamValue>> values_;
  bool recording_ = false;
  std::vector<RecordedAction> recorded_;
};

// "styl" for 'styl': a four-character code as text.
std::string FourCharText(uint32_t code);

}  // namespace vx::host
