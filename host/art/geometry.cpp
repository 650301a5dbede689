#include "host/art/geometry.h"

#include <algorithm>
#include <cmath>

#include "host/art/art.h"
#include "host/art/document.h"
#include "host/geometry/affine.h"

namespace vx::host::art {

AIRealMatrix IdentityMatrix() { return {1, 0, 0, 1, 0, 0}; }

AIRealMatrix Concat(const AIRealMatrix& m, const AIRealMatrix& n) { return ConcatMatrices(m, n); }

AIRealPoint Apply(const AIRealMatrix& m, AIRealPoint p) { return ApplyMatrix(m, p); }

bool IsIdentity(const AIRealMatrix& m) {
  return m.a == 1 && m.b == 0 && m.c == 0 && m.d == 1 && m.tx == 0 && m.ty == 0;
}

void BoundsBuilder::Add(double x, double y) {
  if (empty) {
    left = right = x;
    top = bottom = y;
    empty = false;
    return;
  }
  left = std::min(left, x);
  right = std::max(right, x);
  bottom = std::min(bottom, y);
  top = std::max(top, y);
}

void BoundsBuilder::Add(const AIRealRect& r) {
  Add(r.left, r.top);
  Add(r.right, r.bottom);
}

AIRealRect BoundsBuilder::Rect() const {
  if (empty) return {0, 0, 0, 0};
  return {AIReal(left), AIReal(top), AIReal(right), AIReal(bottom)};
}

namespace {

// Values of t in (0, 1) where one coordinate of the cubic has a turning
// point: roots of the derivative a t^2 + b t + c.
int TurningPoints(double p0, double p1, double p2, double p3, double t[2]) {
  double a = 3 * (-p0 + 3 * p1 - 3 * p2 + p3);
  double b = 6 * (p0 - 2 * p1 + p2);
  double c = 3 * (p1 - p0);
  int n = 0;
  auto keep = [&](double r) {
    if (r > 0 && r < 1) t[n++] = r;
  };
  if (std::fabs(a) < 1e-12) {
    if (std::fabs(b) > 1e-12) keep(-c / b);
    return n;
  }
  double disc = b * b - 4 * a * c;
  if (disc < 0) return 0;
  double s = std::sqrt(disc);
  keep((-b + s) / (2 * a));
  keep((-b - s) / (2 * a));
  return n;
}

double CubicAt(double p0, double p1, double p2, double p3, double t) {
  double u = 1 - t;
  return u * u * u * p0 + 3 * u * u * t * p1 + 3 * u * t * t * p2 + t * t * t * p3;
}

void AddPathBounds(BoundsBuilder& b, const PathData& path,
                   const AIRealMatrix* m, int32_t flags) {
  const auto& segs = path.segments;
  if (segs.empty()) return;
  auto at = [m](AIRealPoint p) { return m ? Apply(*m, p) : p; };
  BoundsBuilder own;
  if (flags & kControlBounds) {
    for (const Segment& s : segs) {
      AIRealPoint p = at(s.p), i = at(s.in), o = at(s.out);
      own.Add(p.h, p.v);
      own.Add(i.h, i.v);
      own.Add(o.h, o.v);
    }
  } else {
    size_t n = segs.size();
    AIRealPoint first = at(segs[0].p);
    own.Add(first.h, first.v);
    size_t pieces = path.closed ? n : n - 1;
    for (size_t i = 0; i < pieces && n > 1; ++i) {
      const Segment& s = segs[i];
      const Segment& e = segs[(i + 1) % n];
      AddCubicBounds(own, at(s.p), at(s.out), at(e.in), at(e.p));
    }
  }
  if ((flags & kVisibleBounds) && !(flags & kNoStrokeBounds) &&
      path.style.strokePaint && !own.empty) {
    double scale = m ? std::sqrt(std::fabs(double(m->a) * m->d - double(m->b) * m->c)) : 1.0;
    double half = path.style.stroke.width * 0.5 * scale;
    own.Add(own.left - half, own.bottom - half);
    own.Add(own.right + half, own.top + half);
  }
  if (!own.empty) {
    b.Add(own.left, own.top);
    b.Add(own.right, own.bottom);
  }
}

void AddBounds(BoundsBuilder& b, const Art& art, const AIRealMatrix* m,
               int32_t flags);

void AddChildren(BoundsBuilder& b, const Art& art, const AIRealMatrix* m,
                 int32_t flags) {
  // A clipped group shows no more than its clipping members.
  if (art.kind() == ArtKind::Group && art.group().clipped) {
    BoundsBuilder clip;
    for (const Art* c = art.firstChild(); c; c = c->sibling())
      if (const AIPathStyle* s = c->style(); s && s->clip) AddBounds(clip, *c, m, flags);
      else if (c->kind() == ArtKind::CompoundPath && c->firstChild() &&
               c->firstChild()->style() && c->firstChild()->style()->clip)
        AddBounds(clip, *c, m, flags);
    if (!clip.empty) {
      b.Add(clip.left, clip.top);
      b.Add(clip.right, clip.bottom);
      return;
    }
  }
  for (const Art* c = art.firstChild(); c; c = c->sibling()) AddBounds(b, *c, m, flags);
}

void AddTextBounds(BoundsBuilder& b, const Art& text, const AIRealMatrix* m,
                   int32_t flags) {
  for (const Art* c = text.firstChild(); c; c = c->sibling())
    if (c->kind() == ArtKind::TextPath) {
      AddBounds(b, *c, m, flags);
      return;
    }
  // Point text: an estimate of the line's box from its size (the host has
  // no font metrics): half an em per character, ascent 0.8 em, descent
  // 0.2 em.
  size_t chars = 0;
  for (const Art* c = text.firstChild(); c; c = c->sibling())
    if (c->kind() == ArtKind::TextRun)
      for (unsigned char ch : c->run().contents) chars += (ch & 0xC0) != 0x80;
  const TextData& t = text.text();
  double w = 0.5 * t.fontSize * double(chars);
  AIRealPoint corners[4] = {{t.start.h, AIReal(t.start.v + 0.8 * t.fontSize)},
                            {AIReal(t.start.h + w), AIReal(t.start.v + 0.8 * t.fontSize)},
                            {t.start.h, AIReal(t.start.v - 0.2 * t.fontSize)},
                            {AIReal(t.start.h + w), AIReal(t.start.v - 0.2 * t.fontSize)}};
  for (AIRealPoint p : corners) {
    AIRealPoint q = m ? Apply(*m, p) : p;
    b.Add(q.h, q.v);
  }
}

void AddBounds(BoundsBuilder& b, const Art& art, const AIRealMatrix* m,
               int32_t flags) {
  switch (art.kind()) {
    case ArtKind::Path: AddPathBounds(b, art.path(), m, flags); break;
    case ArtKind::Group:
    case ArtKind::CompoundPath:
    case ArtKind::TextPath: AddChildren(b, art, m, flags); break;
    case ArtKind::Text: AddTextBounds(b, art, m, flags); break;
    case ArtKind::TextRun: break;
    case ArtKind::PluginGroup: {
      BoundsBuilder result;
      AddBounds(result, *art.resultGroup(), m, flags);
      if (result.empty) AddBounds(result, *art.editGroup(), m, flags);
      if (!result.empty) {
        b.Add(result.left, result.top);
        b.Add(result.right, result.bottom);
      }
      break;
    }
    case ArtKind::Opaque: {
      const OpaqueData& o = art.opaque();
      if (!o.hasBounds) break;
      AIRealMatrix full = m ? Concat(o.transform, *m) : o.transform;
      const AIRealRect& r = o.bounds;
      for (AIRealPoint p : {AIRealPoint{r.left, r.top}, AIRealPoint{r.right, r.top},
                            AIRealPoint{r.left, r.bottom}, AIRealPoint{r.right, r.bottom}}) {
        AIRealPoint q = Apply(full, p);
        b.Add(q.h, q.v);
      }
      break;
    }
  }
}

void TransformStyle(AIPathStyle& s, const AIRealMatrix& m, AIReal lineScale,
                    int32_t flags) {
  if (flags & kScaleLines) {
    s.stroke.width *= lineScale;
    s.stroke.dash.offset *= lineScale;
    for (AIReal& d : s.stroke.dash.array) d *= lineScale;
  }
  auto paint = [&](AIColor& c, int32_t gradientFlag, int32_t patternFlag) {
    if (c.kind == kGradient && (flags & gradientFlag))
      c.c.b.matrix = Concat(c.c.b.matrix, m);
    if (c.kind == kPattern && (flags & patternFlag))
      c.c.p.transform = Concat(c.c.p.transform, m);
  };
  paint(s.fill.color, kTransformFillGradients, kTransformFillPatterns);
  // Stroke gradients follow the fill-gradient option (there is no separate
  // one); stroke patterns have their own.
  paint(s.stroke.color, kTransformFillGradients, kTransformStrokePatterns);
}

bool ChangesStyle(int32_t flags) {
  return flags & (kScaleLines | kTransformFillGradients | kTransformFillPatterns |
                  kTransformStrokePatterns);
}

}  // namespace

void AddCubicBounds(BoundsBuilder& b, AIRealPoint p0, AIRealPoint c1,
                    AIRealPoint c2, AIRealPoint p3) {
  b.Add(p0.h, p0.v);
  b.Add(p3.h, p3.v);
  double t[2];
  int n = TurningPoints(p0.h, c1.h, c2.h, p3.h, t);
  for (int i = 0; i < n; ++i)
    b.Add(CubicAt(p0.h, c1.h, c2.h, p3.h, t[i]), CubicAt(p0.v, c1.v, c2.v, p3.v, t[i]));
  n = TurningPoints(p0.v, c1.v, c2.v, p3.v, t);
  for (int i = 0; i < n; ++i)
    b.Add(CubicAt(p0.h, c1.h, c2.h, p3.h, t[i]), CubicAt(p0.v, c1.v, c2.v, p3.v, t[i]));
}

BoundsBuilder ArtBounds(const Art& art, const AIRealMatrix* matrix,
                        int32_t flags) {
  BoundsBuilder b;
  AddBounds(b, art, matrix && !IsIdentity(*matrix) ? matrix : nullptr, flags);
  return b;
}

int32_t TransformArt(Document& doc, Art& art, const AIRealMatrix& m,
                     AIReal lineScale, int32_t flags) {
  if (!doc.IsLive(&art) || art.isLayerGroup()) return kSPBadParameterError;
  bool objects = flags & kTransformObjects;
  switch (art.kind()) {
    case ArtKind::Path: {
      if (!objects && !ChangesStyle(flags)) break;
      PathData& p = doc.MutablePath(art);
      if (objects)
        for (Segment& s : p.segments) {
          s.p = Apply(m, s.p);
          s.in = Apply(m, s.in);
          s.out = Apply(m, s.out);
        }
      TransformStyle(p.style, m, lineScale, flags);
      break;
    }
    case ArtKind::TextRun:
      if (ChangesStyle(flags)) TransformStyle(doc.MutableRun(art).style, m, lineScale, flags);
      break;
    case ArtKind::Text:
      if (objects) {
        TextData& t = doc.MutableText(art);
        t.start = Apply(m, t.start);
        t.fontSize *= AIReal(std::sqrt(std::fabs(double(m.a) * m.d - double(m.b) * m.c)));
      }
      [[fallthrough]];
    case ArtKind::Group:
    case ArtKind::CompoundPath:
    case ArtKind::TextPath:
      for (Art* c = art.firstChild(); c; c = c->sibling())
        if (int32_t err = TransformArt(doc, *c, m, lineScale, flags)) return err;
      break;
    case ArtKind::PluginGroup:
      if (int32_t err = TransformArt(doc, *art.editGroup(), m, lineScale, flags)) return err;
      return TransformArt(doc, *art.resultGroup(), m, lineScale, flags);
    case ArtKind::Opaque:
      if (objects) {
        OpaqueData& o = doc.MutableOpaque(art);
        o.transform = Concat(o.transform, m);
      }
      break;
  }
  return kNoErr;
}

}  // namespace vx::host::art
