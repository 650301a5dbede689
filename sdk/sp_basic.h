/* The basic suite that comes with every message: suites by name and version,
 * and the string comparison the plug-in uses for callers and selectors. */
#ifndef VX_SP_BASIC_H
#define VX_SP_BASIC_H
#include "vx_base.h"

#define kSPBasicSuite "SP Basic Suite"
#define kSPBasicSuiteVersion 4

typedef struct SPBasicSuite {
  /* Fills *suite and answers 0, or 'S!Fd' when the host lacks the suite. */
  ASErr (*AcquireSuite)(const char* name, int32_t version, const void** suite);
  ASErr (*ReleaseSuite)(const char* name, int32_t version);
  /* Non-zero when the two NUL-terminated strings are equal. */
  ASBoolean (*IsEqual)(const char* token1, const char* token2);
} SPBasicSuite;

#endif
