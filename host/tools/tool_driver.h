// The host's tool driver (Host::tools()): what the host does while a person uses the
// plug-in's tools. It keeps the current tool, sends "AI Tool" messages in the
// order a real host sends them, stamps every event from a tick clock it
// advances itself (so a drag repeats exactly), keeps the keys held, and
// answers the platform cursor calls with a current cursor tests can read.
//
// Messages, per user action (each mouse event is preceded by Track Cursor):
//   SelectTool(B) with A current:  "AI Deselect" A, "AI Select" B
//   SelectTool(A) with A current:  nothing
//   DoubleClick(B):                SelectTool(B), then "AI Edit Options" B
//   MovePointer(p):                "AI Track Cursor"
//   MouseDown / MouseDrag / MouseUp(p):
//                                  "AI Track Cursor", then "AI Mouse ..."
//   Drag(spec):                    MouseDown at the first point, MouseDrag at
//                                  every later point (with spec.steps evenly
//                                  spaced points added between each pair),
//                                  MouseUp at the last point. The first
//                                  failing event ends the drag: the button is
//                                  released there at once (MouseUp, no Space)
//                                  and the first error is the answer.
//
// Event times: every mouse event and pointer move is stamped with
// clock().now(), after which the clock moves on by its step; Track Cursor
// carries the time of the event it precedes. A drag from tick 0 with step 16
// has its down at 0, its first drag at 16, and so on.
//
// Keys: the tool event's modifier word (AIEvent.modifiers, pointer and
// message) holds kAIEventCtrlKey 0x0100, kAIEventShiftKey 0x0200 and
// kAIEventAltKey 0x0800. Space is not in that word: while a tool message
// runs, the document window's tracker (ADMTrackerSuite.GetModifiers with a
// null tracker) answers the dialog toolkit's own word, kADMSpaceKeyModifier
// 0x0200 for Space plus Ctrl 0x0100 and Alt 0x0800 (no Shift there), so
// "exactly 0x200 at release" means Space alone. ADMBasicSuite.GetKeyState
// answers the same keys with the toolkit's bits (Shift 0x0200).
//
// Undo of a drag: from Mouse Down to Mouse Up the document has one undo step;
// the plug-in reverts its previous drag step with AIUndoSuite.UndoChanges,
// which restores the artwork exactly as it was at Mouse Down. A Mouse Drag
// or Mouse Up that fails is taken back by the host: what it changed is
// reverted and the last successful step is put back on the artwork (the
// changes its UndoChanges had reverted are replayed), so a failure never
// leaves half a step behind.
//
// Cursor: the plug-in loads a cursor from its own module through the
// platform cursor suite (sdk/vx_platform.h) and sets it; cursor() is what
// the screen would show, logged as "cursor <id>" with -v.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "vx_sdk.h"

namespace vx::host {
class Host;
}

namespace vx::host::tools {

// The keys a person holds during a pointer event.
struct Keys {
  bool ctrl = false;
  bool shift = false;
  bool alt = false;
  bool space = false;

  // The tool event's modifier word (kAIEvent...Key bits; never Space).
  uint16_t EventModifiers() const;
  // The document window tracker's word (kADMSpaceKeyModifier, Ctrl, Alt).
  uint32_t TrackerModifiers() const;
  // The dialog toolkit's key bits for GetKeyState (kADM...KeyModifier).
  uint32_t KeyStateModifiers() const;
};

// Deterministic event times: no wall clock anywhere in a drag.
class TickClock {
 public:
  static constexpr uint32_t kDefaultStep = 16;  // a 60 Hz pointer

  uint32_t now() const { return now_; }
  uint32_t step() const { return step_; }
  // The next event's time is `start`; later events follow every `step`.
  void Set(uint32_t start, uint32_t step);
  // Moves on by one step; answers the new time.
  uint32_t Advance();

 private:
  uint32_t now_ = 0;
  uint32_t step_ = kDefaultStep;
};

// The cursor on the screen: a cursor resource of a module, or the host's
// own arrow (id 0) before the plug-in sets one.
struct CursorState {
  int32_t id = 0;
  SPPluginRef module = nullptr;  // whose resource it is
  long sets = 0;                 // how often a cursor was made current
};

// A cursor loaded from a module's resources (what VxCursorRef points at).
struct LoadedCursor {
  int32_t id = 0;
  SPPluginRef module = nullptr;
};

// Publishes the platform cursor suite (sdk/vx_platform.h).
void RegisterPlatformCursorSuite(Host& host);

// A drag as a person makes it, in host coordinates (points, y up).
struct DragSpec {
  std::vector<AIRealPoint> points{};  // down at the first, up at the last
  int steps = 0;                      // drag events added between each pair
  Keys keys{};                        // held through the drag (space ignored)
  bool spaceAtRelease = false;        // Space held when the button goes up
  AIReal pressure = 1.0f;
};

// The pointer positions of the drag's events after the down point: for each
// pair of given points, `steps` evenly spaced points strictly between them,
// then the pair's second point. One point gives none (a click).
std::vector<AIRealPoint> DragEventPoints(const std::vector<AIRealPoint>& points,
                                         int steps);

class ToolDriver {
 public:
  explicit ToolDriver(Host& host);
  ~ToolDriver();
  ToolDriver(const ToolDriver&) = delete;
  ToolDriver& operator=(const ToolDriver&) = delete;

  // ---- tools ------------------------------------------------------------------
  // The registered tool with this title (case-insensitive), or null.
  AIToolHandle ToolTitled(const std::string& title) const;
  // The current tool; null when none is chosen.
  AIToolHandle current() const { return current_; }
  // The user picks a tool (see the message order above). The tool becomes
  // current even when the plug-in's Select fails; the failure is answered.
  int32_t SelectTool(AIToolHandle tool);
  // The user picks no tool: "AI Deselect" to the current one.
  int32_t DeselectTool();
  // The user double-clicks a tool in the toolbox.
  int32_t DoubleClick(AIToolHandle tool);

  // ---- the pointer, with the current tool -----------------------------------
  // kSPBadParameterError when no tool is current; otherwise the plug-in's
  // result.
  int32_t MovePointer(AIRealPoint where, Keys keys = {});
  int32_t MouseDown(AIRealPoint where, Keys keys = {}, AIReal pressure = 1.0f);
  int32_t MouseDrag(AIRealPoint where, Keys keys = {}, AIReal pressure = 1.0f);
  // keys.space: Space is held as the button goes up.
  int32_t MouseUp(AIRealPoint where, Keys keys = {}, AIReal pressure = 1.0f);
  int32_t Drag(const DragSpec& drag);
  // Whether the button is down (between MouseDown and MouseUp).
  bool buttonDown() const { return buttonDown_; }

  // ---- state the suites and tests read ---------------------------------------
  TickClock& clock() { return clock_; }
  const CursorState& cursor() const { return cursor_; }
  // The platform cursor calls: a cursor of the module's resources (null
  // when it has none with a usable image; the same cursor for the same id),
  // and making one current (null: the host's arrow; a cursor that was
  // never loaded changes nothing and answers false).
  const LoadedCursor* LoadCursor(SPPluginRef module, int32_t id);
  bool SetCursor(const LoadedCursor* cursor);
  // What the document window's tracker answers now (0 outside a tool
  // message).
  uint32_t trackerModifiers() const { return trackerModifiers_; }

 private:
  int32_t Send(const char* selector, AIToolHandle tool, AIRealPoint where,
               Keys keys, AIReal pressure);
  int32_t PointerEvent(const char* selector, AIRealPoint where, Keys keys,
                       AIReal pressure);

  Host& host_;
  AIToolHandle current_ = nullptr;
  TickClock clock_;
  CursorState cursor_;
  std::map<std::pair<SPPluginRef, int32_t>, std::unique_ptr<LoadedCursor>> cursors_;
  uint32_t trackerModifiers_ = 0;
  bool buttonDown_ = false;
};

}  // namespace vx::host::tools
