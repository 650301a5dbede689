// The trace list of the area tools (Broom and Craft): what a drag records
// for the copies Trace leaves, how the list is completed at mouse up, and
// the order in which the copies are made from it.
#pragma once

#include <cstddef>
#include <cstdint>

#include "tools/area_sweep.h"
#include "vx_sdk.h"

namespace vx {

// One recorded place. Free and Dynamic record the pointer (Dynamic also the
// previous pointer and whether the entry's copy is kept); Pinch and Twirl
// record their amount in point.h (point.v, previous and flag 0).
struct AreaTraceEntry {
  AIRealPoint point;
  AIRealPoint previous;
  int32_t flag;  // Dynamic: 1 keeps this entry's copy, 0 drops it later
};
static_assert(sizeof(AreaTraceEntry) == 20);
static_assert(offsetof(AreaTraceEntry, previous) == 8);
static_assert(offsetof(AreaTraceEntry, flag) == 16);

// Room of the first block ("g buffer for trace") and the growth of each
// larger one ("g buffer2 for trace").
constexpr int32_t kTraceFirstRoom = 501;
constexpr int32_t kTraceGrowth = 100;

struct AreaTraceList {
  AreaTraceEntry* entries;  // null until the first entry
  int32_t count;
  int32_t room;
};

// Appends one entry, allocating or growing the block. -108 leaves the list
// as it was.
ASErr AppendTraceEntry(AreaTraceList* list, const AreaTraceEntry& e);
// Frees the block and empties the list.
void FreeTraceList(AreaTraceList* list);

// The trace options of a tool's record.
struct AreaTraceOptions {
  int32_t trace;      // flag
  int16_t traceMode;  // 0 Drag Along, 1 .. 3 One Way, 4 .. 6 Round Trip
  float space;        // Drag Along spacing, points
  float twirlSpace;   // Drag Along spacing of Twirl, radians
  float steps;        // copies of the stepped modes (truncated)
};

// The mode a sweep traces in. The stepped modes fill only points, not the
// previous points and flags the Dynamic copies are made from, so Dynamic
// always traces as Drag Along.
int16_t EffectiveTraceMode(int16_t sweep, int16_t traceMode);

// The recording side of one drag.
struct AreaTraceRecorder {
  AIRealPoint lastPoint;  // the down point, then each recorded pointer
  float lastAmount;       // 0, then each recorded twirl amount
  AreaTraceList list;
};

// Starts a drag at the down point (the list must be empty or freed).
void StartTraceRecorder(AreaTraceRecorder* r, const AIRealPoint& down);

// Records drag step s (P = s.current, Q = s.previous, amounts already grown)
// in Drag Along mode: Free records P and Pinch its amount when P is not
// PointsClose to the last recorded pointer within `space`; Dynamic records
// every step as (P, Q, that test's negation); Twirl records its amount once
// it differs from the last recorded one by `twirlSpace` or more. Nothing
// without Trace or in a stepped mode.
ASErr RecordTraceStep(AreaTraceRecorder* r, const AreaStep& s,
                      const AreaTraceOptions& o);

// Completes the list at mouse up for a drag whose last step is s. Drag
// Along appends the release point (Dynamic with Q and flag 1; Pinch and
// Twirl the final amount). A stepped mode with n = steps (truncated, at
// least 1) replaces the list by n + 1 entries: Free D + f(i / n) (P - D),
// Pinch and Twirl f(i / n) amount, i = 0 .. n, where f is t (Uniform), t^2
// (Accelerate) or 1 - (t - 1)^2 (Decelerate).
ASErr CompleteTrace(AreaTraceRecorder* r, const AreaStep& s,
                    const AreaTraceOptions& o);

// The copies made from a completed list of `count` entries, in order: the
// entry index each copy is moved by, or -1 for the closing undeformed copy
// of a Round Trip. The forward pass starts at 1 in the stepped modes and at
// 0 in Drag Along; Round Trip walks back from count - 2 down to 1 and ends
// with the undeformed copy. Writes at most `room` indices and returns how
// many copies there are in all.
int32_t TraceCopyOrder(int16_t mode, int32_t count, int32_t* order, int32_t room);

// The step that moves the copy of entry e: P (and Q for Dynamic) or the
// amount taken from the entry; everything else from the drag's last step.
AreaStep StepOfEntry(const AreaStep& last, const AreaTraceEntry& e);

}  // namespace vx
