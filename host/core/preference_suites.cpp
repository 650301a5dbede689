// Preferences (typed values under prefix + suffix, kept in the settings
// folder) and folders (type 16: the per-user settings root).
#include <system_error>

#include "host/core/call_failures.h"
#include "host/core/core_suites.h"
#include "host/core/host.h"
#include "host/core/preferences.h"

namespace vx::host {
namespace {

using Type = Preferences::Type;
using Value = Preferences::Value;

std::optional<Value> Read(const char* prefix, const char* suffix, Type type) {
  if (!prefix || !suffix) return std::nullopt;
  return Host::Current().preferences().Get(prefix, suffix, type);
}

ASErr Write(const char* prefix, const char* suffix, Value value) {
  Host& host = Host::Current();
  if (!prefix || !suffix) return kSPBadParameterError;
  VX_LOG(host, "PutPreference \"" << prefix << "\" \"" << suffix << "\"");
  if (ASErr err = host.failures().Check("PutPreference")) return err;
  return host.preferences().Put(prefix, suffix, std::move(value));
}

Value Typed(Type type) {
  Value v;
  v.type = type;
  return v;
}

ASErr GetInteger(const char* prefix, const char* suffix, int32_t* value) {
  if (!value) return kSPBadParameterError;
  if (auto v = Read(prefix, suffix, Type::Integer)) *value = v->integer;
  return kNoErr;
}
ASErr PutInteger(const char* prefix, const char* suffix, int32_t value) {
  Value v = Typed(Type::Integer);
  v.integer = value;
  return Write(prefix, suffix, std::move(v));
}
ASErr GetBoolean(const char* prefix, const char* suffix, ASBoolean* value) {
  if (!value) return kSPBadParameterError;
  if (auto v = Read(prefix, suffix, Type::Boolean)) *value = v->integer ? 1 : 0;
  return kNoErr;
}
ASErr PutBoolean(const char* prefix, const char* suffix, ASBoolean value) {
  Value v = Typed(Type::Boolean);
  v.integer = value ? 1 : 0;
  return Write(prefix, suffix, std::move(v));
}
ASErr GetReal(const char* prefix, const char* suffix, AIReal* value) {
  if (!value) return kSPBadParameterError;
  if (auto v = Read(prefix, suffix, Type::Real))
    *value = static_cast<AIReal>(v->real);
  return kNoErr;
}
ASErr PutReal(const char* prefix, const char* suffix, AIReal value) {
  Value v = Typed(Type::Real);
  v.real = value;
  return Write(prefix, suffix, std::move(v));
}
ASErr GetString(const char* prefix, const char* suffix, char* value,
                int32_t maxLength) {
  if (!value || maxLength <= 0) return kSPBadParameterError;
  if (auto v = Read(prefix, suffix, Type::String))
    CopyOut(v->text, value, maxLength);
  return kNoErr;
}
ASErr PutString(const char* prefix, const char* suffix, const char* value) {
  if (!value) return kSPBadParameterError;
  Value v = Typed(Type::String);
  v.text = value;
  return Write(prefix, suffix, std::move(v));
}
ASErr GetPoint(const char* prefix, const char* suffix, ASPoint* value) {
  if (!value) return kSPBadParameterError;
  if (auto v = Read(prefix, suffix, Type::Point)) *value = v->point;
  return kNoErr;
}
ASErr PutPoint(const char* prefix, const char* suffix, ASPoint value) {
  Value v = Typed(Type::Point);
  v.point = value;
  return Write(prefix, suffix, std::move(v));
}

const AIPreferenceSuite kPreference = {
    GetInteger, PutInteger, GetBoolean, PutBoolean, GetReal,
    PutReal,    GetString,  PutString,  GetPoint,   PutPoint};

// ---- folders -------------------------------------------------------------
ASErr FindFolder(int32_t type, ASBoolean create, char* path,
                 int32_t maxLength) {
  Host& host = Host::Current();
  if (!path || maxLength <= 0) return kSPBadParameterError;
  VX_LOG(host, "FindFolder " << type << " create " << int(create != 0));
  if (ASErr err = host.failures().Check("FindFolder")) return err;
  if (type != kAIUserSupportFolderType) return kSPBadParameterError;
  const std::string folder = host.settingsDir().string();
  if (folder.size() + 1 > size_t(maxLength)) return kSPBadParameterError;
  if (create) {
    std::error_code ec;
    std::filesystem::create_directories(host.settingsDir(), ec);
    if (ec) return kCantOpenFileErr;
  }
  CopyOut(folder, path, maxLength);
  return kNoErr;
}

const AIFoldersSuite kFolders = {FindFolder};

}  // namespace

void RegisterPreferenceSuites(Host& host) {
  host.suites().Add(kAIPreferenceSuite, kAIPreferenceSuiteVersion,
                    &kPreference);
  host.suites().Add(kAIFoldersSuite, kAIFoldersSuiteVersion, &kFolders);
}

}  // namespace vx::host
