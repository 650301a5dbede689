#include "effects/clip_mask.h"

#include "effects/art_styling.h"
#include "shell/globals.h"
#include "shell/suites.h"

namespace vx {

ASErr SetTextClipping(AIArtHandle text) {
  if (gGlobals->HostIsAI8) return kNoErr;
  const SPBasicSuite* basic = gGlobals->BasicSuite;
  const void* suite = nullptr;
  if (ASErr err = basic->AcquireSuite(kAITextSuite, kAITextSuiteClipVersion, &suite))
    return err;
  const ASErr err = static_cast<const AITextSuite4*>(suite)->SetTextClipping(text, true);
  basic->ReleaseSuite(kAITextSuite, kAITextSuiteClipVersion);
  return err;
}

ASErr MakeClipMember(AIArtHandle art) {
  int16_t type = 0;
  if (ASErr err = sArt->GetArtType(art, &type)) return err;
  if (type == kGroupArt || type == kCompoundPathArt)
    return ForEachChild(art, [](AIArtHandle child) { return MakeClipMember(child); });
  if (type == kTextArt)
    if (ASErr err = SetTextClipping(art)) return err;
  return ForEachStyledLeaf(art, [](AIArtHandle styled, int16_t styledType) -> ASErr {
    AIPathStyle style{};
    if (ASErr err = GetLeafStyle(styled, styledType, &style)) return err;
    style.fillPaint = false;
    style.strokePaint = false;
    style.clip = true;
    return SetLeafStyle(styled, styledType, style);
  });
}

}  // namespace vx
