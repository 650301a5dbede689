// The adaptive piece mapper shared by the 3D Transform filter and the tools:
// it maps one Bezier piece through a point mapping, rebuilds the handles from
// the mapped tangents and asks for a split when the rebuilt curve misses the
// mapped curve by more than the match tolerance.
//
// One engine serves every member of the family; a MapContext made by one of
// the Make...Context functions carries the member's tolerances and rules.
#pragma once

#include <cstdint>

#include "geometry/matrix3.h"
#include "vx_sdk.h"

namespace vx {

// Moves one point in place (z = 0 on entry, x and y relative to the
// context's centre). Returns 0, an error that ends the mapping, or
// kUntouchedErr ("ooTa"): the point lies outside the mapping's influence and
// stays where it was.
typedef ASErr (*PointMapper)(const void* mapperData, Point3* v);

// Answers of MapPiece besides errors.
enum : int32_t {
  kPieceMapped = 0,
  kPieceBehind = 1,  // mapped; some point at or behind the view point
  kPieceSplit = 3,   // the piece must be split before it can be mapped
};

// Where straight pieces get their handles at thirds before mapping.
enum class ThirdsRule : int32_t {
  kAlways,        // both ends (3D Transform)
  kNearAnchor,    // an end whose anchor is within `size` of `reference`
  kInsideArea,    // an end whose anchor lies in the area that reaches
                  // `areaWidth` left of and `areaHeight` above `reference`
};

struct MapContext {
  PointMapper mapper;
  const void* mapperData;
  AIRealPoint centre;     // points reach the mapper relative to it
  bool project;           // perspective projection with `distance`
  float distance;         // perspective distance d (3D only)
  float splitLength;      // pieces shorter than this are never split
  float matchTolerance;   // allowed miss of the rebuilt curve at 1/3, 2/3
  float tangentTolerance; // closer mapped tangent points retract the handle
  ThirdsRule thirds;
  bool untouchedRules;    // tool rules for "ooTa" answers (see MapPiece)
  AIRealPoint reference;  // the tool's reference point
  float size;             // radius of kNearAnchor
  float areaWidth, areaHeight;  // area of kInsideArea
};

// The 3D Transform member: tolerances from the selection's half diagonal
// (split length max(s 0.01, 2), match tolerance s 0.005 within 0.5 .. 5),
// handles at thirds on every straight piece, perspective projection with d.
MapContext MakeTransformContext(PointMapper mapper, const void* mapperData,
                                AIRealPoint centre, float distance,
                                float halfDiagonal);
// Tool members with a size argument (members 1 and 3): split length
// max(size 0.01, 2), match tolerance max(size 0.01, 1); straight-piece handles
// at thirds only near the reference point. Points are in page coordinates.
MapContext MakeToolContext(PointMapper mapper, const void* mapperData,
                           AIRealPoint reference, float size);
// The tool member sized by a width and height pair (member 2): s = min(w, h)
// 0.005, split length max(s, 2), match tolerance max(s, 1); handles at thirds
// only inside the area to the upper left of the reference point.
MapContext MakeToolAreaContext(PointMapper mapper, const void* mapperData,
                               AIRealPoint reference, float width,
                               float height);

// Maps the piece first -> second in place: p and out of `first`, p and in of
// `second`, and sets the corner flags of the ends it moved (every end for 3D).
// *depth receives the larger z of the two mapped anchors. With allowSplit
// false the piece is always accepted. Returns kPieceMapped, kPieceBehind,
// kPieceSplit (nothing written) or the mapper's error (nothing written).
//
// With untouchedRules, an end whose anchor, t = 0.001 sample and control
// point were all answered "ooTa" keeps its control point and corner flag; a
// piece with both ends untouched is accepted when its 1/3 and 2/3 samples are
// untouched too.
ASErr MapPiece(const MapContext& ctx, Segment* first, Segment* second,
               float* depth, bool allowSplit);

// Maps one page point through the context (relative to its centre, projected
// when the context projects) without any piece logic; "ooTa" leaves it in
// place. *z receives the mapped depth; *behind is set (never cleared) when
// the point lies at or behind the view point.
ASErr MapPagePoint(const MapContext& ctx, const AIRealPoint& p,
                   AIRealPoint* out, float* z, bool* behind);

}  // namespace vx
