// The trace list of the area tools (Broom and Craft): what a drag records
// for the copies Trace leaves, how the list is completed at mouse up, and
// the order in which the copies are made from it. The list is the shared
// drag state's (ToolTracking::trace, tools/tool_drag.h); its entries hold:
// Free and Dynamic the pointer in `point` (Dynamic also the previous
// pointer in `aux` and in `flag` whether the entry's copy is kept); Pinch and
// Twirl their amount in point.h.
#pragma once

#include <cstdint>

#include "shell/globals.h"
#include "tools/area_tracking.h"
#include "vx_sdk.h"

namespace vx {

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

// Records the drag step a->step (P = current, Q = previous, amounts already
// grown) in Drag Along mode: Free records P and Pinch its amount when P is
// not PointsClose to the last recorded pointer within `space`; Dynamic
// records every step as (P, Q, that test's negation); Twirl records its
// amount once it differs from the last recorded one by `twirlSpace` or
// more. Nothing without Trace or in a stepped mode.
ASErr RecordTraceStep(ToolTracking* t, AreaTracking* a, const AreaTraceOptions& o);

// Makes room in the list for `room` entries, so that completing it at
// mouse up allocates nothing: a Mouse Up that fails is taken back by the
// host with the removal of the area indicator. -108 leaves the list as it
// was.
ASErr ReserveTrace(ToolTracking* t, int32_t room);
// The entries CompleteTrace adds to a list of `count` (it may replace it).
int32_t TraceCompletionRoom(int16_t sweep, const AreaTraceOptions& o, int32_t count);

// Completes the list at mouse up for a drag whose last step is s. Drag
// Along appends the release point (Dynamic with Q and flag 1; Pinch and
// Twirl the final amount). A stepped mode with n = steps (truncated, at
// least 1) replaces the list by n + 1 entries: Free D + f(i / n) (P - D),
// Pinch and Twirl f(i / n) amount, i = 0 .. n, where f is t (Uniform), t^2
// (Accelerate) or 1 - (t - 1)^2 (Decelerate).
ASErr CompleteTrace(ToolTracking* t, const AreaStep& s, const AreaTraceOptions& o);

// The copies made from a completed list of `count` entries: the forward pass
// starts at 1 in the stepped modes and at 0 in Drag Along; Round Trip walks
// back from count - 2 down to 1 and ends with an unmoved copy of the source.
// TraceCopyCount is the number of copies; TraceCopyEntry the entry that
// moves copy k (0 .. count of copies - 1), or -1 for the unmoved one.
int32_t TraceCopyCount(int16_t mode, int32_t count);
int32_t TraceCopyEntry(int16_t mode, int32_t count, int32_t k);

// The step that moves the copy of entry e: P (and Q for Dynamic, whose area
// follows P) or the amount from the entry; the rest from the drag's last
// step.
AreaStep StepOfEntry(const AreaStep& last, const TracePoint& e);

}  // namespace vx
