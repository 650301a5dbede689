#include "host/art/art.h"

#include <cassert>
#include <cstring>

#include "host/art/document.h"

namespace vx::host::art {

int16_t PluginArtType(ArtKind kind) {
  return kind == ArtKind::Opaque ? int16_t(kUnknownArt) : int16_t(kind);
}

const char* ArtKindName(ArtKind kind) {
  switch (kind) {
    case ArtKind::Group: return "group";
    case ArtKind::Path: return "path";
    case ArtKind::CompoundPath: return "compound path";
    case ArtKind::Text: return "text";
    case ArtKind::TextPath: return "text path";
    case ArtKind::TextRun: return "text run";
    case ArtKind::PluginGroup: return "plug-in group";
    case ArtKind::Opaque: return "opaque";
  }
  return "?";
}

AIPathStyle DefaultPathStyle() {
  AIPathStyle s;
  std::memset(&s, 0, sizeof s);
  s.fillPaint = 1;
  s.fill.color.kind = kGrayColor;
  s.fill.color.c.g.gray = 1;  // gray is the amount of black: 1 is black
  s.strokePaint = 0;
  s.stroke.color.kind = kGrayColor;
  s.stroke.color.c.g.gray = 1;
  s.stroke.width = 1;
  s.stroke.cap = kAIButtCap;
  s.stroke.join = kAIMiterJoin;
  s.stroke.miterLimit = 4;
  s.resolution = 800;
  return s;
}

namespace {
bool SameMatrix(const AIRealMatrix& a, const AIRealMatrix& b) {
  return a.a == b.a && a.b == b.b && a.c == b.c && a.d == b.d &&
         a.tx == b.tx && a.ty == b.ty;
}
bool SamePoint(const AIRealPoint& a, const AIRealPoint& b) {
  return a.h == b.h && a.v == b.v;
}
}  // namespace

bool SameColor(const AIColor& a, const AIColor& b) {
  if (a.kind != b.kind) return false;
  const AIColorUnion& x = a.c;
  const AIColorUnion& y = b.c;
  switch (a.kind) {
    case kGrayColor: return x.g.gray == y.g.gray;
    case kFourColor:
      return x.f.cyan == y.f.cyan && x.f.magenta == y.f.magenta &&
             x.f.yellow == y.f.yellow && x.f.black == y.f.black;
    case kThreeColor:
      return x.rgb.red == y.rgb.red && x.rgb.green == y.rgb.green &&
             x.rgb.blue == y.rgb.blue;
    case kCustomColor: return x.c.color == y.c.color && x.c.tint == y.c.tint;
    case kGradient:
      return x.b.gradient == y.b.gradient &&
             SamePoint(x.b.gradientOrigin, y.b.gradientOrigin) &&
             x.b.gradientAngle == y.b.gradientAngle &&
             x.b.gradientLength == y.b.gradientLength &&
             SameMatrix(x.b.matrix, y.b.matrix) &&
             x.b.hiliteAngle == y.b.hiliteAngle &&
             x.b.hiliteLength == y.b.hiliteLength;
    case kPattern:
      return x.p.pattern == y.p.pattern && x.p.shiftDist == y.p.shiftDist &&
             x.p.shiftAngle == y.p.shiftAngle && SamePoint(x.p.scale, y.p.scale) &&
             x.p.rotate == y.p.rotate && x.p.reflect == y.p.reflect &&
             x.p.reflectAngle == y.p.reflectAngle &&
             x.p.shearAngle == y.p.shearAngle && x.p.shearAxis == y.p.shearAxis &&
             SameMatrix(x.p.transform, y.p.transform);
    case kNoneColor: return true;
    default: return false;
  }
}

bool SamePathStyle(const AIPathStyle& a, const AIPathStyle& b) {
  const AIStrokeStyle& s = a.stroke;
  const AIStrokeStyle& t = b.stroke;
  if (a.fillPaint != b.fillPaint || a.strokePaint != b.strokePaint ||
      !SameColor(a.fill.color, b.fill.color) ||
      a.fill.overprint != b.fill.overprint || !SameColor(s.color, t.color) ||
      s.overprint != t.overprint || s.width != t.width || s.cap != t.cap ||
      s.join != t.join || s.miterLimit != t.miterLimit ||
      s.dash.length != t.dash.length || s.dash.offset != t.dash.offset ||
      a.clip != b.clip || a.lockClip != b.lockClip || a.evenodd != b.evenodd ||
      a.resolution != b.resolution)
    return false;
  for (int i = 0; i < 6; ++i)
    if (s.dash.array[i] != t.dash.array[i]) return false;
  return true;
}

namespace {
// A path's or run's style is set as it is made, never to the default first.
ArtContent ContentFor(ArtKind kind, const AIPathStyle& style) {
  switch (kind) {
    case ArtKind::Path:
      return PathData{.segments = {}, .selection = {}, .closed = false, .style = style};
    case ArtKind::Text: return TextData{};
    case ArtKind::TextPath: return TextPathData{};
    case ArtKind::TextRun: return TextRunData{.contents = {}, .style = style};
    case ArtKind::PluginGroup: return PluginGroupData{};
    case ArtKind::Opaque: return OpaqueData{};
    case ArtKind::Group:
    case ArtKind::CompoundPath: break;
  }
  return GroupData{};
}
}  // namespace

Art::Art(Document& document, ArtKind kind, uint32_t uid, const AIPathStyle& style)
    : document_(&document), kind_(kind), uid_(uid), content_(ContentFor(kind, style)) {}

void* Art::operator new([[maybe_unused]] std::size_t size, BlockPool& pool) {
  static_assert(alignof(Art) <= __STDCPP_DEFAULT_NEW_ALIGNMENT__ && sizeof(Art) % alignof(Art) == 0);
  assert(size == sizeof(Art));
  return pool.Allocate();
}
void Art::operator delete(void* block, BlockPool& pool) { pool.Free(block); }
void Art::operator delete(Art* art, std::destroying_delete_t) {
  BlockPool& pool = art->document_->artBlocks_;
  art->~Art();
  pool.Free(art);
}

AIArtHandle Art::handle() const { return ToHandle(this); }

bool Art::isPluginGroupPart() const {
  return parent_ && parent_->kind_ == ArtKind::PluginGroup &&
         (parent_->edit_ == this || parent_->result_ == this);
}

bool Art::isContainer() const {
  switch (kind_) {
    case ArtKind::Group:
    case ArtKind::CompoundPath:
    case ArtKind::Text:
    case ArtKind::TextPath: return true;
    default: return false;
  }
}

Layer* Art::layer() const {
  const Art* a = this;
  while (a->parent_) a = a->parent_;
  return a->layer_;
}

bool Art::isWithin(const Art* ancestor) const {
  for (const Art* a = this; a; a = a->parent_)
    if (a == ancestor) return true;
  return false;
}

const AIPathStyle* Art::style() const {
  if (auto* p = std::get_if<PathData>(&content_)) return &p->style;
  if (auto* r = std::get_if<TextRunData>(&content_)) return &r->style;
  return nullptr;
}

AIArtHandle ToHandle(const Art* art) {
  return art ? reinterpret_cast<AIArtHandle>(uintptr_t(art->uid())) : nullptr;
}

uint32_t UidOf(AIArtHandle handle) {
  return uint32_t(reinterpret_cast<uintptr_t>(handle));
}

}  // namespace vx::host::art
