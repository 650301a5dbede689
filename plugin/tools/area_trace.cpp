#include "tools/area_trace.h"

#include <algorithm>
#include <cmath>

#include "geometry/bezier.h"
#include "tools/tool_drag.h"

namespace vx {

namespace {

constexpr int16_t kDragAlong = 0;
constexpr int16_t kLastOneWayMode = 3;
constexpr int16_t kLastTraceMode = 6;

bool IsAmountSweep(int16_t sweep) { return sweep == kSweepPinch || sweep == kSweepTwirl; }

// f(t) of a stepped mode: modes 1 and 4 Uniform, 2 and 5 Accelerate, 3 and
// 6 Decelerate.
float StepShape(int16_t mode, float t) {
  switch ((mode - 1) % 3) {
    case 1: return t * t;
    case 2: return 1.0f - (t - 1.0f) * (t - 1.0f);
    default: return t;
  }
}

TracePoint AmountEntry(float amount) { return {{amount, 0.0f}, {0.0f, 0.0f}, 0}; }

float AmountOf(const AreaStep& s) { return s.sweep == kSweepPinch ? s.pinch : s.twirl; }

}  // namespace

int16_t EffectiveTraceMode(int16_t sweep, int16_t traceMode) {
  return sweep == kSweepDynamic ? kDragAlong : traceMode;
}

ASErr RecordTraceStep(ToolTracking* t, AreaTracking* a, const AreaTraceOptions& o) {
  const AreaStep& s = a->step;
  if (!o.trace || EffectiveTraceMode(s.sweep, o.traceMode) != kDragAlong) return kNoErr;
  const bool far = !PointsClose(s.current, a->lastRecorded, o.space);
  switch (s.sweep) {
    case kSweepFree:
    case kSweepPinch: {
      if (!far) return kNoErr;
      const TracePoint e = s.sweep == kSweepFree ? TracePoint{s.current, s.previous, 1}
                                                 : AmountEntry(s.pinch);
      if (ASErr err = AppendTracePoint(t, e)) return err;
      a->lastRecorded = s.current;
      return kNoErr;
    }
    case kSweepDynamic: {
      if (ASErr err = AppendTracePoint(t, {s.current, s.previous, far ? 1 : 0})) return err;
      if (far) a->lastRecorded = s.current;
      return kNoErr;
    }
    case kSweepTwirl: {
      if (!(std::fabs(s.twirl - a->lastAmount) >= o.twirlSpace)) return kNoErr;
      if (ASErr err = AppendTracePoint(t, AmountEntry(s.twirl))) return err;
      a->lastAmount = s.twirl;
      return kNoErr;
    }
    default: return kNoErr;
  }
}

ASErr ReserveTrace(ToolTracking* t, int32_t room) {
  const int32_t count = t->traceCount;
  ASErr err = kNoErr;
  while (!err && (!t->trace || t->traceCapacity < room)) {
    t->traceCount = t->traceCapacity;
    err = AppendTracePoint(t, TracePoint{});
  }
  t->traceCount = count;
  return err;
}

namespace {
// The copies of the stepped modes: steps truncated, at least 1 (the palette
// never offers fewer).
int32_t SteppedCount(const AreaTraceOptions& o) {
  return std::max(1, static_cast<int32_t>(o.steps));
}
}  // namespace

int32_t TraceCompletionRoom(int16_t sweep, const AreaTraceOptions& o, int32_t count) {
  return EffectiveTraceMode(sweep, o.traceMode) == kDragAlong ? count + 1
                                                              : SteppedCount(o) + 1;
}

ASErr CompleteTrace(ToolTracking* t, const AreaStep& s, const AreaTraceOptions& o) {
  const int16_t mode = EffectiveTraceMode(s.sweep, o.traceMode);
  if (mode == kDragAlong) {
    return AppendTracePoint(t, IsAmountSweep(s.sweep)
                                   ? AmountEntry(AmountOf(s))
                                   : TracePoint{s.current, s.previous, 1});
  }
  // A stored mode outside the menu (a damaged preset) reads as Uniform One
  // Way, the factory choice.
  const int16_t stepped = mode > kLastTraceMode || mode < 0 ? 1 : mode;
  const int32_t n = SteppedCount(o);
  t->traceCount = 0;
  for (int32_t i = 0; i <= n; ++i) {
    const float f = StepShape(stepped, static_cast<float>(i) / static_cast<float>(n));
    const TracePoint e =
        IsAmountSweep(s.sweep)
            ? AmountEntry(f * AmountOf(s))
            : TracePoint{{s.down.h + f * (s.current.h - s.down.h),
                          s.down.v + f * (s.current.v - s.down.v)},
                         s.down, 1};
    if (ASErr err = AppendTracePoint(t, e)) return err;
  }
  return kNoErr;
}

namespace {
int32_t FirstCopied(int16_t mode) { return mode == kDragAlong ? 0 : 1; }
bool IsRoundTrip(int16_t mode) { return mode > kLastOneWayMode && mode <= kLastTraceMode; }
}  // namespace

int32_t TraceCopyCount(int16_t mode, int32_t count) {
  const int32_t forward = std::max(0, count - FirstCopied(mode));
  return IsRoundTrip(mode) ? forward + std::max(0, count - 2) + 1 : forward;
}

int32_t TraceCopyEntry(int16_t mode, int32_t count, int32_t k) {
  const int32_t forward = std::max(0, count - FirstCopied(mode));
  if (k < forward) return FirstCopied(mode) + k;
  const int32_t back = k - forward;
  return back < count - 2 ? count - 2 - back : -1;
}

AreaStep StepOfEntry(const AreaStep& last, const TracePoint& e) {
  AreaStep s = last;
  switch (last.sweep) {
    case kSweepPinch: s.pinch = e.point.h; break;
    case kSweepTwirl: s.twirl = e.point.h; break;
    case kSweepDynamic:
      s.current = e.point;
      s.previous = e.aux;
      s.centre = e.point;
      break;
    default: s.current = e.point; break;
  }
  return s;
}

}  // namespace vx
