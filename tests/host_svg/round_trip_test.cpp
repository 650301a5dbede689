// Round trips through the document model: real-world files come back
// canonically equal and pixel-identical, changed art is written anew in its
// place while everything else stays as read, and bad input ends in an error
// or a partial document, never a crash or a hang.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <pugixml.hpp>
#include <set>

#include "host/render/png_render.h"
#include "host/svg/svg_export.h"
#include "host/svg/svg_import.h"
#include "host/svg/svg_xml.h"
#include "support/scratch_folder.h"

namespace vx::host::svg {
namespace {

namespace fs = std::filesystem;
using test::ReadFile;

// Imports text; the test fails when it cannot.
auto Import(const std::string& text) {
  std::string error;
  auto imported = ImportSvg(text, &error);
  EXPECT_TRUE(imported) << error;
  return imported;
}

std::string RoundTrip(const std::string& text, std::vector<std::string>* notes = nullptr) {
  auto imported = Import(text);
  if (!imported) return "";
  if (notes) *notes = imported->notes;
  return ExportSvg(*imported->document, &imported->kept);
}

constexpr unsigned kParseAll = pugi::parse_default | pugi::parse_ws_pcdata | pugi::parse_comments;

// Canonical XML: elements with their attributes in name order, text and
// comments, without the declaration, doctype and the quoting of the text.
std::string Canonical(const pugi::xml_node& node) {
  if (node.type() == pugi::node_comment) return "<!--" + std::string(node.value()) + "-->";
  if (node.type() != pugi::node_element) return node.value();
  std::vector<std::pair<std::string, std::string>> attributes;
  for (pugi::xml_attribute a : node.attributes()) attributes.emplace_back(a.name(), a.value());
  std::sort(attributes.begin(), attributes.end());
  std::string out = std::string("<") + node.name();
  for (const auto& [name, value] : attributes) out += " " + name + "=\"" + value + "\"";
  out += ">";
  for (pugi::xml_node c : node.children()) out += Canonical(c);
  return out + "</" + node.name() + ">";
}

// Every one of the texts is in `out`.
void ExpectContains(const std::string& out, std::initializer_list<std::string_view> texts) {
  for (std::string_view t : texts) EXPECT_NE(std::string::npos, out.find(t)) << t << "\n" << out;
}

std::string Canonical(const std::string& text) {
  pugi::xml_document doc;
  if (!doc.load_buffer(text.data(), text.size(), kParseAll)) return "(not XML)";
  return Canonical(doc.document_element());
}

std::vector<fs::path> CorpusFiles() {
  std::vector<fs::path> files;
  for (const auto& entry : fs::directory_iterator(fs::path(VX_TEST_DATA_DIR) / "corpus")) {
    if (entry.path().extension() == ".svg") files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  return files;
}

TEST(SvgRoundTrip, CorpusComesBackCanonicallyEqualPixelIdenticalAndStable) {
  auto files = CorpusFiles();
  ASSERT_GE(files.size(), 12u);
  for (const fs::path& file : files) {
    std::string original = ReadFile(file);
    std::vector<std::string> notes;
    std::string converted = RoundTrip(original, &notes);
    EXPECT_TRUE(notes.empty()) << file.filename() << ": " << notes[0];
    EXPECT_EQ(Canonical(original), Canonical(converted)) << file.filename();
    EXPECT_EQ(RootStartTag(original), RootStartTag(converted)) << file.filename();
    std::string error;
    auto before = render::RenderSvg(original, 256, &error, file);
    ASSERT_TRUE(before) << file << ": " << error;
    auto after = render::RenderSvg(converted, 256, &error, file);
    ASSERT_TRUE(after) << file << ": " << error;
    EXPECT_EQ(0, render::DifferentPixelFraction(*before, *after, 0)) << file.filename();
    EXPECT_EQ(converted, RoundTrip(converted)) << file.filename();  // stable
  }
}

// What an operation on one object does to the file: that object is written
// anew with its id, class and label; every element outside it and its
// ancestors stays as it was read.
TEST(SvgRoundTrip, ChangingOneObjectLeavesEveryOtherElementAsRead) {
  for (const fs::path& file : CorpusFiles()) {
    std::string original = ReadFile(file), error;
    auto imported = ImportSvg(original, &error);
    ASSERT_TRUE(imported) << error;
    art::Document& doc = *imported->document;
    art::Art* changed = nullptr;
    std::vector<art::Art*> stack;
    for (art::Layer* layer : doc.LayersInPaintOrder()) stack.push_back(layer->group);
    while (!stack.empty() && !changed) {
      art::Art* a = stack.back();
      stack.pop_back();
      if (a->kind() == art::ArtKind::Path && !a->id().empty()) changed = a;
      for (art::Art* c = a->firstChild(); c; c = c->sibling()) stack.push_back(c);
    }
    if (!changed) continue;
    doc.MutablePath(*changed);
    std::string out = ExportSvg(doc, &imported->kept);
    // The root's start tag as read, with the namespaces of the new art last.
    const std::string_view tag = RootStartTag(original);
    EXPECT_EQ(tag.substr(0, tag.size() - 1), RootStartTag(out).substr(0, tag.size() - 1))
        << file.filename();
    pugi::xml_document before, after;
    ASSERT_TRUE(before.load_string(original.c_str(), kParseAll));
    ASSERT_TRUE(after.load_string(out.c_str(), kParseAll)) << file.filename();
    std::string id = changed->id();
    auto byId = [](const pugi::xml_document& xml, const std::string& id) {
      return xml.find_node([&id](const pugi::xml_node& n) { return id == n.attribute("id").value(); });
    };
    pugi::xml_node was = byId(before, id), is = byId(after, id);
    ASSERT_TRUE(was && is) << file.filename() << " " << id;
    for (const char* kept : {"class", "inkscape:label"}) {
      if (was.attribute(kept)) {
        EXPECT_STREQ(was.attribute(kept).value(), is.attribute(kept).value()) << file.filename();
      }
    }
    std::set<const void*> around;  // the changed element and its ancestors
    for (pugi::xml_node n = was; n; n = n.parent()) around.insert(n.internal_object());
    int compared = 0;
    for (const pugi::xpath_node& x : before.select_nodes("//*[@id]")) {
      const pugi::xml_node n = x.node();
      if (around.count(n.internal_object())) continue;
      pugi::xml_node copy = byId(after, n.attribute("id").value());
      EXPECT_EQ(Canonical(n), copy ? Canonical(copy) : "(missing)") << file.filename();
      ++compared;
    }
    EXPECT_GT(compared, 0) << file.filename();
  }
}

TEST(SvgRoundTrip, ANumberThatIsNotFiniteIsRefusedNamingTheObject) {
  const std::string text = R"(<svg xmlns="http://www.w3.org/2000/svg" width="10" height="10">)"
                           R"(<path id="p" d="M0 0 L5 5" stroke="#000"/></svg>)";
  using Spoil = void (*)(art::PathData&);
  const Spoil rows[] = {
      [](art::PathData& p) { p.segments[1].p.h = std::nanf(""); },
      [](art::PathData& p) { p.segments[0].out.v = -INFINITY; },
      [](art::PathData& p) { p.style.stroke.width = INFINITY; },
  };
  for (Spoil spoil : rows) {
    auto imported = Import(text);
    art::Document& doc = *imported->document;
    spoil(doc.MutablePath(*doc.FindById("p")));
    std::string error;
    ExportOptions options;
    options.error = &error;
    EXPECT_EQ("", ExportSvg(doc, &imported->kept, options));
    EXPECT_NE(std::string::npos, error.find("not a finite number (in \"p\")")) << error;
  }
}

TEST(SvgRoundTrip, TheRootStartTagIsWrittenAsItWasRead) {
  for (const char* tag : {"<svg xmlns=\"http://www.w3.org/2000/svg\"\n     width='20' height=\"20\" >",
                          "<svg\txmlns=\"http://www.w3.org/2000/svg\" id=\"a>b\" width=\"20\">"}) {
    const std::string before = "<?xml version=\"1.0\"?>\n<!-- <svg> -->\n<!DOCTYPE svg [ <!ENTITY e \"x>\"> ]>\n";
    const std::string text = before + tag + "<path d=\"M0 0 L5 5\"/></svg>\n";
    EXPECT_EQ(tag, RootStartTag(text));
    const std::string out = RoundTrip(text);
    EXPECT_NE(std::string::npos, out.find(tag)) << out;
  }
}

constexpr const char* kModelOnly = R"svg(<svg xmlns="http://www.w3.org/2000/svg" xmlns:inkscape="http://www.inkscape.org/namespaces/inkscape" width="200" height="100" viewBox="0 0 200 100">
  <g id="l1" inkscape:groupmode="layer" inkscape:label="One">
    <rect id="r" x="10" y="20" width="30" height="40" fill="#ff0000" stroke="#0000ff" stroke-width="2"/>
    <g id="g" transform="translate(100,0) scale(2)">
      <circle id="c" cx="10" cy="10" r="5" fill="#808080" style="fill:#808080 icc-color(vx-gray, 0.5)"/>
      <path id="p" d="M0 0 L10 0 L10 10 Z M2 2 L8 2 L8 8 Z" fill="#00ffff" fill-rule="evenodd"
            style="fill:#00ffff icc-color(vx-cmyk, 1, 0, 0, 0)"/>
    </g>
    <line id="ln" x1="0" y1="100" x2="200" y2="0" stroke="#000" stroke-dasharray="4 2" stroke-linecap="round"/>
    <path d="M0 0 L5 5"/>
  </g>
</svg>)svg";

TEST(SvgRoundTrip, ModelContentComesBackInPageCoordinates) {
  auto imported = Import(kModelOnly);
  ASSERT_TRUE(imported);
  EXPECT_TRUE(imported->notes.empty()) << imported->notes[0];
  art::Document& doc = *imported->document;
  ASSERT_EQ(1, doc.LayerCount());
  EXPECT_EQ("One", doc.LayerAt(0)->title);
  EXPECT_EQ("l1", doc.LayerAt(0)->id);

  // y flipped: the rect's top-left (10,20) is page (10, 100 - 20). Its
  // segments, closing and style: written anew from the model below.
  art::Art* rect = doc.FindById("r");
  ASSERT_TRUE(rect && rect->kind() == art::ArtKind::Path && rect->path().segments.size() == 4);
  const art::PathData& r = rect->path();
  EXPECT_EQ((std::vector<float>{10, 80, 40, 40}),
            (std::vector<float>{r.segments[0].p.h, r.segments[0].p.v, r.segments[2].p.h, r.segments[2].p.v}));

  // Nested transform baked in; stroke width of the scaled group doubles.
  art::Art* circle = doc.FindById("c");
  ASSERT_TRUE(circle);
  EXPECT_EQ(kGrayColor, circle->path().style.fill.color.kind);
  EXPECT_EQ(0.5f, circle->path().style.fill.color.c.g.gray);
  // (100 + 2 * 15, 100 - 2 * 10)
  EXPECT_EQ((std::vector<float>{130, 80}),
            (std::vector<float>{circle->path().segments[0].p.h, circle->path().segments[0].p.v}));

  art::Art* compound = doc.FindById("p");
  ASSERT_TRUE(compound);
  EXPECT_EQ(art::ArtKind::CompoundPath, compound->kind());
  ASSERT_TRUE(compound->firstChild());
  const AIPathStyle& ps = compound->firstChild()->path().style;
  EXPECT_EQ(kFourColor, ps.fill.color.kind);
  EXPECT_EQ(1, ps.fill.color.c.f.cyan);
  EXPECT_TRUE(ps.evenodd);

  art::Art* line = doc.FindById("ln");
  ASSERT_TRUE(line);
  EXPECT_EQ(kAIRoundCap, line->path().style.stroke.cap);
  EXPECT_EQ(2, line->path().style.stroke.dash.length);
  EXPECT_EQ(4, line->path().style.stroke.dash.array[0]);

  // Changed art is written anew from the model, in page coordinates flipped
  // back, where it was; the rest stays as read (unchanged: the corpus test).
  doc.MutablePath(*rect);
  doc.MutablePath(*compound->firstChild());
  doc.MutablePath(*doc.LayerAt(0)->group->firstChild());
  std::string out = ExportSvg(doc, &imported->kept);
  ExpectContains(out, {R"x(<path id="r" d="M10,20 L40,20 L40,60 L10,60 Z" fill="#ff0000" stroke="#0000ff" stroke-width="2"/>)x",
                      "fill:#00ffff icc-color(vx-cmyk, 1, 0, 0, 0)",
                      R"x(d="M100,0 L120,0 L120,20 Z M104,4 L116,4 L116,16 Z")x",
                      R"x(<circle id="c" cx="10" cy="10" r="5" fill="#808080")x",
                      R"x(<line id="ln" x1="0")x"});
  // The path without an id gets one; its fill was never set and stays unset.
  ExpectContains(out, {R"x(<path id="path1" d="M0,0 L5,5"/>)x"});
  EXPECT_EQ(out, ExportSvg(doc, &imported->kept));
  auto again = Import(out);
  ASSERT_TRUE(again);
  EXPECT_EQ(Canonical(out), Canonical(ExportSvg(*again->document, &again->kept)));
}

TEST(SvgRoundTrip, ChildrenKeepTheirPlaceAmongWhatTheModelDoesNotHold) {
  const char* text = R"svg(<?xml version="1.0"?>
<!-- made by hand -->
<svg:svg xmlns:svg="http://www.w3.org/2000/svg" xmlns:sodipodi="http://sodipodi.sourceforge.net/DTD/sodipodi-0.dtd" width="100" height="100">
  <svg:g id="g" transform="translate(10,0)" fill="red">
    <!-- first -->
    <svg:rect id="a" width="5" height="5" sodipodi:type="rect"/>
    <svg:rect id="b" x="10" width="5" height="5"/>
    <svg:rect id="c" x="20" width="5" height="5"/>
  </svg:g>
</svg:svg>)svg";
  std::string error;
  auto imported = ImportSvg(text, &error);
  ASSERT_TRUE(imported) << error;
  art::Document& doc = *imported->document;
  art::Art* a = doc.FindById("a");
  ASSERT_TRUE(a && a->kind() == art::ArtKind::Path);  // read under any SVG prefix
  ASSERT_EQ(0, doc.Dispose(doc.FindById("b")));
  // "a" moves to the top of the layer: out of the translated red group.
  ASSERT_EQ(0, doc.Reorder(a, art::Placement::AboveAll, nullptr));
  doc.MutablePath(*doc.FindById("c"));
  std::vector<std::string> notes;
  ExportOptions options;
  options.notes = &notes;
  std::string out = ExportSvg(doc, &imported->kept, options);
  ExpectContains(out, {"<!-- made by hand -->\n<svg:svg"});
  // Written anew in root coordinates inside the translated group.
  ExpectContains(out, {"fill=\"red\">\n    <!-- first -->\n    <g transform=\"matrix(1,0,0,1,-10,0)\"><path id=\"c\" d=\"M30,0 L35,0 L35,5 L30,5 Z\""});
  EXPECT_EQ(std::string::npos, out.find("id=\"b\"")) << out;
  // Moved unchanged: as read, wrapped in what it had from its old parent.
  ExpectContains(out, {"<g transform=\"matrix(1,0,0,1,10,0)\" style=\"fill:red\"><svg:rect id=\"a\" width=\"5\" height=\"5\" sodipodi:type=\"rect\"/></g>"});
  EXPECT_TRUE(notes.empty());
  // Written anew, a shape loses its editor data: said once, with its id.
  doc.MutablePath(*a);
  out = ExportSvg(doc, &imported->kept, options);
  ASSERT_EQ(1u, notes.size());
  EXPECT_EQ("editor shape data (sodipodi/inkscape geometry attributes) not written back (a)", notes[0]);
  auto before = render::RenderSvg(text, 100, &error);
  auto after = render::RenderSvg(out, 100, &error);
  ASSERT_TRUE(before && after) << error;
}

TEST(SvgRoundTrip, UnrepresentableContentIsKeptAndReported) {
  const char* text = R"svg(<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" width="10" height="10">
    <defs><filter id="f"><feGaussianBlur stdDeviation="1"/></filter></defs>
    <image id="img" x="0" y="0" width="5" height="5" xlink:href="data:image/png;base64,AAAA"/>
    <rect id="blurred" width="5" height="5" filter="url(#f)"/>
    <rect id="faded" width="5" height="5" opacity="0.5" fill-opacity="0.25"/>
  </svg>)svg";
  auto imported = Import(text);
  ASSERT_TRUE(imported);
  EXPECT_TRUE(imported->notes.empty());
  art::Document& doc = *imported->document;
  EXPECT_EQ(art::ArtKind::Opaque, doc.FindById("img")->kind());
  EXPECT_EQ(art::ArtKind::Opaque, doc.FindById("blurred")->kind());
  // Changed, the faded rectangle keeps what the model does not hold.
  doc.MutablePath(*doc.FindById("faded"));
  std::string out = ExportSvg(doc, &imported->kept);
  ExpectContains(out, {"<filter id=\"f\">",
                      "<image id=\"img\" x=\"0\"",
                      "<rect id=\"blurred\" width=\"5\" height=\"5\" filter=\"url(#f)\"/>",
                      "opacity=\"0.5\"",
                      "fill-opacity=\"0.25\""});
}

// Clip paths and text in the model's forms (written back unchanged as read:
// the corpus test).
TEST(SvgRoundTrip, ClipPathsBecomeClippingGroups) {
  const char* text = R"svg(<svg xmlns="http://www.w3.org/2000/svg" width="100" height="100">
    <clipPath id="cp"><circle cx="50" cy="50" r="20"/></clipPath>
    <rect id="clipped" width="100" height="100" fill="red" clip-path="url(#cp)"/></svg>)svg";
  auto imported = Import(text);
  ASSERT_TRUE(imported);
  art::Art* rect = imported->document->FindById("clipped");
  ASSERT_TRUE(rect && rect->parent());
  ASSERT_EQ(art::ArtKind::Group, rect->parent()->kind());
  EXPECT_TRUE(rect->parent()->group().clipped);
  int clipMembers = 0;
  for (art::Art* a = rect->parent()->firstChild(); a; a = a->sibling()) {
    if (a->style() && a->style()->clip) ++clipMembers;
  }
  EXPECT_EQ(1, clipMembers);
}

TEST(SvgRoundTrip, TextWithSpansAndTextPaths) {
  const char* text = R"svg(<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" width="200" height="100">
    <path id="track" d="M10 80 C60 10 140 10 190 80" fill="none" stroke="gray"/>
    <text id="t1" x="10" y="30" font-size="20" font-family="DejaVu Sans">Plain <tspan id="s" fill="red" font-weight="bold">bold</tspan></text>
    <text id="t2" font-size="12"><textPath xlink:href="#track" startOffset="10">along the curve</textPath></text></svg>)svg";
  auto imported = Import(text);
  ASSERT_TRUE(imported);
  art::Art* t1 = imported->document->FindById("t1");
  ASSERT_TRUE(t1);
  EXPECT_EQ(art::ArtKind::Text, t1->kind());
  EXPECT_EQ(20, t1->text().fontSize);
  EXPECT_EQ(70, t1->text().start.v);
  std::vector<std::string> runs;
  for (art::Art* a = t1->firstChild(); a; a = a->sibling()) runs.push_back(a->run().contents);
  EXPECT_EQ((std::vector<std::string>{"Plain ", "bold"}), runs);
  art::Art* t2 = imported->document->FindById("t2");
  ASSERT_TRUE(t2 && t2->firstChild());
  EXPECT_EQ(art::ArtKind::TextPath, t2->firstChild()->kind());
  EXPECT_EQ(10, t2->firstChild()->textPath().startOffset);
}

TEST(SvgRoundTrip, BadInputEndsInAnErrorOrAPartialDocument) {
  struct Case {
    std::string text;
    bool readable;
  };
  std::string deep = "<svg xmlns='http://www.w3.org/2000/svg'>";
  for (int i = 0; i < 5000; ++i) deep += "<g>";
  deep += "<rect width='1' height='1'/>";
  for (int i = 0; i < 5000; ++i) deep += "</g>";
  deep += "</svg>";
  std::string laughs = "<!DOCTYPE svg [<!ENTITY a0 'lol'>";
  for (int i = 1; i < 9; ++i) {
    laughs += "<!ENTITY a" + std::to_string(i) + " '";
    for (int j = 0; j < 10; ++j) laughs += "&a" + std::to_string(i - 1) + ";";
    laughs += "'>";
  }
  laughs += "]><svg xmlns='http://www.w3.org/2000/svg'><title>&a8;</title></svg>";
  std::string many = "<svg xmlns='http://www.w3.org/2000/svg'><g";
  for (int i = 0; i < 40; ++i) many += " a" + std::to_string(i) + "='1'";
  many += " a7='2'/></svg>";
  std::vector<Case> cases = {
      {"", false},
      {laughs, false},
      {many, false},
      {"<!DOCTYPE svg [<!ENTITY e SYSTEM 'file:///etc/passwd'>]><svg xmlns='http://www.w3.org/2000/svg'><text>&e;</text></svg>", false},
      {"<svg xmlns='http://www.w3.org/2000/svg'><text>&undeclared;</text></svg>", false},
      {"<svg xmlns='http://www.w3.org/2000/svg'><rect width='1' width='2'/></svg>", false},
      {"<svg xmlns='http://www.w3.org/2000/svg'><rect inkscape:label='x'/></svg>", false},
      {"<svg xmlns='http://www.w3.org/2000/svg'>a & b</svg>", false},
      {"<svg xmlns='http://www.w3.org/2000/svg'><rect", false},
      {"<html/>", false},
      {"not xml at all", false},
      {deep, false},
      {"<svg xmlns='http://www.w3.org/2000/svg'><path d='M 0 0 L 1e308 1e308 L 5 5'/></svg>", true},
      {"<svg xmlns='http://www.w3.org/2000/svg'><rect width='1e999' height='5'/></svg>", true},
      {"<svg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 -5 nan'><circle r='-1'/></svg>", true},
      {"<svg xmlns='http://www.w3.org/2000/svg'><path d='M0 0 L10 10 Q'/><path d='#@!'/></svg>", true},
      {"<svg xmlns='http://www.w3.org/2000/svg'><g transform='scale(1e300)'><rect width='1e300' height='1'/></g></svg>", true},
      {"<svg xmlns='http://www.w3.org/2000/svg'><rect fill='url(#missing)' width='3' height='3' clip-path='url(#none)'/><use href='#self' id='self'/></svg>", true},
      {"<svg xmlns='http://www.w3.org/2000/svg'><polygon points='1 2 3'/><text>a<tspan><tspan>b</tspan></tspan></text></svg>", true},
  };
  for (const Case& c : cases) {
    std::string error;
    auto imported = ImportSvg(c.text, &error);
    EXPECT_EQ(c.readable, imported.has_value()) << c.text.substr(0, 80);
    if (!imported) {
      EXPECT_FALSE(error.empty());
      continue;
    }
    std::string out = ExportSvg(*imported->document, &imported->kept);
    std::string again;
    EXPECT_TRUE(ImportSvg(out, &again)) << again;
  }
}

TEST(SvgRoundTrip, InternalEntitiesAreExpandedAndHugeViewBoxesKeepTheirShapes) {
  const char* text = R"svg(<!DOCTYPE svg [<!ENTITY ns_svg "http://www.w3.org/2000/svg"><!ENTITY red "#ff0000">]>
<svg xmlns="&ns_svg;" viewBox="0 0 1e12 1e12"><rect id="r" width="1e11" height="1e11" fill="&red;"/></svg>)svg";
  auto imported = Import(text);
  ASSERT_TRUE(imported);
  EXPECT_FALSE(imported->document->FindById("r"));  // beyond what the model holds
  std::string out = ExportSvg(*imported->document, &imported->kept);
  ExpectContains(out, {R"(<rect id="r" width="1e11" height="1e11" fill="#ff0000"/>)",
                      R"(<svg xmlns="http://www.w3.org/2000/svg")"});
}

}  // namespace
}  // namespace vx::host::svg
