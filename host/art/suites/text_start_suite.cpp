#include "host/art/suites/text_start_suite.h"

#include <cmath>

#include "host/art/suites/suite_support.h"
#include "host/art/text_start.h"
#include "host/core/call_failures.h"

namespace vx::host::art {

ASErr SetTextStart(AIArtHandle handle, const AIRealPoint* start) {
  if (ASErr err = Host::Current().failures().Check("SetTextStart")) return err;
  Art* art = ArtFrom(handle);
  if (!art || art->kind() != ArtKind::Text || !start || !std::isfinite(start->h) ||
      !std::isfinite(start->v))
    return kSPBadParameterError;
  for (Art* c = art->firstChild(); c; c = c->sibling())
    if (c->kind() == ArtKind::TextPath) return kSPBadParameterError;
  CurrentDocument()->MutableText(*art).start = *start;
  return kNoErr;
}

ASErr GetTextPathStart(AIArtHandle handle, AIRealPoint* start) {
  Art* art = ArtFrom(handle);
  if (!art || art->kind() != ArtKind::TextPath || !start) return kSPBadParameterError;
  const std::optional<AIRealPoint> at = TextPathStart(*art);
  if (!at) return kSPBadParameterError;
  *start = *at;
  return kNoErr;
}

}  // namespace vx::host::art
