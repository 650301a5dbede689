// The user suite (beep, progress, number texts, ticks) and the URL suite.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "host/core/call_failures.h"
#include "host/core/core_suites.h"
#include "host/core/host.h"
#include "host/core/user_interaction.h"

namespace vx::host {
namespace {

UserInteraction& User() { return Host::Current().user(); }

ASErr SysBeep() {
  Host& host = Host::Current();
  host.user().Beep();
  VX_LOG(host, "SysBeep (" << host.user().beeps() << ")");
  return kNoErr;
}

ASErr SetProgressText(const char* text) {
  Host& host = Host::Current();
  host.user().SetProgressText(text ? text : "");
  VX_LOG(host, "SetProgressText \"" << host.user().progressText() << "\"");
  return kNoErr;
}

ASErr UpdateProgress(int32_t current, int32_t total) {
  User().UpdateProgress(current, total);
  return kNoErr;
}

ASBoolean Cancelled() { return User().Cancelled() ? 1 : 0; }

ASErr CloseProgress() {
  User().CloseProgress();
  return kNoErr;
}

// As the host's number fields read a number: blanks, an optional sign, digits
// with an optional decimal point; anything after the number (a unit such as
// "pt" or "%") is ignored. Text without a number is refused.
ASErr StringToNumber(const char* text, AIReal* value) {
  if (!text || !value) return kSPBadParameterError;
  const char* p = text;
  while (*p == ' ' || *p == '\t') ++p;
  if (*p == '+') ++p;  // from_chars takes '-' but not '+'
  const char* end = p;
  while (*end) ++end;
  double number = 0;
  auto [stop, ec] = std::from_chars(p, end, number, std::chars_format::fixed);
  if (ec != std::errc() || stop == p) return kSPBadParameterError;
  *value = static_cast<AIReal>(number);
  return kNoErr;
}

// precision decimals at most; trailing zeros and a bare point are dropped.
ASErr NumberToString(AIReal value, int32_t precision, char* text,
                     int32_t maxLength) {
  if (!text || maxLength <= 0 || !std::isfinite(value))
    return kSPBadParameterError;
  precision = std::clamp(precision, 0, 9);
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*f", precision, double(value));
  std::string out = buffer;
  if (out.find('.') != std::string::npos) {
    while (out.back() == '0') out.pop_back();
    if (out.back() == '.') out.pop_back();
  }
  if (out == "-0") out = "0";
  CopyOut(out, text, maxLength);
  return kNoErr;
}

uint32_t GetTickCount() { return User().TickCount(); }

const AIUserSuite kUser = {SysBeep,        SetProgressText, UpdateProgress,
                           Cancelled,      CloseProgress,   StringToNumber,
                           NumberToString, GetTickCount};

// ---- URL -------------------------------------------------------------------
// This host runs without a screen, so there is no browser to open links in.
ASBoolean IsBrowserAvailable() { return 0; }

ASErr OpenURL(const char* url) {
  Host& host = Host::Current();
  if (!url) return kSPBadParameterError;
  VX_LOG(host, "OpenURL \"" << url << "\" (no browser)");
  host.user().RecordOpenedURL(url);
  return kNoErr;
}

const AIURLSuite kURL = {IsBrowserAvailable, OpenURL};

}  // namespace

void RegisterUserSuites(Host& host) {
  host.suites().Add(kAIUserSuite, kAIUserSuiteVersion, &kUser);
  host.suites().Add(kAIURLSuite, kAIURLSuiteVersion, &kURL);
}

}  // namespace vx::host
