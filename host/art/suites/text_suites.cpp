// The text, text path and text run suites.
#include "host/art/art_suites.h"
#include "host/art/suites/suite_support.h"
#include "host/art/suites/text_start_suite.h"
#include "host/core/call_failures.h"

namespace vx::host::art {
namespace {

Art* OfKind(AIArtHandle handle, ArtKind kind) {
  Art* art = ArtFrom(handle);
  return art && art->kind() == kind ? art : nullptr;
}

ASErr GetTextFocus(AIArtHandle* text) {
  Document* doc = CurrentDocument();
  if (!doc) return kNoDocumentErr;
  if (!text) return kSPBadParameterError;
  *text = ToHandle(doc->textFocus());
  return kNoErr;
}
ASErr GetTextStart(AIArtHandle handle, AIRealPoint* start) {
  Art* art = OfKind(handle, ArtKind::Text);
  if (!art || !start) return kSPBadParameterError;
  *start = art->text().start;
  return kNoErr;
}
// The text of all runs in order.
ASErr GetTextContents(AIArtHandle handle, char* contents, int32_t maxLength) {
  Art* art = OfKind(handle, ArtKind::Text);
  if (!art || !contents) return kSPBadParameterError;
  std::string text;
  for (Art* c = art->firstChild(); c; c = c->sibling())
    if (c->kind() == ArtKind::TextRun) text += c->run().contents;
  CopyText(text, contents, maxLength);
  return kNoErr;
}
const AITextSuite kText = {GetTextFocus, GetTextStart, GetTextContents, SetTextStart};

// Version 4: the text object's clipping (TextData::clipping).
ASErr SetTextClipping(AIArtHandle handle, ASBoolean clipping) {
  if (ASErr err = Host::Current().failures().Check("SetTextClipping")) return err;
  Art* art = OfKind(handle, ArtKind::Text);
  if (!art) return kSPBadParameterError;
  CurrentDocument()->MutableText(*art).clipping = clipping != 0;
  return kNoErr;
}
ASErr GetTextClipping(AIArtHandle handle, ASBoolean* clipping) {
  Art* art = OfKind(handle, ArtKind::Text);
  if (!art || !clipping) return kSPBadParameterError;
  *clipping = art->text().clipping;
  return kNoErr;
}
const AITextSuite4 kText4 = {GetTextFocus, GetTextStart, GetTextContents,
                             SetTextClipping, GetTextClipping, SetTextStart};

ASErr GetTextPathPath(AIArtHandle handle, AIArtHandle* path) {
  Art* art = OfKind(handle, ArtKind::TextPath);
  if (!art || !path) return kSPBadParameterError;
  *path = nullptr;
  for (Art* c = art->firstChild(); c; c = c->sibling())
    if (c->kind() == ArtKind::Path) {
      *path = c->handle();
      break;
    }
  return kNoErr;
}
const AITextPathSuite kTextPath = {GetTextPathPath, GetTextPathStart};

ASErr GetTextRunStyle(AIArtHandle handle, AIPathStyle* style) {
  Art* art = OfKind(handle, ArtKind::TextRun);
  if (!art || !style) return kSPBadParameterError;
  *style = art->run().style;
  return kNoErr;
}
ASErr SetTextRunStyle(AIArtHandle handle, const AIPathStyle* style) {
  Art* art = OfKind(handle, ArtKind::TextRun);
  if (!art || !style) return kSPBadParameterError;
  return CurrentDocument()->SetStyle(*art, *style);
}
const AITextRunSuite kTextRun = {GetTextRunStyle, SetTextRunStyle};

}  // namespace

void RegisterTextSuites(Host& host) {
  SuiteRegistry& s = host.suites();
  s.Add(kAITextSuite, kAITextSuiteVersion, &kText);
  s.Add(kAITextSuite, kAITextSuiteClipVersion, &kText4);
  s.Add(kAITextPathSuite, kAITextPathSuiteVersion, &kTextPath);
  s.Add(kAITextRunSuite, kAITextRunSuiteVersion, &kTextRun);
}

}  // namespace vx::host::art
