/* Runtime information, folders, preferences and user interaction. */
#ifndef VX_AI_RUNTIME_H
#define VX_AI_RUNTIME_H
#include "vx_base.h"

#define kAIRuntimeSuite "AI Runtime Suite"
#define kAIRuntimeSuiteVersion 6
#define kAIFoldersSuite "AI Folders Suite"
#define kAIFoldersSuiteVersion 1
#define kAIPreferenceSuite "AI Preference Suite"
#define kAIPreferenceSuiteVersion 2
#define kAIUserSuite "AI User Suite"
#define kAIUserSuiteVersion 5
#define kAIMacUserSuite "AI Mac User Suite"
#define kAIMacUserSuiteVersion 3
#define kAIURLSuite "AI URL Suite"
#define kAIURLSuiteVersion 1

typedef struct AIRuntimeSuite {
  /* The host's version text, for example "15" (at most 63 characters). */
  ASErr (*GetAppVersion)(char* version, int32_t maxLength);
  ASErr (*GetAppName)(char* name, int32_t maxLength);
} AIRuntimeSuite;

/* Folder types of FindFolder. */
enum { kAIUserSupportFolderType = 16 };

typedef struct AIFoldersSuite {
  /* The folder's path, NUL-terminated, without creating it when create is 0. */
  ASErr (*FindFolder)(int32_t type, ASBoolean create, char* path,
                      int32_t maxLength);
} AIFoldersSuite;

/* Preferences are typed values under a prefix and a suffix. A missing value
 * leaves *value unchanged and answers 0. */
typedef struct AIPreferenceSuite {
  ASErr (*GetIntegerPreference)(const char* prefix, const char* suffix,
                                int32_t* value);
  ASErr (*PutIntegerPreference)(const char* prefix, const char* suffix,
                                int32_t value);
  ASErr (*GetBooleanPreference)(const char* prefix, const char* suffix,
                                ASBoolean* value);
  ASErr (*PutBooleanPreference)(const char* prefix, const char* suffix,
                                ASBoolean value);
  ASErr (*GetRealPreference)(const char* prefix, const char* suffix,
                             AIReal* value);
  ASErr (*PutRealPreference)(const char* prefix, const char* suffix,
                             AIReal value);
  ASErr (*GetStringPreference)(const char* prefix, const char* suffix,
                               char* value, int32_t maxLength);
  ASErr (*PutStringPreference)(const char* prefix, const char* suffix,
                               const char* value);
  ASErr (*GetPointPreference)(const char* prefix, const char* suffix,
                              ASPoint* value);
  ASErr (*PutPointPreference)(const char* prefix, const char* suffix,
                              ASPoint value);
} AIPreferenceSuite;

typedef struct AIUserSuite {
  ASErr (*SysBeep)(void);
  /* Progress: text, then position out of total; Cancelled answers non-zero
   * once the user asked to stop. */
  ASErr (*SetProgressText)(const char* text);
  ASErr (*UpdateProgress)(int32_t current, int32_t total);
  ASBoolean (*Cancelled)(void);
  ASErr (*CloseProgress)(void);
  /* Converts text to a number as the host's number fields do. */
  ASErr (*StringToNumber)(const char* text, AIReal* value);
  ASErr (*NumberToString)(AIReal value, int32_t precision, char* text,
                          int32_t maxLength);
  /* Milliseconds since an arbitrary start (the platform tick count). */
  uint32_t (*GetTickCount)(void);
} AIUserSuite;

typedef struct AIMacUserSuite {
  ASErr (*reserved)(void);
} AIMacUserSuite;

typedef struct AIURLSuite {
  ASBoolean (*IsBrowserAvailable)(void);
  ASErr (*OpenURL)(const char* url);
} AIURLSuite;

#endif
