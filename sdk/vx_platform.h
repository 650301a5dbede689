/* The platform's cursor calls, as a suite: a cursor is loaded from a
 * module's cursor resources (the module comes from the access suite:
 * SPPluginsSuite.GetPluginAccess, then SPAccessSuite.GetAccessInfo) and made
 * the current cursor. Cursors loaded from resources belong to the module
 * and are never destroyed. */
#ifndef VX_PLATFORM_H
#define VX_PLATFORM_H
#include "vx_base.h"

#define kVxPlatformCursorSuite "VX Platform Cursor Suite"
#define kVxPlatformCursorSuiteVersion 1

VX_OPAQUE(VxCursorRef);

typedef struct VxPlatformCursorSuite {
  /* Cursor resource cursorID of the module (kVxCursorResource); null when
   * the module has no such cursor or it has no usable image. */
  VxCursorRef (*LoadCursor)(SPPlatformAccessRef module, int32_t cursorID);
  /* Makes cursor current and answers the previous one; null leaves the
   * current cursor and answers it. */
  VxCursorRef (*SetCursor)(VxCursorRef cursor);
} VxPlatformCursorSuite;

#endif
