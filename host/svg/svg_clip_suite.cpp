#include "host/svg/svg_clip_suite.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "host/core/host.h"
#include "host/svg/svg_import.h"
#include "vx_sdk.h"

namespace vx::host::svg {
namespace {

// The first path in the file's order: depth first from the bottommost art
// (the file lists art bottom to top).
const art::Art* FirstPath(const art::Art* art) {
  for (; art; art = art->priorSibling()) {
    if (art->kind() == art::ArtKind::Path) return art;
    if (const art::Art* inner = FirstPath(art->lastChild())) return inner;
  }
  return nullptr;
}

ASErr GetClipPathSegments(const char* text, uint32_t size, Segment* segments,
                          int32_t capacity, int32_t* count) {
  if (!count) return kSPBadParameterError;
  *count = 0;
  if (!text) return kSPBadParameterError;
  ImportLimits limits;
  limits.cornersFromNodeTypes = true;
  std::string error;
  std::optional<ImportResult> clip =
      ImportSvg(std::string_view(text, size), &error, limits);
  if (!clip) return kBadResourceErr;
  const art::Art* path = nullptr;
  for (int i = clip->document->LayerCount() - 1; !path && i >= 0; --i)
    path = FirstPath(clip->document->LayerAt(i)->group->lastChild());
  if (!path) return kBadResourceErr;
  const std::vector<Segment>& anchors = path->path().segments;
  *count = int32_t(anchors.size());
  if (segments && capacity > 0)
    std::copy_n(anchors.begin(), std::min(anchors.size(), std::size_t(capacity)),
                segments);
  return kNoErr;
}

const VxArtClipSuite kArtClip = {GetClipPathSegments};

}  // namespace

void RegisterArtClipSuite(Host& host) {
  host.suites().Add(kVxArtClipSuite, kVxArtClipSuiteVersion, &kArtClip);
}

}  // namespace vx::host::svg
