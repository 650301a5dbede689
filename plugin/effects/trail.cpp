// Live Trail: copies of each source object along the drag vector, turning
// and scaling about a pivot while their colours move from the object's own
// toward the end colours.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <initializer_list>

#include "effects/art_styling.h"
#include "effects/trail.h"
#include "shell/blocks.h"
#include "shell/globals.h"
#include "shell/suites.h"

namespace vx {
namespace {

enum TrailSpace : int32_t { kDecelerate = 0, kUniform = 1, kAccelerate = 2 };

// Spacing curve of the copies at x (0..1). Decelerate puts copy i at u^2
// (crowded near the object, spreading toward the end) and Accelerate at
// 1 - (u - 1)^2. The tools' trace modes name these two curves the other
// way round; the effect keeps its own names, which its stored records and
// actions carry.
float Spaced(int32_t space, float x) {
  switch (space) {
    case kDecelerate: return x * x;
    case kAccelerate: return 1.0f - (x - 1.0f) * (x - 1.0f);
    default: return x;
  }
}

// Translate(-pivot), scale, rotate, translate to the entry's position:
// scaling and rotation are about the pivot.
AIRealMatrix StepMatrix(AIRealPoint pivot, const TrailStep& e) {
  const float cr = std::cos(e.rotation), sr = std::sin(e.rotation);
  AIRealMatrix m{e.scaleH * cr, e.scaleH * sr, -e.scaleV * sr, e.scaleV * cr, 0, 0};
  m.tx = e.x - (m.a * pivot.h + m.c * pivot.v);
  m.ty = e.y - (m.b * pivot.h + m.d * pivot.v);
  return m;
}

// ---- colours -------------------------------------------------------------------

// Custom colours as process colours; other kinds, and custom colours
// whose definition is neither four- nor three-colour based, unchanged.
ASErr ToProcess(AIColor* colour) {
  if (colour->kind != kCustomColor) return kNoErr;
  int32_t kind = 0;
  AIColorUnion process{};
  ASErr err = kNoErr;
  if (ResolveCustomColour(*colour, &kind, &process, &err)) {
    colour->kind = kind;
    colour->c = process;
  }
  return err;
}

// The components of a process colour, and whether they are ink amounts
// (gray, four-colour: 0 is white) or light (three-colour: 1 is white).
struct Components {
  AIReal* v[4] = {};
  int count = 0;
  bool light = false;
};
Components ComponentsOf(AIColor& c) {
  switch (c.kind) {
    case kGrayColor: return {{&c.c.g.gray}, 1, false};
    case kFourColor:
      return {{&c.c.f.cyan, &c.c.f.magenta, &c.c.f.yellow, &c.c.f.black}, 4, false};
    case kThreeColor: return {{&c.c.rgb.red, &c.c.rgb.green, &c.c.rgb.blue}, 3, true};
    default: return {};
  }
}

// Weakens a colour toward white by w (1: unchanged, 0: white).
void Weaken(AIColor* colour, float w) {
  Components k = ComponentsOf(*colour);
  for (int i = 0; i < k.count; ++i)
    *k.v[i] = k.light ? *k.v[i] + (1.0f - w) * (1.0f - *k.v[i]) : *k.v[i] * w;
}

void MakeWhite(AIColor* colour) { Weaken(colour, 0.0f); }

// The colour rule on one process colour: weakened by beginning b, then
// moved toward target t by colour position c and kept within [0, 1].
// Colours of another kind than the target are left unchanged.
void MoveToward(AIColor* colour, AIColor target, float b, float c) {
  if (colour->kind != target.kind) return;
  Components k = ComponentsOf(*colour);
  const Components to = ComponentsOf(target);
  if (!k.count) return;
  Weaken(colour, b);
  for (int i = 0; i < k.count; ++i)
    *k.v[i] = std::clamp(*k.v[i] + (*to.v[i] - *k.v[i]) * c, 0.0f, 1.0f);
}

// What one side (fill or stroke) of a path is coloured toward.
struct SideRule {
  int32_t source;        // TrailColourSource
  const AIColor* chosen; // the chosen end colour of this side
};

// The document's gradients as they were when one source object's trail
// began, read once (the host keeps every gradient ever made: they cannot
// be deleted, so a trail reuses an identical one instead of making another
// on every update).
class GradientPool {
 public:
  // The gradient of this type and name with exactly these stops, or 0.
  ASErr Find(int16_t type, const char* name, const AIGradientStop* stops, int16_t count,
             AIGradientHandle* found) {
    *found = 0;
    if (!read_)
      if (ASErr err = Read()) return err;
    for (int32_t i = count_ - 1; i >= 0; --i) {
      bool same = false;
      if (ASErr err = Same(handles_[size_t(i)], type, name, stops, count, &same)) return err;
      if (same) {
        *found = handles_[size_t(i)];
        return kNoErr;
      }
    }
    return kNoErr;
  }

 private:
  ASErr Read() {
    read_ = true;
    if (ASErr err = sGradient->CountGradients(&count_)) return err;
    if (count_ == 0) return kNoErr;
    if (ASErr err = handles_.Allocate(size_t(count_), "gradient pool")) {
      count_ = 0;
      return err;
    }
    for (int32_t i = 0; i < count_; ++i)
      if (ASErr err = sGradient->GetNthGradient(i, &handles_[size_t(i)])) return err;
    return kNoErr;
  }
  static ASErr Same(AIGradientHandle g, int16_t type, const char* name,
                    const AIGradientStop* stops, int16_t count, bool* same) {
    *same = false;
    int16_t t = 0, n = 0;
    char other[256] = {};
    if (ASErr err = sGradient->GetGradientType(g, &t)) return err;
    if (ASErr err = sGradient->GetGradientStopCount(g, &n)) return err;
    if (t != type || n != count) return kNoErr;
    if (ASErr err = sGradient->GetGradientName(g, other, int32_t(sizeof other))) return err;
    if (std::strcmp(other, name) != 0) return kNoErr;
    for (int16_t i = 0; i < count; ++i) {
      AIGradientStop stop{};
      if (ASErr err = sGradient->GetNthGradientStop(g, i, &stop)) return err;
      if (std::memcmp(&stop, &stops[i], sizeof stop) != 0) return kNoErr;
    }
    *same = true;
    return kNoErr;
  }

  bool read_ = false;
  int32_t count_ = 0;
  BlockPtr<AIGradientHandle> handles_;
};

// Rebuilds a gradient fill as a gradient of the same type and name whose
// every stop follows the colour rule (an identical one when the document
// holds it). A stop's own colour is the target of source 0; the chosen end
// fill colour stands in for the object's stroke colour (source 1).
ASErr RebuildGradient(AIColor* fill, const SideRule& rule, const TrailPGParams& p, float c,
                      GradientPool& pool) {
  AIGradientHandle old = fill->c.b.gradient;
  int16_t type = 0, count = 0;
  char name[256] = {};
  if (ASErr err = sGradient->GetGradientType(old, &type)) return err;
  if (ASErr err = sGradient->GetGradientName(old, name, int32_t(sizeof name))) return err;
  if (ASErr err = sGradient->GetGradientStopCount(old, &count)) return err;
  if (count <= 0) return kNoErr;
  // A new gradient has two stops: a single one fills both, which paints
  // the same.
  const int16_t made = std::max<int16_t>(count, 2);
  BlockPtr<AIGradientStop> stops;
  if (ASErr err = stops.Allocate(size_t(made), "gradient stops")) return err;
  for (int16_t i = 0; i < made; ++i) {
    AIGradientStop& stop = stops[size_t(i)];
    stop = AIGradientStop{};
    if (ASErr err = sGradient->GetNthGradientStop(old, std::min<int16_t>(i, count - 1), &stop))
      return err;
    if (ASErr err = ToProcess(&stop.color)) return err;
    AIColor target = rule.source == kTrailObjectFill ? stop.color : *rule.chosen;
    if (ASErr err = ToProcess(&target)) return err;
    Weaken(&target, p.toTint);
    MoveToward(&stop.color, target, p.beginning, c);
  }
  AIGradientHandle gradient = 0;
  if (ASErr err = pool.Find(type, name, stops.get(), made, &gradient)) return err;
  if (!gradient) {
    if (ASErr err = sGradient->NewGradient(&gradient)) return err;
    if (ASErr err = sGradient->SetGradientType(gradient, type)) return err;
    if (ASErr err = sGradient->SetGradientName(gradient, name)) return err;
    for (int16_t i = 0; i < made; ++i) {
      ASErr err = i < 2 ? sGradient->SetNthGradientStop(gradient, i, &stops[size_t(i)])
                        : sGradient->InsertGradientStop(gradient, i, &stops[size_t(i)]);
      if (err) return err;
    }
  }
  fill->c.b.gradient = gradient;
  return kNoErr;
}

// The colour rule on one side of a path. object is the path's style as it
// was, for the sources that name the object's own colours.
ASErr ColourSide(ASBoolean* paint, AIColor* colour, const SideRule& rule,
                 const AIPathStyle& object, const TrailPGParams& p, float c,
                 GradientPool& pool) {
  auto turnOff = [&] {
    *paint = false;
    MakeWhite(colour);
    return kNoErr;
  };
  if (rule.source == kTrailNoColour) return turnOff();
  if (colour->kind == kGradient) return RebuildGradient(colour, rule, p, c, pool);
  AIColor target{};
  switch (rule.source) {
    case kTrailObjectFill:
      if (!object.fillPaint) return turnOff();
      target = object.fill.color;
      break;
    case kTrailObjectStroke:
      if (!object.strokePaint) return turnOff();
      target = object.stroke.color;
      break;
    default:
      target = *rule.chosen;
      break;
  }
  if (ASErr err = ToProcess(&target)) return err;
  // Tinting the end colour is weakening it toward white.
  Weaken(&target, p.toTint);
  if (ASErr err = ToProcess(colour)) return err;
  MoveToward(colour, target, p.beginning, c);
  return kNoErr;
}

// ---- copies --------------------------------------------------------------------

// Moves one path of a copy by m and colours it for colour position c.
ASErr TrailPath(AIArtHandle path, const AIRealMatrix& m, float c, const TrailPGParams& p,
                GradientPool& pool) {
  int16_t count = 0;
  if (ASErr err = sPath->GetPathSegmentCount(path, &count)) return err;
  for (int16_t i = 0; i < count; ++i) {
    Segment seg{};
    if (ASErr err = sPath->GetPathSegments(path, i, 1, &seg)) return err;
    for (AIRealPoint* q : {&seg.p, &seg.in, &seg.out}) sRealMath->AIRealMatrixXformPoint(&m, q, q);
    if (ASErr err = sPath->SetPathSegments(path, i, 1, &seg)) return err;
  }
  AIPathStyle style{};
  if (ASErr err = sPathStyle->GetPathStyle(path, &style)) return err;
  const int32_t patterns = (style.fill.color.kind == kPattern ? kTransformFillPatterns : 0) |
                           (style.stroke.color.kind == kPattern ? kTransformStrokePatterns : 0);
  if (patterns) {
    if (ASErr err = sTransformArt->TransformArt(path, &m, 1.0f, patterns)) return err;
    if (ASErr err = sPathStyle->GetPathStyle(path, &style)) return err;
  }
  const bool gradientFill = style.fill.color.kind == kGradient;
  if (gradientFill) {
    AIGradientStyle& g = style.fill.color.c.b;
    sRealMath->AIRealMatrixConcat(&g.matrix, &m, &g.matrix);
  }
  if (c != 0.0f || p.beginning != 1.0f) {
    const AIPathStyle object = style;
    if (style.fillPaint && !(p.endFillSource == kTrailObjectFill && p.beginning == 1.0f)) {
      const SideRule fill{p.endFillSource, &p.endFillColour};
      if (ASErr err = ColourSide(&style.fillPaint, &style.fill.color, fill, object, p, c, pool))
        return err;
    }
    if (style.strokePaint &&
        !(p.endStrokeSource == kTrailObjectStroke && p.beginning == 1.0f)) {
      SideRule stroke{p.endStrokeSource, &p.endStrokeColour};
      // A gradient fill has no one colour to run toward.
      if (gradientFill && stroke.source == kTrailObjectFill) stroke.source = kTrailChosenColour;
      if (ASErr err =
              ColourSide(&style.strokePaint, &style.stroke.color, stroke, object, p, c, pool))
        return err;
    }
  }
  return sPathStyle->SetPathStyle(path, &style);
}

// Every path of a copy, inside groups and compound paths too.
ASErr TrailPaths(AIArtHandle art, const AIRealMatrix& m, float c, const TrailPGParams& p,
                 GradientPool& pool) {
  int16_t type = 0;
  if (ASErr err = sArt->GetArtType(art, &type)) return err;
  if (type == kPathArt) return TrailPath(art, m, c, p, pool);
  if (type != kGroupArt && type != kCompoundPathArt) return kNoErr;
  AIArtHandle child = nullptr;
  if (ASErr err = sArt->GetArtFirstChild(art, &child)) return err;
  while (child) {
    if (ASErr err = TrailPaths(child, m, c, p, pool)) return err;
    if (ASErr err = sArt->GetArtSibling(child, &child)) return err;
  }
  return kNoErr;
}

// The trail of one source object into group.
ASErr TrailChild(AIArtHandle group, AIArtHandle source, const TrailPGParams& p) {
  int16_t type = 0;
  if (ASErr err = sArt->GetArtType(source, &type)) return err;
  if (type != kPathArt && type != kGroupArt && type != kCompoundPathArt) return kNoErr;
  // The count is the low 16 bits of the stored steps, signed.
  const int32_t n = int16_t(uint16_t(uint32_t(p.steps) & 0xFFFFu));
  if (n < 1) return kNoErr;
  AIRealRect bounds{};
  if (ASErr err = sArt->GetArtBounds(source, &bounds)) return err;
  const AIRealPoint pivot{(bounds.left + bounds.right) / 2 + p.pivotOffset.h,
                          (bounds.top + bounds.bottom) / 2 + p.pivotOffset.v};
  BlockPtr<TrailStep> table;
  if (ASErr err = table.Allocate(size_t(n) + 1, "tDelta")) return err;
  TrailSteps(p, pivot, n, table.get());
  const int16_t placement = p.stacking == 0 ? kPlaceInsideOnTop : kPlaceInsideOnBottom;
  GradientPool pool;
  for (int32_t k = 0; k < n; ++k) {
    AIArtHandle copy = nullptr;
    if (ASErr err = sArt->DuplicateArt(source, placement, group, &copy)) return err;
    // Geometry one step on, colour from the step before: the first copy
    // keeps the object's colours, the last one sits at the end.
    const AIRealMatrix m = StepMatrix(pivot, table[size_t(k) + 1]);
    if (ASErr err = TrailPaths(copy, m, table[size_t(k)].colour, p, pool)) return err;
  }
  return kNoErr;
}

}  // namespace

AIRealMatrix TrailStepMatrix(AIRealPoint pivot, const TrailStep& entry) {
  return StepMatrix(pivot, entry);
}

ASErr TrailCopy(AIArtHandle copy, const AIRealMatrix& m, float colour,
                const TrailPGParams& p) {
  // One copy at a time: gradients are shared within the copy only.
  GradientPool pool;
  return TrailPaths(copy, m, colour, p, pool);
}

void TrailSteps(const TrailPGParams& p, AIRealPoint p0, int32_t n, TrailStep* table) {
  const AIRealPoint p1{p0.h + p.dragVector.h, p0.v + p.dragVector.v};
  const float length = sRealMath->AIRealPointLength(&p0, &p1);
  const float theta = sRealMath->AIRealPointAngle(&p0, &p1);
  const float dx = length * std::cos(theta), dy = length * std::sin(theta);
  const float dc = n < 2 ? 1.0f : 1.0f / float(n - 1);
  table[0] = {p0.h, p0.v, 1.0f, 1.0f, 0.0f, 0.0f};
  // Each entry from its own weight rather than by running sums, so the
  // last copy lands exactly on the end of the drag vector.
  for (int32_t i = 1; i <= n; ++i) {
    const float w = Spaced(p.space, float(i) / float(n));
    table[i] = {p0.h + w * dx,
                p0.v + w * dy,
                1.0f + (p.toSize.h - 1.0f) * w,
                1.0f + (p.toSize.v - 1.0f) * w,
                w * p.toAngle,
                Spaced(p.space, float(i) * dc)};
  }
}

ASErr TrailBuild(AIArtHandle into, AIArtHandle edit, const void* record) {
  const auto& p = *static_cast<const TrailPGParams*>(record);
  AIArtHandle first = nullptr;
  if (ASErr err = sArt->GetArtFirstChild(edit, &first)) return err;
  // The sources, untouched, in their order (the first child is the
  // topmost, so each next one goes below).
  for (AIArtHandle child = first; child;) {
    AIArtHandle copy = nullptr;
    if (ASErr err = sArt->DuplicateArt(child, kPlaceInsideOnBottom, into, &copy)) return err;
    if (ASErr err = sArt->GetArtSibling(child, &child)) return err;
  }
  for (AIArtHandle child = first; child;) {
    if (ASErr err = TrailChild(into, child, p)) return err;
    if (ASErr err = sArt->GetArtSibling(child, &child)) return err;
  }
  // The palette follows the last art updated.
  if (void* current = gGlobals->effectRecords[kTrail]; current && first)
    std::memcpy(static_cast<char*>(current) + kParamNameSize,
                reinterpret_cast<const char*>(&p) + kParamNameSize,
                sizeof p - kParamNameSize);
  return kNoErr;
}

}  // namespace vx
