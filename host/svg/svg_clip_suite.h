// The art clip suite: the plug-in's small SVG clips read through the host's
// SVG reader, handed back as path segments.
#pragma once

namespace vx::host {
class Host;
}

namespace vx::host::svg {

void RegisterArtClipSuite(Host& host);

}  // namespace vx::host::svg
