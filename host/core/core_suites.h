// The SP suites every plug-in relies on: basic, blocks, plug-ins and access,
// and the runtime suite.
#pragma once

#include <string>

#include "vx_sdk.h"

namespace vx::host {
class Host;

const SPBasicSuite& BasicSuiteTable();
void RegisterSPSuites(Host& host);

// One function per suite family, each in its own file.
void RegisterMenuSuites(Host& host);           // menu
void RegisterNotifierSuites(Host& host);       // notifier
void RegisterPluginGroupSuites(Host& host);    // plug-in group registration
void RegisterFilterSuites(Host& host);         // filter, live effect
void RegisterToolSuites(Host& host);           // tool
void RegisterActionManagerSuites(Host& host);  // action manager
void RegisterPreferenceSuites(Host& host);     // preferences, folders
void RegisterUserSuites(Host& host);           // user, URL

// The preferences file in the settings folder.
inline constexpr const char* kPreferencesFile = "host-preferences.txt";

// Copies text into a caller's buffer of maxLength bytes (NUL included).
void CopyOut(const std::string& text, char* out, int32_t maxLength);
// The text of a length-prefixed string (first byte = length); null: "".
std::string PascalText(const unsigned char* text);

}  // namespace vx::host
