/* Text art, text on a path and text runs. */
#ifndef VX_AI_TEXT_H
#define VX_AI_TEXT_H
#include "ai_path.h"
#include "vx_base.h"

#define kAITextSuite "AI Text Suite"
#define kAITextSuiteVersion 3
#define kAITextPathSuite "AI Text Path Suite"
#define kAITextPathSuiteVersion 4
#define kAITextRunSuite "AI Text Run Suite"
#define kAITextRunSuiteVersion 6

typedef struct AITextSuite {
  /* The text object that has the keyboard focus, or null. */
  ASErr (*GetTextFocus)(AIArtHandle* text);
  ASErr (*GetTextStart)(AIArtHandle text, AIRealPoint* start);
  ASErr (*GetTextContents)(AIArtHandle text, char* contents, int32_t maxLength);
  /* Moves point text so that its baseline starts at start (text on a path
   * starts where its text path says and is refused with a parameter error). */
  ASErr (*SetTextStart)(AIArtHandle text, const AIRealPoint* start);
} AITextSuite;

/* Version 4 of the text suite adds the text object's clipping: a text
 * object whose clipping is set masks, by its glyphs, the other members of
 * the clipping group it lies in (with its runs' clip flag set, as a path's
 * clip flag). */
#define kAITextSuiteClipVersion 4

typedef struct AITextSuite4 {
  ASErr (*GetTextFocus)(AIArtHandle* text);
  ASErr (*GetTextStart)(AIArtHandle text, AIRealPoint* start);
  ASErr (*GetTextContents)(AIArtHandle text, char* contents, int32_t maxLength);
  ASErr (*SetTextClipping)(AIArtHandle text, ASBoolean clipping);
  ASErr (*GetTextClipping)(AIArtHandle text, ASBoolean* clipping);
  ASErr (*SetTextStart)(AIArtHandle text, const AIRealPoint* start);
} AITextSuite4;

typedef struct AITextPathSuite {
  ASErr (*GetTextPathPath)(AIArtHandle textPath, AIArtHandle* path);
  /* The point where the text starts along the text path's path (its start
   * offset measured along the curve); a parameter error without a path. */
  ASErr (*GetTextPathStart)(AIArtHandle textPath, AIRealPoint* start);
} AITextPathSuite;

typedef struct AITextRunSuite {
  ASErr (*GetTextRunStyle)(AIArtHandle run, AIPathStyle* pathStyle);
  ASErr (*SetTextRunStyle)(AIArtHandle run, const AIPathStyle* pathStyle);
} AITextRunSuite;

#endif
