/* The dialog manager: modal dialogs and floating palettes made from the
 * plug-in's templates, their items, lists and entries, notifications, the
 * drawer, icons and trackers. Later features append functions at the end of
 * a suite table; the order of existing members never changes. */
#ifndef VX_ADM_H
#define VX_ADM_H
#include "vx_base.h"

#define kADMBasicSuite "ADM Basic Suite"
#define kADMBasicSuiteVersion 3
#define kADMDialogSuite "ADM Dialog Suite"
#define kADMDialogSuiteVersion 3
#define kADMDialogGroupSuite "ADM Dialog Group Suite"
#define kADMDialogGroupSuiteVersion 1
#define kADMItemSuite "ADM Item Suite"
#define kADMItemSuiteVersion 4
#define kADMIconSuite "ADM Icon Suite"
#define kADMIconSuiteVersion 1
#define kADMDrawerSuite "ADM Drawer Suite"
#define kADMDrawerSuiteVersion 3
#define kADMEntrySuite "ADM Entry Suite"
#define kADMEntrySuiteVersion 2
#define kADMListSuite "ADM List Suite"
#define kADMListSuiteVersion 1
#define kADMTrackerSuite "ADM Tracker Suite"
#define kADMTrackerSuiteVersion 1
#define kADMNotifierSuite "ADM Notifier Suite"
#define kADMNotifierSuiteVersion 1

/* Notifier types. */
#define kADMUserChangedNotifier "ADM User Changed Notifier"
#define kADMIntermediateChangedNotifier "ADM Intermediate Changed Notifier"
#define kADMBoundsChangedNotifier "ADM Bounds Changed Notifier"
#define kADMShowWindowNotifier "ADM Show Window Notifier"
#define kADMHideWindowNotifier "ADM Hide Window Notifier"
#define kADMCloseHitNotifier "ADM Close Hit Notifier"
#define kADMWindowActivateNotifier "ADM Window Activate Notifier"

/* Dialog styles. */
enum {
  kADMModalDialogStyle = 0,
  kADMFloatingDialogStyle = 2,
  kADMTabbedFloatingDialogStyle = 3,
  kADMResizingFloatingDialogStyle = 4,
  kADMResizingModalDialogStyle = 10
};

/* Item ids every dialog knows. */
enum { kADMDefaultItemID = 1, kADMCancelItemID = 2, kADMUniqueItemID = 0 };
/* The palette's own menu (the flyout of a floating palette): a popup-menu
 * item with a list, reached through GetItem with this id. */
enum { kADMMenuItemID = -2 };

/* Icon types; kUnknownIcon (6) means no usable icon. */
enum { kADMIconBitmap = 0, kADMUnknownIconType = 6 };

/* Tracker actions and modifier bits. */
enum {
  kADMMouseDownAction = 1,
  kADMMouseMovedDownAction = 2,
  kADMMouseUpAction = 3,
  kADMMouseMovedUpAction = 4
};
enum {
  kADMShiftKeyModifier = 0x0200,
  kADMMenuKeyModifier = 0x0100, /* Ctrl */
  kADMModKeyModifier = 0x0800,  /* Alt */
  kADMDoubleClickModifier = 0x1000 /* the second click of a double click */
};

/* The document window's tracker: during an "AI Tool" message,
 * ADMTrackerSuite.GetModifiers(NULL) answers the keys held at that event in
 * the dialog toolkit's own word, where Space is 0x0200 and Shift is not
 * reported; Ctrl (0x0100) and Alt (0x0800) are as above. It is a source of
 * its own: in the tool event's modifier word (AIEvent.modifiers) 0x0200 is
 * Shift. Outside a tool message it answers 0. */
enum { kADMSpaceKeyModifier = 0x0200 };

/* Bit of ADMBasicSuite.GetKeyState's answer for a key that is held. */
enum { kADMKeyDownState = 0x80 };

/* Drawing modes of the drawer. */
enum { kADMNormalMode = 0, kADMXORMode = 1 };

/* 0x00BBGGRR: red is 0x0000FF, the platform's byte order. */
typedef uint32_t ADMRGBColor;

typedef ASErr (*ADMDialogInitProc)(ADMDialogRef dialog);
typedef void (*ADMDialogDestroyProc)(ADMDialogRef dialog);
typedef void (*ADMDialogNotifyProc)(ADMDialogRef dialog,
                                    ADMNotifierRef notifier);
typedef void (*ADMItemNotifyProc)(ADMItemRef item, ADMNotifierRef notifier);
typedef void (*ADMItemDrawProc)(ADMItemRef item, ADMDrawerRef drawer);
typedef ASBoolean (*ADMItemTrackProc)(ADMItemRef item, ADMTrackerRef tracker);
typedef void (*ADMDialogDrawProc)(ADMDialogRef dialog, ADMDrawerRef drawer);

typedef struct ADMBasicSuite {
  /* Reads string id (stringID + index) of the plug-in's string tables; an
   * absent string gives the empty text. */
  ASErr (*GetIndexString)(SPPluginRef plugin, int32_t stringID, int32_t index,
                          char* buffer, int32_t maxLength);
  void (*Beep)(void);
  void (*ErrorAlert)(const char* text);
  void (*MessageAlert)(const char* text);
  /* Answers 1 for Yes / OK, 0 for No / Cancel. */
  int32_t (*YesNoAlert)(const char* text);
  ASErr (*GetScreenDimensions)(ASRect* dimensions);
  /* Asks the user for a folder; answers 0 and the path, or "STOP". */
  ASErr (*ChooseFolder)(const char* message, char* path, int32_t maxLength);
  /* The state of one modifier key (a kADM...KeyModifier bit) during the
   * current user action: kADMKeyDownState is set while the key is held. */
  int32_t (*GetKeyState)(uint32_t key);
  /* The host's colour picker, opened on current (which may be null): answers
   * 0 and the colour the user chose, or "STOP" when cancelled. */
  ASErr (*ChooseColor)(const char* message, const AIColor* current,
                       AIColor* chosen);
} ADMBasicSuite;

typedef struct ADMDialogSuite {
  /* Runs a modal dialog from template dialogID; answers the id of the item
   * that ended it. */
  int32_t (*Modal)(SPPluginRef plugin, const char* name, int32_t dialogID,
                   int32_t style, ADMDialogInitProc initProc, void* userData,
                   int32_t options);
  /* Creates a floating palette from template dialogID, hidden. */
  ADMDialogRef (*Create)(SPPluginRef plugin, const char* name,
                         int32_t dialogID, int32_t style,
                         ADMDialogInitProc initProc, void* userData,
                         int32_t options);
  void (*Destroy)(ADMDialogRef dialog);
  void (*EndModal)(ADMDialogRef dialog, int32_t modalResultID,
                   ASBoolean cancelling);
  ADMItemRef (*GetItem)(ADMDialogRef dialog, int32_t itemID);
  void* (*GetUserData)(ADMDialogRef dialog);
  void (*SetUserData)(ADMDialogRef dialog, void* userData);
  SPPluginRef (*GetPluginRef)(ADMDialogRef dialog);
  const char* (*GetDialogName)(ADMDialogRef dialog);
  int32_t (*GetID)(ADMDialogRef dialog);
  void (*Show)(ADMDialogRef dialog, ASBoolean show);
  ASBoolean (*IsVisible)(ADMDialogRef dialog);
  void (*Activate)(ADMDialogRef dialog, ASBoolean activate);
  ASBoolean (*IsActive)(ADMDialogRef dialog);
  ASBoolean (*IsCollapsed)(ADMDialogRef dialog);
  void (*SetText)(ADMDialogRef dialog, const char* text);
  void (*GetText)(ADMDialogRef dialog, char* text, int32_t maxLength);
  void (*Move)(ADMDialogRef dialog, int32_t h, int32_t v);
  void (*Size)(ADMDialogRef dialog, int32_t width, int32_t height);
  void (*GetBoundsRect)(ADMDialogRef dialog, ASRect* bounds);
  void (*SetBoundsRect)(ADMDialogRef dialog, const ASRect* bounds);
  void (*GetLocalRect)(ADMDialogRef dialog, ASRect* bounds);
  void (*SetNotifyProc)(ADMDialogRef dialog, ADMDialogNotifyProc proc);
  void (*SetDestroyProc)(ADMDialogRef dialog, ADMDialogDestroyProc proc);
  void (*SetDrawProc)(ADMDialogRef dialog, ADMDialogDrawProc proc);
  void (*SetDefaultItemID)(ADMDialogRef dialog, int32_t itemID);
  void (*SetCancelItemID)(ADMDialogRef dialog, int32_t itemID);
  void (*Invalidate)(ADMDialogRef dialog);
  void (*Update)(ADMDialogRef dialog);
} ADMDialogSuite;

typedef struct ADMDialogGroupSuite {
  ASErr (*GetDialogGroupInfo)(ADMDialogRef dialog, const char** groupName,
                              int32_t* positionCode);
  ASErr (*SetDialogGroupInfo)(ADMDialogRef dialog, const char* groupName,
                              int32_t positionCode);
} ADMDialogGroupSuite;

typedef struct ADMItemSuite {
  ADMDialogRef (*GetDialog)(ADMItemRef item);
  int32_t (*GetID)(ADMItemRef item);
  ADMListRef (*GetList)(ADMItemRef item);
  void (*SetText)(ADMItemRef item, const char* text);
  void (*GetText)(ADMItemRef item, char* text, int32_t maxLength);
  int32_t (*GetTextLength)(ADMItemRef item);
  void (*SetMaxTextLength)(ADMItemRef item, int32_t length);
  void (*SetIntValue)(ADMItemRef item, int32_t value);
  int32_t (*GetIntValue)(ADMItemRef item);
  void (*SetFloatValue)(ADMItemRef item, AIReal value);
  AIReal (*GetFloatValue)(ADMItemRef item);
  void (*SetBooleanValue)(ADMItemRef item, ASBoolean value);
  ASBoolean (*GetBooleanValue)(ADMItemRef item);
  void (*SetMinFloatValue)(ADMItemRef item, AIReal value);
  void (*SetMaxFloatValue)(ADMItemRef item, AIReal value);
  void (*SetMinIntValue)(ADMItemRef item, int32_t value);
  void (*SetMaxIntValue)(ADMItemRef item, int32_t value);
  void (*SetPrecision)(ADMItemRef item, int32_t digits);
  void (*Enable)(ADMItemRef item, ASBoolean enable);
  ASBoolean (*IsEnabled)(ADMItemRef item);
  void (*Show)(ADMItemRef item, ASBoolean show);
  ASBoolean (*IsVisible)(ADMItemRef item);
  void (*SetItemStyle)(ADMItemRef item, int32_t style);
  int32_t (*GetItemStyle)(ADMItemRef item);
  void (*SetNotifyProc)(ADMItemRef item, ADMItemNotifyProc proc);
  /* What the dialog manager would do for the item (ends a modal dialog for
   * its OK and Cancel buttons). */
  void (*DefaultNotify)(ADMItemRef item, ADMNotifierRef notifier);
  void (*SetDrawProc)(ADMItemRef item, ADMItemDrawProc proc);
  void (*DefaultDraw)(ADMItemRef item, ADMDrawerRef drawer);
  void (*SetTrackProc)(ADMItemRef item, ADMItemTrackProc proc);
  void (*SetUserData)(ADMItemRef item, void* userData);
  void* (*GetUserData)(ADMItemRef item);
  void (*SetPictureID)(ADMItemRef item, int32_t pictureID,
                       const char* pictureName);
  int32_t (*GetPictureID)(ADMItemRef item);
  void (*GetBoundsRect)(ADMItemRef item, ASRect* bounds);
  void (*SetBoundsRect)(ADMItemRef item, const ASRect* bounds);
  void (*Move)(ADMItemRef item, int32_t h, int32_t v);
  void (*Size)(ADMItemRef item, int32_t width, int32_t height);
  void (*Invalidate)(ADMItemRef item);
  void (*Update)(ADMItemRef item);
  /* What the dialog manager does with a mouse event in the item (a slider
   * follows the pointer); answers 1 when a notification should follow. */
  ASBoolean (*DefaultTrack)(ADMItemRef item, ADMTrackerRef tracker);
  /* The decimals a number item shows. */
  int32_t (*GetPrecision)(ADMItemRef item);
} ADMItemSuite;

typedef struct ADMListSuite {
  /* Fills the list from the plug-in's menu resource menuID. */
  void (*SetMenuID)(ADMListRef list, int32_t menuID);
  ADMEntryRef (*InsertEntry)(ADMListRef list, int32_t index);
  void (*RemoveEntry)(ADMListRef list, int32_t index);
  ADMEntryRef (*GetEntry)(ADMListRef list, int32_t entryID);
  ADMEntryRef (*IndexEntry)(ADMListRef list, int32_t index);
  int32_t (*NumberOfEntries)(ADMListRef list);
  ADMEntryRef (*GetActiveEntry)(ADMListRef list);
  ADMItemRef (*GetItem)(ADMListRef list);
  /* The entry in the row of a list box at a point (item coordinates), or
   * null where there is none. */
  ADMEntryRef (*PickEntry)(ADMListRef list, const ASPoint* point);
} ADMListSuite;

typedef struct ADMEntrySuite {
  void (*SetText)(ADMEntryRef entry, const char* text);
  void (*GetText)(ADMEntryRef entry, char* text, int32_t maxLength);
  void (*SetID)(ADMEntryRef entry, int32_t entryID);
  int32_t (*GetID)(ADMEntryRef entry);
  int32_t (*GetIndex)(ADMEntryRef entry);
  void (*Select)(ADMEntryRef entry, ASBoolean select);
  ASBoolean (*IsSelected)(ADMEntryRef entry);
  void (*Activate)(ADMEntryRef entry, ASBoolean activate);
  ASBoolean (*IsActive)(ADMEntryRef entry);
  void (*Enable)(ADMEntryRef entry, ASBoolean enable);
  ASBoolean (*IsEnabled)(ADMEntryRef entry);
  void (*Check)(ADMEntryRef entry, ASBoolean check);
  ASBoolean (*IsChecked)(ADMEntryRef entry);
  void (*MakeSeparator)(ADMEntryRef entry, ASBoolean separator);
  void (*SetPictureID)(ADMEntryRef entry, int32_t pictureID);
  ADMListRef (*GetList)(ADMEntryRef entry);
} ADMEntrySuite;

typedef struct ADMNotifierSuite {
  ADMItemRef (*GetItem)(ADMNotifierRef notifier);
  ADMDialogRef (*GetDialog)(ADMNotifierRef notifier);
  ASBoolean (*IsNotifierType)(ADMNotifierRef notifier, const char* type);
  void (*GetNotifierType)(ADMNotifierRef notifier, char* type,
                          int32_t maxLength);
} ADMNotifierSuite;

typedef struct ADMTrackerSuite {
  void (*GetPoint)(ADMTrackerRef tracker, ASPoint* point);
  int32_t (*GetAction)(ADMTrackerRef tracker);
  uint32_t (*GetModifiers)(ADMTrackerRef tracker);
  void (*Abort)(ADMTrackerRef tracker);
} ADMTrackerSuite;

/* The drawer paints into the item's raster; coordinates are pixels relative
 * to the item, y down. */
typedef struct ADMDrawerSuite {
  void (*GetBoundsRect)(ADMDrawerRef drawer, ASRect* bounds);
  void (*SetRGBColor)(ADMDrawerRef drawer, ADMRGBColor color);
  void (*SetDrawMode)(ADMDrawerRef drawer, int32_t mode);
  void (*DrawLine)(ADMDrawerRef drawer, const ASPoint* start,
                   const ASPoint* end);
  void (*DrawRect)(ADMDrawerRef drawer, const ASRect* rect);
  void (*FillRect)(ADMDrawerRef drawer, const ASRect* rect);
  void (*ClearRect)(ADMDrawerRef drawer, const ASRect* rect);
  void (*DrawOval)(ADMDrawerRef drawer, const ASRect* rect);
  void (*FillOval)(ADMDrawerRef drawer, const ASRect* rect);
  void (*DrawText)(ADMDrawerRef drawer, const char* text,
                   const ASPoint* point);
  void (*DrawTextInABox)(ADMDrawerRef drawer, const ASRect* rect,
                         const char* text);
  void (*DrawPicture)(ADMDrawerRef drawer, int32_t pictureID,
                      const ASPoint* topLeft);
} ADMDrawerSuite;

typedef struct ADMIconSuite {
  ADMIconRef (*GetFromResource)(SPPluginRef plugin, int32_t iconID,
                                int32_t iconIndex);
  int32_t (*GetType)(ADMIconRef icon);
  void (*Destroy)(ADMIconRef icon);
} ADMIconSuite;

#endif
