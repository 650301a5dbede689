#include "filters/fractalize_engine.h"

#include <cmath>
#include <cstdint>
#include <initializer_list>

#include "filters/fractalize_generator.h"
#include "geometry/bezier.h"
#include "geometry/progress.h"
#include "geometry/segment_buffer.h"
#include "shell/blocks.h"
#include "shell/globals.h"
#include "shell/suites.h"

namespace vx {
namespace {

constexpr float kPi = 3.14159265f;
constexpr float kTwoPi = 6.2831853f;
constexpr float kHalfPi = 1.57079633f;
constexpr float kLengthFlatness = 0.25f;  // host length measurement
constexpr float kArcTolerance = 0.25f;    // bisection stop, points
constexpr int kMaxBisections = 64;        // float t cannot halve further

bool SamePoint(const AIRealPoint& a, const AIRealPoint& b) {
  return a.h == b.h && a.v == b.v;
}

float PieceLength(const Segment& a, const Segment& b) {
  AIRealBezier bez{a.p, a.out, b.in, b.p};
  return sRealBezier->AIRealBezierLength(&bez, kLengthFlatness);
}

AIRealPoint Lerp(const AIRealPoint& a, const AIRealPoint& b, float t) {
  return {a.h + (b.h - a.h) * t, a.v + (b.v - a.v) * t};
}

// Splits the piece a..b at t: the first part's polygon in first[4], the
// split point with its controls in *mid (in = toward a, out = toward b).
void SplitPiece(const Segment& a, const Segment& b, float t,
                AIRealPoint first[4], Segment* mid) {
  mid->corner = 0;
  if (SamePoint(a.out, a.p) && SamePoint(b.in, b.p)) {
    const AIRealPoint p = Lerp(a.p, b.p, t);
    mid->p = mid->in = mid->out = p;
    first[0] = a.p;
    first[1] = a.p;
    first[2] = p;
    first[3] = p;
    return;
  }
  const AIRealPoint q1 = Lerp(a.p, a.out, t), q2 = Lerp(a.out, b.in, t),
                    q3 = Lerp(b.in, b.p, t);
  const AIRealPoint r1 = Lerp(q1, q2, t), r2 = Lerp(q2, q3, t);
  const AIRealPoint s = Lerp(r1, r2, t);
  mid->p = s;
  mid->in = r1;
  mid->out = r2;
  first[0] = a.p;
  first[1] = q1;
  first[2] = r1;
  first[3] = s;
}

// Appends one span's start and its inserted anchors to list[*count]; false
// when the list would reach the resample limit.
bool ResampleSpan(const Segment& a, const Segment& b, float step, Segment* list,
                  int32_t* count) {
  if (*count >= kResampleLimit) return false;
  list[(*count)++] = a;
  // A piece shorter than two steps gets no anchor (one piece or two, the
  // first inserted anchor would end the second). A straight piece measures
  // as its chord, so one whose chord is clearly shorter is not measured.
  if (SamePoint(a.out, a.p) && SamePoint(b.in, b.p) &&
      Distance(a.p, b.p) * 1.001f < 2.0f * step)
    return true;
  const float length = PieceLength(a, b);
  // Pieces past the list's limit (or a step that is not a number) must not
  // reach the conversion to int.
  const float pieces = length / step;
  int32_t q = pieces >= 0.0f && pieces < float(kResampleLimit)
                  ? static_cast<int32_t>(pieces)
                  : (pieces >= float(kResampleLimit) ? kResampleLimit : 0);
  const int32_t inserted = q > 0 ? q - 1 : q;
  const float piece = length / static_cast<float>(inserted + 1);
  float t = 0.5f;
  for (int32_t k = 1; k <= inserted; ++k) {
    const float target = static_cast<float>(k) * piece;
    float lo = 0.0f, hi = 1.0f;
    Segment mid{};
    for (int i = 0; i < kMaxBisections; ++i) {
      AIRealPoint first[4];
      SplitPiece(a, b, t, first, &mid);
      AIRealBezier part{first[0], first[1], first[2], first[3]};
      const float got = sRealBezier->AIRealBezierLength(&part, kLengthFlatness);
      if (std::fabs(got - target) <= kArcTolerance) break;
      if (got > target) {
        hi = t;
        t = (t + lo) * 0.5f;
      } else {
        lo = t;
        t = (t + hi) * 0.5f;
      }
    }
    if (*count >= kResampleLimit) return false;
    list[(*count)++] = mid;
  }
  return true;
}

// Pulls a control that sits on its anchor out to a third of the span,
// toward `toward`.
void PullOut(const AIRealPoint& anchor, AIRealPoint* control,
             const AIRealPoint& toward, float spanLength) {
  if (!SamePoint(*control, anchor)) return;
  const float angle = sRealMath->AIRealPointAngle(&anchor, &toward);
  AIRealPoint v{};
  sRealMath->AIRealPointLengthAngle(spanLength / 3.0f, angle, &v);
  *control = {anchor.h + v.h, anchor.v + v.v};
}

void Jitter(Segment* s, float amplitude) {
  const float r = (sRandom->FloatRnd() - 0.5f) * amplitude;
  float direction;
  if (SamePoint(s->in, s->p)) {
    direction = sRealMath->AIRealPointAngle(&s->p, &s->out) + kHalfPi;
    if (direction > kPi) direction -= kTwoPi;
  } else if (SamePoint(s->out, s->p)) {
    direction = sRealMath->AIRealPointAngle(&s->p, &s->in) - kHalfPi;
    if (direction < -kPi) direction += kTwoPi;
  } else {
    direction = (sRealMath->AIRealPointAngle(&s->p, &s->in) +
                 sRealMath->AIRealPointAngle(&s->p, &s->out)) *
                0.5f;
  }
  if (r < 0) direction += direction > 0 ? -kPi : kPi;
  AIRealPoint v{};
  sRealMath->AIRealPointLengthAngle(std::fabs(r), direction, &v);
  s->p = {s->p.h + v.h, s->p.v + v.v};
  s->in = s->out = s->p;
}

// Pulls each control that sits on its anchor out toward the neighbouring
// anchor, then jitters every anchor along the direction its controls give.
void PullOutAndJitter(Segment* list, int32_t count, float amplitude) {
  for (int32_t j = 0; j < count; ++j) {
    if (j + 1 < count) {
      Segment& a = list[j];
      Segment& b = list[j + 1];
      const float span = Distance(a.p, b.p);
      const AIRealPoint aOut = a.out;
      PullOut(a.p, &a.out, b.in, span);
      PullOut(b.p, &b.in, aOut, span);
    }
    Jitter(&list[j], amplitude);
  }
}

// Whether moving every anchor of the list by zero (as a jitter of zero
// amplitude does) leaves each one bit for bit where it is, whatever
// direction its controls give: true unless a coordinate is not finite (the
// direction could then be undefined) or an anchor sits at a negative zero
// (a zero move may make it positive).
bool ZeroMoveKeepsAnchors(const Segment* list, int32_t count) {
  for (int32_t j = 0; j < count; ++j) {
    const Segment& s = list[j];
    for (float c : {s.p.h, s.p.v})
      if (!std::isfinite(c) || (c == 0.0f && std::signbit(c))) return false;
    for (float c : {s.in.h, s.in.v, s.out.h, s.out.v})
      if (!std::isfinite(c)) return false;
  }
  return true;
}

// Whether every point of the path lies within 1e18 of the origin: its
// bounds (inside the hull of its points) then have a half-diagonal whose
// square, and so its length, stays finite in float.
bool WithinFiniteReach(const Segment* segments, int32_t n) {
  constexpr float kReach = 1.0e18f;
  for (int32_t j = 0; j < n; ++j) {
    const Segment& s = segments[j];
    for (float c : {s.p.h, s.p.v, s.in.h, s.in.v, s.out.h, s.out.v})
      if (!(std::fabs(c) <= kReach)) return false;
  }
  return true;
}

// The resampled list's buffer, shared by every path of a run (it is large
// and every new block is written over once); none when nothing is resampled.
ASErr AllocateResampleBuffer(const FractalizeParams& params, BlockPtr<Segment>* list) {
  if (params.density == 0.0f) return kNoErr;
  return list->Allocate(kResampleCapacity, "buffer 1 for segments");
}

// The segments first: writing past the end grows the path to them, so the
// count only ever shortens it and a longer path is not filled twice.
ASErr WriteSegments(AIArtHandle path, const Segment* segments, int32_t count) {
  if (ASErr err = sPath->SetPathSegments(path, 0, static_cast<int16_t>(count), segments))
    return err;
  return sPath->SetPathSegmentCount(path, static_cast<int16_t>(count));
}

}  // namespace

void SeedFractalRandom(bool liveEffect) {
  PluginGlobals& g = *gGlobals;
  if (!g.ReuseSeed || g.ForceNewSeed) {
    g.FractalSeed = static_cast<int32_t>(sUser->GetTickCount());
  } else if (liveEffect) {
    g.ReuseSeedNextLive = 0;
  } else {
    g.ReuseSeed = 0;
  }
  sRandom->SetRndSeed(g.FractalSeed);
}

int32_t SubstitutedCount(int32_t n, bool closed, int32_t m, int32_t level) {
  int64_t mult = 1;
  for (int32_t i = 0; i < level; ++i) {
    mult *= (m - 1);
    if (mult > kFractalSegmentLimit) break;
  }
  const int64_t total = closed ? mult * n : int64_t(n - 1) * mult + 1;
  if (total < 1 || total > kFractalSegmentLimit) return 0;
  return static_cast<int32_t>(total);
}

// M(p) = a + s R(theta) (p - g0): the generator's first anchor lands on a,
// its chord turned onto a -> b and scaled to |ab| / base.
void SubstituteSegments(Segment* old, Segment* out, int32_t n, bool closed,
                        const Segment* gen, int32_t m, int32_t level) {
  const AIRealPoint g0 = gen[0].p;
  const float base = Distance(g0, gen[m - 1].p);
  for (int32_t lv = 0; lv < level; ++lv) {
    const bool last = lv == level - 1;
    int32_t o = 0;
    const int32_t spans = closed ? n : n - 1;
    for (int32_t j = 0; j < spans; ++j) {
      const bool closing = j == n - 1;
      const AIRealPoint a = old[j].p;
      const AIRealPoint b = old[closing ? 0 : j + 1].p;
      const float angle = sRealMath->AIRealPointAngle(&a, &b);
      const float scale = Distance(a, b) / base;
      const float c = std::cos(angle) * scale, s = std::sin(angle) * scale;
      auto map = [&](const AIRealPoint& p) {
        const float x = p.h - g0.h, y = p.v - g0.v;
        return AIRealPoint{a.h + c * x - s * y, a.v + s * x + c * y};
      };
      for (int32_t k = 0; k < m; ++k) {
        if (closing && k == m - 1) {
          // The generator's end is the path's first anchor (slot 0).
          if (last) {
            out[0].in = map(gen[k].in);
            out[0].corner = gen[k].corner;
          }
          continue;
        }
        Segment& slot = out[o];
        if (closing) {
          if (k > 0) slot.p = map(gen[k].p);
          if (last) {
            if (k > 0) slot.in = map(gen[k].in);
            slot.out = map(gen[k].out);
            slot.corner = gen[k].corner;
          }
        } else {
          const bool shared = j > 0 && k == 0;
          if (!shared) slot.p = map(gen[k].p);
          if (last) {
            if (!shared) slot.in = map(gen[k].in);
            if (j == n - 2 || k < m - 1) slot.out = map(gen[k].out);
            slot.corner = gen[k].corner;
          }
        }
        if (k < m - 1) ++o;
      }
    }
    if (!closed) ++o;
    if (!last) {
      for (int32_t i = 0; i < o; ++i) old[i] = out[i];
      n = o;
    }
  }
}

namespace {

// Substitutes the n anchors in old[0 .. n) (old holds room for the result)
// and writes the result to the path.
ASErr SubstituteAndWrite(AIArtHandle path, Segment* old, int32_t n, bool closed,
                         const Segment* gen, int32_t m, int32_t level, int32_t total) {
  BlockPtr<Segment> newSegs;
  if (ASErr err = newSegs.Allocate(total, "newSegs")) return err;
  SubstituteSegments(old, newSegs.get(), n, closed, gen, m, level);
  return WriteSegments(path, newSegs.get(), total);
}

// A path's resampled anchors: list[0 .. count), count 0 when the path is
// left as it is.
struct Resampled {
  int32_t count = 0;
  bool closed = false;
};

// Resamples and jitters the path's anchors into *list (kResampleCapacity
// segments; a null *list becomes a buffer held by `own`) without writing
// them; "SEGM" as ResamplePath.
ASErr Resample(AIArtHandle path, const FractalizeParams& params, int32_t m,
               Segment** listIn, BlockPtr<Segment>* own, Resampled* out) {
  *out = Resampled{};
  if (params.density == 0.0f) return kNoErr;
  if (!*listIn) {
    if (ASErr err = AllocateResampleBuffer(params, own)) return err;
    *listIn = own->get();
  }
  Segment* list = *listIn;
  int16_t count16 = 0;
  if (ASErr err = sPath->GetPathSegmentCount(path, &count16)) return err;
  const int32_t n = count16;
  if (n < 2) return kNoErr;
  ASBoolean closed = 0;
  if (ASErr err = sPath->GetPathClosed(path, &closed)) return err;

  BlockPtr<Segment> source;
  if (ASErr err = source.Allocate(n, "buffer 2 for segments")) return err;
  if (ASErr err = sPath->GetPathSegments(path, 0, count16, source.get()))
    return err;

  float amplitude = params.uneven;
  if (static_cast<int16_t>(params.unevenUnit) == 0) {
    // A percentage of the half-diagonal. Zero percent of a half-diagonal
    // that is surely finite is zero, bounds or not.
    if (params.uneven != 0.0f || !WithinFiniteReach(source.get(), n)) {
      AIRealRect bounds{};
      if (ASErr err = sArt->GetArtBounds(path, &bounds)) return err;
      const AIRealPoint topLeft{bounds.left, bounds.top};
      const AIRealPoint centre{(bounds.left + bounds.right) * 0.5f,
                               (bounds.top + bounds.bottom) * 0.5f};
      amplitude = params.uneven * 0.01f * Distance(topLeft, centre);
    } else {
      amplitude = params.uneven * 0.01f;
    }
  }
  float step = 72.0f / params.density;
  if (step < 0.5f) step = 0.5f;

  int32_t count = 0;
  const int32_t spans = closed ? n : n - 1;
  for (int32_t i = 0; i < spans; ++i)
    if (!ResampleSpan(source[i], source[(i + 1) % n], step, list, &count))
      return kNoErr;
  if (!closed) {
    if (count >= kResampleLimit) return kNoErr;
    list[count++] = source[n - 1];
  }
  // The appends stop before writing past the buffer; a list that still
  // reached the limit with its last anchor leaves the path as it was.
  if (count >= kResampleLimit) return kNoErr;

  if (amplitude == 0.0f && ZeroMoveKeepsAnchors(list, count)) {
    // Every jitter is a move of length zero: the anchors stay where they
    // are and only the random draws are taken, in the same order.
    for (int32_t j = 0; j < count; ++j) {
      (void)sRandom->FloatRnd();
      list[j].in = list[j].out = list[j].p;
    }
  } else {
    PullOutAndJitter(list, count, amplitude);
  }
  // Checked after the jitter, so that the random draws of the paths that
  // follow do not depend on whether this one fits.
  if (m > 0 && params.level >= 1 &&
      (count > kFractalSegmentLimit ||
       SubstitutedCount(count, closed != 0, m, static_cast<int32_t>(params.level)) == 0))
    return kSegmentLimitErr;
  *out = Resampled{count, closed != 0};
  return kNoErr;
}

// Writes resampled anchors as they are, marking the path as a resampled one.
ASErr WriteResampled(AIArtHandle path, const Segment* list, int32_t count) {
  if (ASErr err = WriteSegments(path, list, count)) return err;
  return sArt->SetArtUserAttr(path, 1, 8);
}

}  // namespace

ASErr SubstitutePath(AIArtHandle path, const Segment* gen, int32_t m,
                     int32_t level) {
  int16_t count16 = 0;
  if (ASErr err = sPath->GetPathSegmentCount(path, &count16)) return err;
  const int32_t n = count16;
  if (n < 2 || level < 1) return kNoErr;
  if (n > kFractalSegmentLimit) return kSegmentLimitErr;
  ASBoolean closed = 0;
  if (ASErr err = sPath->GetPathClosed(path, &closed)) return err;
  const int32_t total = SubstitutedCount(n, closed != 0, m, level);
  if (total == 0) return kSegmentLimitErr;
  BlockPtr<Segment> oldSegs;
  if (ASErr err = oldSegs.Allocate(total, "oldSegs")) return err;
  if (ASErr err = sPath->GetPathSegments(path, 0, count16, oldSegs.get()))
    return err;
  return SubstituteAndWrite(path, oldSegs.get(), n, closed != 0, gen, m, level, total);
}

ASErr ResamplePath(AIArtHandle path, const FractalizeParams& params, int32_t m,
                   Segment* list) {
  BlockPtr<Segment> own;
  Resampled r;
  if (ASErr err = Resample(path, params, m, &list, &own, &r)) return err;
  return r.count ? WriteResampled(path, list, r.count) : kNoErr;
}

ASErr FractalizePath(AIArtHandle path, const FractalizeParams& params,
                     const Segment* gen, int32_t m, Segment* list) {
  BlockPtr<Segment> own;
  Resampled r;
  if (ASErr err = Resample(path, params, m, &list, &own, &r)) return err;
  const auto level = static_cast<int16_t>(params.level);
  if (r.count == 0) return SubstitutePath(path, gen, m, level);
  // The resampled anchors go straight into the substitution, the list
  // serving as its scratch (a result fits: at most kFractalSegmentLimit
  // segments), and the path is written once.
  static_assert(kFractalSegmentLimit <= kResampleCapacity);
  if (r.count < 2 || level < 1) return WriteResampled(path, list, r.count);
  const int32_t total =
      r.count > kFractalSegmentLimit ? 0 : SubstitutedCount(r.count, r.closed, m, level);
  if (total == 0) {
    // Only a generator of fewer than two anchors passes the resampling's
    // check and gets here: the path stays resampled.
    const ASErr err = WriteResampled(path, list, r.count);
    return err ? err : kSegmentLimitErr;
  }
  if (ASErr err = SubstituteAndWrite(path, list, r.count, r.closed, gen, m, level, total))
    return err;
  return sArt->SetArtUserAttr(path, 1, 8);
}

ASErr FractalizeSelection(SPPluginRef plugin, const FractalizeParams& params) {
  AIArtHandleList arts = nullptr;
  int32_t pathCount = 0, total = 0;
  if (ASErr err = GatherSelectedPaths(&arts, &pathCount, &total, nullptr))
    return err;
  struct Cleanup {
    AIArtHandleList* arts;
    Segment* gen = nullptr;
    bool progress = false;
    ~Cleanup() {
      void* block = gen;
      FreeBlock(block);
      ReleaseArtList(arts);
      if (progress && sUser->CloseProgress) sUser->CloseProgress();
    }
  } cleanup{&arts};
  int32_t m = 0;
  if (ASErr err = LoadGenerator(plugin, static_cast<int16_t>(params.generator),
                                params.genHeight, &cleanup.gen, &m))
    return err;
  SeedFractalRandom(false);
  cleanup.progress = true;
  BlockPtr<Segment> list;
  if (ASErr err = AllocateResampleBuffer(params, &list)) return err;
  int32_t done = 0;
  const ProgressSpan span{0, total};
  for (int32_t i = 0; i < pathCount; ++i) {
    AIArtHandle path = (*arts)[i];
    int16_t count = 0;
    if (ASErr err = sPath->GetPathSegmentCount(path, &count)) return err;
    ASErr err = FractalizePath(path, params, cleanup.gen, m, list.get());
    if (err && err != kSegmentLimitErr) return err;
    done += count;
    ReportProgress(span, done);
    if (UserCancelled()) return kCanceledErr;
  }
  return kNoErr;
}

namespace {

ASErr FractalizeTree(AIArtHandle art, const FractalizeParams& params,
                     const Segment* gen, int32_t m, Segment* list) {
  int16_t type = 0;
  if (ASErr err = sArt->GetArtType(art, &type)) return err;
  if (type == kGroupArt || type == kCompoundPathArt) {
    AIArtHandle child = nullptr;
    if (ASErr err = sArt->GetArtFirstChild(art, &child)) return err;
    if (!child) return kNoErr;
    art = child;
  }
  int32_t visited = 0;
  for (AIArtHandle a = art; a;) {
    if (ASErr err = sArt->GetArtType(a, &type)) return err;
    if (type == kGroupArt || type == kCompoundPathArt) {
      if (ASErr err = FractalizeTree(a, params, gen, m, list)) return err;
    } else if (type == kPathArt) {
      ASErr err = FractalizePath(a, params, gen, m, list);
      if (err && err != kSegmentLimitErr) return err;
    }
    ++visited;
    if (sUser->UpdateProgress) (void)sUser->UpdateProgress(visited, visited + 1);
    if (UserCancelled()) return kCanceledErr;
    AIArtHandle next = nullptr;
    if (ASErr err = sArt->GetArtSibling(a, &next)) return err;
    a = next;
  }
  return kNoErr;
}

}  // namespace

ASErr FractalizeArtTree(AIArtHandle art, const FractalizeParams& params,
                        const Segment* gen, int32_t m) {
  BlockPtr<Segment> list;
  if (ASErr err = AllocateResampleBuffer(params, &list)) return err;
  return FractalizeTree(art, params, gen, m, list.get());
}

}  // namespace vx
