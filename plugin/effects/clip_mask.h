// Clip members of a clipping group: art that masks the group's other
// members by its outline (Cutout's and Shadow's masks).
#pragma once

#include "vx_sdk.h"

namespace vx {

// Sets the text object's clipping through version 4 of the host's text
// suite, acquired for the call and released after. A host of version 8
// clips text by its runs' clip flag alone: nothing is asked of it there.
ASErr SetTextClipping(AIArtHandle text);

// Makes art an unpainted clip member: every path and text run loses fill
// and stroke and gets the clip flag; every text object's clipping is set
// first. Groups and compound paths are walked.
ASErr MakeClipMember(AIArtHandle art);

}  // namespace vx
