// Placing copies of source art: matrices, leaf transforms, the two-step turn,
// the centre mark and the seeds of the scattering effects.
#include "effects/placement.h"

#include <cmath>

#include "effects/art_styling.h"
#include "shell/globals.h"

namespace vx {
namespace {

constexpr float kPi = 3.14159265358979f;
constexpr float kPiTolerance = 0.001f;
constexpr float kMarkArm = 4.0f;
constexpr float kMarkStrokeWidth = 0.5f;
constexpr float kMarkMiterLimit = 4.0f;

Segment Corner(float x, float y) {
  Segment s{};
  s.p = s.in = s.out = AIRealPoint{x, y};
  s.corner = true;
  return s;
}

ASErr DrawOpenPath(AIArtHandle group, const AIPathStyle& style, const Segment (&points)[3]) {
  AIArtHandle path = nullptr;
  if (ASErr err = sArt->NewArt(kPathArt, kPlaceInsideOnTop, group, &path)) return err;
  if (ASErr err = sPath->SetPathSegmentCount(path, 3)) return err;
  if (ASErr err = sPath->SetPathSegments(path, 0, 3, points)) return err;
  if (ASErr err = sPath->SetPathClosed(path, false)) return err;
  return sPathStyle->SetPathStyle(path, &style);
}

}  // namespace

// ---- matrices ----------------------------------------------------------------------

// (x, y) -> (a x + c y + tx, b x + d y + ty); next applies after m_.
MatrixChain& MatrixChain::Then(const AIRealMatrix& n) {
  const AIRealMatrix& m = m_;
  m_ = AIRealMatrix{n.a * m.a + n.c * m.b,          n.b * m.a + n.d * m.b,
                    n.a * m.c + n.c * m.d,          n.b * m.c + n.d * m.d,
                    n.a * m.tx + n.c * m.ty + n.tx, n.b * m.tx + n.d * m.ty + n.ty};
  return *this;
}

MatrixChain& MatrixChain::Translate(float dx, float dy) {
  m_.tx += dx;
  m_.ty += dy;
  return *this;
}

MatrixChain& MatrixChain::Rotate(float angle) {
  const float c = std::cos(angle), s = std::sin(angle);
  return Then(AIRealMatrix{c, s, -s, c, 0, 0});
}

MatrixChain& MatrixChain::Scale(float sx, float sy) {
  return Then(AIRealMatrix{sx, 0, 0, sy, 0, 0});
}

ASErr TransformCopy(AIArtHandle copy, const AIRealMatrix& m) {
  return TransformLeaves(copy, m, 1.0f, kCopyTransformFlags);
}

// ---- turns --------------------------------------------------------------------------

bool NearMultipleOfPi(float angle) {
  const float rest = std::fmod(std::fabs(angle), kPi);
  return rest < kPiTolerance || rest > kPi - kPiTolerance;
}

bool TurnsInTwoSteps(float angle) {
  return !gGlobals->HostIsAI8 && NearMultipleOfPi(angle);
}

// ---- copies ----------------------------------------------------------------------

namespace {

ASErr Place(AIArtHandle copy, const CopyFrame& f, float d, float a, float s,
            bool keepAngle) {
  MatrixChain chain;
  chain.Translate(-f.centre.h, -f.centre.v).Scale(s, s);
  if (keepAngle) chain.Rotate(-a);
  chain.Translate(f.centre.h - f.core.h, f.centre.v - f.core.v)
      .Translate(d, 0)
      .Rotate(a)
      .Translate(f.core);
  return TransformCopy(copy, chain.matrix());
}

}  // namespace

ASErr PlaceCopy(AIArtHandle copy, const CopyFrame& frame, float d, float a, float s) {
  return Place(copy, frame, d, a, s, false);
}

ASErr PlaceCopyKeepAngle(AIArtHandle copy, const CopyFrame& frame, float d,
                         float a, float s) {
  return Place(copy, frame, d, a, s, true);
}

ASErr PlaceCopyTurned(AIArtHandle copy, const CopyFrame& frame, float d, float a,
                      float s, bool keepAngle) {
  if (keepAngle) return PlaceCopyKeepAngle(copy, frame, d, a, s);
  if (!TurnsInTwoSteps(a)) return PlaceCopy(copy, frame, d, a, s);
  if (ASErr err = PlaceCopy(copy, frame, d, kFirstTurnStep, s)) return err;
  return PlaceCopy(copy, frame, 0.0f, a - kFirstTurnStep, 1.0f);
}

// ---- centre mark ----------------------------------------------------------------------

ASErr DrawCentreMark(AIArtHandle group, const AIRealPoint& at) {
  AIPathStyle style{};
  if (ASErr err = GuideOutlineStyle(kMarkStrokeWidth, &style)) return err;
  style.stroke.overprint = true;
  style.stroke.cap = kAIButtCap;
  style.stroke.join = kAIMiterJoin;
  style.stroke.miterLimit = kMarkMiterLimit;
  const float x = at.h, y = at.v;
  const Segment across[3] = {Corner(x - kMarkArm, y), Corner(x, y), Corner(x + kMarkArm, y)};
  const Segment upright[3] = {Corner(x, y - kMarkArm), Corner(x, y), Corner(x, y + kMarkArm)};
  if (ASErr err = DrawOpenPath(group, style, across)) return err;
  return DrawOpenPath(group, style, upright);
}

// ---- seeds ---------------------------------------------------------------------------

int32_t SeedPlus(int32_t seed, int32_t k) {
  return int32_t(uint32_t(seed) + uint32_t(k));
}

int32_t UpdateSeed(int32_t sameSequence, int32_t storedSeed, uint32_t tickOffset,
                   int32_t* paletteSeed) {
  if (sameSequence || !sUser) return storedSeed;  // no tick count: keep the seed
  const int32_t seed = int32_t(sUser->GetTickCount() + tickOffset);
  if (paletteSeed) *paletteSeed = seed;
  return seed;
}

float CentredRandom() { return sRandom->FloatRnd() - 0.5f; }

ASErr VisibleBounds(AIArtHandle art, AIRealRect* bounds) {
  return sArt->GetArtTransformBounds(art, nullptr, kVisibleBounds, bounds);
}

// ---- when to regenerate -----------------------------------------------------------------

namespace {

// The art, or an object of its edit group, carries the selected attribute:
// the host keeps a wrapped object's selection on the object itself, so art
// just made by Apply counts as selected through its source.
ASErr EffectArtSelected(AIArtHandle art, AIArtHandle edit, bool* selected) {
  int32_t attr = 0;
  if (ASErr err = sArt->GetArtUserAttr(art, kArtSelected, &attr)) return err;
  AIArtHandle child = nullptr;
  if (!attr)
    if (ASErr err = sArt->GetArtFirstChild(edit, &child)) return err;
  while (!attr && child) {
    if (ASErr err = sArt->GetArtUserAttr(child, kArtSelected, &attr)) return err;
    if (ASErr err = sArt->GetArtSibling(child, &child)) return err;
  }
  *selected = attr != 0;
  return kNoErr;
}

}  // namespace

ASErr RegeneratesWhenSelected(AIArtHandle art, bool* yes) {
  *yes = true;
  if (gGlobals->HostIsAI8) return kNoErr;
  AIArtHandle edit = nullptr;
  if (ASErr err = sPluginGroup->GetPluginArtEditArt(art, &edit)) return err;
  return EffectArtSelected(art, edit, yes);
}

ASErr RegeneratesInFocus(AIArtHandle art, bool* yes) {
  if (ASErr err = RegeneratesWhenSelected(art, yes)) return err;
  if (*yes || gGlobals->HostIsAI8) return kNoErr;
  AIArtHandle edit = nullptr;
  if (ASErr err = sPluginGroup->GetPluginArtEditArt(art, &edit)) return err;
  AIArtHandle focus = nullptr, first = nullptr;
  if (ASErr err = sText->GetTextFocus(&focus)) return err;
  if (focus)
    if (ASErr err = sArt->GetArtFirstChild(edit, &first)) return err;
  *yes = focus && focus == first;
  return kNoErr;
}

}  // namespace vx
