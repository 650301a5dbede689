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

/* Segment selection states. */
enum {
  kSegmentNotSelected = 0,
  kSegmentPointSelected = 1,
  kSegmentInSelected = 2,
  kSegmentOutSelected = 3,
  kSegmentInAndOutSelected = 4
};

typedef struct AIPathSuite {
  ASErr (*GetPathSegmentCount)(AIArtHandle path, int16_t* count);
  ASErr (*SetPathSegmentCount)(AIArtHandle path, int16_t count);
  ASErr (*GetPathSegments)(AIArtHandle path, int16_t segNumber, int16_t count,
                           Segment* segments);
  ASErr (*SetPathSegments)(AIArtHandle path, int16_t segNumber, int16_t count,
                           const Segment* segments);
  ASErr (*InsertPathSegments)(AIArtHandle path, int16_t segNumber,
                              int16_t count, const Segment* segments);
  ASErr (*DeletePathSegments)(AIArtHandle path, int16_t segNumber,
                              int16_t count);
  ASErr (*GetPathClosed)(AIArtHandle path, ASBoolean* closed);
  ASErr (*SetPathClosed)(AIArtHandle path, ASBoolean closed);
  ASErr (*GetPathSegmentSelected)(AIArtHandle path, int16_t segNumber,
                                  int16_t* selected);
  ASErr (*SetPathSegmentSelected)(AIArtHandle path, int16_t segNumber,
                                  int16_t selected);
} AIPathSuite;

typedef struct AIDashStyle {
  int16_t length;
  AIReal offset;
  AIReal array[6];
} AIDashStyle;

typedef struct AIFillStyle {
  AIColor color;
  ASBoolean overprint;
} AIFillStyle;

enum { kAIButtCap = 0, kAIRoundCap = 1, kAIProjectingCap = 2 };
enum { kAIMiterJoin = 0, kAIRoundJoin = 1, kAIBevelJoin = 2 };

typedef struct AIStrokeStyle {
  AIColor color;
  ASBoolean overprint;
  AIReal width;
  AIDashStyle dash;
  int32_t cap;
  int32_t join;
  AIReal miterLimit;
} AIStrokeStyle;

typedef struct AIPathStyle {
  ASBoolean fillPaint;
  ASBoolean strokePaint;
  AIFillStyle fill;
  AIStrokeStyle stroke;
  ASBoolean clip;
  ASBoolean lockClip;
  ASBoolean evenodd;
  AIReal resolution;
} AIPathStyle;

typedef struct AIPathStyleSuite {
  ASErr (*GetPathStyle)(AIArtHandle path, AIPathStyle* style);
  ASErr (*SetPathStyle)(AIArtHandle path, const AIPathStyle* style);
  ASErr (*GetCurrentPathStyle)(AIPathStyle* style);
  ASErr (*SetCurrentPathStyle)(const AIPathStyle* style);
} AIPathStyleSuite;

typedef struct AIPaintStyleSuite {
  ASErr (*reserved)(void);
} AIPaintStyleSuite;

/* A custom (spot or global process) colour: its definition and name. */
typedef struct AICustomColor {
  int32_t kind; /* kFourColor or kThreeColor */
  AIColorUnion c;
  int32_t flag; /* 1: spot colour */
} AICustomColor;

typedef struct AICustomColorSuite {
  ASErr (*NewCustomColor)(const AICustomColor* color, const char* name,
                          AICustomColorHandle* customColor);
  ASErr (*GetCustomColor)(AICustomColorHandle customColor,
                          AICustomColor* color);
  ASErr (*GetCustomColorName)(AICustomColorHandle customColor, char* name,
                              int32_t maxLength);
} AICustomColorSuite;

enum { kLinearGradient = 0, kRadialGradient = 1 };

typedef struct AIGradientStop {
  AIReal midPoint;  /* percent */
  AIReal rampPoint; /* percent */
  AIColor color;
} AIGradientStop;

typedef struct AIGradientSuite {
  ASErr (*NewGradient)(AIGradientHandle* gradient);
  ASErr (*GetGradientType)(AIGradientHandle gradient, int16_t* type);
  ASErr (*SetGradientType)(AIGradientHandle gradient, int16_t type);
  ASErr (*GetGradientName)(AIGradientHandle gradient, char* name,
                           int32_t maxLength);
  ASErr (*SetGradientName)(AIGradientHandle gradient, const char* name);
  ASErr (*GetGradientStopCount)(AIGradientHandle gradient, int16_t* count);
  ASErr (*GetNthGradientStop)(AIGradientHandle gradient, int16_t n,
                              AIGradientStop* stop);
  ASErr (*SetNthGradientStop)(AIGradientHandle gradient, int16_t n,
                              const AIGradientStop* stop);
  ASErr (*InsertGradientStop)(AIGradientHandle gradient, int16_t n,
                              const AIGradientStop* stop);
  /* The document's gradients, in the order they were made. A gradient
   * cannot be deleted: a plug-in that makes many finds one to reuse. */
  ASErr (*CountGradients)(int32_t* count);
  ASErr (*GetNthGradient)(int32_t n, AIGradientHandle* gradient);
} AIGradientSuite;

typedef struct AIPatternSuite {
  ASErr (*GetPatternName)(AIPatternHandle pattern, char* name,
                          int32_t maxLength);
  ASErr (*GetPatternArt)(AIPatternHandle pattern, AIArtHandle* art);
} AIPatternSuite;

#endif
