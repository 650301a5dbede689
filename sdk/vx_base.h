/* Basic types shared by the plug-in and its host: result codes, reals,
 * points, rectangles, matrices, opaque handles, the path segment and the
 * colour record. Plain C so that both sides and C callers can include it. */
#ifndef VX_BASE_H
#define VX_BASE_H

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
#define VX_EXTERN_C extern "C"
#define VX_NOEXCEPT noexcept
#else
#define VX_EXTERN_C
#define VX_NOEXCEPT
#endif

#if defined(__cplusplus)
#define VX_STATIC_ASSERT(cond, msg) static_assert(cond, msg)
#else
#define VX_STATIC_ASSERT(cond, msg) _Static_assert(cond, msg)
#endif

/* ---- result codes ---------------------------------------------------- */

/* A result is 0 for success, a negative host code (-108 out of memory) or a
 * four-character code whose first character is the high byte. */
typedef int32_t ASErr;
typedef int32_t AIErr;

#define VX_FOURCC(a, b, c, d)                                                 \
  ((ASErr)(((uint32_t)(unsigned char)(a) << 24) |                            \
           ((uint32_t)(unsigned char)(b) << 16) |                            \
           ((uint32_t)(unsigned char)(c) << 8) | (uint32_t)(unsigned char)(d)))

enum {
  kNoErr = 0,
  kOutOfMemoryErr = -108,           /* block allocation failed */
  kCantHappenErr = VX_FOURCC('C', 'A', 'N', 'T'),
  kSPSuiteNotFoundError = VX_FOURCC('S', '!', 'F', 'd'),
  kSPBadParameterError = VX_FOURCC('P', 'a', 'r', 'm'),
  kNoDocumentErr = VX_FOURCC('D', 'O', 'C', '?'),
  kCanceledErr = VX_FOURCC('S', 'T', 'O', 'P'),
  kBadSelectionErr = VX_FOURCC('!', 's', 'e', 'l'),
  kNotEnoughMemoryErr = 271,
  kMemErr4 = VX_FOURCC('!', 'M', 'E', 'M'),
  kSegmentLimitErr = VX_FOURCC('S', 'E', 'G', 'M'),
  kTooManyPointsErr = VX_FOURCC('N', 'E', 'S', 'S'),
  kEndOfFileErr = VX_FOURCC('!', 'e', 'O', 'F'),
  kCantOpenFileErr = VX_FOURCC('!', 'o', 'P', 'n'),
  kOverflowErr = VX_FOURCC('!', 'o', 'V', 'f'),
  kPathsOnSeveralLayersErr = VX_FOURCC('s', 'P', 's', 'L'),
  kOnlyPathsErr = VX_FOURCC('s', 'p', 'P', 'o'),
  kWholeGroupErr = VX_FOURCC('O', 'p', 'G', 's'),
  kTooSmallSpaceErr = VX_FOURCC('t', 'S', 'g', 'p'),
  kImportNotFoundErr = VX_FOURCC('!', 'i', 'm', 'P'),
  kExportNotFoundErr = VX_FOURCC('!', 'e', 'x', 'P'),
  kSameFileErr = VX_FOURCC('s', 'p', 'S', 't'),
  kNoIconErr = VX_FOURCC('!', 'i', 'c', 'o'),
  kUntouchedErr = VX_FOURCC('o', 'o', 'T', 'a'),
  kBadResourceErr = VX_FOURCC('!', 'R', 'e', 's'),
  kNotImplementedErr = VX_FOURCC('!', 'I', 'm', 'p')
};

/* ---- scalars and geometry -------------------------------------------- */

typedef unsigned char ASBoolean; /* the host's one-byte boolean */
typedef int32_t AIBoolean32;     /* 32-bit flags of records */
typedef float AIReal;
typedef int32_t AIFixed;         /* 16.16 fixed point */

typedef struct AIRealPoint {
  AIReal h, v;
} AIRealPoint;

typedef struct AIRealRect {
  AIReal left, top, right, bottom;
} AIRealRect;

/* Affine matrix: (x, y) -> (a*x + c*y + tx, b*x + d*y + ty). */
typedef struct AIRealMatrix {
  AIReal a, b, c, d, tx, ty;
} AIRealMatrix;

typedef struct ASPoint {
  int32_t h, v;
} ASPoint;

typedef struct ASRect {
  int32_t left, top, right, bottom;
} ASRect;

/* ---- the path segment ------------------------------------------------ */

/* One anchor of a path: the anchor p, the control point on the side of the
 * previous segment (in) and on the side of the next one (out), in points,
 * y up. A control point equal to its anchor means no handle on that side. */
typedef struct Segment {
  AIRealPoint p;
  AIRealPoint in;
  AIRealPoint out;
  ASBoolean corner;
} Segment;
VX_STATIC_ASSERT(sizeof(Segment) == 28, "Segment is 28 bytes in buffers");
VX_STATIC_ASSERT(offsetof(Segment, in) == 8, "Segment.in at 8");
VX_STATIC_ASSERT(offsetof(Segment, out) == 16, "Segment.out at 16");
VX_STATIC_ASSERT(offsetof(Segment, corner) == 24, "Segment.corner at 24");

/* ---- art types ------------------------------------------------------- */

enum AIArtType {
  kUnknownArt = 0,
  kGroupArt = 1,
  kPathArt = 2,
  kCompoundPathArt = 3,
  kTextArt = 4,
  kTextPathArt = 5,
  kTextRunArt = 6,
  kPlacedArt = 7,
  kMysteryPathArt = 8,
  kRasterArt = 9,
  kPluginArt = 10,
  kAnyArt = -1
};

/* ---- opaque handles -------------------------------------------------- */

#define VX_OPAQUE(name) typedef struct name##Opaque* name
VX_OPAQUE(SPPluginRef);
VX_OPAQUE(SPAccessRef);
VX_OPAQUE(SPPlatformAccessRef);
VX_OPAQUE(SPPlatformFileSpecification);
VX_OPAQUE(AIDocumentHandle);
VX_OPAQUE(AIDocumentViewHandle);
VX_OPAQUE(AILayerHandle);
VX_OPAQUE(AIArtHandle);
VX_OPAQUE(AIMenuItemHandle);
VX_OPAQUE(AIMenuGroup);
VX_OPAQUE(AINotifierHandle);
VX_OPAQUE(AIPluginGroupHandle);
VX_OPAQUE(AIFilterHandle);
VX_OPAQUE(AILiveEffectHandle);
VX_OPAQUE(AIToolHandle);
VX_OPAQUE(AIActionParamTypeRef);
VX_OPAQUE(AIActionParamValueRef);
VX_OPAQUE(AIDictionaryRef);
VX_OPAQUE(ADMDialogRef);
VX_OPAQUE(ADMItemRef);
VX_OPAQUE(ADMListRef);
VX_OPAQUE(ADMEntryRef);
VX_OPAQUE(ADMDrawerRef);
VX_OPAQUE(ADMIconRef);
VX_OPAQUE(ADMNotifierRef);
VX_OPAQUE(ADMTrackerRef);
VX_OPAQUE(ADMTimerRef);

typedef AIArtHandle** AIArtHandleList; /* host-owned list of art handles */

/* ---- colours --------------------------------------------------------- */

/* Custom colours, gradients and patterns are document resources named by
 * 32-bit ids (0 = none), so that the colour record keeps the 68-byte layout
 * that parameter records store on every machine. */
typedef uint32_t AICustomColorHandle;
typedef uint32_t AIGradientHandle;
typedef uint32_t AIPatternHandle;

enum AIColorTag {
  kGrayColor = 0,
  kFourColor = 1,
  kPattern = 2,
  kCustomColor = 3,
  kGradient = 4,
  kThreeColor = 5,
  kNoneColor = 6
};

typedef struct AIGrayColorStyle {
  AIReal gray;
} AIGrayColorStyle;
typedef struct AIFourColorStyle {
  AIReal cyan, magenta, yellow, black;
} AIFourColorStyle;
typedef struct AIThreeColorStyle {
  AIReal red, green, blue;
} AIThreeColorStyle;
typedef struct AICustomColorStyle {
  AICustomColorHandle color;
  AIReal tint;
} AICustomColorStyle;
typedef struct AIGradientStyle {
  AIGradientHandle gradient;
  AIRealPoint gradientOrigin;
  AIReal gradientAngle;
  AIReal gradientLength;
  AIRealMatrix matrix;
  AIReal hiliteAngle;
  AIReal hiliteLength;
} AIGradientStyle;
typedef struct AIPatternStyle {
  AIPatternHandle pattern;
  AIReal shiftDist;
  AIReal shiftAngle;
  AIRealPoint scale;
  AIReal rotate;
  ASBoolean reflect;
  AIReal reflectAngle;
  AIReal shearAngle;
  AIReal shearAxis;
  AIRealMatrix transform;
} AIPatternStyle;

typedef union AIColorUnion {
  AIGrayColorStyle g;
  AIFourColorStyle f;
  AIThreeColorStyle rgb;
  AICustomColorStyle c;
  AIGradientStyle b;
  AIPatternStyle p;
} AIColorUnion;

/* The colour record: its kind (AIColorTag, 32-bit) and the values. */
typedef struct AIColor {
  int32_t kind;
  AIColorUnion c;
} AIColor;
VX_STATIC_ASSERT(sizeof(AIPatternStyle) == 64, "pattern style is 64 bytes");
VX_STATIC_ASSERT(sizeof(AIColor) == 68, "the colour record is 68 bytes");
VX_STATIC_ASSERT(offsetof(AIColor, c) == 4, "colour values follow the kind");

#endif /* VX_BASE_H */
