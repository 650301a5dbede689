#include "tools/tool_table.h"

#include "presets/preset_kind_rows.h"
#include "presets/preset_kinds.h"
#include "tools/area_tool.h"
#include "tools/broom_tool.h"
#include "tools/craft_tool.h"
#include "tools/lens_tool.h"
#include "tools/metabrush_tool.h"
#include "tools/point_tools.h"
#include "tools/roughening_tool.h"
#include "tools/tool_drag.h"
#include "tools/tool_palette.h"
#include "tools/trail_tool.h"
#include "tools/warp_shapes.h"
#include "tools/warp_tool.h"
#include "tools/wave_tool.h"

namespace vx {
namespace {

// ---- the options records' preset fields ----------------------------------------

using WA = WarpToolParams;
const PresetField kWarpToolFields[] = {
    VX_FIELD(WA, "A", kPresetShort, shape),
    VX_FIELD(WA, "B", kPresetReal, margin),
    VX_FIELD(WA, "C", kPresetFlag, perspective),
    VX_FIELD(WA, "D", kPresetFlag, trace),
    VX_FIELD(WA, "E", kPresetShort, traceMode),
    VX_FIELD(WA, "F", kPresetReal, space),
    VX_FIELD(WA, "G", kPresetReal, steps)};

using WV = WaveToolParams;
const PresetField kWaveToolFields[] = {
    VX_FIELD(WV, "A", kPresetShort, shape),
    VX_FIELD(WV, "B", kPresetReal, cycle),
    VX_FIELD(WV, "C", kPresetFlag, trace),
    VX_FIELD(WV, "D", kPresetShort, traceMode),
    VX_FIELD(WV, "E", kPresetReal, space),
    VX_FIELD(WV, "F", kPresetReal, steps)};

using LE = LensToolParams;
const PresetField kLensToolFields[] = {
    VX_FIELD(LE, "A", kPresetShort, lensType),
    VX_FIELD(LE, "B", kPresetReal, thickness),
    VX_FIELD(LE, "C", kPresetReal, magnification),
    VX_FIELD(LE, "D", kPresetReal, angle),
    VX_FIELD(LE, "E", kPresetShort, cycle),
    VX_FIELD(LE, "F", kPresetPoint, sizeMinimum),
    VX_FIELD(LE, "G", kPresetFlag, groupAsOneUnit),
    VX_FIELD(LE, "H", kPresetPoint, area),
    VX_FIELD(LE, "I", kPresetFlag, trace),
    VX_FIELD(LE, "J", kPresetShort, traceMode),
    VX_FIELD(LE, "K", kPresetReal, space),
    VX_FIELD(LE, "L", kPresetReal, steps)};

using CR = CraftToolParams;
const PresetField kCraftToolFields[] = {
    VX_FIELD(CR, "A", kPresetShort, distortion),
    VX_FIELD(CR, "B", kPresetShort, resistance),
    VX_FIELD(CR, "C", kPresetReal, areaRadius),
    VX_FIELD(CR, "D", kPresetFlag, trace),
    VX_FIELD(CR, "E", kPresetShort, traceMode),
    VX_FIELD(CR, "F", kPresetReal, space),
    VX_FIELD(CR, "G", kPresetReal, twirlSpace),
    VX_FIELD(CR, "H", kPresetReal, steps)};

using RO = RoughToolParams;
// There is no key "C".
const PresetField kRoughToolFields[] = {
    VX_FIELD(RO, "A", kPresetShort, kind),
    VX_FIELD(RO, "B", kPresetReal, areaRadius),
    VX_FIELD(RO, "D", kPresetFlag, trace),
    VX_FIELD(RO, "E", kPresetShort, traceMode),
    VX_FIELD(RO, "F", kPresetReal, steps),
    VX_FIELD(RO, "G", kPresetFlag, newSequence)};

using BR = BroomToolParams;
const PresetField kBroomToolFields[] = {
    VX_FIELD(BR, "A", kPresetShort, sweep),
    VX_FIELD(BR, "B", kPresetShort, resistance),
    VX_FIELD(BR, "C", kPresetReal, areaRadius),
    VX_FIELD(BR, "D", kPresetFlag, groupAsUnit),
    VX_FIELD(BR, "E", kPresetFlag, trace),
    VX_FIELD(BR, "F", kPresetShort, traceMode),
    VX_FIELD(BR, "G", kPresetReal, space),
    VX_FIELD(BR, "H", kPresetReal, twirlSpace),
    VX_FIELD(BR, "I", kPresetReal, steps)};

using MB = MetaBrushToolParams;
// The key "z" stands twice (the second time after "y") and "x" is unused.
const PresetField kMetaBrushToolFields[] = {
    VX_FIELD(MB, "A", kPresetShort, keyA),
    VX_FIELD(MB, "B", kPresetReal, keyB),
    VX_FIELD(MB, "C", kPresetFlag, keyC),
    VX_FIELD(MB, "D", kPresetFlag, keyD),
    VX_FIELD(MB, "E", kPresetShort, keyE),
    VX_FIELD(MB, "F", kPresetColour, keyF),
    VX_FIELD(MB, "K", kPresetReal, keyK),
    VX_FIELD(MB, "L", kPresetReal, keyL),
    VX_FIELD(MB, "M", kPresetShort, keyM),
    VX_FIELD(MB, "N", kPresetFlag, keyN),
    VX_FIELD(MB, "O", kPresetReal, keyO),
    VX_FIELD(MB, "P3", kPresetReal, keyP3),
    VX_FIELD(MB, "Q", kPresetFlag, keyQ),
    VX_FIELD(MB, "R", kPresetPoint, keyR),
    VX_FIELD(MB, "S", kPresetPoint, keyS),
    VX_FIELD(MB, "T", kPresetPoint, keyT),
    VX_FIELD(MB, "U", kPresetReal, keyU),
    VX_FIELD(MB, "V", kPresetPoint, keyV),
    VX_FIELD(MB, "W", kPresetShort, keyW),
    VX_FIELD(MB, "X", kPresetShort, keyX),
    VX_FIELD(MB, "Y", kPresetShort, keyY),
    VX_FIELD(MB, "Z", kPresetShort, keyZ),
    VX_FIELD(MB, "a", kPresetShort, key_a),
    VX_FIELD(MB, "b", kPresetShort, key_b),
    VX_FIELD(MB, "c", kPresetShort, key_c),
    VX_FIELD(MB, "d", kPresetShort, key_d),
    VX_FIELD(MB, "e", kPresetShort, key_e),
    VX_FIELD(MB, "f", kPresetShort, key_f),
    VX_FIELD(MB, "g", kPresetShort, key_g),
    VX_FIELD(MB, "h", kPresetFlag, key_h),
    VX_FIELD(MB, "i", kPresetFlag, key_i),
    VX_FIELD(MB, "j", kPresetFlag, key_j),
    VX_FIELD(MB, "k", kPresetFlag, key_k),
    VX_FIELD(MB, "l", kPresetFlag, key_l),
    VX_FIELD(MB, "m", kPresetFlag, key_m),
    VX_FIELD(MB, "n", kPresetFlag, key_n),
    VX_FIELD(MB, "o", kPresetFlag, key_o),
    VX_FIELD(MB, "p", kPresetFlag, key_p),
    VX_FIELD(MB, "q", kPresetFlag, key_q),
    VX_FIELD(MB, "r", kPresetFlag, key_r),
    VX_FIELD(MB, "s", kPresetFlag, key_s),
    VX_FIELD(MB, "t", kPresetFlag, key_t),
    VX_FIELD(MB, "u", kPresetFlag, key_u),
    VX_FIELD(MB, "v", kPresetFlag, key_v),
    VX_FIELD(MB, "w", kPresetFlag, key_w),
    VX_FIELD(MB, "z", kPresetFlag, key_z),
    VX_FIELD(MB, "y", kPresetFlag, key_y),
    VX_FIELD(MB, "z", kPresetFlag, key_z_again),
    VX_FIELD(MB, "A2", kPresetFlag, keyA2),
    VX_FIELD(MB, "B2", kPresetFlag, keyB2),
    VX_FIELD(MB, "C2", kPresetFlag, keyC2),
    VX_FIELD(MB, "D2", kPresetFlag, keyD2),
    VX_FIELD(MB, "E2", kPresetFlag, keyE2),
    VX_FIELD(MB, "F2", kPresetFlag, keyF2),
    VX_FIELD(MB, "G2", kPresetFlag, keyG2),
    VX_FIELD(MB, "H2", kPresetFlag, keyH2),
    VX_FIELD(MB, "I2", kPresetFlag, keyI2),
    VX_FIELD(MB, "J2", kPresetFlag, keyJ2),
    VX_FIELD(MB, "K2", kPresetFlag, keyK2),
    VX_FIELD(MB, "L2", kPresetFlag, keyL2),
    VX_FIELD(MB, "M2", kPresetFlag, keyM2),
    VX_FIELD(MB, "N2", kPresetFlag, keyN2),
    VX_FIELD(MB, "O2", kPresetReal, keyO2),
    VX_FIELD(MB, "P2", kPresetULong, keyP2),
    VX_FIELD(MB, "Q2", kPresetULong, keyQ2),
    VX_FIELD(MB, "R2", kPresetULong, keyR2),
    VX_FIELD(MB, "S2", kPresetReal, keyS2),
    VX_FIELD(MB, "T2", kPresetShort, keyT2),
    VX_FIELD(MB, "U2", kPresetShort, keyU2),
    VX_FIELD(MB, "V2", kPresetShort, keyV2),
    VX_FIELD(MB, "W2", kPresetFlag, keyW2),
    VX_FIELD(MB, "X2", kPresetFlag, keyX2),
    VX_FIELD(MB, "Y2", kPresetReal, keyY2),
    VX_FIELD(MB, "Z2", kPresetReal, keyZ2),
    VX_FIELD(MB, "a2", kPresetReal, key_a2),
    VX_FIELD(MB, "b2", kPresetReal, key_b2),
    VX_FIELD(MB, "c2", kPresetReal, key_c2),
    VX_FIELD(MB, "d2", kPresetReal, key_d2),
    VX_FIELD(MB, "e2", kPresetReal, key_e2),
    VX_FIELD(MB, "f2", kPresetReal, key_f2)};

using TT = TrailToolParams;
const PresetField kTrailToolFields[] = {
    VX_FIELD(TT, "A", kPresetShort, stacking),
    VX_FIELD(TT, "B", kPresetReal, beginning),
    VX_FIELD(TT, "C", kPresetReal, space),
    VX_FIELD(TT, "D", kPresetInt, spacing),
    VX_FIELD(TT, "E", kPresetShort, endFillSource),
    VX_FIELD(TT, "F", kPresetShort, endStrokeSource),
    VX_FIELD(TT, "G", kPresetColour, endFillColour),
    VX_FIELD(TT, "H", kPresetColour, endStrokeColour),
    VX_FIELD(TT, "I", kPresetReal, toTint),
    VX_FIELD(TT, "J", kPresetReal, toAngle),
    VX_FIELD(TT, "K", kPresetPoint, toSize)};

// "VERSALiX4_PST_<Name>Tool.txt" of record <Name>ToolParams.
#define VX_TOOL_KIND(Name)                                                 \
  VX_KIND("VERSALiX4_PST_" #Name "Tool.txt", #Name "ToolParams",           \
          Name##ToolParams, k##Name##ToolFields,                           \
          CopyFactory<k##Name##ToolFactoryParams>)

// In ToolPaletteIndex order, which is also the preset files' order.
const PresetKind kToolKinds[kToolPaletteCount] = {
    VX_TOOL_KIND(Warp),      VX_TOOL_KIND(Wave),  VX_TOOL_KIND(Lens),
    VX_TOOL_KIND(Craft),     VX_TOOL_KIND(Rough), VX_TOOL_KIND(Broom),
    VX_TOOL_KIND(MetaBrush), VX_TOOL_KIND(Trail)};

#undef VX_TOOL_KIND

static_assert(sizeof(MetaBrushToolParams) <= kLargestPresetRecord);
static_assert(sizeof(TrailToolParams) <= kLargestPresetRecord);

// ---- the table ------------------------------------------------------------------

// Cursor of each Warp shape (0 .. 21) and each Wave shape (0 .. 4).
// (Each shape's Alt cursor is the next id.)
#define VX_SHAPE(tool, n) res::k##tool##Shape##n##Cursor
constexpr int16_t kWarpCursors[] = {
    VX_SHAPE(Warp, 0),  VX_SHAPE(Warp, 1),  VX_SHAPE(Warp, 2),  VX_SHAPE(Warp, 3),
    VX_SHAPE(Warp, 4),  VX_SHAPE(Warp, 5),  VX_SHAPE(Warp, 6),  VX_SHAPE(Warp, 7),
    VX_SHAPE(Warp, 8),  VX_SHAPE(Warp, 9),  VX_SHAPE(Warp, 10), VX_SHAPE(Warp, 11),
    VX_SHAPE(Warp, 12), VX_SHAPE(Warp, 13), VX_SHAPE(Warp, 14), VX_SHAPE(Warp, 15),
    VX_SHAPE(Warp, 16), VX_SHAPE(Warp, 17), VX_SHAPE(Warp, 18), VX_SHAPE(Warp, 19),
    VX_SHAPE(Warp, 20), VX_SHAPE(Warp, 21)};
constexpr int16_t kWaveCursors[] = {VX_SHAPE(Wave, 0), VX_SHAPE(Wave, 1), VX_SHAPE(Wave, 2),
                                    VX_SHAPE(Wave, 3), VX_SHAPE(Wave, 4)};
#undef VX_SHAPE

using P = ToolPlacement;
#define VX_SHAPES(table) \
  .shapeCursors = table, .shapeCursorCount = int32_t(sizeof table / sizeof table[0])

// A row names what the tool is (slot to record), then, after the comment,
// what it does; fields left out are null.
const ToolInfo kTools[kToolCount] = {
    {.slot = kWarpSlot, .name = "Warp", .icon = res::kWarpIcon,
     .placement = P::kNewGroup, .paletteTemplate = res::kWarpToolPalette,
     .paletteIndex = kWarpTool, .selectCursor = 0, VX_SHAPES(kWarpCursors),
     .presetKind = &kToolKinds[kWarpTool],
     .paletteInit = InitToolPalette, .palette = &kWarpToolPalette,
     // behaviour
     .mouseDown = DragCycleMouseDown,
     .mouseDrag = DragCycleMouseDrag,
     .mouseUp = DragCycleMouseUp,
     .drag = &kWarpDrag},
    {.slot = kWaveSlot, .name = "Wave", .icon = res::kWaveIcon,
     .placement = P::kNewToolset, .paletteTemplate = res::kWaveToolPalette,
     .paletteIndex = kWaveTool, .selectCursor = 0, VX_SHAPES(kWaveCursors),
     .presetKind = &kToolKinds[kWaveTool],
     .paletteInit = InitToolPalette, .palette = &kWaveToolPalette,
     // behaviour
     .mouseDown = DragCycleMouseDown, .mouseDrag = DragCycleMouseDrag,
     .mouseUp = DragCycleMouseUp, .drag = &kWaveDrag},
    {.slot = kLensSlot, .name = "Lens", .icon = res::kLensIcon,
     .placement = P::kNewToolset, .paletteTemplate = res::kLensToolPalette,
     .paletteIndex = kLensTool, .selectCursor = res::kAreaSizeCursor,
     .shiftCursor = res::kAreaSizeCursor,
     .altCursor = res::kAreaSizeCursor, .altShiftCursor = res::kAreaSizeCursor,
     .presetKind = &kToolKinds[kLensTool],
     .paletteInit = InitToolPalette, .palette = &kLensToolPalette,
     // behaviour
     .mouseDown = DragCycleMouseDown, .mouseDrag = LensMouseDrag,
     .mouseUp = LensMouseUp, .drag = &kLensDrag},
    {.slot = kCraftSlot, .name = "Craft", .icon = res::kCraftIcon,
     .placement = P::kNewToolset, .paletteTemplate = res::kCraftToolPalette,
     .paletteIndex = kCraftTool, .selectCursor = res::kCraftCursor,
     .shiftCursor = res::kCraftCursor,
     .altCursor = res::kAreaSizeCursor, .altShiftCursor = res::kInsertAnchorCursor,
     .presetKind = &kToolKinds[kCraftTool],
     .paletteInit = InitToolPalette, .palette = &kCraftToolPalette,
     // behaviour
     .mouseDown = CraftMouseDown, .mouseDrag = CraftMouseDrag, .mouseUp = CraftMouseUp},
    {.slot = kRoughSlot, .name = "Roughening", .icon = res::kRougheningIcon,
     .placement = P::kLeaderToolset, .paletteTemplate = res::kRoughToolPalette,
     .paletteIndex = kRoughTool, .selectCursor = res::kRougheningCursor,
     .shiftCursor = res::kRougheningCursor,
     .altCursor = res::kAreaSizeCursor, .altShiftCursor = res::kInsertAnchorCursor,
     .presetKind = &kToolKinds[kRoughTool],
     .paletteInit = InitToolPalette, .palette = &kRoughToolPalette,
     // behaviour
     .mouseDown = RoughMouseDown, .mouseDrag = RoughMouseDrag, .mouseUp = RoughMouseUp,
    },
    {.slot = kBroomSlot, .name = "Broom", .icon = res::kBroomIcon,
     .placement = P::kLeaderToolset, .paletteTemplate = res::kBroomToolPalette,
     .paletteIndex = kBroomTool, .selectCursor = res::kBroomCursor,
     .shiftCursor = res::kBroomCursor,
     .altCursor = res::kAreaSizeCursor, .altShiftCursor = res::kAreaSizeCursor,
     .presetKind = &kToolKinds[kBroomTool],
     .paletteInit = InitToolPalette, .palette = &kBroomToolPalette,
     // behaviour
     .mouseDown = BroomMouseDown, .mouseDrag = BroomMouseDrag, .mouseUp = BroomMouseUp},
    {.slot = kMetaBrushSlot, .name = "MetaBrush", .icon = res::kMetaBrushIcon,
     .placement = P::kNewToolset, .paletteTemplate = res::kMetaBrushToolPalette,
     .paletteIndex = kMetaBrushTool, .selectCursor = res::kMetaBrushCursor,
     .shiftCursor = res::kAreaSizeCursor,
     .altCursor = res::kPickCursor, .altShiftCursor = res::kPickCursor,
     .altCursorFlag = int32_t(offsetof(MetaBrushToolParams, keyD)),
     .presetKind = &kToolKinds[kMetaBrushTool],
     .paletteInit = InitToolPalette, .palette = &kMetaBrushToolPalette,
     // behaviour
     .mouseDown = MetaBrushMouseDown, .mouseDrag = MetaBrushMouseDrag, .mouseUp = MetaBrushMouseUp,
    },
    {.slot = kTrailToolSlot, .name = "Trail", .icon = res::kTrailIcon,
     .placement = P::kLeaderToolset, .paletteTemplate = res::kTrailToolPalette,
     .paletteIndex = kTrailTool, .selectCursor = res::kTrailCursor,
     .shiftCursor = res::kTrailCursor,
     .altCursor = res::kPickCursor, .altShiftCursor = res::kPickCursor,
     .presetKind = &kToolKinds[kTrailTool],
     .paletteInit = InitToolPalette, .palette = &kTrailToolPalette,
     // behaviour
     .mouseDown = TrailMouseDown, .mouseDrag = TrailMouseDrag, .mouseUp = TrailMouseUp,
    },
    // AlignPoints has no options palette, record or presets.
    {.slot = kAlignPointsSlot, .name = "AlignPoints", .icon = res::kAlignPointsIcon,
     .placement = P::kNewToolset, .paletteTemplate = 0,
     .paletteIndex = kToolPaletteCount, .selectCursor = res::kAlignXCursor,
     .shiftCursor = res::kAlignYCursor,
     .altCursor = res::kAlignXCursor, .altShiftCursor = res::kAlignBothCursor,
     // behaviour
     .mouseDown = AlignPointsMouseDown, .mouseDrag = AlignPointsMouseDrag, .mouseUp = AlignPointsMouseUp,
    }};

#undef VX_SHAPES

}  // namespace

const ToolInfo* ToolAt(int i) {
  return i >= 0 && i < kToolCount ? &kTools[i] : nullptr;
}

const ToolInfo* ToolOfSlot(int slot) {
  for (const ToolInfo& tool : kTools)
    if (tool.slot == slot) return &tool;
  return nullptr;
}

const ToolInfo* ToolOfHandle(AIToolHandle handle) {
  if (!handle || !gGlobals) return nullptr;
  for (const ToolInfo& tool : kTools)
    if (gGlobals->ToolHandles[tool.slot] == handle) return &tool;
  return nullptr;
}

// The tools' preset kinds are those of the rows that keep a record.
const PresetKind* ToolPresetKindAt(int i) {
  if (i < 0) return nullptr;
  for (const ToolInfo& tool : kTools)
    if (tool.presetKind && i-- == 0) return tool.presetKind;
  return nullptr;
}

}  // namespace vx
