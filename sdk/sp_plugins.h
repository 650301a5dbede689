/* Plug-ins, access, files and interface suites: the plug-in's own identity,
 * its module and its resources. */
#ifndef VX_SP_PLUGINS_H
#define VX_SP_PLUGINS_H
#include "vx_base.h"

#define kSPPluginsSuite "SP Plug-ins Suite"
#define kSPPluginsSuiteVersion 4
#define kSPAccessSuite "SP Access Suite"
#define kSPAccessSuiteVersion 3
#define kSPFilesSuite "SP Files Suite"
#define kSPFilesSuiteVersion 3
#define kSPInterfaceSuite "SP Interface Suite"
#define kSPInterfaceSuiteVersion 2

/* A file specification is a NUL-terminated path in the host's file system. */
typedef struct SPPlatformFileSpec {
  char path[1024];
} SPPlatformFileSpec;

typedef struct SPPluginsSuite {
  /* The file the plug-in was loaded from. */
  ASErr (*GetPluginFileSpecification)(SPPluginRef plugin,
                                      SPPlatformFileSpec* file);
  /* The plug-in's name as the host knows it (at most 255 characters). */
  ASErr (*GetPluginName)(SPPluginRef plugin, char* name, int32_t maxLength);
  ASErr (*GetPluginAccess)(SPPluginRef plugin, SPAccessRef* access);
} SPPluginsSuite;

/* A resource of the plug-in's module: its type, id and bytes. */
typedef struct SPResource {
  const void* data;
  size_t size;
} SPResource;

typedef struct SPAccessSuite {
  /* Takes a hold of the plug-in (palettes keep one while they are open). */
  ASErr (*AcquirePlugin)(SPPluginRef plugin, SPAccessRef* access);
  ASErr (*ReleasePlugin)(SPAccessRef access);
  ASErr (*GetAccessInfo)(SPAccessRef access, SPPlatformAccessRef* module);
  /* Finds resource (type, id) of the module; 'S!Fd'-like kBadResourceErr when
   * it does not exist. The bytes belong to the module. */
  ASErr (*FindResource)(SPPlatformAccessRef module, uint32_t type, int32_t id,
                        SPResource* resource);
} SPAccessSuite;

typedef struct SPFilesSuite {
  ASErr (*reserved)(void);
} SPFilesSuite;

typedef struct SPInterfaceSuite {
  ASErr (*reserved)(void);
} SPInterfaceSuite;

#endif
