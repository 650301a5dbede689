// Regenerating live effect art: its result group is emptied, a standalone
// copy of its source goes in (Go Live walks the art it is given and the
// siblings that follow, so the copy must have none), and the effect's Go
// Live turns the copy into the result. The instance info the effect leaves
// (the seed it used) is stored with the art, without asking for another
// update. The host's plug-in group updates call this for every live effect
// art whose source changed.
#pragma once

#include <cstdint>
#include <string>

#include "host/art/document.h"
#include "vx_sdk.h"

namespace vx::host {
class Host;
}

namespace vx::host::live {

// The registered live effect of that name, as the handle messages carry;
// null when the plug-in registered none.
AILiveEffectHandle FindLiveEffect(Host& host, const std::string& name);

// Renders art that carries a live effect; art must belong to the current
// document. Answers the effect's error; after a failure the result shows
// the source unchanged. kSPBadParameterError: no live effect art, or an
// effect that is not registered (the stored result is left as it is).
int32_t RenderLiveEffect(Host& host, art::Art& art);

}  // namespace vx::host::live
