#include "filters/transform3d_record.h"

#include <cmath>
#include <cstring>

namespace vx {
namespace {
constexpr float kDegreesToRadians = 0.017453292f;
}

void ResetTransformParams(TransformParams* p, int kind) {
  std::memset(p, 0, sizeof *p);
  TransformStoredParams& stored = *p;
  stored = TransformFactoryParams(kind);
}

void UpdateRotations(TransformParams* p) {
  for (int i = 0; i < 3; ++i) {
    p->preRadians[i] = p->preRotation[i] * kDegreesToRadians;
    p->postRadians[i] = p->postRotation[i] * kDegreesToRadians;
  }
  EulerXYZ(&p->preMatrix, p->preRadians[0], p->preRadians[1],
           p->preRadians[2]);
  EulerXYZ(&p->postMatrix, p->postRadians[0], p->postRadians[1],
           p->postRadians[2]);
}

void UpdatePerspectiveDistance(TransformParams* p) {
  // A perspective of 0 gives an infinite distance: the projection then
  // keeps x and y as they are.
  p->perspectiveDistance = p->halfDiagonal / (p->perspective / 100.0f);
}

void SetTransformBounds(TransformParams* p, const AIRealRect& bounds) {
  p->bounds = bounds;
  p->width = bounds.right - bounds.left;
  p->height = bounds.top - bounds.bottom;
  p->boundsCentre = {(bounds.left + bounds.right) / 2.0f,
                     (bounds.top + bounds.bottom) / 2.0f};
  const float dx = p->boundsCentre.h - bounds.left;
  const float dy = bounds.top - p->boundsCentre.v;
  p->halfDiagonal = std::sqrt(dx * dx + dy * dy);
  UpdatePerspectiveDistance(p);
  CursorOffsetFromFractions(p);
}

void CursorOffsetFromFractions(TransformParams* p) {
  p->cursorOffset = {p->width * p->cursorH, p->height * p->cursorV};
}

void FractionsFromCursorOffset(TransformParams* p) {
  p->cursorH = p->width != 0.0f ? p->cursorOffset.h / p->width : 0.0f;
  p->cursorV = p->height != 0.0f ? p->cursorOffset.v / p->height : 0.0f;
}

void RebuildDerived(TransformParams* p, const AIRealRect& bounds) {
  UpdateRotations(p);
  SetTransformBounds(p, bounds);
}

}  // namespace vx
