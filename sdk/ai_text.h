/* Text art, text on a path and text runs. */
#ifndef VX_AI_TEXT_H
#define VX_AI_TEXT_H
#include "vx_base.h"

#define kAITextSuite "AI Text Suite"
#define kAITextSuiteVersion 3
#define kAITextPathSuite "AI Text Path Suite"
#define kAITextPathSuiteVersion 4
#define kAITextRunSuite "AI Text Run Suite"
#define kAITextRunSuiteVersion 6

/* Members are added by the document model; acquirable already. */
typedef struct AITextSuite {
  ASErr (*reserved)(void);
} AITextSuite;

/* Members are added by the document model; acquirable already. */
typedef struct AITextPathSuite {
  ASErr (*reserved)(void);
} AITextPathSuite;

/* Members are added by the document model; acquirable already. */
typedef struct AITextRunSuite {
  ASErr (*reserved)(void);
} AITextRunSuite;

#endif
