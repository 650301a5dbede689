#include "tools/area_trace.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "geometry/bezier.h"
#include "shell/blocks.h"

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

AreaTraceEntry AmountEntry(float amount) { return {{amount, 0.0f}, {0.0f, 0.0f}, 0}; }

float AmountOf(const AreaStep& s) { return s.sweep == kSweepPinch ? s.pinch : s.twirl; }

}  // namespace

ASErr AppendTraceEntry(AreaTraceList* list, const AreaTraceEntry& e) {
  if (list->count == list->room) {
    const bool first = list->entries == nullptr;
    const int32_t room = first ? kTraceFirstRoom : list->room + kTraceGrowth;
    BlockPtr<AreaTraceEntry> grown;
    if (ASErr err = grown.Allocate(static_cast<std::size_t>(room),
                                   first ? "g buffer for trace" : "g buffer2 for trace"))
      return err;
    if (list->count > 0)
      std::memcpy(grown.get(), list->entries, sizeof(AreaTraceEntry) * list->count);
    void* old = list->entries;
    FreeBlock(old);
    list->entries = grown.Release();
    list->room = room;
  }
  list->entries[list->count++] = e;
  return kNoErr;
}

void FreeTraceList(AreaTraceList* list) {
  void* block = list->entries;
  FreeBlock(block);
  *list = {};
}

int16_t EffectiveTraceMode(int16_t sweep, int16_t traceMode) {
  return sweep == kSweepDynamic ? kDragAlong : traceMode;
}

void StartTraceRecorder(AreaTraceRecorder* r, const AIRealPoint& down) {
  r->lastPoint = down;
  r->lastAmount = 0.0f;
  r->list = {};
}

ASErr RecordTraceStep(AreaTraceRecorder* r, const AreaStep& s,
                      const AreaTraceOptions& o) {
  if (!o.trace || EffectiveTraceMode(s.sweep, o.traceMode) != kDragAlong) return kNoErr;
  const bool far = !PointsClose(s.current, r->lastPoint, o.space);
  switch (s.sweep) {
    case kSweepFree:
    case kSweepPinch: {
      if (!far) return kNoErr;
      const AreaTraceEntry e = s.sweep == kSweepFree
                                   ? AreaTraceEntry{s.current, s.previous, 1}
                                   : AmountEntry(s.pinch);
      if (ASErr err = AppendTraceEntry(&r->list, e)) return err;
      r->lastPoint = s.current;
      return kNoErr;
    }
    case kSweepDynamic: {
      if (ASErr err = AppendTraceEntry(&r->list, {s.current, s.previous, far ? 1 : 0}))
        return err;
      if (far) r->lastPoint = s.current;
      return kNoErr;
    }
    case kSweepTwirl: {
      if (!(std::fabs(s.twirl - r->lastAmount) >= o.twirlSpace)) return kNoErr;
      if (ASErr err = AppendTraceEntry(&r->list, AmountEntry(s.twirl))) return err;
      r->lastAmount = s.twirl;
      return kNoErr;
    }
    default: return kNoErr;
  }
}

ASErr CompleteTrace(AreaTraceRecorder* r, const AreaStep& s,
                    const AreaTraceOptions& o) {
  const int16_t mode = EffectiveTraceMode(s.sweep, o.traceMode);
  if (mode == kDragAlong) {
    const AreaTraceEntry last = IsAmountSweep(s.sweep)
                                    ? AmountEntry(AmountOf(s))
                                    : AreaTraceEntry{s.current, s.previous, 1};
    return AppendTraceEntry(&r->list, last);
  }
  // A stored mode outside the menu (a damaged preset) reads as Uniform One
  // Way, the factory choice.
  const int16_t stepped = mode > kLastTraceMode || mode < 0 ? 1 : mode;
  // Steps below 1 (never offered by the palette) make one copy.
  const int32_t n = std::max(1, static_cast<int32_t>(o.steps));
  r->list.count = 0;
  for (int32_t i = 0; i <= n; ++i) {
    const float f = StepShape(stepped, static_cast<float>(i) / static_cast<float>(n));
    const AreaTraceEntry e =
        IsAmountSweep(s.sweep)
            ? AmountEntry(f * AmountOf(s))
            : AreaTraceEntry{{s.down.h + f * (s.current.h - s.down.h),
                              s.down.v + f * (s.current.v - s.down.v)},
                             s.down, 1};
    if (ASErr err = AppendTraceEntry(&r->list, e)) return err;
  }
  return kNoErr;
}

int32_t TraceCopyOrder(int16_t mode, int32_t count, int32_t* order, int32_t room) {
  int32_t made = 0;
  auto put = [&](int32_t index) {
    if (made < room) order[made] = index;
    ++made;
  };
  for (int32_t i = mode == kDragAlong ? 0 : 1; i < count; ++i) put(i);
  if (mode > kLastOneWayMode && mode <= kLastTraceMode) {
    for (int32_t i = count - 2; i >= 1; --i) put(i);
    put(-1);
  }
  return made;
}

AreaStep StepOfEntry(const AreaStep& last, const AreaTraceEntry& e) {
  AreaStep s = last;
  switch (last.sweep) {
    case kSweepPinch: s.pinch = e.point.h; break;
    case kSweepTwirl: s.twirl = e.point.h; break;
    case kSweepDynamic:
      s.current = e.point;
      s.previous = e.previous;
      s.centre = e.point;
      break;
    default: s.current = e.point; break;
  }
  return s;
}

}  // namespace vx
