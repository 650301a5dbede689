/* Art objects, groups, matching art, hit testing, transforming and drawing
 * art. */
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

/* Paint orders of NewArt, DuplicateArt and ReorderArt. */
enum AIPaintOrder {
  kPlaceAbove = 1,
  kPlaceBelow = 2,
  kPlaceInsideOnTop = 3,
  kPlaceInsideOnBottom = 4,
  kPlaceAboveAll = 5,
  kPlaceBelowAll = 6
};

/* User attributes. */
enum {
  kArtSelected = 0x00000001,
  kArtLocked = 0x00000002,
  kArtHidden = 0x00000004,
  kArtFullySelected = 0x00000008
};

/* Bounds options of GetArtTransformBounds. */
enum {
  kVisibleBounds = 0x0002,
  kControlBounds = 0x0004,
  kNoStrokeBounds = 0x0008
};

typedef struct AIArtSuite {
  ASErr (*NewArt)(int16_t type, int16_t paintOrder, AIArtHandle prep,
                  AIArtHandle* newArt);
  ASErr (*DisposeArt)(AIArtHandle art);
  ASErr (*ReorderArt)(AIArtHandle thisArt, int16_t paintOrder,
                      AIArtHandle prep);
  ASErr (*DuplicateArt)(AIArtHandle thisArt, int16_t paintOrder,
                        AIArtHandle prep, AIArtHandle* newArt);
  ASErr (*GetFirstArtOfLayer)(AILayerHandle layer, AIArtHandle* art);
  ASErr (*GetLayerOfArt)(AIArtHandle art, AILayerHandle* layer);
  ASErr (*GetArtType)(AIArtHandle art, int16_t* type);
  ASErr (*GetArtUserAttr)(AIArtHandle art, int32_t whichAttr, int32_t* attr);
  ASErr (*SetArtUserAttr)(AIArtHandle art, int32_t whichAttr, int32_t attr);
  ASErr (*GetArtParent)(AIArtHandle art, AIArtHandle* parent);
  ASErr (*GetArtFirstChild)(AIArtHandle art, AIArtHandle* child);
  ASErr (*GetArtSibling)(AIArtHandle art, AIArtHandle* sibling);
  ASErr (*GetArtPriorSibling)(AIArtHandle art, AIArtHandle* sibling);
  ASErr (*GetArtBounds)(AIArtHandle art, AIRealRect* bounds);
  ASErr (*GetArtTransformBounds)(AIArtHandle art, const AIRealMatrix* transform,
                                 int32_t flags, AIRealRect* bounds);
  ASBoolean (*ValidArt)(AIArtHandle art);
  ASErr (*IsArtLayerGroup)(AIArtHandle art, ASBoolean* isLayerGroup);
  ASErr (*GetArtName)(AIArtHandle art, char* name, int32_t maxLength);
  ASErr (*SetArtName)(AIArtHandle art, const char* name);
} AIArtSuite;

typedef struct AIGroupSuite {
  ASErr (*GetGroupClipped)(AIArtHandle group, ASBoolean* clipped);
  ASErr (*SetGroupClipped)(AIArtHandle group, ASBoolean clipped);
} AIGroupSuite;

/* One matching-art specification: an art type and a user attribute test
 * (attributes whose bits in whichAttr equal those in attr). */
typedef struct AIMatchingArtSpec {
  int16_t type;
  int32_t whichAttr;
  int32_t attr;
} AIMatchingArtSpec;

/* Lists are host memory (AIArtHandleList); dispose of them with the
 * MdMemory suite's MdMemoryDisposeHandle. */
typedef struct AIMatchingArtSuite {
  ASErr (*GetSelectedArt)(AIArtHandleList* matches, int32_t* numMatches);
  ASErr (*GetMatchingArt)(const AIMatchingArtSpec* specs, int16_t numSpecs,
                          AIArtHandleList* matches, int32_t* numMatches);
} AIMatchingArtSuite;

/* Hit-test parts. */
enum {
  kNothingPart = 0,
  kFillPart = 1,
  kStrokePart = 2,
  kAnchorPart = 3,
  kInPart = 4,
  kOutPart = 5,
  kCenterPart = 6,
  kTextStartPart = 7
};
typedef struct AIHitTestResult {
  int32_t part;
  AIArtHandle art;
  int16_t segmentIndex;
  AIRealPoint point;
} AIHitTestResult;
/* A hit on a path's outline: the piece from segment segmentIndex to the
 * next one (the closing piece of a closed path starts at its last segment),
 * the curve parameter t on it and the point of the curve there. art is null
 * on a miss; onAnchor is set when an anchor of the path lies within the
 * tolerance (segmentIndex is then that anchor and t is 0). */
typedef struct AIHitSegmentResult {
  AIArtHandle art;
  int16_t segmentIndex;
  ASBoolean onAnchor;
  AIReal t;
  AIRealPoint point;
} AIHitSegmentResult;
typedef struct AIHitTestSuite {
  ASErr (*HitTest)(AIArtHandle art, const AIRealPoint* point, AIReal tolerance,
                   AIHitTestResult* result);
  /* The path outline nearest to point within tolerance (plus half the
   * stroke width), topmost path first; art null: the whole document. Only
   * visible path art answers (inside groups and compound paths). */
  ASErr (*HitTestSegment)(AIArtHandle art, const AIRealPoint* point,
                          AIReal tolerance, AIHitSegmentResult* result);
} AIHitTestSuite;

/* Options of TransformArt. */
enum {
  kTransformObjects = 1,
  kTransformFillGradients = 2,
  kTransformFillPatterns = 4,
  kTransformStrokePatterns = 8,
  kScaleLines = 16
};
typedef struct AITransformArtSuite {
  ASErr (*TransformArt)(AIArtHandle art, const AIRealMatrix* matrix,
                        AIReal lineScale, int32_t flags);
} AITransformArtSuite;

typedef struct AIDrawArtSuite {
  ASErr (*reserved)(void);
} AIDrawArtSuite;

#endif
