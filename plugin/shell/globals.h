// PluginGlobals: the plug-in's one state record, allocated from the host's
// block allocator at start-up, handed to the host across Unload / Reload and
// freed at shutdown. Groups appear in record order; each subsystem owns its
// group's fields. The record is not cleared on allocation: start-up and the
// owning subsystems initialise what they use.
#pragma once

#include <cstdint>

#include "tools/area_tracking.h"
#include "vx_sdk.h"

namespace vx {

// Effect order of every per-effect array, the plug-in groups and the action
// numbers (action number = slot + 1).
enum LiveEffectIndex : int {
  kBorder, kCircle, kCutout, kEmboss, kExplosion, kFrame, kGalaxy,
  kGeneration, kNeon, kReflections, kShadow, kTiling, kTrail,
  kEffectCount
};

// Slots of ToolHandles; 1, 3, 5, 9 and 12 hold nothing.
enum ToolSlot : int {
  kWarpSlot = 0, kWaveSlot = 2, kLensSlot = 4, kCraftSlot = 6,
  kRoughSlot = 7, kBroomSlot = 8, kMetaBrushSlot = 10, kTrailToolSlot = 11,
  kAlignPointsSlot = 13, kToolSlotCount = 14
};

// Index of ToolPaletteOf and ToolParams (tools with an options palette).
enum ToolPaletteIndex : int {
  kWarpTool, kWaveTool, kLensTool, kCraftTool, kRoughTool, kBroomTool,
  kMetaBrushTool, kTrailTool, kToolPaletteCount
};

// One entry of a tool's trace list: a point and what the tool keeps with it
// (Lens: the area size in `aux`; Broom and Craft: the previous point and a
// flag). 20 bytes, as the trace buffers count them.
struct TracePoint {
  AIRealPoint point;
  AIRealPoint aux;
  int32_t flag;
};
static_assert(sizeof(TracePoint) == 20);

// The state of one tool drag, valid from mouse down to mouse up (the drag
// cycle's pieces in tools/tool_drag.h keep it).
struct ToolTracking {
  AIArtHandleList art;    // selected art found at mouse down, or null
  int32_t artCount;
  AIRealRect bounds;      // union of the selected paths' bounds, y up
  int32_t boundsEmpty;    // no path in the list: the drag changes nothing
  AIRealPoint down;       // mouse-down point
  uint32_t downTime;      // its event time (ticks)
  AIRealPoint current;    // current point, after Shift's axis lock
  uint16_t modifiers;     // modifier word of the event being handled
  int32_t applied;        // the artwork shows a step of this drag
  int32_t appliedAlt;     // Alt state of the last applied step
  int32_t hasLastStep;    // a step of this drag succeeded ...
  AIRealPoint lastPoint;  // ... for this point (the Alt state above)
  TracePoint* trace;      // "g buffer for trace" / "g buffer2 for trace"
  int32_t traceCount;
  int32_t traceCapacity;
  Segment* scratch;       // "g buffer for segments", or null
  Segment* source;        // "buffer 2 for segments": a path read for mapping, or null
};

struct SavedDialogPosition {
  int32_t left;
  int32_t top;
  int32_t saved;  // non-zero once a position was stored
};

// The first part of an effect's slot: its registration and palette state.
struct LiveEffectSlotState {
  AIPluginGroupHandle group;  // plug-in group handle from start-up
  int32_t liveUpdate;         // Live Update check box
  ASRect paletteBounds;
};

constexpr int kHelpTopicCount = 36;
constexpr int kWindowMenuItemCount = 16;
constexpr int kMaxFilters = 14;
constexpr int kMaxLiveEffects = 10;
constexpr int kUserSettingsFolderSize = 300;
constexpr int kVersionLabelSize = 64;

struct PluginGlobals {
  // ---- 3D Transform state ----------------------------------------------
  int32_t transformKindShown;         // kind shown in the dialog
  int32_t transformResume;            // the next Go resumes the dialog's run
  void* transformPathSet;             // PathSet of the open dialog, or null
  int32_t transformPerKind[14];       // per-kind scratch, cleared at start-up

  // ---- Fractalize state -------------------------------------------------
  int32_t FractalPreviewOn;
  int32_t ForceNewSeed;
  int32_t ReuseSeed;
  int32_t ReuseSeedNextLive;
  int32_t FractalSeed;

  // ---- registrations ----------------------------------------------------
  AIFilterHandle FilterHandles[kMaxFilters];
  int32_t FilterCount;
  AILiveEffectHandle LiveEffectHandles[kMaxLiveEffects];
  int32_t LiveEffectCount;
  AIToolHandle ToolHandles[kToolSlotCount];
  int32_t ToolPaletteLeft;
  int32_t ToolPaletteTop;
  int16_t ToolCursorId;

  // ---- tool tracking state (shared drag state, tools/tool_drag.h) ---------
  ToolTracking tracking;
  AreaTracking areaTracking;  // Broom and Craft (tools/area_tracking.h)

  AINotifierHandle SelectionNotifier;
  AINotifierHandle DocumentOpenedNotifier;

  // ---- help window --------------------------------------------------------
  ADMDialogRef HelpPalette;
  int32_t HelpTopic;
  int32_t helpBounds[4];
  int16_t helpTextMargin;
  char* HelpTexts[kHelpTopicCount];

  LiveEffectSlotState effectSlots[kEffectCount];
  AIMenuItemHandle WindowMenuItems[kWindowMenuItemCount];
  int16_t presetManagerState[2];

  SavedDialogPosition transformDialogPosition;
  SavedDialogPosition fractalizeDialogPosition;
  SavedDialogPosition helpDialogPosition;

  int32_t HostIsAI8;
  const SPBasicSuite* BasicSuite;
  SPAccessRef SelfAccess;
  SPPluginRef PluginRef;
  int32_t presetManagerField;
  ADMDialogRef ToolPalette;
  ADMDialogRef transformDialog;
  ADMDialogRef fractalizeDialog;
  ADMDialogRef ToolPaletteOf[kToolPaletteCount];
  ADMDialogRef effectPalettes[kEffectCount];
  int32_t presetManagerListState;
  void* ToolParams[kToolPaletteCount];
  void* effectRecords[kEffectCount];
  int32_t presetManagerSelection;
  int16_t ActionNumbers[kEffectCount + 1];  // 0 Fractalize, 1..13 effects
  char UserSettingsFolder[kUserSettingsFolderSize];

  // Built at start-up: "ver4.2", a blank, then the host label.
  char VersionLabel[kVersionLabelSize];
};

// The current globals pointer: null before Startup and after Shutdown.
extern PluginGlobals* gGlobals;

}  // namespace vx
