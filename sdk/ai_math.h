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

typedef struct AIRealMathSuite {
  AIReal (*AIRealPointLength)(const AIRealPoint* a, const AIRealPoint* b);
  AIReal (*AIRealPointAngle)(const AIRealPoint* a, const AIRealPoint* b);
  void (*AIRealPointLengthAngle)(AIReal length, AIReal angle,
                                 AIRealPoint* result);
  AIReal (*FixedToReal)(AIFixed value);
  AIFixed (*RealToFixed)(AIReal value);
  void (*AIRealMatrixSetIdentity)(AIRealMatrix* matrix);
  void (*AIRealMatrixConcat)(const AIRealMatrix* a, const AIRealMatrix* b,
                             AIRealMatrix* result);
  void (*AIRealMatrixXformPoint)(const AIRealMatrix* matrix,
                                 const AIRealPoint* point, AIRealPoint* result);
} AIRealMathSuite;

/* One cubic piece: p0, its out-control p1, the in-control p2, p3. */
typedef struct AIRealBezier {
  AIRealPoint p0, p1, p2, p3;
} AIRealBezier;

typedef struct AIRealBezierSuite {
  ASErr (*reserved)(void);
  /* Arc length of the piece, measured along a polyline that stays within
   * flatness points of the curve. */
  AIReal (*AIRealBezierLength)(const AIRealBezier* bezier, AIReal flatness);
} AIRealBezierSuite;

typedef struct AIRandomSuite {
  /* A value in [0, 1); the same sequence for the same seed everywhere. */
  AIReal (*FloatRnd)(void);
  void (*SetRndSeed)(int32_t seed);
  int32_t (*GetRndSeed)(void);
} AIRandomSuite;

#endif
