/* What the plug-in module tells the program that drives it about its
 * filters and presets, so that the program keeps no list of its own: every
 * preset kind with the name of its file and the name its dialog or palette
 * shows, where each 3D Transform kind keeps its value rows, where the
 * Fractalize generators keep their names, the manual's topics and the
 * names the filters and the live effect are registered under. Texts stay in the module's
 * resources (vx_resources.h); this table names them by resource id. The
 * plug-in module exports VxModuleCatalog; the host keeps it with the
 * module. */
#ifndef VX_CATALOG_H
#define VX_CATALOG_H
#include "vx_base.h"

/* Who offers a preset kind's menu and manager. */
enum {
  kVxPresetOwnerTransform = 0, /* the 3D Transform dialog, one kind each */
  kVxPresetOwnerFractalize = 1,
  kVxPresetOwnerTool = 2,
  kVxPresetOwnerEffect = 3
};

typedef struct VxPresetKindInfo {
  const char* name;  /* <Name> of its file "VERSALiX4_PST_<Name>.txt": "3DWaveR" */
  /* The name its dialog or palette shows ("Border", "Warp", "Fractalize");
   * NULL for a 3D kind, whose name is entry `index` of the kind menu. */
  const char* title;
  int32_t owner; /* kVxPresetOwner... */
  int32_t index; /* the 3D kind, the tool's row, the effect; 0 for Fractalize */
} VxPresetKindInfo;

/* How a 3D kind takes a radius from the cross cursor's offset from the
 * centre of the selection's bounds (ox, oy). */
enum {
  kVxRadiusNone = 0,     /* the cursor only moves the centre */
  kVxRadiusDistance = 1, /* one radius: the offset's length */
  kVxRadiusBoth = 2,     /* two radii: |oy| (around) and |ox| (across) */
  kVxRadiusVertical = 3  /* one radius: the distance from the centre line, |oy| */
};

typedef struct VxTransformCatalog {
  int32_t dialog;     /* the dialog template */
  int32_t kindMenu;   /* MENU resource: the kinds' names, in kind order */
  int32_t rowStrings; /* kind k's strings: table rowStrings + rowStride x k */
  int32_t rowStride;
  int32_t rowCount; /* value rows per kind */
  /* Row r's label is string 1 + rowStep x r of the kind's table (a single
   * newline: no such row); +1 its unit, +2 its default, +3 and +4 the
   * edit's limits, +5 and +6 the slider's. */
  int32_t rowStep;
  const int32_t* radius; /* per kind: kVxRadius... */
  int32_t kindCount;
} VxTransformCatalog;

typedef struct VxGeneratorCatalog {
  int32_t names; /* string table: generator g (1 .. count) is entry first + g - 1 */
  int32_t first;
  int32_t count;
} VxGeneratorCatalog;

/* One help topic: its TEXT and PICT resources; 0 for none (the separators). */
typedef struct VxHelpTopic {
  int32_t text;
  int32_t picture;
} VxHelpTopic;

typedef struct VxManualCatalog {
  int32_t topicMenu;          /* MENU resource: topic n's title is entry n ("-": none) */
  const VxHelpTopic* topics;  /* topic n; the help window reads the same rows */
  int32_t topicCount;
} VxManualCatalog;

typedef struct VxCatalog {
  const VxPresetKindInfo* presetKinds; /* in installation order */
  uint32_t presetKindCount;
  VxTransformCatalog transform;
  VxGeneratorCatalog generators;
  VxManualCatalog manual;
  /* String table of the messages the error dialog shows: from entry 1 on,
   * pairs of (code text, message), ended by an empty entry. */
  int32_t errorStrings;
  /* Strings: the titles the filters are registered under ("3D Transform...",
   * "Fractalize...") and the name of the Fractalize live effect. */
  int32_t transformTitle;
  int32_t fractalizeTitle;
  int32_t fractalizeEffectName;
} VxCatalog;

typedef const VxCatalog* (*VxModuleCatalogProc)(void);
#define kVxModuleCatalogSymbol "VxModuleCatalog"

#endif
