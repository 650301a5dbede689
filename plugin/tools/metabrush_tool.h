// MetaBrush tool: its options record, kept by the palette and in presets.
//
// The brush paints with the selection: dragging lays copies of the selected
// art along the pointer's path, one every Spacing points, each scaled,
// turned, scattered and coloured as the fields below say; in Stroke mode it
// lays one new path along the drag instead. Shift-drag sets the Brush Size;
// with Pick With Alt on, an Alt-click takes the fill colour of the art under
// the pointer as the Brush Colour.
//
// The members keep the names of their preset keys (the store's field table
// and stored presets name them so); the comment beside each gives what it
// means to the tool. Fields marked "reserved" are stored and read back
// unchanged and have no effect. Tool records are packed on 2-byte
// boundaries. The key "z" names two fields; reading a preset gives both the
// value of the first "z" line.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>

#include "generated/resource_ids.h"
#include "presets/param_record.h"
#include "tools/tool_palette.h"
#include "vx_base.h"

namespace vx {

#pragma pack(push, 2)
struct MetaBrushToolParams {
  char name[kParamNameSize];
  int16_t keyA;       // "A" Short: Paint, 0 Copies (copies of the selection), 1 Stroke
                      // (one path along the drag)
  float keyB;         // "B" Real: Spacing, points along the drag between copies (1 ..
                      // 4000)
  int32_t keyC;       // "C" Flag: Follow Drag, each copy turns with the drag direction
  int32_t keyD;       // "D" Flag: Pick With Alt, Alt-click picks the Brush Colour (the pick
                      // cursor)
  int16_t keyE;       // "E" Short: Stacking, 0 each copy below the earlier ones, 1 above
  AIColor keyF;       // "F" Colour: Brush Colour, paints the Stroke path and Colourized
                      // copies
  float keyK;         // "K" Real: Stroke Width, points (Stroke mode)
  float keyL;         // "L" Real: Brush Size, points: the larger side of a copy with Fit
                      // Size
  int16_t keyM;       // "M" Short: Size Curve from Start to End Size, 0 Uniform, 1
                      // Accelerate, 2 Decelerate
  int32_t keyN;       // "N" Flag: Colourize, copies painted with the Brush Colour
  float keyO;         // "O" Real: Start Size, fraction, scale of the first copy
  float keyP3;        // "P3" Real: End Size, fraction, scale of the last copy
  int32_t keyQ;       // "Q" Flag: Fit Size, copies scaled to the Brush Size
  AIRealPoint keyR;   // "R" Point: Scatter (h, v), points: random offset up to +- this
  AIRealPoint keyS;   // "S" Point: Random Size (min, max), fractions
  AIRealPoint keyT;   // "T" Point: Aspect (h, v), fractions: stretch of every copy
  float keyU;         // "U" Real: Rotation, radians, added to every copy
  AIRealPoint keyV;   // "V" Point: Offset (h, v), points: every copy moved off the drag
  int16_t keyW;       // "W" Short, reserved
  int16_t keyX;       // "X" Short, reserved
  int16_t keyY;       // "Y" Short, reserved
  int16_t keyZ;       // "Z" Short, reserved
  int16_t key_a;      // "a" Short, reserved
  int16_t key_b;      // "b" Short, reserved
  int16_t key_c;      // "c" Short, reserved
  int16_t key_d;      // "d" Short, reserved
  int16_t key_e;      // "e" Short, reserved
  int16_t key_f;      // "f" Short, reserved
  int16_t key_g;      // "g" Short, reserved
  int32_t key_h;      // "h" Flag, reserved
  int32_t key_i;      // "i" Flag, reserved
  int32_t key_j;      // "j" Flag, reserved
  int32_t key_k;      // "k" Flag, reserved
  int32_t key_l;      // "l" Flag, reserved
  int32_t key_m;      // "m" Flag, reserved
  int32_t key_n;      // "n" Flag, reserved
  int32_t key_o;      // "o" Flag, reserved
  int32_t key_p;      // "p" Flag, reserved
  int32_t key_q;      // "q" Flag, reserved
  int32_t key_r;      // "r" Flag, reserved
  int32_t key_s;      // "s" Flag, reserved
  int32_t key_t;      // "t" Flag, reserved
  int32_t key_u;      // "u" Flag, reserved
  int32_t key_v;      // "v" Flag, reserved
  int32_t key_w;      // "w" Flag, reserved
  int32_t key_z;      // "z" Flag, reserved
  int32_t key_y;      // "y" Flag, reserved
  int32_t key_z_again; // "z" Flag, reserved
  int32_t keyA2;      // "A2" Flag, reserved
  int32_t keyB2;      // "B2" Flag, reserved
  int32_t keyC2;      // "C2" Flag, reserved
  int32_t keyD2;      // "D2" Flag, reserved
  int32_t keyE2;      // "E2" Flag, reserved
  int32_t keyF2;      // "F2" Flag, reserved
  int32_t keyG2;      // "G2" Flag, reserved
  int32_t keyH2;      // "H2" Flag, reserved
  int32_t keyI2;      // "I2" Flag, reserved
  int32_t keyJ2;      // "J2" Flag, reserved
  int32_t keyK2;      // "K2" Flag, reserved
  int32_t keyL2;      // "L2" Flag, reserved
  int32_t keyM2;      // "M2" Flag, reserved
  int32_t keyN2;      // "N2" Flag, reserved
  float keyO2;        // "O2" Real, reserved
  uint32_t keyP2;     // "P2" ULong: Random Seed of Scatter and Random Size
  uint32_t keyQ2;     // "Q2" ULong, reserved
  uint32_t keyR2;     // "R2" ULong, reserved
  float keyS2;        // "S2" Real, reserved
  int16_t keyT2;      // "T2" Short, reserved
  int16_t keyU2;      // "U2" Short, reserved
  int16_t keyV2;      // "V2" Short, reserved
  int32_t keyW2;      // "W2" Flag, reserved
  int32_t keyX2;      // "X2" Flag, reserved
  float keyY2;        // "Y2" Real, reserved
  float keyZ2;        // "Z2" Real, reserved
  float key_a2;       // "a2" Real, reserved
  float key_b2;       // "b2" Real, reserved
  float key_c2;       // "c2" Real, reserved
  float key_d2;       // "d2" Real, reserved
  float key_e2;       // "e2" Real, reserved
  float key_f2;       // "f2" Real, reserved
};
#pragma pack(pop)
static_assert(sizeof(MetaBrushToolParams) == 430);
static_assert(offsetof(MetaBrushToolParams, keyA) == 64);
static_assert(offsetof(MetaBrushToolParams, keyB) == 66);
static_assert(offsetof(MetaBrushToolParams, keyC) == 70);
static_assert(offsetof(MetaBrushToolParams, keyD) == 74);
static_assert(offsetof(MetaBrushToolParams, keyE) == 78);
static_assert(offsetof(MetaBrushToolParams, keyF) == 80);
static_assert(offsetof(MetaBrushToolParams, keyK) == 148);
static_assert(offsetof(MetaBrushToolParams, keyL) == 152);
static_assert(offsetof(MetaBrushToolParams, keyM) == 156);
static_assert(offsetof(MetaBrushToolParams, keyN) == 158);
static_assert(offsetof(MetaBrushToolParams, keyO) == 162);
static_assert(offsetof(MetaBrushToolParams, keyP3) == 166);
static_assert(offsetof(MetaBrushToolParams, keyQ) == 170);
static_assert(offsetof(MetaBrushToolParams, keyR) == 174);
static_assert(offsetof(MetaBrushToolParams, keyS) == 182);
static_assert(offsetof(MetaBrushToolParams, keyT) == 190);
static_assert(offsetof(MetaBrushToolParams, keyU) == 198);
static_assert(offsetof(MetaBrushToolParams, keyV) == 202);
static_assert(offsetof(MetaBrushToolParams, keyW) == 210);
static_assert(offsetof(MetaBrushToolParams, keyX) == 212);
static_assert(offsetof(MetaBrushToolParams, keyY) == 214);
static_assert(offsetof(MetaBrushToolParams, keyZ) == 216);
static_assert(offsetof(MetaBrushToolParams, key_a) == 218);
static_assert(offsetof(MetaBrushToolParams, key_b) == 220);
static_assert(offsetof(MetaBrushToolParams, key_c) == 222);
static_assert(offsetof(MetaBrushToolParams, key_d) == 224);
static_assert(offsetof(MetaBrushToolParams, key_e) == 226);
static_assert(offsetof(MetaBrushToolParams, key_f) == 228);
static_assert(offsetof(MetaBrushToolParams, key_g) == 230);
static_assert(offsetof(MetaBrushToolParams, key_h) == 232);
static_assert(offsetof(MetaBrushToolParams, key_i) == 236);
static_assert(offsetof(MetaBrushToolParams, key_j) == 240);
static_assert(offsetof(MetaBrushToolParams, key_k) == 244);
static_assert(offsetof(MetaBrushToolParams, key_l) == 248);
static_assert(offsetof(MetaBrushToolParams, key_m) == 252);
static_assert(offsetof(MetaBrushToolParams, key_n) == 256);
static_assert(offsetof(MetaBrushToolParams, key_o) == 260);
static_assert(offsetof(MetaBrushToolParams, key_p) == 264);
static_assert(offsetof(MetaBrushToolParams, key_q) == 268);
static_assert(offsetof(MetaBrushToolParams, key_r) == 272);
static_assert(offsetof(MetaBrushToolParams, key_s) == 276);
static_assert(offsetof(MetaBrushToolParams, key_t) == 280);
static_assert(offsetof(MetaBrushToolParams, key_u) == 284);
static_assert(offsetof(MetaBrushToolParams, key_v) == 288);
static_assert(offsetof(MetaBrushToolParams, key_w) == 292);
static_assert(offsetof(MetaBrushToolParams, key_z) == 296);
static_assert(offsetof(MetaBrushToolParams, key_y) == 300);
static_assert(offsetof(MetaBrushToolParams, key_z_again) == 304);
static_assert(offsetof(MetaBrushToolParams, keyA2) == 308);
static_assert(offsetof(MetaBrushToolParams, keyB2) == 312);
static_assert(offsetof(MetaBrushToolParams, keyC2) == 316);
static_assert(offsetof(MetaBrushToolParams, keyD2) == 320);
static_assert(offsetof(MetaBrushToolParams, keyE2) == 324);
static_assert(offsetof(MetaBrushToolParams, keyF2) == 328);
static_assert(offsetof(MetaBrushToolParams, keyG2) == 332);
static_assert(offsetof(MetaBrushToolParams, keyH2) == 336);
static_assert(offsetof(MetaBrushToolParams, keyI2) == 340);
static_assert(offsetof(MetaBrushToolParams, keyJ2) == 344);
static_assert(offsetof(MetaBrushToolParams, keyK2) == 348);
static_assert(offsetof(MetaBrushToolParams, keyL2) == 352);
static_assert(offsetof(MetaBrushToolParams, keyM2) == 356);
static_assert(offsetof(MetaBrushToolParams, keyN2) == 360);
static_assert(offsetof(MetaBrushToolParams, keyO2) == 364);
static_assert(offsetof(MetaBrushToolParams, keyP2) == 368);
static_assert(offsetof(MetaBrushToolParams, keyQ2) == 372);
static_assert(offsetof(MetaBrushToolParams, keyR2) == 376);
static_assert(offsetof(MetaBrushToolParams, keyS2) == 380);
static_assert(offsetof(MetaBrushToolParams, keyT2) == 384);
static_assert(offsetof(MetaBrushToolParams, keyU2) == 386);
static_assert(offsetof(MetaBrushToolParams, keyV2) == 388);
static_assert(offsetof(MetaBrushToolParams, keyW2) == 390);
static_assert(offsetof(MetaBrushToolParams, keyX2) == 394);
static_assert(offsetof(MetaBrushToolParams, keyY2) == 398);
static_assert(offsetof(MetaBrushToolParams, keyZ2) == 402);
static_assert(offsetof(MetaBrushToolParams, key_a2) == 406);
static_assert(offsetof(MetaBrushToolParams, key_b2) == 410);
static_assert(offsetof(MetaBrushToolParams, key_c2) == 414);
static_assert(offsetof(MetaBrushToolParams, key_d2) == 418);
static_assert(offsetof(MetaBrushToolParams, key_e2) == 422);
static_assert(offsetof(MetaBrushToolParams, key_f2) == 426);

constexpr AIColor kMetaBrushFactoryBlack = {
    .kind = kFourColor, .c = {.f = {0.0f, 0.0f, 0.0f, 1.0f}}};

constexpr MetaBrushToolParams kMetaBrushToolFactoryParams = {
    .name = {},
    .keyA = 0,
    .keyB = 10.0f,
    .keyC = 0,
    .keyD = 0,
    .keyE = 1,
    .keyF = kMetaBrushFactoryBlack,
    .keyK = 10.0f,
    .keyL = 24.0f,
    .keyM = 0,
    .keyN = 0,
    .keyO = 1.0f,
    .keyP3 = 1.0f,
    .keyQ = 0,
    .keyR = {0.0f, 0.0f},
    .keyS = {1.0f, 1.0f},
    .keyT = {1.0f, 1.0f},
    .keyU = 0.0f,
    .keyV = {0.0f, 0.0f},
    .keyW = 0,
    .keyX = 0,
    .keyY = 0,
    .keyZ = 0,
    .key_a = 0,
    .key_b = 0,
    .key_c = 0,
    .key_d = 0,
    .key_e = 0,
    .key_f = 0,
    .key_g = 0,
    .key_h = 0,
    .key_i = 0,
    .key_j = 0,
    .key_k = 0,
    .key_l = 0,
    .key_m = 0,
    .key_n = 0,
    .key_o = 0,
    .key_p = 0,
    .key_q = 0,
    .key_r = 0,
    .key_s = 0,
    .key_t = 0,
    .key_u = 0,
    .key_v = 0,
    .key_w = 0,
    .key_z = 0,
    .key_y = 0,
    .key_z_again = 0,
    .keyA2 = 0,
    .keyB2 = 0,
    .keyC2 = 0,
    .keyD2 = 0,
    .keyE2 = 0,
    .keyF2 = 0,
    .keyG2 = 0,
    .keyH2 = 0,
    .keyI2 = 0,
    .keyJ2 = 0,
    .keyK2 = 0,
    .keyL2 = 0,
    .keyM2 = 0,
    .keyN2 = 0,
    .keyO2 = 1.0f,
    .keyP2 = 0,
    .keyQ2 = 0,
    .keyR2 = 0,
    .keyS2 = 1.0f,
    .keyT2 = 0,
    .keyU2 = 0,
    .keyV2 = 0,
    .keyW2 = 0,
    .keyX2 = 0,
    .keyY2 = 0.0f,
    .keyZ2 = 0.0f,
    .key_a2 = 0.0f,
    .key_b2 = 0.0f,
    .key_c2 = 0.0f,
    .key_d2 = 0.0f,
    .key_e2 = 0.0f,
    .key_f2 = 0.0f};

// ---- the options palette (res::kMetaBrushToolPalette): the controls of the reserved
// fields are left out; Stroke Width serves the Stroke paint, the copies'
// controls the Copies paint ----

constexpr EnableRule MetaBrushPaintRule(int32_t paint, int32_t first, int32_t last) {
  return {first, last, VX_BOUND_FIELD(MetaBrushToolParams, keyA), EnableRule::Equals, paint};
}

inline constexpr EnableRule kMetaBrushPaintRules[] = {
    MetaBrushPaintRule(0, res::MetaBrushToolPalette::kStacking - 1, res::MetaBrushToolPalette::kFollowDrag),
    MetaBrushPaintRule(1, res::MetaBrushToolPalette::kStrokeWidth - 1, res::MetaBrushToolPalette::kStrokeWidth + 1),
    MetaBrushPaintRule(0, res::MetaBrushToolPalette::kFitSize, res::MetaBrushToolPalette::kRandomSeed)};

inline constexpr PaletteField kMetaBrushPaletteFields[] = {
    {.name = "paint", .item = res::MetaBrushToolPalette::kPaint, .field = VX_BOUND_FIELD(MetaBrushToolParams, keyA),
     .unit = Unit::Choice, .actionKey = 0},
    {.name = "spacing", .item = res::MetaBrushToolPalette::kSpacing, .field = VX_BOUND_FIELD(MetaBrushToolParams, keyB),
     .unit = Unit::Points, .actionKey = 0},
    {.name = "stacking", .item = res::MetaBrushToolPalette::kStacking, .field = VX_BOUND_FIELD(MetaBrushToolParams, keyE),
     .unit = Unit::Choice, .actionKey = 0, .rule = 0},
    {.name = "follow-drag", .item = res::MetaBrushToolPalette::kFollowDrag, .field = VX_BOUND_FIELD(MetaBrushToolParams, keyC),
     .unit = Unit::Flag, .actionKey = 0, .rule = 0},
    {.name = "pick-with-alt", .item = res::MetaBrushToolPalette::kPickWithAlt, .field = VX_BOUND_FIELD(MetaBrushToolParams, keyD),
     .unit = Unit::Flag, .actionKey = 0},
    {.name = "brush-colour", .item = res::MetaBrushToolPalette::kBrushColour, .field = VX_BOUND_FIELD(MetaBrushToolParams, keyF),
     .unit = Unit::Colour, .actionKey = 0},
    {.name = "stroke-width", .item = res::MetaBrushToolPalette::kStrokeWidth, .field = VX_BOUND_FIELD(MetaBrushToolParams, keyK),
     .unit = Unit::Points, .actionKey = 0, .rule = 1},
    {.name = "brush-size", .item = res::MetaBrushToolPalette::kBrushSize, .field = VX_BOUND_FIELD(MetaBrushToolParams, keyL),
     .unit = Unit::Points, .actionKey = 0},
    {.name = "fit-size", .item = res::MetaBrushToolPalette::kFitSize, .field = VX_BOUND_FIELD(MetaBrushToolParams, keyQ),
     .unit = Unit::Flag, .actionKey = 0, .rule = 2},
    {.name = "colourize", .item = res::MetaBrushToolPalette::kColourize, .field = VX_BOUND_FIELD(MetaBrushToolParams, keyN),
     .unit = Unit::Flag, .actionKey = 0, .rule = 2},
    {.name = "offset-h", .item = res::MetaBrushToolPalette::kOffsetH, .field = VX_BOUND_FIELD(MetaBrushToolParams, keyV.h),
     .unit = Unit::Points, .actionKey = 0, .rule = 2},
    {.name = "offset-v", .item = res::MetaBrushToolPalette::kOffsetV, .field = VX_BOUND_FIELD(MetaBrushToolParams, keyV.v),
     .unit = Unit::Points, .actionKey = 0, .rule = 2},
    {.name = "size-curve", .item = res::MetaBrushToolPalette::kSizeCurve, .field = VX_BOUND_FIELD(MetaBrushToolParams, keyM),
     .unit = Unit::Choice, .actionKey = 0, .rule = 2},
    {.name = "start-size", .item = res::MetaBrushToolPalette::kStartSize, .field = VX_BOUND_FIELD(MetaBrushToolParams, keyO),
     .unit = Unit::Percent, .actionKey = 0, .rule = 2},
    {.name = "end-size", .item = res::MetaBrushToolPalette::kEndSize, .field = VX_BOUND_FIELD(MetaBrushToolParams, keyP3),
     .unit = Unit::Percent, .actionKey = 0, .rule = 2},
    {.name = "random-size-min", .item = res::MetaBrushToolPalette::kRandomSizeMin, .field = VX_BOUND_FIELD(MetaBrushToolParams, keyS.h),
     .unit = Unit::Percent, .actionKey = 0, .rule = 2},
    {.name = "random-size-max", .item = res::MetaBrushToolPalette::kRandomSizeMax, .field = VX_BOUND_FIELD(MetaBrushToolParams, keyS.v),
     .unit = Unit::Percent, .actionKey = 0, .rule = 2},
    {.name = "aspect-h", .item = res::MetaBrushToolPalette::kAspectH, .field = VX_BOUND_FIELD(MetaBrushToolParams, keyT.h),
     .unit = Unit::Percent, .actionKey = 0, .rule = 2},
    {.name = "aspect-v", .item = res::MetaBrushToolPalette::kAspectV, .field = VX_BOUND_FIELD(MetaBrushToolParams, keyT.v),
     .unit = Unit::Percent, .actionKey = 0, .rule = 2},
    {.name = "rotation", .item = res::MetaBrushToolPalette::kRotation, .field = VX_BOUND_FIELD(MetaBrushToolParams, keyU),
     .unit = Unit::Degrees, .actionKey = 0, .rule = 2},
    {.name = "scatter-h", .item = res::MetaBrushToolPalette::kScatterH, .field = VX_BOUND_FIELD(MetaBrushToolParams, keyR.h),
     .unit = Unit::Points, .actionKey = 0, .rule = 2},
    {.name = "scatter-v", .item = res::MetaBrushToolPalette::kScatterV, .field = VX_BOUND_FIELD(MetaBrushToolParams, keyR.v),
     .unit = Unit::Points, .actionKey = 0, .rule = 2},
    {.name = "random-seed", .item = res::MetaBrushToolPalette::kRandomSeed, .field = VX_BOUND_FIELD(MetaBrushToolParams, keyP2),
     .unit = Unit::Integer, .actionKey = 0, .rule = 2}};
static_assert(ToolBindingIsValid(kMetaBrushPaletteFields, kMetaBrushPaintRules));

inline constexpr ToolPaletteSpec kMetaBrushToolPalette = {
    {kMetaBrushPaletteFields, int32_t(std::size(kMetaBrushPaletteFields)), kMetaBrushPaintRules,
     int32_t(std::size(kMetaBrushPaintRules)), nullptr, nullptr},
    res::MetaBrushToolPalette::kHelp, res::HelpTopics::kMetaBrushTool};

}  // namespace vx
