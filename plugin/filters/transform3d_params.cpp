#include "filters/transform3d_params.h"

#include <cstring>

namespace vx {
namespace {

struct KindDefaults {
  float value[4];
  float preRotation[3];
  float postRotation[3];
};

// The parameter defaults of each kind, in kind order; rows without a
// parameter hold 0.
constexpr KindDefaults kKindDefaults[kTransformKindCount] = {
    {{0, 0, 0, 0}, {0, 0, 0}, {0, 0, 0}},          // Simple Rotation
    {{180, 0, 0, 0}, {0, 0, 0}, {0, 0, 0}},        // Twist
    {{120, 0, 0, 0}, {0, 0, 0}, {0, 0, 0}},        // Arc
    {{720, 0, 100, 0}, {0, 0, 0}, {0, 90, 0}},     // Screw
    {{60, 1, 0, 0}, {0, 0, 0}, {0, 0, 0}},         // Twirl
    {{20, 1, 20, 1}, {0, 0, 0}, {0, 0, 0}},        // Wave (H/V)
    {{20, 1, 20, 1}, {0, 0, 0}, {0, 0, 0}},        // Wave (Z)
    {{20, 1, 0, 0}, {0, 0, 0}, {0, 0, 0}},         // Wave (Radial)
    {{360, 90, 90, 100}, {0, 0, 0}, {0, 0, 0}},    // Sphere
    {{360, 360, 0, 100}, {0, 0, 0}, {0, 0, 0}},    // Torus (Donut)
    {{720, 360, 0, 200}, {0, 0, 0}, {0, 90, 0}},   // Spiral
    {{360, 100, 0, 0}, {90, 0, 0}, {0, -45, 0}}};  // Cylinder/Cone

}  // namespace

TransformStoredParams TransformFactoryParams(int kind) {
  if (kind < 0 || kind >= kTransformKindCount) kind = kSimpleRotation;
  const KindDefaults& d = kKindDefaults[kind];
  TransformStoredParams p;
  std::memset(&p, 0, sizeof p);
  p.kind = int16_t(kind);
  for (int i = 0; i < 4; ++i) p.value[i] = d.value[i];
  for (int i = 0; i < 3; ++i) {
    p.preRotation[i] = d.preRotation[i];
    p.postRotation[i] = d.postRotation[i];
  }
  p.perspective = 10.0f;
  p.afterMode = kind == kSimpleRotation ? 0 : 1;
  p.controlPointsOnly = 0;
  p.cursorH = 0.0f;
  p.cursorV = 0.0f;
  return p;
}

}  // namespace vx
