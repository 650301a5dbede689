/* Plug-in groups: the registration of effect art kinds and the art objects'
 * edit group, result group and data store. */
#ifndef VX_AI_PLUGIN_GROUP_H
#define VX_AI_PLUGIN_GROUP_H
#include "vx_base.h"

#define kAIPluginGroupSuite "AI Plugin Group Suite"
#define kAIPluginGroupSuiteVersion 2

typedef struct AIAddPluginGroupData {
  int32_t major, minor;
  const char* desc;
} AIAddPluginGroupData;

typedef struct AIPluginGroupSuite {
  ASErr (*AddAIPluginGroup)(SPPluginRef self, const char* name,
                            const AIAddPluginGroupData* data, int32_t options,
                            AIPluginGroupHandle* entry);
  ASErr (*GetAIPluginGroupName)(AIPluginGroupHandle entry, const char** name);
  ASErr (*GetAIPluginGroupDescription)(AIPluginGroupHandle entry,
                                       const char** desc);
  /* Art operations (filled by the document model). */
  ASErr (*UseAIPluginGroup)(AIArtHandle art, AIPluginGroupHandle entry);
  ASErr (*GetPluginArtPluginGroup)(AIArtHandle art, AIPluginGroupHandle* entry);
  ASErr (*GetPluginArtEditArt)(AIArtHandle art, AIArtHandle* editArt);
  ASErr (*GetPluginArtResultArt)(AIArtHandle art, AIArtHandle* resultArt);
  ASErr (*GetPluginArtDataCount)(AIArtHandle art, size_t* count);
  ASErr (*SetPluginArtDataCount)(AIArtHandle art, size_t count);
  ASErr (*GetPluginArtDataRange)(AIArtHandle art, void* data, size_t index,
                                 size_t count);
  ASErr (*SetPluginArtDataRange)(AIArtHandle art, const void* data,
                                 size_t index, size_t count);
  ASErr (*MarkPluginArtDirty)(AIArtHandle art);
} AIPluginGroupSuite;

#endif
