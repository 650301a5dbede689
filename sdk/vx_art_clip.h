/* Art clips: small documents in the host's art file format (SVG), such as
 * the generator clips among the plug-in's resources, read through the host's
 * own file reader without opening them as documents. */
#ifndef VX_ART_CLIP_H
#define VX_ART_CLIP_H
#include "vx_base.h"

#define kVxArtClipSuite "VX Art Clip Suite"
#define kVxArtClipSuiteVersion 1

typedef struct VxArtClipSuite {
  /* The anchors of the clip's first path (in the file's order) in page
   * coordinates (points, y up) with their corner flags; a clip marks smooth
   * points with sodipodi:nodetypes ("c" corner, "s" smooth). With segments
   * null only *count is set; otherwise at most capacity segments are
   * written. *count is the path's anchor count either way. kBadResourceErr
   * (count 0) when the text is not an art file or holds no path. */
  ASErr (*GetClipPathSegments)(const char* text, uint32_t size,
                               Segment* segments, int32_t capacity,
                               int32_t* count);
} VxArtClipSuite;

#endif
