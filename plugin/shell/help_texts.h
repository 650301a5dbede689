// The help topics' texts: loaded from the module's TEXT resources at
// start-up, freed when the help palette goes (or at shutdown).
#pragma once

#include "shell/globals.h"
#include "vx_sdk.h"

namespace vx {

// TEXT resource id of each topic; 0 for the separators and topic 34.
extern const int32_t kHelpTextIds[kHelpTopicCount];
// Picture of each topic; 0 for none.
extern const int32_t kHelpPictureIds[kHelpTopicCount];

// Fills texts[0..35]; a missing resource gives "Not Found TEXT". Stops at
// the first failed allocation with the host's error.
ASErr LoadHelpTexts(SPPluginRef plugin, char* texts[kHelpTopicCount]);
void FreeHelpTexts(char* texts[kHelpTopicCount]);

}  // namespace vx
