// The dictionary suite.
#include "host/art/art_suites.h"
#include "host/art/dictionary.h"
#include "host/art/suites/suite_support.h"

namespace vx::host::art {
namespace {

// Reads an entry of type T: missing keys answer kNoSuchKeyErr, entries of
// another type kWrongEntryTypeErr.
template <class T>
ASErr Read(AIDictionaryRef ref, const char* key, const T** value) {
  Dictionary* d = Dictionary::FromRef(ref);
  if (!d || !key) return kSPBadParameterError;
  const Dictionary::Value* v = d->Find(key);
  if (!v) return kNoSuchKeyErr;
  *value = std::get_if<T>(v);
  return *value ? kNoErr : kWrongEntryTypeErr;
}

template <class T>
ASErr Write(AIDictionaryRef ref, const char* key, T value) {
  Dictionary* d = Dictionary::FromRef(ref);
  if (!d || !key) return kSPBadParameterError;
  d->Set(key, std::move(value));
  return kNoErr;
}

// Reads an entry of type T into the caller's variable of type Out.
template <class T, class Out>
ASErr ReadInto(AIDictionaryRef ref, const char* key, Out* out) {
  const T* v = nullptr;
  if (!out) return kSPBadParameterError;
  if (ASErr err = Read(ref, key, &v)) return err;
  *out = static_cast<Out>(*v);
  return kNoErr;
}

ASErr GetIntegerEntry(AIDictionaryRef ref, const char* key, int32_t* value) {
  return ReadInto<int32_t>(ref, key, value);
}
ASErr SetIntegerEntry(AIDictionaryRef ref, const char* key, int32_t value) {
  return Write(ref, key, value);
}
ASErr GetRealEntry(AIDictionaryRef ref, const char* key, AIReal* value) {
  return ReadInto<AIReal>(ref, key, value);
}
ASErr SetRealEntry(AIDictionaryRef ref, const char* key, AIReal value) {
  return Write(ref, key, value);
}
ASErr GetBooleanEntry(AIDictionaryRef ref, const char* key, ASBoolean* value) {
  return ReadInto<bool>(ref, key, value);
}
ASErr SetBooleanEntry(AIDictionaryRef ref, const char* key, ASBoolean value) {
  return Write(ref, key, value != 0);
}
ASErr GetStringEntry(AIDictionaryRef ref, const char* key, char* value,
                     int32_t maxLength) {
  const std::string* v = nullptr;
  if (!value) return kSPBadParameterError;
  if (ASErr err = Read(ref, key, &v)) return err;
  CopyText(*v, value, maxLength);
  return kNoErr;
}
ASErr SetStringEntry(AIDictionaryRef ref, const char* key, const char* value) {
  if (!value) return kSPBadParameterError;
  return Write(ref, key, std::string(value));
}
ASBoolean IsKnown(AIDictionaryRef ref, const char* key) {
  Dictionary* d = Dictionary::FromRef(ref);
  return d && key && d->Has(key);
}
ASErr DeleteEntry(AIDictionaryRef ref, const char* key) {
  Dictionary* d = Dictionary::FromRef(ref);
  if (!d || !key) return kSPBadParameterError;
  return d->Erase(key) ? kNoErr : kNoSuchKeyErr;
}
const AIDictionarySuite kDictionary = {
    GetIntegerEntry, SetIntegerEntry, GetRealEntry,   SetRealEntry,
    GetBooleanEntry, SetBooleanEntry, GetStringEntry, SetStringEntry,
    IsKnown,         DeleteEntry};

}  // namespace

void RegisterDictionarySuite(Host& host) {
  host.suites().Add(kAIDictionarySuite, kAIDictionarySuiteVersion, &kDictionary);
}

}  // namespace vx::host::art
