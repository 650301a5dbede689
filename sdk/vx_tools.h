/* The tools as the plug-in module describes them to the program that
 * drives it: in slot order, each tool's title (the name it is registered
 * and picked under), its options palette and that palette's bound fields
 * (VxEffectField of vx_effects.h: the name `tool --set` takes, the item,
 * the unit shown and the rule that enables or shows it) and its preset
 * file. Ranges, precision and menus are the palette template's.
 * The plug-in module exports VxModuleTools; the host keeps the table with
 * the module. */
#ifndef VX_TOOLS_H
#define VX_TOOLS_H
#include "vx_effects.h"

typedef struct VxToolInfo {
  const char* name;            /* "Warp" */
  int32_t slot;                /* the tool's slot (0 Warp ... 13 AlignPoints) */
  int32_t paletteTemplate;     /* its options palette; 0 none */
  const char* presetFile;      /* "VERSALiX4_PST_WarpTool.txt", or NULL */
  const VxEffectField* fields; /* NULL without a palette */
  int32_t fieldCount;
} VxToolInfo;

typedef struct VxToolTable {
  const VxToolInfo* tools; /* in slot order */
  uint32_t count;
} VxToolTable;

typedef const VxToolTable* (*VxModuleToolsProc)(void);
#define kVxModuleToolsSymbol "VxModuleTools"

#endif
