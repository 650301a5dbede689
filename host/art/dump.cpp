#include "host/art/dump.h"

#include <cstdio>
#include <sstream>

#include "host/art/art.h"
#include "host/art/document.h"

namespace vx::host::art {

namespace {

// Shortest text that reads back as the same float.
std::string F(double v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.9g", v);
  return buf;
}

std::string P(AIRealPoint p) { return "(" + F(p.h) + "," + F(p.v) + ")"; }

std::string M(const AIRealMatrix& m) {
  return "[" + F(m.a) + " " + F(m.b) + " " + F(m.c) + " " + F(m.d) + " " + F(m.tx) +
         " " + F(m.ty) + "]";
}

std::string Color(const AIColor& c) {
  const AIColorUnion& u = c.c;
  switch (c.kind) {
    case kGrayColor: return "gray " + F(u.g.gray);
    case kFourColor:
      return "cmyk " + F(u.f.cyan) + " " + F(u.f.magenta) + " " + F(u.f.yellow) + " " +
             F(u.f.black);
    case kThreeColor:
      return "rgb " + F(u.rgb.red) + " " + F(u.rgb.green) + " " + F(u.rgb.blue);
    case kCustomColor: return "custom #" + std::to_string(u.c.color) + " tint " + F(u.c.tint);
    case kGradient:
      return "gradient #" + std::to_string(u.b.gradient) + " origin " +
             P(u.b.gradientOrigin) + " angle " + F(u.b.gradientAngle) + " length " +
             F(u.b.gradientLength) + " matrix " + M(u.b.matrix) + " hilite " +
             F(u.b.hiliteAngle) + " " + F(u.b.hiliteLength);
    case kPattern:
      return "pattern #" + std::to_string(u.p.pattern) + " shift " + F(u.p.shiftDist) +
             " " + F(u.p.shiftAngle) + " scale " + P(u.p.scale) + " rotate " +
             F(u.p.rotate) + " reflect " + std::to_string(u.p.reflect) + " " +
             F(u.p.reflectAngle) + " shear " + F(u.p.shearAngle) + " " +
             F(u.p.shearAxis) + " transform " + M(u.p.transform);
    case kNoneColor: return "none";
    default: return "kind " + std::to_string(c.kind);
  }
}

std::string Style(const AIPathStyle& s) {
  std::ostringstream o;
  o << "fill " << int(s.fillPaint) << " {" << Color(s.fill.color) << "} op "
    << int(s.fill.overprint) << " stroke " << int(s.strokePaint) << " {"
    << Color(s.stroke.color) << "} op " << int(s.stroke.overprint) << " w "
    << F(s.stroke.width) << " dash " << s.stroke.dash.length << " " << F(s.stroke.dash.offset);
  for (AIReal d : s.stroke.dash.array) o << " " << F(d);
  o << " cap " << s.stroke.cap << " join " << s.stroke.join << " miter "
    << F(s.stroke.miterLimit) << " clip " << int(s.clip) << " lockclip "
    << int(s.lockClip) << " evenodd " << int(s.evenodd) << " res " << F(s.resolution);
  return o.str();
}

void DumpTree(std::ostringstream& o, const Art& art, int depth, const char* role) {
  std::string pad(size_t(depth) * 2, ' ');
  o << pad << role << ArtKindName(art.kind()) << " #" << art.uid() << " attrs "
    << art.userAttrs();
  if (!art.id().empty()) o << " id \"" << art.id() << "\"";
  if (!art.name().empty()) o << " name \"" << art.name() << "\"";
  switch (art.kind()) {
    case ArtKind::Group:
    case ArtKind::CompoundPath: o << " clipped " << art.group().clipped; break;
    case ArtKind::Path: {
      const PathData& p = art.path();
      o << " closed " << p.closed << " style {" << Style(p.style) << "}";
      for (size_t i = 0; i < p.segments.size(); ++i) {
        const Segment& s = p.segments[i];
        o << "\n" << pad << "  seg " << P(s.p) << " in " << P(s.in) << " out " << P(s.out)
          << " corner " << int(s.corner) << " sel "
          << (i < p.selection.size() ? p.selection[i] : -1);
      }
      if (p.selection.size() != p.segments.size())
        o << "\n" << pad << "  selection size " << p.selection.size();
      break;
    }
    case ArtKind::Text:
      o << " start " << P(art.text().start) << " size " << F(art.text().fontSize)
        << " font \"" << art.text().fontFamily << "\"";
      break;
    case ArtKind::TextPath: o << " offset " << F(art.textPath().startOffset); break;
    case ArtKind::TextRun:
      o << " \"" << art.run().contents << "\" style {" << Style(art.run().style) << "}";
      break;
    case ArtKind::PluginGroup: {
      const PluginGroupData& d = art.plugin();
      o << " group " << reinterpret_cast<uintptr_t>(d.group) << " data";
      char hex[4];
      for (uint8_t b : d.data) {
        std::snprintf(hex, sizeof hex, " %02x", b);
        o << hex;
      }
      break;
    }
    case ArtKind::Opaque:
      o << " markup \"" << art.opaque().markup << "\" transform "
        << M(art.opaque().transform);
      break;
  }
  o << "\n";
  if (art.editGroup()) DumpTree(o, *art.editGroup(), depth + 1, "edit: ");
  if (art.resultGroup()) DumpTree(o, *art.resultGroup(), depth + 1, "result: ");
  for (const Art* c = art.firstChild(); c; c = c->sibling()) {
    if (c->parent() != &art) o << pad << "  BROKEN LINK\n";
    DumpTree(o, *c, depth + 1, "");
  }
}

}  // namespace

std::string DumpArt(const Art& art) {
  std::ostringstream o;
  DumpTree(o, art, 0, "");
  return o.str();
}

std::string DumpDocument(const Document& doc) {
  std::ostringstream o;
  o << "document \"" << doc.title << "\" art " << doc.ArtCount() << "\n";
  for (int i = 0; i < doc.LayerCount(); ++i) {
    const Layer* l = doc.LayerAt(i);
    o << "layer #" << l->uid << " \"" << l->title << "\" visible " << l->visible
      << " editable " << l->editable << " id \"" << l->id << "\""
      << (l == doc.currentLayer() ? " current" : "") << "\n";
    DumpTree(o, *l->group, 1, "");
  }
  for (const auto& [id, c] : doc.customColors())
    o << "custom #" << id << " \"" << c.name << "\" kind " << c.definition.kind
      << " flag " << c.definition.flag << "\n";
  for (const auto& [id, g] : doc.gradients()) {
    o << "gradient #" << id << " \"" << g.name << "\" type " << g.type;
    for (const AIGradientStop& s : g.stops)
      o << " [" << F(s.rampPoint) << " " << F(s.midPoint) << " " << Color(s.color) << "]";
    o << "\n";
  }
  for (const auto& [id, p] : doc.patterns()) {
    o << "pattern #" << id << " \"" << p.name << "\"\n";
    DumpTree(o, *p.art, 1, "");
  }
  o << "current style {" << Style(doc.currentStyle()) << "}\n";
  Art* focus = doc.textFocus();
  o << "text focus " << (focus ? focus->uid() : 0) << "\n";
  return o.str();
}

}  // namespace vx::host::art
