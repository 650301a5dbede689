#include "filters/fractalize_generator.h"

#include "shell/blocks.h"
#include "shell/globals.h"
#include "shell/suites.h"

namespace vx {
namespace {

// Reads the clip's path into "genSegs" through the host's art clip suite.
ASErr ReadClip(const VxArtClipSuite& clips, const SPResource& clip,
               BlockPtr<Segment>& genSegs, int32_t* count) {
  const char* text = static_cast<const char*>(clip.data);
  int32_t anchors = 0;
  if (ASErr err = clips.GetClipPathSegments(text, clip.size, nullptr, 0, &anchors))
    return err;
  if (anchors < 2) return kBadResourceErr;
  if (ASErr err = genSegs.Allocate(anchors, "genSegs")) return err;
  int32_t filled = 0;
  if (ASErr err = clips.GetClipPathSegments(text, clip.size, genSegs.get(),
                                            anchors, &filled))
    return err;
  if (filled != anchors) return kBadResourceErr;
  *count = anchors;
  return kNoErr;
}

}  // namespace

ASErr LoadGenerator(SPPluginRef plugin, int32_t generator, float genHeight,
                    Segment** segments, int32_t* count) {
  *segments = nullptr;
  *count = 0;
  if (generator < 1 || generator > kGeneratorCount || !sPlugins || !sAccess)
    return kBadResourceErr;
  SPAccessRef access = nullptr;
  SPPlatformAccessRef module = nullptr;
  SPResource clip{};
  if (ASErr err = sPlugins->GetPluginAccess(plugin, &access)) return err;
  if (ASErr err = sAccess->GetAccessInfo(access, &module)) return err;
  if (sAccess->FindResource(module, kVxArtClipResource,
                            GeneratorClipId(generator), &clip) ||
      !clip.data)
    return kBadResourceErr;

  // The clip suite is only needed here: held for the reading alone.
  const SPBasicSuite* basic = gGlobals ? gGlobals->BasicSuite : nullptr;
  if (!basic) return kCantHappenErr;
  const void* suite = nullptr;
  if (ASErr err = basic->AcquireSuite(kVxArtClipSuite, kVxArtClipSuiteVersion,
                                      &suite))
    return err;
  BlockPtr<Segment> genSegs;
  int32_t anchors = 0;
  ASErr err = suite ? ReadClip(*static_cast<const VxArtClipSuite*>(suite), clip,
                               genSegs, &anchors)
                    : kCantHappenErr;
  const ASErr released =
      basic->ReleaseSuite(kVxArtClipSuite, kVxArtClipSuiteVersion);
  if (!err) err = released;
  if (err) return err;

  if (genHeight != 100.0f) {
    const float factor = genHeight * 0.01f;
    for (int32_t k = 0; k < anchors; ++k) {
      genSegs[k].p.v *= factor;
      genSegs[k].in.v *= factor;
      genSegs[k].out.v *= factor;
    }
  }
  genSegs[0].corner = 1;
  genSegs[anchors - 1].corner = 1;
  *segments = genSegs.Release();
  *count = anchors;
  return kNoErr;
}

}  // namespace vx
