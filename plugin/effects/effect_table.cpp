#include "effects/effect_table.h"

namespace vx {
namespace {

constexpr uint32_t K(const char (&s)[5]) {
  return (uint32_t(uint8_t(s[0])) << 24) | (uint32_t(uint8_t(s[1])) << 16) |
         (uint32_t(uint8_t(s[2])) << 8) | uint32_t(uint8_t(s[3]));
}

constexpr uint32_t kEnum = K("enum");
constexpr uint32_t kReal = K("real");
constexpr uint32_t kBool = K("bool");
constexpr uint32_t kLong = K("long");
constexpr uint32_t kText = K("strn");
constexpr uint32_t kRaw = K("tdta");

const ActionKeySpec kBorderKeys[] = {
    {K("styl"), kEnum, true},  {K("brgt"), kReal, true},
    {K("brtR"), kBool, true},  {K("stSy"), kEnum, false},
    {K("step"), kText, true},  {K("ofst"), kReal, true},
    {K("angl"), kReal, true},  {K("shdF"), kBool, true},
    {K("shdw"), kReal, true},  {K("shOf"), kReal, true},
    {K("shAg"), kReal, true}};

const ActionKeySpec kCircleKeys[] = {
    {K("cpNm"), kLong, true}, {K("kpAg"), kBool, true},
    {K("oInd"), kEnum, true}, {K("hOfs"), kReal, true},
    {K("vOfs"), kReal, true}, {K("crsH"), kBool, true},
    {K("ovlR"), kReal, true}};

const ActionKeySpec kCutoutKeys[] = {
    {K("shad"), kReal, true}, {K("ofst"), kReal, true},
    {K("angl"), kReal, true}, {K("step"), kLong, true}};

const ActionKeySpec kEmbossKeys[] = {
    {K("emSt"), kEnum, true}, {K("cntr"), kReal, true},
    {K("ofst"), kReal, true}, {K("angl"), kReal, true},
    {K("rvrs"), kBool, true}, {K("step"), kLong, true}};

const ActionKeySpec kExplosionKeys[] = {
    {K("cpNm"), kLong, true}, {K("rAng"), kReal, true},
    {K("kpAg"), kBool, true}, {K("rdus"), kReal, true},
    {K("rRng"), kReal, true}, {K("stKd"), kEnum, true},
    {K("crsH"), kBool, true}, {K("pers"), kReal, true},
    {K("rRnd"), kBool, true}, {K("seed"), kLong, false}};

const ActionKeySpec kFrameKeys[] = {
    {K("hCpy"), kLong, true}, {K("vCpy"), kLong, true},
    {K("kpAg"), kBool, true}, {K("mvSt"), kLong, false},
    {K("move"), kReal, true}, {K("cMov"), kReal, true},
    {K("styl"), kReal, true}, {K("cnAr"), kBool, true},
    {K("rund"), kEnum, true}};

const ActionKeySpec kGalaxyKeys[] = {
    {K("cpNm"), kLong, true}, {K("rAng"), kReal, true},
    {K("kpAg"), kBool, true}, {K("sgNm"), kLong, true},
    {K("segR"), kReal, true}, {K("sAng"), kReal, true},
    {K("sAgR"), kReal, true}, {K("mnRd"), kReal, true},
    {K("nRdR"), kReal, true}, {K("mxRd"), kReal, true},
    {K("xRdR"), kReal, true}, {K("crsH"), kBool, true},
    {K("rSiz"), kReal, true}, {K("pers"), kReal, true},
    {K("styl"), kEnum, true}, {K("rRnd"), kBool, true},
    {K("seed"), kLong, false}};

const ActionKeySpec kGenerationKeys[] = {
    {K("cpyN"), kLong, true}, {K("mvSt"), kLong, false},
    {K("move"), kReal, true}, {K("sizR"), kReal, true},
    {K("angl"), kReal, true}, {K("rotR"), kReal, true},
    {K("styl"), kEnum, true}};

const ActionKeySpec kNeonKeys[] = {
    {K("trck"), kLong, true}, {K("brgt"), kReal, true},
    {K("cntr"), kReal, true}, {K("stSy"), kEnum, false},
    {K("step"), kText, true}, {K("ofst"), kReal, true},
    {K("angl"), kReal, true}, {K("shdF"), kBool, true},
    {K("shdw"), kReal, true}, {K("shRF"), kBool, true},
    {K("shOf"), kReal, true}, {K("shAg"), kReal, true}};

const ActionKeySpec kReflectionsKeys[] = {
    {K("axSt"), kEnum, true}, {K("hOfs"), kReal, true},
    {K("vOfs"), kReal, true}, {K("axNm"), kLong, true}};

const ActionKeySpec kShadowKeys[] = {
    {K("dnst"), kReal, true}, {K("ofst"), kReal, true},
    {K("angl"), kReal, true}, {K("tpcy"), kReal, true}};

const ActionKeySpec kTilingKeys[] = {
    {K("hCpy"), kLong, true}, {K("vCpy"), kLong, true},
    {K("mvSt"), kLong, false}, {K("hMov"), kReal, true},
    {K("vMov"), kReal, true}, {K("styl"), kEnum, true},
    {K("hLSz"), kReal, true}, {K("vLSz"), kReal, true},
    {K("hLRt"), kReal, true}, {K("vLRt"), kReal, true},
    {K("rszM"), kBool, true}};

const ActionKeySpec kTrailKeys[] = {
    {K("styl"), kEnum, true},  {K("sTnt"), kReal, true},
    {K("step"), kLong, true},  {K("stKd"), kEnum, true},
    {K("eFCK"), kEnum, false}, {K("eSCK"), kEnum, false},
    {K("eFCo"), kRaw, false},  {K("eSCo"), kRaw, false},
    {K("eTnt"), kReal, true},  {K("angl"), kReal, true},
    {K("hSiz"), kReal, true},  {K("vSiz"), kReal, true},
    {K("ctrA"), kReal, true},  {K("ctrL"), kReal, true},
    {K("oftA"), kReal, true},  {K("oftL"), kReal, true}};

const ActionKeySpec kFractalizeKeys[] = {
    {K("gene"), kEnum, true}, {K("genH"), kReal, true},
    {K("levl"), kLong, true}, {K("dens"), kReal, true},
    {K("unev"), kReal, true}, {K("uneU"), kLong, false}};

#define VX_KEYS(array) array, int(sizeof array / sizeof array[0])

const EffectInfo kEffects[kEffectCount] = {
    {"Border", "VERSALiX4 Border ", 17100, "QVR-VsX4LiveBorder",
     "BorderPGParams", 108, "VERSALiX4_PST_Border.txt", 13,
     {"VsX4_Border_Action", 18900, VX_KEYS(kBorderKeys)}},
    {"Circle", "VERSALiX4 Circle ", 17104, "QVR-VsX4LiveCircle",
     "CirclePGParams", 92, "VERSALiX4_PST_Circle.txt", 14,
     {"VsX4_Circle_Action", 19000, VX_KEYS(kCircleKeys)}},
    {"Cutout", "VERSALiX4 Cutout ", 17106, "QVR-VsX4LiveCutout",
     "CutoutPGParams", 80, "VERSALiX4_PST_Cutout.txt", 15,
     {"VsX4_Cutout_Action", 19050, VX_KEYS(kCutoutKeys)}},
    {"Emboss", "VERSALiX4 Emboss ", 17108, "QVR-VsX4LiveEmboss",
     "EmbossPGParams", 88, "VERSALiX4_PST_Emboss.txt", 16,
     {"VsX4_Emboss_Action", 19100, VX_KEYS(kEmbossKeys)}},
    {"Explosion", "VERSALiX4 Explosion ", 17110, "QVR-VsX4LiveExplosion",
     "ExplosionPGParams", 104, "VERSALiX4_PST_Explosion.txt", 17,
     {"VsX4_Explosion_Action", 19150, VX_KEYS(kExplosionKeys)}},
    {"Frame", "VERSALiX4 Frame ", 17112, "QVR-VsX4LiveFrame",
     "FramePGParams", 100, "VERSALiX4_PST_Frame.txt", 18,
     {"VsX4_Frame_Action", 19200, VX_KEYS(kFrameKeys)}},
    {"Galaxy", "VERSALiX4 Galaxy ", 17114, "QVR-VsX4LiveGalaxy",
     "GalaxyPGParams", 132, "VERSALiX4_PST_Galaxy.txt", 19,
     {"VsX4_Galaxy_Action", 19250, VX_KEYS(kGalaxyKeys)}},
    {"Generation", "VERSALiX4 Generation ", 17116, "QVR-VsX4LiveGeneration",
     "GenerationPGParams", 92, "VERSALiX4_PST_Generation.txt", 20,
     {"VsX4_Generation_Action", 19300, VX_KEYS(kGenerationKeys)}},
    {"Neon", "VERSALiX4 Neon ", 17102, "QVR-VsX4LiveNeon", "NeonPGParams",
     112, "VERSALiX4_PST_Neon.txt", 21,
     {"VsX4_Neon_Action", 18950, VX_KEYS(kNeonKeys)}},
    {"Reflections", "VERSALiX4 Reflections ", 17118,
     "QVR-VsX4LiveReflections", "ReflectionsPGParams", 80,
     "VERSALiX4_PST_Reflections.txt", 22,
     {"VsX4_Reflections_Action", 19350, VX_KEYS(kReflectionsKeys)}},
    {"Shadow", "VERSALiX4 DropShadow ", 17124, "QVR-VsX4LiveDropShadow",
     "ShadowPGParams", 80, "VERSALiX4_PST_Shadow.txt", 23,
     {"VsX4_DropShadow_Action", 19500, VX_KEYS(kShadowKeys)}},
    {"Tiling", "VERSALiX4 Tiling ", 17120, "QVR-VsX4LiveTiling",
     "TilingPGParams", 108, "VERSALiX4_PST_Tiling.txt", 24,
     {"VsX4_Tiling_Action", 19400, VX_KEYS(kTilingKeys)}},
    {"Trail", "VERSALiX4 Trail ", 17122, "QVR-VsX4LiveTrail",
     "TrailPGParams", 272, "VERSALiX4_PST_Trail.txt", 25,
     {"VsX4_Trail_Action", 19450, VX_KEYS(kTrailKeys)}},
};

const ActionSpec kFractalizeAction = {"VsX4_Fractalize_Action", 19550,
                                      VX_KEYS(kFractalizeKeys)};

}  // namespace

const EffectInfo& Effect(int index) { return kEffects[index]; }
const ActionSpec& FractalizeAction() { return kFractalizeAction; }

}  // namespace vx
