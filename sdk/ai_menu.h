/* Menus: items, groups and submenus, automatic enabling and check marks. */
#ifndef VX_AI_MENU_H
#define VX_AI_MENU_H
#include "vx_base.h"

#define kAIMenuSuite "AI Menu Suite"
#define kAIMenuSuiteVersion 6

/* Options of AddMenuItem. */
enum { kMenuItemWantsUpdateOption = 1 };

/* Automatic update: action and criteria of UpdateMenuItemAutomatically. */
enum { kAutoEnableMenuItemAction = 1 };
enum { kIfPathArt = 2 };

/* Menu texts are passed as length-prefixed strings (first byte = length). */
typedef struct AIPlatformAddMenuItemData {
  const char* groupName;
  const unsigned char* itemText;
} AIPlatformAddMenuItemData;

typedef struct AIMenuSuite {
  ASErr (*AddMenuItem)(SPPluginRef self, const char* inKeyName,
                       const AIPlatformAddMenuItemData* data, int32_t options,
                       AIMenuItemHandle* menuItem);
  /* Makes the menu item the owner of a new submenu group named groupName. */
  ASErr (*AddMenuGroupAsSubMenu)(const char* groupName, int32_t options,
                                 AIMenuItemHandle menuItem,
                                 AIMenuGroup* group);
  ASErr (*UpdateMenuItemAutomatically)(AIMenuItemHandle menuItem,
                                       int32_t action,
                                       int32_t positiveArtTypes,
                                       int32_t negativeArtTypes,
                                       int32_t positiveSelectionCriteria,
                                       int32_t negativeSelectionCriteria,
                                       int32_t positiveDocumentCriteria,
                                       int32_t negativeDocumentCriteria);
  ASErr (*CheckItem)(AIMenuItemHandle menuItem, ASBoolean checked);
  ASErr (*IsItemChecked)(AIMenuItemHandle menuItem, ASBoolean* checked);
  ASErr (*EnableItem)(AIMenuItemHandle menuItem);
  ASErr (*DisableItem)(AIMenuItemHandle menuItem);
} AIMenuSuite;

#endif
