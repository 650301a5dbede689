#include "filters/fractalize_generator.h"

#include "shell/blocks.h"
#include "shell/suites.h"

namespace vx {
namespace {

constexpr int kMaxOperands = 20;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool IsOperandChar(char c) { return c == '-' || c == '.' || (c >= '0' && c <= '9'); }

// The path being read: the anchor under construction is `current`, the
// anchors before it are written to out (when given).
struct ClipReader {
  Segment* out;
  int32_t capacity;
  int32_t anchors = 0;   // anchors finished so far
  bool started = false;
  bool ended = false;
  Segment current{};

  void Finish() {
    if (out && anchors < capacity) out[anchors] = current;
    ++anchors;
  }
  void Start(AIRealPoint p, bool corner) {
    current.p = current.in = current.out = p;
    current.corner = corner ? 1 : 0;
  }
  // Ends the current anchor (its out-control given) and begins the next.
  void Next(AIRealPoint out1, AIRealPoint in2, AIRealPoint p2, bool corner) {
    current.out = out1;
    Finish();
    Start(p2, corner);
    current.in = in2;
  }
};

bool IsUpper(char c) { return c >= 'A' && c <= 'Z'; }

void Apply(ClipReader& r, char op, const float* v, int n) {
  auto pt = [&](int i) { return AIRealPoint{v[i], v[i + 1]}; };
  const bool corner = IsUpper(op);
  if (r.ended) return;
  switch (op) {
    case 'm':
      if (n < 2) return;
      r.started = true;
      r.anchors = 0;
      r.Start(pt(0), false);
      return;
    case 'L': case 'l':
      if (n < 2 || !r.started) return;
      r.Next(r.current.p, pt(0), pt(0), corner);
      return;
    case 'C': case 'c':
      if (n < 6 || !r.started) return;
      r.Next(pt(0), pt(2), pt(4), corner);
      return;
    case 'V': case 'v':
      if (n < 4 || !r.started) return;
      r.Next(r.current.p, pt(0), pt(2), corner);
      return;
    case 'Y': case 'y':
      if (n < 4 || !r.started) return;
      r.Next(pt(0), pt(2), pt(2), corner);
      return;
    case 'B': case 'F': case 'N': case 'S':
      if (!r.started) return;
      r.Finish();
      r.ended = true;
      return;
    default:
      return;
  }
}

}  // namespace

ASErr ParseArtClip(const char* text, std::size_t size, Segment* out,
                   int32_t capacity, int32_t* count) {
  *count = 0;
  ClipReader reader{out, capacity};
  float operands[kMaxOperands];
  int n = 0;
  std::size_t i = 0;
  while (i < size) {
    const char c = text[i];
    if (IsBlank(c)) {
      ++i;
      continue;
    }
    if (c == '%') {
      if (size - i >= 5 && text[i + 1] == '%' && text[i + 2] == 'E' &&
          text[i + 3] == 'O' && text[i + 4] == 'F')
        break;
      while (i < size && text[i] != '\n' && text[i] != '\r') ++i;
      continue;
    }
    if (c == '(') {
      ++i;
      while (i < size && text[i] != ')') i += (text[i] == '\\') ? 2 : 1;
      ++i;
      continue;
    }
    std::size_t end = i;
    bool operand = true;
    while (end < size && !IsBlank(text[end]) && text[end] != '%' &&
           text[end] != '(') {
      operand = operand && IsOperandChar(text[end]);
      ++end;
    }
    const std::size_t length = end - i;
    if (operand) {
      char number[64];
      const std::size_t kept = length < sizeof number ? length : sizeof number - 1;
      for (std::size_t k = 0; k < kept; ++k) number[k] = text[i + k];
      number[kept] = 0;
      // A token such as "-" or "." that is no number counts as 0.
      AIReal value = 0;
      if (sUser->StringToNumber(number, &value)) value = 0;
      if (n == kMaxOperands) n = kMaxOperands - 1;
      operands[n++] = value;
    } else if (length == 1) {
      Apply(reader, c, operands, n);
      n = 0;
    }
    i = end;
  }
  *count = reader.ended ? reader.anchors : 0;
  return kNoErr;
}

ASErr LoadGenerator(SPPluginRef plugin, int32_t generator, float genHeight,
                    Segment** segments, int32_t* count) {
  *segments = nullptr;
  *count = 0;
  if (generator < 1 || generator > kGeneratorCount || !sPlugins || !sAccess ||
      !sUser)
    return kBadResourceErr;
  SPAccessRef access = nullptr;
  SPPlatformAccessRef module = nullptr;
  SPResource clip{};
  if (ASErr err = sPlugins->GetPluginAccess(plugin, &access)) return err;
  if (ASErr err = sAccess->GetAccessInfo(access, &module)) return err;
  if (sAccess->FindResource(module, kVxArtClipResource,
                            GeneratorClipId(generator), &clip) ||
      !clip.data)
    return kBadResourceErr;
  const char* text = static_cast<const char*>(clip.data);
  int32_t anchors = 0;
  if (ASErr err = ParseArtClip(text, clip.size, nullptr, 0, &anchors)) return err;
  if (anchors < 2) return kBadResourceErr;
  BlockPtr<Segment> genSegs;
  if (ASErr err = genSegs.Allocate(anchors, "genSegs")) return err;
  int32_t filled = 0;
  if (ASErr err = ParseArtClip(text, clip.size, genSegs.get(), anchors, &filled))
    return err;
  if (genHeight != 100.0f) {
    const float factor = genHeight * 0.01f;
    for (int32_t k = 0; k < anchors; ++k) {
      genSegs[k].p.v *= factor;
      genSegs[k].in.v *= factor;
      genSegs[k].out.v *= factor;
    }
  }
  genSegs[0].corner = 1;
  genSegs[anchors - 1].corner = 1;
  *segments = genSegs.Release();
  *count = anchors;
  return kNoErr;
}

}  // namespace vx
