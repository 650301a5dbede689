#include "filters/kinds3d.h"

#include <cmath>

#include "geometry/projection.h"
#include "vx_catalog.h"

namespace vx {
namespace {

constexpr float kDegreesToRadians = 0.017453292f;
constexpr float kHalfPi = 1.5707964f;
constexpr float kPi = 3.1415927f;
constexpr float kTwoPi = 6.2831855f;
constexpr float kInverseTwoPi = 0.15915494f;  // radius gain per full turn

const TransformParams& Params(const void* data) {
  return *static_cast<const TransformParams*>(data);
}

// A guarded product or quotient: reaching the float limit (or not being a
// number, as 0 / 0 over a zero width) ends the mapping.
bool Overflows(float r) { return !(std::fabs(r) < kFloatLimit); }

// Step 2 of the mapping frame: the pre-rotation turns the artwork about
// centre - cursorOffset.
void PreRotateAboutCursor(const TransformParams& p, Point3* v) {
  v->x += p.cursorOffset.h;
  v->y += p.cursorOffset.v;
  Apply(p.preMatrix, v);
  v->x -= p.cursorOffset.h;
  v->y -= p.cursorOffset.v;
}

// R0 and R0' of the kind table: the height (or width when flat), and the
// width (or height when the selection has no width).
float R0(const TransformParams& p) { return p.height != 0.0f ? p.height : p.width; }
float R0Prime(const TransformParams& p) { return p.width != 0.0f ? p.width : p.height; }

// ---- mappers -------------------------------------------------------------

ASErr MapPreRotationOnly(const void* data, Point3* v) {
  Apply(Params(data).preMatrix, v);
  return kNoErr;
}

ASErr MapTwist(const void* data, Point3* v) {
  const TransformParams& p = Params(data);
  PreRotateAboutCursor(p, v);
  if (p.angle != 0.0f) {
    Matrix3 turn;
    RotationX(&turn, (v->x / p.width + 0.5f) * p.angle);
    Apply(turn, v);
  }
  Apply(p.postMatrix, v);
  return kNoErr;
}

// The bend shared by Arc and Screw: x becomes an angle about the centre,
// y the radius (growing by radiusGain per turn). *phi receives the angle
// measured from the x axis.
ASErr Bend(const TransformParams& p, Point3* v, float* phi) {
  float a = p.signedAngle * v->x;
  if (Overflows(a)) return kOverflowErr;
  a = a / p.width;
  if (Overflows(a)) return kOverflowErr;
  const float r = p.radiusGain == 0.0f
                      ? v->y
                      : v->y + a * kInverseTwoPi * p.radiusGain;
  *phi = kHalfPi - a;
  v->x = std::cos(*phi) * r;
  v->y = std::sin(*phi) * r;
  return kNoErr;
}

ASErr MapArc(const void* data, Point3* v) {
  const TransformParams& p = Params(data);
  PreRotateAboutCursor(p, v);
  float phi;
  if (ASErr err = Bend(p, v, &phi)) return err;
  Apply(p.postMatrix, v);
  return kNoErr;
}

ASErr MapScrew(const void* data, Point3* v) {
  const TransformParams& p = Params(data);
  v->x += p.cursorOffset.h;
  v->y += p.cursorOffset.v;
  if (p.twist != 0.0f) {
    Matrix3 turn;
    RotationX(&turn, (v->x / p.width + 0.5f) * p.twist);
    Apply(turn, v);
  }
  Apply(p.preMatrix, v);
  v->x -= p.cursorOffset.h;
  v->y -= p.cursorOffset.v;
  float phi;
  if (ASErr err = Bend(p, v, &phi)) return err;
  v->z = v->z - phi * kInverseTwoPi * p.zGain;
  Apply(p.postMatrix, v);
  return kNoErr;
}

ASErr MapTwirl(const void* data, Point3* v) {
  const TransformParams& p = Params(data);
  PreRotateAboutCursor(p, v);
  const float s = std::sqrt(v->x * v->x + v->y * v->y) / p.halfDiagonal;
  const float theta =
      p.value[1] == 1.0f
          ? p.angle * s - p.angle
          : p.cycleSign * p.angle *
                    std::cos(kTwoPi * (p.value[1] * 0.5f) * s) -
                p.angle;
  const float c = std::cos(theta), sn = std::sin(theta);
  const float x = v->x, y = v->y;
  v->x = x * c - y * sn;
  v->y = x * sn + y * c;
  Apply(p.postMatrix, v);
  return kNoErr;
}

// The two terms of the waves: the horizontal term follows x, the vertical
// term follows y.
float WaveH(const TransformParams& p, float x) {
  return std::sin(p.value[1] * kTwoPi * x / p.width) * p.ampH * 0.5f;
}
float WaveV(const TransformParams& p, float y) {
  return std::sin(p.value[3] * kTwoPi * y / p.height) * p.ampV * 0.5f;
}

ASErr MapWaveHV(const void* data, Point3* v) {
  const TransformParams& p = Params(data);
  PreRotateAboutCursor(p, v);
  const float x = v->x, y = v->y;
  if (p.ampV == 0.0f) {
    v->y = y + WaveH(p, x);
  } else if (p.ampH == 0.0f) {
    v->x = x - WaveV(p, y);
  } else {
    v->y = y + WaveH(p, x);
    v->x = x - WaveV(p, y);
  }
  Apply(p.postMatrix, v);
  return kNoErr;
}

ASErr MapWaveZ(const void* data, Point3* v) {
  const TransformParams& p = Params(data);
  PreRotateAboutCursor(p, v);
  const float x = v->x, y = v->y;
  if (p.ampV == 0.0f) {
    v->z = v->z + WaveH(p, x);
  } else if (p.ampH == 0.0f) {
    v->z = v->z + WaveV(p, y);
  } else {
    v->z = v->z + WaveH(p, x);
    v->z = v->z + WaveV(p, y);
  }
  Apply(p.postMatrix, v);
  return kNoErr;
}

ASErr MapWaveRadial(const void* data, Point3* v) {
  const TransformParams& p = Params(data);
  const float rho = std::sqrt(v->x * v->x + v->y * v->y);
  PreRotateAboutCursor(p, v);
  v->z = v->z + std::cos(p.value[1] * kTwoPi * rho / p.halfDiagonal -
                         p.phase) *
                    p.ampR * 0.5f;
  Apply(p.postMatrix, v);
  return kNoErr;
}

// x = cos t * rho, y = sin t * rho, both guarded.
ASErr PlaceOnCircle(float t, float rho, Point3* v) {
  const float x = std::cos(t) * rho;
  if (Overflows(x)) return kOverflowErr;
  const float y = std::sin(t) * rho;
  if (Overflows(y)) return kOverflowErr;
  v->x = x;
  v->y = y;
  return kNoErr;
}

// A zero radius (the cursor on the centre) makes the latitude's sine 0 / 0.
// Read as "the points collapse to the axis": x and y become 0 and the depth
// stays as it was (a sine that is not a number adds no height), so no
// coordinate that is not finite ever leaves the mapping.
ASErr CollapseOntoAxis(const TransformParams& p, Point3& v) {
  v.x = 0.0f;
  v.y = 0.0f;
  Apply(p.postMatrix, &v);
  return kNoErr;
}

ASErr MapSphere(const void* data, Point3* v) {
  const TransformParams& p = Params(data);
  PreRotateAboutCursor(p, v);
  const float x1 = p.scaleX * v->x;
  const float theta = (x1 / p.circumference) * kTwoPi;
  const float y1 = p.scaleY * v->y + p.y0;
  const float s = std::sin(y1 / p.R);
  if (std::isnan(s)) return CollapseOntoAxis(p, *v);
  v->z = v->z + s * p.heightGain;
  const float s2 = s * s;
  if (s2 >= 0.0f && s2 < 1.0f) {
    if (ASErr err = PlaceOnCircle(theta, std::sqrt(1.0f - s2) * p.R, v))
      return err;
  } else {
    v->x = 0.0f;
    v->y = 0.0f;
  }
  Apply(p.postMatrix, v);
  return kNoErr;
}

// Torus and Spiral: the tube of radius R2 around the ring of radius R1.
// spiral selects the Spiral's z change.
ASErr MapRing(const TransformParams& p, bool spiral, Point3* v) {
  PreRotateAboutCursor(p, v);
  const float half = p.R2 * kTwoPi * 0.5f;
  const float x1 = p.scaleX * v->x;
  const float y1 = p.scaleY * v->y + p.y0;
  const float turns = x1 / p.circumference;
  const float theta = turns * kTwoPi;
  const float ay = std::fabs(y1);
  const bool outer = ay < half * 0.5f || ay > half * 0.5f + half;
  float s;
  if (outer)
    s = std::sin(y1 / p.R2);
  else if (y1 > 0.0f)
    s = std::sin((half - y1) / p.R2);
  else
    s = std::sin((-half - y1) / p.R2);
  if (std::isnan(s)) return CollapseOntoAxis(p, *v);
  if (spiral)
    v->z = v->z + s * p.R2 - turns * p.zGain;
  else
    v->z = v->z + s * p.heightGain;
  const float s2 = s * s;
  if (s2 >= 0.0f && s2 <= 1.0f) {
    const float tube = s2 == 1.0f ? 0.0f : std::sqrt(1.0f - s2) * p.R2;
    const float rho = outer ? tube + p.R1 : p.R1 - tube;
    if (ASErr err = PlaceOnCircle(theta, rho, v)) return err;
  } else {
    v->x = 0.0f;
    v->y = 0.0f;
  }
  Apply(p.postMatrix, v);
  return kNoErr;
}

ASErr MapTorus(const void* data, Point3* v) {
  return MapRing(Params(data), false, v);
}
ASErr MapSpiral(const void* data, Point3* v) {
  return MapRing(Params(data), true, v);
}

ASErr MapCylinderCone(const void* data, Point3* v) {
  const TransformParams& p = Params(data);
  PreRotateAboutCursor(p, v);
  float a = p.signedAngle * v->x;
  if (Overflows(a)) return kOverflowErr;
  a = a / p.width;
  if (Overflows(a)) return kOverflowErr;
  const float phi = kHalfPi - a;
  const float y = v->y;
  v->x = std::cos(phi) * y;
  const float r = p.coneFactor == 1.0f ? y : p.coneFactor * y;
  v->y = std::sin(phi) * r;
  Apply(p.postMatrix, v);
  return kNoErr;
}

// ---- set-ups -------------------------------------------------------------

float Rad(float degrees) { return degrees * kDegreesToRadians; }

AIRealPoint CursorCentre(const TransformParams& p) {
  return {p.boundsCentre.h + p.cursorOffset.h,
          p.boundsCentre.v + p.cursorOffset.v};
}

// angle and signedAngle of Arc, Screw and Cylinder/Cone: the bend turns the
// other way when the cursor lies above the centre.
void SetUpBendAngle(TransformParams* p) {
  p->angle = Rad(p->value[0]);
  p->signedAngle = p->cursorOffset.v > 0.0f ? -p->angle : p->angle;
}

void SetUpRadiusGain(TransformParams* p) {
  p->radiusGain = p->value[1] * 0.01f * R0(*p);
  if (p->cursorOffset.h > 0.0f) p->radiusGain = -p->radiusGain;
}

// Torus and Spiral share their ring values.
ASErr SetUpRing(TransformParams* p) {
  const float a1 = Rad(p->value[0]), a2 = Rad(p->value[1]);
  const float shift = Rad(p->value[2]);
  p->R1 = std::fabs(p->cursorOffset.v);
  p->R2 = std::fabs(p->cursorOffset.h);
  p->scaleY = p->R2 * a2 / p->height;
  p->circumference = p->R1 * kTwoPi;
  p->scaleX = p->R1 * a1 / p->width;
  p->y0 = p->R2 * shift;
  p->centre = p->boundsCentre;
  return p->R1 == 0.0f || p->R2 == 0.0f ? kZeroRadiusSetUp : kNoErr;
}

}  // namespace

int32_t CursorRadiusOf(int kind) {
  switch (kind) {
    case kSphere: return kVxRadiusDistance;
    case kTorus:
    case kSpiral: return kVxRadiusBoth;
    // Arc, Screw and Cylinder/Cone turn the art about the centre: a point's
    // radius is its height above the centre, which the cursor moves.
    case kArc:
    case kScrew:
    case kCylinderCone: return kVxRadiusVertical;
    default: return kVxRadiusNone;
  }
}

ASErr SetUpKind(TransformParams* p) {
  const int kind = p->kind;
  if (kind < kTwist || kind > kCylinderCone) {
    p->centre = CursorCentre(*p);
    p->mapper = MapPreRotationOnly;
    return kNoErr;
  }
  if (p->afterMode == 0) {
    p->centre = p->boundsCentre;
    p->mapper = MapPreRotationOnly;
    return kNoErr;
  }
  p->centre = CursorCentre(*p);
  switch (kind) {
    case kTwist:
      p->angle = Rad(p->value[0]);
      p->mapper = MapTwist;
      return kNoErr;
    case kArc:
      SetUpBendAngle(p);
      SetUpRadiusGain(p);
      p->mapper = MapArc;
      return kNoErr;
    case kScrew:
      SetUpBendAngle(p);
      SetUpRadiusGain(p);
      p->zGain = p->value[2] * 0.01f * R0(*p);
      p->twist = Rad(p->value[3]);
      p->mapper = MapScrew;
      return kNoErr;
    case kTwirl:
      p->angle = Rad(p->value[0]);
      p->cycleSign = 1.0f;
      if (p->value[1] != 1.0f) {
        p->angle *= 0.5f;
        const long cycles = std::lround(p->value[1]);  // half away from zero
        p->cycleSign = (cycles % 2) != 0 ? -1.0f : 1.0f;
      }
      p->mapper = MapTwirl;
      return kNoErr;
    case kWaveHV:
    case kWaveZ:
      p->ampH = p->value[0] * 0.01f * R0Prime(*p);
      p->ampV = p->value[2] * 0.01f * R0(*p);
      p->mapper = kind == kWaveHV ? MapWaveHV : MapWaveZ;
      return kNoErr;
    case kWaveRadial:
      p->ampR = p->value[0] * 0.01f * p->halfDiagonal;
      p->phase = Rad(p->value[2]);
      p->mapper = MapWaveRadial;
      return kNoErr;
    case kSphere: {
      const float a0 = Rad(p->value[0]), aN = Rad(p->value[1]);
      const float aS = Rad(p->value[2]);
      const float ox = p->cursorOffset.h, oy = p->cursorOffset.v;
      const float r = std::sqrt(ox * ox + oy * oy);
      p->R = r;
      p->scaleY = (r * aN + r * aS) / p->height;
      p->circumference = r * kPi + r * kPi;
      p->scaleX = r * a0 / p->width;
      p->y0 = (r * aN - r * aS) * 0.5f;
      p->heightGain = p->value[3] * 0.01f * r;
      p->centre = p->boundsCentre;
      p->mapper = MapSphere;
      return r == 0.0f ? kZeroRadiusSetUp : kNoErr;
    }
    case kTorus: {
      const ASErr result = SetUpRing(p);
      p->heightGain = p->value[3] * 0.01f * p->R2;
      p->mapper = MapTorus;
      return result;
    }
    case kSpiral: {
      const ASErr result = SetUpRing(p);
      p->zGain = (p->R2 + p->R2) * p->value[3] * 0.01f;
      p->mapper = MapSpiral;
      return result;
    }
    case kCylinderCone:
      SetUpBendAngle(p);
      p->coneFactor = p->value[1] * 0.01f;
      p->mapper = MapCylinderCone;
      return kNoErr;
  }
  return kNoErr;
}

MapContext MakeKindContext(const TransformParams& p) {
  return MakeTransformContext(p.mapper, &p, p.centre, p.perspectiveDistance,
                              p.halfDiagonal);
}

}  // namespace vx
