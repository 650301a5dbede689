/* Message records: the common header that starts every message, then each
 * caller's fields. The first field after the header always names the
 * registered item that is addressed. */
#ifndef VX_SP_MESSAGES_H
#define VX_SP_MESSAGES_H
#include "sp_basic.h"
#include "vx_base.h"

/* Callers and selectors, compared with SPBasicSuite.IsEqual. */
#define kSPAccessCaller "SP Access"
#define kSPAccessUnloadSelector "Unload"
#define kSPAccessReloadSelector "Reload"
#define kSPInterfaceCaller "SP Interface"
#define kSPInterfaceStartupSelector "Startup"
#define kSPInterfaceAboutSelector "About"
#define kSPInterfaceShutdownSelector "Shutdown"
#define kCallerAIMenu "AI Menu"
#define kCallerAIFilter "AI Filter"
#define kCallerAILiveEffect "AI Live Effect"
#define kCallerAITool "AI Tool"
#define kCallerAINotifier "AI Notifier"
#define kCallerAIPluginGroup "AI Plugin Group"
#define kActionCaller "Action Manager"
#define kSelectorAIGoMenuItem "AI Go"
#define kSelectorAIUpdateMenuItem "AI Update"
#define kSelectorAIGetFilterParameters "AI Get Parameters"
#define kSelectorAIGoFilter "AI Go"
#define kSelectorAIEditParameters "AI Live Effect Edit Parameters"
#define kSelectorAIGoLiveEffect "AI Live Effect Go Live"
#define kSelectorAIInterpolateParameters "AI Live Effect Interpolate Parameters"
#define kSelectorAIGetInputType "AI Live Effect Input Type"
#define kSelectorAIEditToolOptions "AI Edit Options"
#define kSelectorAITrackToolCursor "AI Track Cursor"
#define kSelectorAIToolMouseDown "AI Mouse Down"
#define kSelectorAIToolMouseDrag "AI Mouse Drag"
#define kSelectorAIToolMouseUp "AI Mouse Up"
#define kSelectorAISelectTool "AI Select"
#define kSelectorAIDeselectTool "AI Deselect"
#define kSelectorAINotify "AI Notify"
#define kSelectorAINotifyEdits "AI Notify Edits"
#define kSelectorAIUpdateArt "AI Update"
#define kDoActionSelector "Do Action"

/* The common header. */
typedef struct SPMessageData {
  int32_t SPCheck;           /* check word, not read by the plug-in */
  SPPluginRef self;          /* the plug-in's identity for host calls */
  void* globals;             /* kept by the host between messages */
  const SPBasicSuite* basic; /* acquire / release / compare */
} SPMessageData;

typedef struct SPInterfaceMessage {
  SPMessageData d;
} SPInterfaceMessage;

typedef struct SPAccessMessage {
  SPMessageData d;
} SPAccessMessage;

typedef struct AIMenuMessage {
  SPMessageData d;
  AIMenuItemHandle menuItem;
} AIMenuMessage;

/* The filter's parameter block is a host memory handle (AI MdMemory Suite)
 * that the host keeps for the filter between runs; the plug-in creates it
 * when *parameters is null. */
typedef void* AIFilterParameters;
typedef struct AIFilterMessage {
  SPMessageData d;
  AIFilterHandle filter;
  AIFilterParameters parameters;
} AIFilterMessage;

typedef struct AILiveEffectEditParamMessage {
  SPMessageData d;
  AILiveEffectHandle effect;
  AIDictionaryRef parameters;   /* the effect's parameter dictionary */
  AIDictionaryRef instanceInfo; /* per-instance data ("randSeed") */
  int32_t isNew;                /* 1 when the effect is being applied */
} AILiveEffectEditParamMessage;

typedef struct AILiveEffectGoMessage {
  SPMessageData d;
  AILiveEffectHandle effect;
  AIDictionaryRef parameters;
  AIDictionaryRef instanceInfo;
  AIArtHandle art; /* input art on entry; the plug-in may replace it */
} AILiveEffectGoMessage;

typedef struct AILiveEffectInterpParamMessage {
  SPMessageData d;
  AILiveEffectHandle effect;
} AILiveEffectInterpParamMessage;

typedef struct AILiveEffectInputTypeMessage {
  SPMessageData d;
  AILiveEffectHandle effect;
  int32_t inputType;
} AILiveEffectInputTypeMessage;

/* Modifier bits of AIEvent.modifiers. */
enum {
  kAIEventCtrlKey = 0x0100,
  kAIEventShiftKey = 0x0200,
  kAIEventAltKey = 0x0800
};

typedef struct AIEvent {
  uint32_t when;       /* tick count */
  AIRealPoint where;   /* pointer in page coordinates */
  uint16_t modifiers;  /* kAIEvent...Key bits */
} AIEvent;

typedef struct AIToolMessage {
  SPMessageData d;
  AIToolHandle tool;
  AIRealPoint cursor;
  AIReal pressure;
  const AIEvent* event;
} AIToolMessage;

typedef struct AINotifierMessage {
  SPMessageData d;
  AINotifierHandle notifier;
  const char* type;
  void* notifyData;
} AINotifierMessage;

typedef struct AIPluginGroupMessage {
  SPMessageData d;
  AIPluginGroupHandle entry;
  AIArtHandle art; /* the plug-in group art concerned */
} AIPluginGroupMessage;

typedef struct DoActionMessage {
  SPMessageData d;
  void* userData;               /* as given at event registration */
  int32_t showDialog;           /* non-zero: let the user edit first */
  AIActionParamValueRef param;  /* the recorded parameter values */
} DoActionMessage;

/* The plug-in's one exported entry point. */
typedef ASErr (*PluginMainProc)(const char* caller, const char* selector,
                                void* message);
#define kPluginMainSymbol "PluginMain"

#endif
