// The filters' preset kinds: one file per 3D kind, then Fractalize's.
#pragma once

namespace vx {

// The preset file of a 3D kind (0 .. 11); null outside.
const char* TransformPresetFile(int transformKind);

}  // namespace vx
