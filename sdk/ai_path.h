/* Paths, path styles, paint styles and the colour resources. */
#ifndef VX_AI_PATH_H
#define VX_AI_PATH_H
#include "vx_base.h"

#define kAIPathSuite "AI Path Suite"
#define kAIPathSuiteVersion 4
#define kAIPathStyleSuite "AI Path Style Suite"
#define kAIPathStyleSuiteVersion 4
#define kAIPaintStyleSuite "AI Paint Style Suite"
#define kAIPaintStyleSuiteVersion 5
#define kAICustomColorSuite "AI Custom Color Suite"
#define kAICustomColorSuiteVersion 5
#define kAIGradientSuite "AI Gradient Suite"
#define kAIGradientSuiteVersion 4
#define kAIPatternSuite "AI Pattern Suite"
#define kAIPatternSuiteVersion 7

/* Members are added by the document model; acquirable already. */
typedef struct AIPathSuite {
  ASErr (*reserved)(void);
} AIPathSuite;

/* Members are added by the document model; acquirable already. */
typedef struct AIPathStyleSuite {
  ASErr (*reserved)(void);
} AIPathStyleSuite;

/* Members are added by the document model; acquirable already. */
typedef struct AIPaintStyleSuite {
  ASErr (*reserved)(void);
} AIPaintStyleSuite;

/* Members are added by the document model; acquirable already. */
typedef struct AICustomColorSuite {
  ASErr (*reserved)(void);
} AICustomColorSuite;

/* Members are added by the document model; acquirable already. */
typedef struct AIGradientSuite {
  ASErr (*reserved)(void);
} AIGradientSuite;

/* Members are added by the document model; acquirable already. */
typedef struct AIPatternSuite {
  ASErr (*reserved)(void);
} AIPatternSuite;

#endif
