// Fractalize's generators: the fourteen open paths a span is replaced by,
// kept as art clips (resource type "GART") in the host's art file format.
#pragma once

#include <cstddef>
#include <cstdint>

#include "vx_sdk.h"

namespace vx {

constexpr int32_t kGeneratorCount = 14;
// Resource id of generator g (1 .. 14): 17000, 17005, ... 17065.
constexpr int32_t GeneratorClipId(int32_t generator) {
  return (generator + 3399) * 5;
}

// Reads the one path of an art clip. The text is a stream of tokens
// separated by blanks, tabs, CR and LF: "(" string ")" is skipped (a
// backslash escapes the next character); "%" starts a comment to the end of
// the line, and a comment starting "%EOF" ends the clip; a token of "-", "."
// and digits is an operand (converted by the host, at most 20 kept, a
// further one overwrites the last); any other one-character token is an
// operator and clears the operands; longer tokens are ignored.
//   x y m                 starts the path
//   x y L | l             a line anchor
//   x1 y1 x2 y2 x3 y3 C | c   a curve anchor
//   x2 y2 x3 y3 V | v     first control on the current anchor
//   x1 y1 x3 y3 Y | y     second control on the new anchor
//   B F N S               end the path
// An upper-case letter makes the new anchor a corner; missing controls sit
// on their anchor. With `out` null only the anchors are counted; otherwise
// at most `capacity` segments are written. *count is the number of anchors
// when the path was ended, 0 when it never was. Always answers 0 (an
// operand the host cannot convert counts as 0).
ASErr ParseArtClip(const char* text, std::size_t size, Segment* out,
                   int32_t capacity, int32_t* count);

// Generator `generator` ready for substitution in "genSegs" (owned by the
// caller, freed with FreeBlock): parsed twice (count, then fill), every y
// scaled by genHeight x 0.01 unless genHeight is 100, first and last anchors
// forced to corners. Answers 0, -108, kBadResourceErr for a missing clip or
// a clip with fewer than two anchors, or a host error.
ASErr LoadGenerator(SPPluginRef plugin, int32_t generator, float genHeight,
                    Segment** segments, int32_t* count);

}  // namespace vx
