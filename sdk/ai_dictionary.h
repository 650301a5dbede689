/* Dictionaries of typed entries (live effect parameters, instance info). */
#ifndef VX_AI_DICTIONARY_H
#define VX_AI_DICTIONARY_H
#include "vx_base.h"

#define kAIDictionarySuite "AI Dictionary Suite"
#define kAIDictionarySuiteVersion 5

/* Members are added by the document model; acquirable already. */
typedef struct AIDictionarySuite {
  ASErr (*reserved)(void);
} AIDictionarySuite;

#endif
