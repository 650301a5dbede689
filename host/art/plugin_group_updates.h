// The host's "AI Plugin Group" messages for plug-in group art whose edit
// group or data store changed.
#pragma once

#include <cstdint>

namespace vx::host {
class Host;
}

namespace vx::host::art {

// Sends "AI Notify Edits" and then "AI Update" for every plug-in group art
// of the current document marked for an update (live effect art is
// rendered through Go Live instead), in the order the changes happened,
// until none is left (the updates' own changes join the same
// undo step). Host::Send calls it after every outermost message; the host
// calls it after changing such art itself. Answers the first error (the
// remaining art is still updated); does nothing while already sending.
int32_t SendPluginGroupUpdates(Host& host);

}  // namespace vx::host::art
