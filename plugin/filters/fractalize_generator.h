// Fractalize's generators: the fourteen open paths a span is replaced by,
// kept as art clips (resource type "GART") in the host's art file format
// (SVG), read through the host's art clip suite.
#pragma once

#include <cstdint>

#include "generated/resource_ids.h"
#include "vx_sdk.h"

namespace vx {

constexpr int32_t kGeneratorCount = 14;
// The generators' names: generator g (1 .. 14) is entry g + 6 of the
// Fractalize action's string table.
constexpr int32_t kGeneratorFirstName = 7;
// Resource id of generator g (1 .. 14): the clips are five ids apart.
constexpr int32_t GeneratorClipId(int32_t generator) {
  return res::kFirstGeneratorClip + (generator - 1) * 5;
}

// Generator `generator` ready for substitution in "genSegs" (owned by the
// caller, freed with FreeBlock): the clip's path read twice (count, then
// fill), every y scaled by genHeight x 0.01 unless genHeight is 100, first
// and last anchors forced to corners. Answers 0, -108, kBadResourceErr for
// a missing clip, a clip without a path or one with fewer than two anchors,
// or a host error (the art clip suite missing among them).
ASErr LoadGenerator(SPPluginRef plugin, int32_t generator, float genHeight,
                    Segment** segments, int32_t* count);

}  // namespace vx
