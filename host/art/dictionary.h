// Dictionaries of typed entries: the parameters and instance info of live
// effects and anything else the host keeps by key. Each dictionary has a
// plug-in reference (AIDictionaryRef) that the dictionary suite checks
// before use.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <variant>

#include "vx_sdk.h"

namespace vx::host::art {

class Dictionary {
 public:
  using Value = std::variant<int32_t, AIReal, bool, std::string>;

  Dictionary();
  ~Dictionary();
  Dictionary(const Dictionary& other);
  Dictionary& operator=(const Dictionary& other);

  AIDictionaryRef ref() const;
  // The live dictionary of a reference, or null.
  static Dictionary* FromRef(AIDictionaryRef ref);

  bool Has(const std::string& key) const { return entries_.count(key) != 0; }
  const Value* Find(const std::string& key) const;
  void Set(const std::string& key, Value value);
  bool Erase(const std::string& key);
  void Clear();
  const std::map<std::string, Value>& entries() const { return entries_; }
  bool operator==(const Dictionary& other) const {
    return entries_ == other.entries_;
  }

  // Called before every change (an owner saves its state for undo here).
  std::function<void()> beforeChange;

 private:
  std::map<std::string, Value> entries_;
};

}  // namespace vx::host::art
