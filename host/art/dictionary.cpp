#include "host/art/dictionary.h"

#include <unordered_set>

namespace vx::host::art {

namespace {
// Every live dictionary, so that a reference is checked before it is used.
std::unordered_set<const Dictionary*>& LiveDictionaries() {
  static std::unordered_set<const Dictionary*> live;
  return live;
}
}  // namespace

Dictionary::Dictionary() { LiveDictionaries().insert(this); }
Dictionary::~Dictionary() { LiveDictionaries().erase(this); }
Dictionary::Dictionary(const Dictionary& other) : entries_(other.entries_) {
  LiveDictionaries().insert(this);
}
Dictionary& Dictionary::operator=(const Dictionary& other) {
  if (this != &other) {
    if (beforeChange) beforeChange();
    entries_ = other.entries_;
  }
  return *this;
}

AIDictionaryRef Dictionary::ref() const {
  return reinterpret_cast<AIDictionaryRef>(const_cast<Dictionary*>(this));
}

Dictionary* Dictionary::FromRef(AIDictionaryRef ref) {
  auto* d = reinterpret_cast<Dictionary*>(ref);
  return ref && LiveDictionaries().count(d) ? d : nullptr;
}

const Dictionary::Value* Dictionary::Find(const std::string& key) const {
  auto it = entries_.find(key);
  return it == entries_.end() ? nullptr : &it->second;
}

void Dictionary::Set(const std::string& key, Value value) {
  if (beforeChange) beforeChange();
  entries_[key] = std::move(value);
}

bool Dictionary::Erase(const std::string& key) {
  if (!Has(key)) return false;
  if (beforeChange) beforeChange();
  entries_.erase(key);
  return true;
}

void Dictionary::Clear() {
  if (entries_.empty()) return;
  if (beforeChange) beforeChange();
  entries_.clear();
}

}  // namespace vx::host::art
