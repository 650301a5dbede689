/* The live effects as the plug-in module describes them to the program that
 * drives it: in effect order, each effect's name, its plug-in group and
 * palette, its Apply, Release and Expand buttons, and its palette's bound
 * fields (the name the command line takes, the item, the unit shown and the
 * rule that enables it). Ranges, precision and menus are the palette
 * template's. The plug-in module exports VxModuleEffects; the host keeps
 * the table with the module. */
#ifndef VX_EFFECTS_H
#define VX_EFFECTS_H
#include "vx_base.h"

/* Units as the palette shows a field. */
enum {
  kVxUnitPercent = 0, /* number, percent */
  kVxUnitDegrees = 1, /* number, degrees */
  kVxUnitPoints = 2,  /* number, points */
  kVxUnitInteger = 3, /* whole number */
  kVxUnitFlag = 4,    /* check box */
  kVxUnitChoice = 5,  /* entry of a popup list */
  kVxUnitRadio = 6,   /* one of radio buttons */
  kVxUnitColour = 7,  /* a swatch that opens the colour picker: "#rrggbb", "cmyk(...)", "gray(...)" */
  kVxUnitGrid = 8,    /* a three-by-three picker: cell 0 (top left) to 8, row by row */
  kVxUnitNumber = 9   /* number without a unit */
};

/* How a field's enabling field is tested. */
enum { kVxEnabledWhenOn = 0, kVxEnabledWhenEquals = 1, kVxEnabledWhenNotEquals = 2 };

/* Whether a field whose rule is test is enabled while its enabling field
 * holds value (the plug-in's palettes and the programs that drive it agree
 * through this one test). */
static inline int VxFieldEnabled(int32_t test, int32_t value, int32_t enabledValue) {
  return test == kVxEnabledWhenOn       ? value != 0
         : test == kVxEnabledWhenEquals ? value == enabledValue
                                        : value != enabledValue;
}

typedef struct VxEffectField {
  const char* name;      /* as the command line takes it: "shadow-offset" */
  int32_t item;          /* the item showing it (radio: the first button) */
  int32_t unit;          /* kVxUnit... */
  const int32_t* radios; /* radio: the button of each value, value 0 first */
  int32_t radioCount;
  const char* enabledBy; /* the field whose value enables it, or NULL */
  int32_t enabledTest;   /* kVxEnabledWhen... */
  int32_t enabledValue;  /* for Equals and NotEquals */
  int32_t shownByRule;   /* 1: the rule shows the item (else enables it) */
} VxEffectField;

typedef struct VxEffectInfo {
  const char* name;        /* "Border" */
  const char* groupPrefix; /* its plug-in group's name begins so */
  const char* paletteName; /* the palette's dialog name */
  int32_t paletteTemplate;
  int32_t applyItem, releaseItem, expandItem;
  const VxEffectField* fields; /* NULL while its palette has no bound fields */
  int32_t fieldCount;
  /* The field whose automatic modes take the steps from the source's stroke
   * width: art without a stroke draws nothing unless it holds manualSteps.
   * NULL: the effect needs no stroke. */
  const char* strokeStepsField;
  int32_t manualSteps;
} VxEffectInfo;

typedef struct VxEffectTable {
  const VxEffectInfo* effects; /* in effect order */
  uint32_t count;
} VxEffectTable;

typedef const VxEffectTable* (*VxModuleEffectsProc)(void);
#define kVxModuleEffectsSymbol "VxModuleEffects"

#endif
