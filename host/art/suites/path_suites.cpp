// The path, path style, custom colour, gradient and pattern suites.
#include <iterator>
#include <algorithm>

#include "host/art/art_suites.h"
#include "host/art/suites/suite_support.h"

namespace vx::host::art {
namespace {

// The path of a handle, or null.
Art* PathFrom(AIArtHandle handle) {
  Art* art = ArtFrom(handle);
  return art && art->kind() == ArtKind::Path ? art : nullptr;
}

// Whether [first, first + count) lies inside a path of n segments.
bool InRange(int first, int count, int n) {
  return first >= 0 && count >= 0 && first + count <= n;
}

// ---- path ------------------------------------------------------------------
ASErr GetPathSegmentCount(AIArtHandle handle, int16_t* count) {
  Art* art = PathFrom(handle);
  if (!art || !count) return kSPBadParameterError;
  size_t n = art->path().segments.size();
  if (n > 32767) return kOverflowErr;
  *count = int16_t(n);
  return kNoErr;
}
// Growing repeats the last segment (a fresh path grows from a zero segment).
ASErr SetPathSegmentCount(AIArtHandle handle, int16_t count) {
  Art* art = PathFrom(handle);
  if (!art || count < 0) return kSPBadParameterError;
  if (art->path().segments.size() == size_t(count)) return kNoErr;
  PathData& p = CurrentDocument()->MutablePath(*art);
  Segment fill{};
  if (!p.segments.empty()) fill = p.segments.back();
  p.segments.resize(size_t(count), fill);
  p.selection.resize(size_t(count),
                     p.selection.empty() ? int16_t(kSegmentNotSelected) : p.selection.back());
  return kNoErr;
}
ASErr GetPathSegments(AIArtHandle handle, int16_t first, int16_t count,
                      Segment* segments) {
  Art* art = PathFrom(handle);
  if (!art || (count > 0 && !segments)) return kSPBadParameterError;
  const auto& segs = art->path().segments;
  if (!InRange(first, count, int(segs.size()))) return kSPBadParameterError;
  std::copy_n(segs.begin() + first, count, segments);
  return kNoErr;
}
// Writing past the end grows the path (writing the segments first and
// then the count is how a path is replaced by a longer one); a gap before
// first is refused.
ASErr SetPathSegments(AIArtHandle handle, int16_t first, int16_t count,
                      const Segment* segments) {
  Art* art = PathFrom(handle);
  if (!art || first < 0 || count < 0 || (count > 0 && !segments))
    return kSPBadParameterError;
  if (size_t(first) > art->path().segments.size()) return kSPBadParameterError;
  if (count == 0) return kNoErr;
  if (!art->document().ChargeSegments(size_t(count))) return kOutOfMemoryErr;
  PathData& p = CurrentDocument()->MutablePath(*art);
  size_t end = size_t(first) + size_t(count);
  if (end > p.segments.size()) {
    p.segments.resize(end);
    p.selection.resize(end, p.selection.empty() ? int16_t(kSegmentNotSelected)
                                                : p.selection.back());
  }
  Segment* out = p.segments.data() + first;
  std::copy_n(segments, count, out);
  for (int i = 0; i < count; ++i) out[i].corner = out[i].corner ? 1 : 0;
  return kNoErr;
}
ASErr InsertPathSegments(AIArtHandle handle, int16_t at, int16_t count,
                         const Segment* segments) {
  Art* art = PathFrom(handle);
  if (!art || count < 0 || (count > 0 && !segments) ||
      !InRange(at, 0, int(art->path().segments.size())))
    return kSPBadParameterError;
  if (art->path().segments.size() + size_t(count) > 32767) return kOverflowErr;
  if (count == 0) return kNoErr;
  if (!art->document().ChargeSegments(size_t(count))) return kOutOfMemoryErr;
  PathData& p = CurrentDocument()->MutablePath(*art);
  p.segments.insert(p.segments.begin() + at, segments, segments + count);
  p.selection.insert(p.selection.begin() + at, size_t(count), int16_t(kSegmentNotSelected));
  return kNoErr;
}
ASErr DeletePathSegments(AIArtHandle handle, int16_t first, int16_t count) {
  Art* art = PathFrom(handle);
  if (!art || !InRange(first, count, int(art->path().segments.size())))
    return kSPBadParameterError;
  if (count == 0) return kNoErr;
  PathData& p = CurrentDocument()->MutablePath(*art);
  p.segments.erase(p.segments.begin() + first, p.segments.begin() + first + count);
  p.selection.erase(p.selection.begin() + first, p.selection.begin() + first + count);
  return kNoErr;
}
ASErr GetPathClosed(AIArtHandle handle, ASBoolean* closed) {
  Art* art = PathFrom(handle);
  if (!art || !closed) return kSPBadParameterError;
  *closed = art->path().closed;
  return kNoErr;
}
ASErr SetPathClosed(AIArtHandle handle, ASBoolean closed) {
  Art* art = PathFrom(handle);
  if (!art) return kSPBadParameterError;
  if (art->path().closed != (closed != 0))
    CurrentDocument()->MutablePath(*art).closed = closed != 0;
  return kNoErr;
}
ASErr GetPathSegmentSelected(AIArtHandle handle, int16_t n, int16_t* selected) {
  Art* art = PathFrom(handle);
  if (!art || !selected || !InRange(n, 1, int(art->path().segments.size())))
    return kSPBadParameterError;
  *selected = art->path().selection[size_t(n)];
  return kNoErr;
}
// Selecting a segment selects its path; deselecting the last selected one
// deselects it.
ASErr SetPathSegmentSelected(AIArtHandle handle, int16_t n, int16_t selected) {
  Art* art = PathFrom(handle);
  if (!art || !InRange(n, 1, int(art->path().segments.size())) ||
      selected < kSegmentNotSelected || selected > kSegmentInAndOutSelected)
    return kSPBadParameterError;
  Document& doc = *CurrentDocument();
  if (art->path().selection[size_t(n)] != selected)
    doc.MutablePath(*art).selection[size_t(n)] = selected;
  const auto& sel = art->path().selection;
  bool any = std::any_of(sel.begin(), sel.end(),
                         [](int16_t s) { return s != kSegmentNotSelected; });
  doc.SetUserAttrs(*art, kArtSelected, any ? kArtSelected : 0);
  return kNoErr;
}
const AIPathSuite kPath = {GetPathSegmentCount, SetPathSegmentCount,
                           GetPathSegments,     SetPathSegments,
                           InsertPathSegments,  DeletePathSegments,
                           GetPathClosed,       SetPathClosed,
                           GetPathSegmentSelected, SetPathSegmentSelected};

// ---- path style ----------------------------------------------------------------
// Paths and text runs have a style; a compound path answers the style of its
// first member path.
const AIPathStyle* StyleOf(const Art* art) {
  if (!art) return nullptr;
  if (const AIPathStyle* s = art->style()) return s;
  if (art->kind() == ArtKind::CompoundPath)
    for (const Art* c = art->firstChild(); c; c = c->sibling())
      if (const AIPathStyle* s = StyleOf(c)) return s;
  return nullptr;
}
ASErr GetPathStyle(AIArtHandle handle, AIPathStyle* style) {
  const AIPathStyle* s = StyleOf(ArtFrom(handle));
  if (!s || !style) return kSPBadParameterError;
  *style = *s;
  return kNoErr;
}
ASErr SetPathStyle(AIArtHandle handle, const AIPathStyle* style) {
  Art* art = ArtFrom(handle);
  if (!art || !style) return kSPBadParameterError;
  return CurrentDocument()->SetStyle(*art, *style);
}
ASErr GetCurrentPathStyle(AIPathStyle* style) {
  Document* doc = CurrentDocument();
  if (!doc) return kNoDocumentErr;
  if (!style) return kSPBadParameterError;
  *style = doc->currentStyle();
  return kNoErr;
}
ASErr SetCurrentPathStyle(const AIPathStyle* style) {
  Document* doc = CurrentDocument();
  if (!doc) return kNoDocumentErr;
  if (!style) return kSPBadParameterError;
  doc->SetCurrentStyle(*style);
  return kNoErr;
}
const AIPathStyleSuite kPathStyle = {GetPathStyle, SetPathStyle,
                                     GetCurrentPathStyle, SetCurrentPathStyle};

// ---- custom colours ------------------------------------------------------------
ASErr NewCustomColor(const AICustomColor* color, const char* name,
                     AICustomColorHandle* out) {
  Document* doc = CurrentDocument();
  if (!doc) return kNoDocumentErr;
  if (!color || !out || (color->kind != kFourColor && color->kind != kThreeColor))
    return kSPBadParameterError;
  CustomColor c;
  c.definition = *color;
  c.name = name ? name : "";
  *out = doc->NewCustomColor(c);
  return kNoErr;
}
ASErr GetCustomColor(AICustomColorHandle handle, AICustomColor* color) {
  Document* doc = CurrentDocument();
  if (!doc) return kNoDocumentErr;
  const CustomColor* c = doc->FindCustomColor(handle);
  if (!c || !color) return kSPBadParameterError;
  *color = c->definition;
  return kNoErr;
}
ASErr GetCustomColorName(AICustomColorHandle handle, char* name, int32_t maxLength) {
  Document* doc = CurrentDocument();
  if (!doc) return kNoDocumentErr;
  const CustomColor* c = doc->FindCustomColor(handle);
  if (!c || !name) return kSPBadParameterError;
  CopyText(c->name, name, maxLength);
  return kNoErr;
}
const AICustomColorSuite kCustomColor = {NewCustomColor, GetCustomColor,
                                         GetCustomColorName};

// ---- gradients -------------------------------------------------------------------
const Gradient* GradientFrom(AIGradientHandle handle) {
  Document* doc = CurrentDocument();
  return doc ? doc->FindGradient(handle) : nullptr;
}
// A new linear gradient from white to black.
ASErr NewGradient(AIGradientHandle* out) {
  Document* doc = CurrentDocument();
  if (!doc) return kNoDocumentErr;
  if (!out) return kSPBadParameterError;
  Gradient g;
  AIGradientStop white{}, black{};
  white.midPoint = black.midPoint = 50;
  white.rampPoint = 0;
  black.rampPoint = 100;
  white.color.kind = black.color.kind = kGrayColor;
  white.color.c.g.gray = 0;
  black.color.c.g.gray = 1;
  g.stops = {white, black};
  *out = doc->NewGradient(g);
  return kNoErr;
}
ASErr GetGradientType(AIGradientHandle handle, int16_t* type) {
  const Gradient* g = GradientFrom(handle);
  if (!g || !type) return kSPBadParameterError;
  *type = g->type;
  return kNoErr;
}
ASErr SetGradientType(AIGradientHandle handle, int16_t type) {
  if (!GradientFrom(handle) || (type != kLinearGradient && type != kRadialGradient))
    return kSPBadParameterError;
  CurrentDocument()->MutableGradient(handle)->type = type;
  return kNoErr;
}
ASErr GetGradientName(AIGradientHandle handle, char* name, int32_t maxLength) {
  const Gradient* g = GradientFrom(handle);
  if (!g || !name) return kSPBadParameterError;
  CopyText(g->name, name, maxLength);
  return kNoErr;
}
ASErr SetGradientName(AIGradientHandle handle, const char* name) {
  if (!GradientFrom(handle) || !name) return kSPBadParameterError;
  CurrentDocument()->MutableGradient(handle)->name = name;
  return kNoErr;
}
ASErr GetGradientStopCount(AIGradientHandle handle, int16_t* count) {
  const Gradient* g = GradientFrom(handle);
  if (!g || !count) return kSPBadParameterError;
  *count = int16_t(g->stops.size());
  return kNoErr;
}
ASErr GetNthGradientStop(AIGradientHandle handle, int16_t n, AIGradientStop* stop) {
  const Gradient* g = GradientFrom(handle);
  if (!g || !stop || !InRange(n, 1, int(g->stops.size()))) return kSPBadParameterError;
  *stop = g->stops[size_t(n)];
  return kNoErr;
}
ASErr SetNthGradientStop(AIGradientHandle handle, int16_t n, const AIGradientStop* stop) {
  const Gradient* g = GradientFrom(handle);
  if (!g || !stop || !InRange(n, 1, int(g->stops.size()))) return kSPBadParameterError;
  CurrentDocument()->MutableGradient(handle)->stops[size_t(n)] = *stop;
  return kNoErr;
}
ASErr InsertGradientStop(AIGradientHandle handle, int16_t n, const AIGradientStop* stop) {
  const Gradient* g = GradientFrom(handle);
  if (!g || !stop || !InRange(n, 0, int(g->stops.size()))) return kSPBadParameterError;
  auto& stops = CurrentDocument()->MutableGradient(handle)->stops;
  stops.insert(stops.begin() + n, *stop);
  return kNoErr;
}
ASErr CountGradients(int32_t* count) {
  Document* doc = CurrentDocument();
  if (!doc) return kNoDocumentErr;
  if (!count) return kSPBadParameterError;
  *count = int32_t(doc->gradients().size());
  return kNoErr;
}
ASErr GetNthGradient(int32_t n, AIGradientHandle* out) {
  Document* doc = CurrentDocument();
  if (!doc) return kNoDocumentErr;
  if (!out || n < 0 || size_t(n) >= doc->gradients().size()) return kSPBadParameterError;
  // Handles grow as gradients are made, so the map's order is theirs.
  *out = std::next(doc->gradients().begin(), n)->first;
  return kNoErr;
}
const AIGradientSuite kGradient = {NewGradient,        GetGradientType,
                                   SetGradientType,    GetGradientName,
                                   SetGradientName,    GetGradientStopCount,
                                   GetNthGradientStop, SetNthGradientStop,
                                   InsertGradientStop, CountGradients,
                                   GetNthGradient};

// ---- patterns --------------------------------------------------------------------
const Pattern* PatternFrom(AIPatternHandle handle) {
  Document* doc = CurrentDocument();
  return doc ? doc->FindPattern(handle) : nullptr;
}
ASErr GetPatternName(AIPatternHandle handle, char* name, int32_t maxLength) {
  const Pattern* p = PatternFrom(handle);
  if (!p || !name) return kSPBadParameterError;
  CopyText(p->name, name, maxLength);
  return kNoErr;
}
ASErr GetPatternArt(AIPatternHandle handle, AIArtHandle* art) {
  const Pattern* p = PatternFrom(handle);
  if (!p || !art) return kSPBadParameterError;
  *art = p->art->handle();
  return kNoErr;
}
const AIPatternSuite kPattern = {GetPatternName, GetPatternArt};

}  // namespace

void RegisterPathSuites(Host& host) {
  SuiteRegistry& s = host.suites();
  s.Add(kAIPathSuite, kAIPathSuiteVersion, &kPath);
  s.Add(kAIPathStyleSuite, kAIPathStyleSuiteVersion, &kPathStyle);
  s.Add(kAICustomColorSuite, kAICustomColorSuiteVersion, &kCustomColor);
  s.Add(kAIGradientSuite, kAIGradientSuiteVersion, &kGradient);
  s.Add(kAIPatternSuite, kAIPatternSuiteVersion, &kPattern);
}

}  // namespace vx::host::art
