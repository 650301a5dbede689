/* The plug-in's resources, as the platform would find them in its module:
 * string tables, menus, dialog templates, icons, pictures, cursors, help
 * texts and art clips, each named by a type and an id. The plug-in module
 * exports VxModuleResources; the host reads it through the access suite. */
#ifndef VX_RESOURCES_H
#define VX_RESOURCES_H
#include "vx_base.h"

/* Resource types. */
#define kVxStringResource ((uint32_t)VX_FOURCC('S', 'T', 'R', ' '))
#define kVxMenuResource ((uint32_t)VX_FOURCC('M', 'E', 'N', 'U'))
#define kVxDialogResource ((uint32_t)VX_FOURCC('D', 'L', 'O', 'G'))
#define kVxIconResource ((uint32_t)VX_FOURCC('I', 'C', 'O', 'N'))
#define kVxPictureResource ((uint32_t)VX_FOURCC('P', 'I', 'C', 'T'))
#define kVxCursorResource ((uint32_t)VX_FOURCC('C', 'U', 'R', 'S'))
#define kVxTextResource ((uint32_t)VX_FOURCC('T', 'E', 'X', 'T'))
#define kVxArtClipResource ((uint32_t)VX_FOURCC('G', 'A', 'R', 'T'))
#define kVxPiplResource ((uint32_t)VX_FOURCC('P', 'i', 'P', 'L'))

/* Data of each type:
 * - STR : the string's UTF-8 text. String tables are runs of ids: string
 *         (table + index) is entry index of table.
 * - MENU: the entries' texts, one per line ('\n' separated); "-" is a
 *         separator line.
 * - DLOG: a dialog template as text lines:
 *           DIALOG <width> <height> "<title>"
 *           ITEM <id> <kind> <left> <top> <right> <bottom> "<text>" [key=value ...]
 *         kinds: button, default-button, cancel-button, static-text,
 *         multiline-text, edit-text, edit-int, edit-real, spin-edit,
 *         spin-edit-popup, popup-list, popup-menu, checkbox, radio,
 *         picture, picture-button, picture-check, picture-radio, user,
 *         slider, list-box, frame, separator, text-popup.
 *         Options: picture=<id>, menu=<id>, min=<n>, max=<n>, value=<n>,
 *         precision=<n>, units=<text>, hidden=1, disabled=1, group=<n>.
 * - ICON, PICT, CURS: a small raster as text: "<width> <height>" then rows
 *         of characters ('.' transparent, any other character opaque);
 *         an empty resource has no usable image.
 * - TEXT: plain text (help topics). GART: an art clip in the host's art file
 *         format (an SVG document), read through the art clip suite.
 * - PiPL: the property list as text lines "key value". */
typedef struct VxResource {
  uint32_t type;
  int32_t id;
  const void* data; /* the resource's bytes (text resources end with NUL) */
  uint32_t size;    /* bytes, without the NUL of text resources */
} VxResource;

typedef struct VxResourceDirectory {
  const VxResource* resources; /* sorted by (type, id) */
  uint32_t count;
} VxResourceDirectory;

typedef const VxResourceDirectory* (*VxModuleResourcesProc)(void);
#define kVxModuleResourcesSymbol "VxModuleResources"

#endif
