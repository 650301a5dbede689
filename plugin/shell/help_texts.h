// The help topics' texts: loaded from the module's TEXT resources at
// start-up, freed when the help palette goes (or at shutdown).
#pragma once

#include "shell/globals.h"
#include "vx_catalog.h"
#include "vx_sdk.h"

namespace vx {

// Each topic's TEXT and picture resource; {0, 0} for the separators and
// topic 34. The module catalog exports these rows as they are.
extern const VxHelpTopic kHelpTopics[kHelpTopicCount];

// Fills texts[0..35]; a missing resource gives "Not Found TEXT". Stops at
// the first failed allocation with the host's error.
ASErr LoadHelpTexts(SPPluginRef plugin, char* texts[kHelpTopicCount]);
void FreeHelpTexts(char* texts[kHelpTopicCount]);

}  // namespace vx
