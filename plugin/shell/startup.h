// Start-up registration: everything the plug-in offers is announced to the
// host, and the handles it returns are kept in the globals.
#pragma once

#include "vx_sdk.h"

namespace vx {

// Builds "ver4.2 " plus the host label chosen by the version text's first
// one or two characters ("15..." -> "for Win AICS5"; unknown: none).
void BuildVersionLabel(const char* versionText, char* label, int size);

// Runs the whole registration; the first failing step's error is returned
// and what was registered before it stays registered.
ASErr RegisterEverything(SPInterfaceMessage* message);

// Registers one action event (effects and Fractalize share the pattern):
// a parameter type with the keys, the event with user data = the address of
// its 16-bit action number. Without an action manager, nothing happens.
struct ActionSpec;
ASErr RegisterActionEvent(SPPluginRef plugin, const ActionSpec& spec,
                          int16_t* actionNumber, int16_t number);

}  // namespace vx
