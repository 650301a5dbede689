/* Filters and host live effects. */
#ifndef VX_AI_FILTER_H
#define VX_AI_FILTER_H
#include "vx_base.h"

#define kAIFilterSuite "AI Filter Suite"
#define kAIFilterSuiteVersion 2
#define kAILiveEffectSuite "AI Live Effect Suite"
#define kAILiveEffectSuiteVersion 2

/* Category and title are length-prefixed strings (first byte = length). */
typedef struct PlatformAddFilterData {
  const unsigned char* category;
  const unsigned char* title;
} PlatformAddFilterData;

typedef struct AIFilterSuite {
  ASErr (*AddFilter)(SPPluginRef self, const char* name,
                     const PlatformAddFilterData* data, int32_t options,
                     AIFilterHandle* filter);
  ASErr (*GetFilterMenuItem)(AIFilterHandle filter, AIMenuItemHandle* menuItem);
  ASErr (*GetFilterName)(AIFilterHandle filter, const char** name);
} AIFilterSuite;

/* Preferred input art bits and filter flags of a live effect. */
enum {
  kGroupInputArt = 1,
  kPathInputArt = 2,
  kCompoundPathInputArt = 4,
  kPreEffectFilter = 1
};

typedef struct AILiveEffectData {
  SPPluginRef self;
  const char* name;
  const char* title;
  int32_t majorVersion, minorVersion;
  int32_t prefersAsInput;
  int32_t styleFilterFlags;
} AILiveEffectData;

typedef struct AddLiveEffectMenuData {
  const char* category;
  const char* title;
  int32_t options;
} AddLiveEffectMenuData;

typedef struct AILiveEffectSuite {
  ASErr (*AddLiveEffect)(const AILiveEffectData* data,
                         AILiveEffectHandle* effect);
  ASErr (*AddLiveEffectMenuItem)(AILiveEffectHandle effect,
                                 const char* menuName,
                                 const AddLiveEffectMenuData* data,
                                 AIMenuItemHandle* menuItem,
                                 AIMenuGroup* menuGroup);
  ASErr (*GetLiveEffectName)(AILiveEffectHandle effect, const char** name);
  ASErr (*GetLiveEffectTitle)(AILiveEffectHandle effect, const char** title);
  /* Asks the host to run Go Live again for every art using the effect with
   * these parameters (after the dialog changed them). */
  ASErr (*UpdateParameters)(AIDictionaryRef parameters);
} AILiveEffectSuite;

#endif
