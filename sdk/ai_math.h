/* Real-number and Bezier mathematics and the random generator. */
#ifndef VX_AI_MATH_H
#define VX_AI_MATH_H
#include "vx_base.h"

#define kAIRealMathSuite "AI Real Math Suite"
#define kAIRealMathSuiteVersion 1
#define kAIRealBezierSuite "AI Real Bezier Suite"
#define kAIRealBezierSuiteVersion 1
#define kAIRandomSuite "AI Random Suite"
#define kAIRandomSuiteVersion 3

/* Members are added by the document model; acquirable already. */
typedef struct AIRealMathSuite {
  ASErr (*reserved)(void);
} AIRealMathSuite;

/* Members are added by the document model; acquirable already. */
typedef struct AIRealBezierSuite {
  ASErr (*reserved)(void);
} AIRealBezierSuite;

/* Members are added by the document model; acquirable already. */
typedef struct AIRandomSuite {
  ASErr (*reserved)(void);
} AIRandomSuite;

#endif
