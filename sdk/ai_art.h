/* Art objects, groups, matching art, hit testing, transforming and drawing art. */
#ifndef VX_AI_ART_H
#define VX_AI_ART_H
#include "vx_base.h"

#define kAIArtSuite "AI Art Suite"
#define kAIArtSuiteVersion 8
#define kAIGroupSuite "AI Group Suite"
#define kAIGroupSuiteVersion 2
#define kAIMatchingArtSuite "AI Matching Art Suite"
#define kAIMatchingArtSuiteVersion 3
#define kAIHitTestSuite "AI Hit Test Suite"
#define kAIHitTestSuiteVersion 1
#define kAITransformArtSuite "AI Transform Art Suite"
#define kAITransformArtSuiteVersion 1
#define kAIDrawArtSuite "AI Draw Art Suite"
#define kAIDrawArtSuiteVersion 5

/* Members are added by the document model; acquirable already. */
typedef struct AIArtSuite {
  ASErr (*reserved)(void);
} AIArtSuite;

/* Members are added by the document model; acquirable already. */
typedef struct AIGroupSuite {
  ASErr (*reserved)(void);
} AIGroupSuite;

/* Members are added by the document model; acquirable already. */
typedef struct AIMatchingArtSuite {
  ASErr (*reserved)(void);
} AIMatchingArtSuite;

/* Members are added by the document model; acquirable already. */
typedef struct AIHitTestSuite {
  ASErr (*reserved)(void);
} AIHitTestSuite;

/* Members are added by the document model; acquirable already. */
typedef struct AITransformArtSuite {
  ASErr (*reserved)(void);
} AITransformArtSuite;

/* Members are added by the document model; acquirable already. */
typedef struct AIDrawArtSuite {
  ASErr (*reserved)(void);
} AIDrawArtSuite;

#endif
