/* Tools: registration in tool groups and toolsets. */
#ifndef VX_AI_TOOL_H
#define VX_AI_TOOL_H
#include "vx_base.h"

#define kAIToolSuite "AI Tool Suite"
#define kAIToolSuiteVersion 8

enum { kToolWantsToTrackCursorOption = 1 };

/* kNoTool as a sameGroupAs / sameToolsetAs value starts a new group or
 * toolset. */
#define kNoTool (-2)
typedef int32_t AIToolType;

typedef struct AIAddToolData {
  const char* title;
  const char* tooltip;
  int32_t helpID;
  ADMIconRef icon;
  AIToolType sameGroupAs;
  AIToolType sameToolsetAs;
} AIAddToolData;

typedef struct AIToolSuite {
  ASErr (*AddTool)(SPPluginRef self, const char* name,
                   const AIAddToolData* data, int32_t options,
                   AIToolHandle* tool);
  ASErr (*GetToolNumberFromName)(const char* name, AIToolType* toolNum);
  ASErr (*GetToolName)(AIToolHandle tool, const char** name);
  ASErr (*GetToolTitle)(AIToolHandle tool, const char** title);
  ASErr (*GetToolOptions)(AIToolHandle tool, int32_t* options);
} AIToolSuite;

#endif
