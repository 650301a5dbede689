/* The action manager: parameter types with keys, event registration,
 * recording and parameter values. */
#ifndef VX_AI_ACTION_MANAGER_H
#define VX_AI_ACTION_MANAGER_H
#include "vx_base.h"

#define kAIActionManagerSuite "AI Action Manager Suite"
#define kAIActionManagerSuiteVersion 1

typedef uint32_t ActionParamKeyID; /* four-character key such as 'styl' */
typedef uint32_t ActionParamTypeID;
typedef uint32_t ActionParamUnitID; /* four-character unit such as '#Prc' */

/* Units of unit reals. */
#define unitPercent ((ActionParamUnitID)VX_FOURCC('#', 'P', 'r', 'c'))
#define unitAngle ((ActionParamUnitID)VX_FOURCC('#', 'A', 'n', 'g'))
#define unitPixels ((ActionParamUnitID)VX_FOURCC('#', 'P', 'x', 'l'))
#define unitNone ((ActionParamUnitID)VX_FOURCC('#', 'N', 'n', 'e'))
#define unitResolution ((ActionParamUnitID)VX_FOURCC('#', 'R', 's', 'l'))

/* Parameter types (four-character codes). */
#define actionTypeInteger ((ActionParamTypeID)VX_FOURCC('l', 'o', 'n', 'g'))
#define actionTypeReal ((ActionParamTypeID)VX_FOURCC('r', 'e', 'a', 'l'))
#define actionTypeBool ((ActionParamTypeID)VX_FOURCC('b', 'o', 'o', 'l'))
#define actionTypeEnum ((ActionParamTypeID)VX_FOURCC('e', 'n', 'u', 'm'))
#define actionTypeString ((ActionParamTypeID)VX_FOURCC('s', 't', 'r', 'n'))
#define actionTypeUnitReal ((ActionParamTypeID)VX_FOURCC('U', 'n', 't', 'F'))
#define actionTypeRaw ((ActionParamTypeID)VX_FOURCC('t', 'd', 't', 'a'))

typedef ASErr (*AIActionCallbackProc)(void* message);

typedef struct AIActionManagerSuite {
  ASErr (*AINewActionParamType)(AIActionParamTypeRef* param);
  ASErr (*AIActionSetTypeKey)(AIActionParamTypeRef param, ActionParamKeyID key,
                              const char* name, ActionParamTypeID type,
                              ASBoolean show);
  ASErr (*AIDeleteActionParamType)(AIActionParamTypeRef param);
  ASErr (*RegisterActionEvent)(const char* eventName,
                               const char* localizedName, int32_t version,
                               int32_t flag, AIActionCallbackProc callback,
                               SPPluginRef plugin, void* userData,
                               AIActionParamTypeRef parameters);
  ASErr (*InRecordMode)(ASBoolean* inRecordMode);
  ASErr (*AINewActionParamValue)(AIActionParamValueRef* param);
  ASErr (*AIDeleteActionParamValue)(AIActionParamValueRef param);
  ASErr (*RecordActionEvent)(const char* eventName, int32_t dialogMode,
                             AIActionParamValueRef parameters);
  ASErr (*AIActionGetInteger)(AIActionParamValueRef param,
                              ActionParamKeyID key, int32_t* value);
  ASErr (*AIActionSetInteger)(AIActionParamValueRef param,
                              ActionParamKeyID key, int32_t value);
  ASErr (*AIActionGetReal)(AIActionParamValueRef param, ActionParamKeyID key,
                           AIReal* value);
  ASErr (*AIActionSetReal)(AIActionParamValueRef param, ActionParamKeyID key,
                           AIReal value);
  ASErr (*AIActionGetBoolean)(AIActionParamValueRef param,
                              ActionParamKeyID key, ASBoolean* value);
  ASErr (*AIActionSetBoolean)(AIActionParamValueRef param,
                              ActionParamKeyID key, ASBoolean value);
  /* Enumerations carry a name and a value. */
  ASErr (*AIActionGetEnumerated)(AIActionParamValueRef param,
                                 ActionParamKeyID key, char* name,
                                 int32_t maxLength, int32_t* value);
  ASErr (*AIActionSetEnumerated)(AIActionParamValueRef param,
                                 ActionParamKeyID key, const char* name,
                                 int32_t value);
  ASErr (*AIActionGetString)(AIActionParamValueRef param,
                             ActionParamKeyID key, char* value,
                             int32_t maxLength);
  ASErr (*AIActionSetString)(AIActionParamValueRef param,
                             ActionParamKeyID key, const char* value);
  ASErr (*AIActionGetRawDataSize)(AIActionParamValueRef param,
                                  ActionParamKeyID key, int32_t* size);
  ASErr (*AIActionGetRawData)(AIActionParamValueRef param,
                              ActionParamKeyID key, void* value);
  ASErr (*AIActionSetRawData)(AIActionParamValueRef param,
                              ActionParamKeyID key, int32_t size,
                              const void* value);
  /* Reals with a unit (unitPercent, unitAngle, unitPixels ...). */
  ASErr (*AIActionGetUnitReal)(AIActionParamValueRef param,
                               ActionParamKeyID key, ActionParamUnitID* unit,
                               AIReal* value);
  ASErr (*AIActionSetUnitReal)(AIActionParamValueRef param,
                               ActionParamKeyID key, ActionParamUnitID unit,
                               AIReal value);
} AIActionManagerSuite;

/* Dialog modes of RecordActionEvent. */
enum { kDialogNone = 0, kDialogOn = 1, kDialogOff = 2 };

#endif
