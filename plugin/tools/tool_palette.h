// The tool options palettes: one floating palette at a time (tool routing
// creates it on Select from the row's template with InitToolPalette), over
// the tool's options record gGlobals->ToolParams[row.paletteIndex].
//
// How a tool binds its palette (see warp_tool.h):
//   1. Name the palette's items in plugin/resources/dialogs/tools.rc.
//   2. In the tool's record header, next to the record, list one
//      PaletteField per record field the palette shows (the name is what
//      `versalix4 tool NAME --set` takes; the unit is what the palette
//      shows: percent items show the fraction x 100, degree items show
//      radians in degrees), and the EnableRules (the Trace popup enabled
//      with Trace, Space and Steps shown by the trace mode, ...). Tools
//      record no actions, so fields carry no action keys.
//   3. Put them in a ToolPaletteSpec with the "?" item and help topic, and
//      check it with static_assert(ToolBindingIsValid(...)); name that record
//      in the tool's row (tool_table.cpp, .palette) beside
//      .paletteInit = InitToolPalette.
// Every control writes its record field at once; there is no OK step.
#pragma once

#include <cstddef>
#include <cstdint>

#include "palettes/palette_binding.h"
#include "vx_sdk.h"

namespace vx {

struct ToolInfo;

// Craft's and Broom's spacing rules, which depend on two fields at once:
// in Drag Along mode the Space field is shown, or for the Twirl sweep the
// angular spacing in its place; while the sweep is Dynamic the stepped
// entries of the Trace popup are disabled.
struct SweepSpacing {
  FieldRef sweep;       // the sweep (distortion) field
  FieldRef traceMode;
  int32_t dynamic;      // sweep values
  int32_t twirl;
  int32_t spaceItems[2];     // the Space field and its unit
  int32_t twirlItems[2];     // the Twirl spacing field and its degree sign
  int32_t tracePopup;
  int32_t firstStepped;      // entries of the popup disabled while Dynamic
  int32_t lastStepped;
};

struct ToolPaletteSpec {
  PaletteBinding binding;
  int32_t helpItem;   // the "?" button
  int32_t helpTopic;  // its topic of the manual
  const SweepSpacing* sweep = nullptr;
};

// Items first .. first + N - 1: a row of radio buttons numbered in order.
template <size_t N>
struct ItemRun {
  int32_t items[N];
};
template <size_t N>
constexpr ItemRun<N> ItemsFrom(int32_t first) {
  ItemRun<N> run{};
  for (size_t i = 0; i < N; ++i) run.items[i] = first + int32_t(i);
  return run;
}

// The trace rules most palettes share: the Trace popup enabled while Trace
// is on; the Space items (first .. last) shown in Drag Along mode (0), the
// Steps items in every other mode, both in one place.
constexpr EnableRule TracePopupRule(FieldRef trace, int32_t popup) {
  return {popup, popup, trace, EnableRule::NonZero, 0};
}
constexpr EnableRule DragAlongRule(FieldRef traceMode, int32_t first, int32_t last) {
  return {first, last, traceMode, EnableRule::Equals, 0, true};
}
constexpr EnableRule SteppedRule(FieldRef traceMode, int32_t first, int32_t last) {
  return {first, last, traceMode, EnableRule::NotEquals, 0, true};
}

// A tool's binding: types and rules as for any palette; no action keys.
template <size_t N, size_t R>
constexpr bool ToolBindingIsValid(const PaletteField (&fields)[N], const EnableRule (&rules)[R]) {
  return FieldsAreValid(fields, rules, R);
}

// The dialog manager's init procedure of every tool palette: allocates the
// tool's record the first time (under its record key), loads its Last
// Setting (factory values when that fails), fills the preset menu, connects
// the controls and shows the record. Tool routing places the palette.
ASErr InitToolPalette(ADMDialogRef dialog);
// Shows the record in the palette's controls (after a preset is applied).
void RefreshToolPalette(ADMDialogRef dialog, void* record);
// Shows the current tool's record again in its palette, if one exists: for
// tools whose drag changes the record (the area resized with Alt).
void RefreshCurrentToolPalette();
// The palette's destroy procedure: saves the record as the Last Setting.
// The record itself stays until shutdown.
void DestroyToolPalette(ADMDialogRef dialog);
// Frees every tool's record (at shutdown, after the palette is destroyed).
void FreeToolRecords();

// The row whose palette template is the dialog's; null for another dialog.
const ToolInfo* ToolOfPalette(ADMDialogRef dialog);

}  // namespace vx
