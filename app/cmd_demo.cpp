// versalix4 demo: the built-in sample document through the commands, written
// as SVG and PNG pictures with an index.html gallery that shows each picture
// with its command line. A showcase is one line in kGallery.
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <iostream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "app/cli.h"
#include "app/document_files.h"
#include "app/effect_session.h"
#include "app/fractalize_options.h"
#include "app/tool_session.h"
#include "app/transform3d_options.h"
#include "host/io/atomic_file.h"
#include "host/svg/svg_export.h"

namespace vx::app {

namespace {

// The sample: filled and stroked shapes, a group, a compound path, a curve
// and a line of text, in gray, CMYK and RGB colours, on two layers.
constexpr const char* kSampleSvg = R"svg(<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" xmlns:inkscape="http://www.inkscape.org/namespaces/inkscape"
     width="400" height="300" viewBox="0 0 400 300">
  <g id="background" inkscape:groupmode="layer" inkscape:label="Background">
    <rect id="paper" x="0" y="0" width="400" height="300" fill="#ffffff"
          style="fill:#ffffff icc-color(vx-gray, 0)"/>
    <rect id="frame" x="10" y="10" width="380" height="280" rx="12" fill="none"
          stroke="#b3b3b3" stroke-width="2" stroke-dasharray="8,4"
          style="stroke:#b3b3b3 icc-color(vx-gray, 0.3)"/>
  </g>
  <g id="artwork" inkscape:groupmode="layer" inkscape:label="Artwork">
    <g id="shapes">
      <rect id="square" x="40" y="40" width="90" height="90" fill="#00a0e3"
            stroke="#1a1a1a" stroke-width="3" stroke-linejoin="round"
            style="fill:#00a0e3 icc-color(vx-cmyk, 1, 0.2, 0, 0)"/>
      <circle id="disc" cx="200" cy="85" r="45" fill="#e6007e" stroke="#000000" stroke-width="2"
              style="fill:#e6007e icc-color(vx-cmyk, 0, 1, 0, 0)"/>
      <polygon id="triangle" points="270,130 315,40 360,130" fill="#ffed00"
               stroke="#4d4d4d" stroke-width="4" stroke-linejoin="miter"
               style="fill:#ffed00 icc-color(vx-cmyk, 0, 0, 1, 0)"/>
    </g>
    <path id="ring" fill="#ff6600" fill-rule="evenodd" stroke="#803300" stroke-width="1.5"
          d="M 85,160 A 45,45 0 1 1 84.99,160 Z M 85,185 A 20,20 0 1 0 85.01,185 Z"/>
    <path id="curve" fill="none" stroke="#2e7d32" stroke-width="5" stroke-linecap="round"
          d="M 160,230 C 190,150 240,300 270,200 S 330,170 360,230"/>
    <text id="caption" x="200" y="275" font-family="DejaVu Sans" font-size="18"
          text-anchor="middle"><tspan fill="#333333">VERSALiX4 </tspan><tspan
          fill="#0055d4" font-weight="bold">sample</tspan></text>
  </g>
</svg>
)svg";

struct DemoContext {
  const CommonOptions& common;
  std::filesystem::path folder;
  std::filesystem::path samplePath;  // the sample, written into the folder
};

// One showcase: what it shows, the command line a person would type, and
// the function that makes its output document (SVG text). A function may
// start a host with the plug-in (MakeHost) to run a command on the sample.
struct GalleryEntry {
  std::string name;  // file names: NAME.svg, NAME.png
  std::string title;
  std::string commandLine;
  std::function<int(const DemoContext&, std::string* svg)> make;
};

int ConvertSample(const DemoContext& context, const std::vector<std::string>& select,
                  std::string* svgText) {
  svg::ImportResult document;
  if (int code = ReadSvgDocument(context.samplePath.string(), &document)) return code;
  std::set<const host::art::Art*> only;
  if (!select.empty()) {
    CommonOptions options = context.common;
    options.select = select;
    std::vector<host::art::Art*> selection;
    if (int code = SelectedArt(*document.document, options, &selection)) return code;
    only.insert(selection.begin(), selection.end());
  }
  svg::ExportOptions exportOptions;
  exportOptions.only = select.empty() ? nullptr : &only;
  *svgText = svg::ExportSvg(*document.document, &document.kept, exportOptions);
  return kExitOk;
}

// A live effect on the sample's selected objects, through the effect
// command's path.
int EffectSample(const DemoContext& context, const std::string& effect,
                 const std::vector<std::string>& select,
                 const std::vector<std::string>& settings, std::string* svgText) {
  svg::ImportResult document;
  if (int code = ReadSvgDocument(context.samplePath.string(), &document)) return code;
  CommonOptions options = context.common;
  options.select = select;
  return ApplyLiveEffect(options, document, effect, settings, "",
                         [&](const host::art::Document& doc) {
                           *svgText = svg::ExportSvg(doc, &document.kept);
                           return int(kExitOk);
                         });
}

// Live Border on the sample's shapes.
int BorderSample(const DemoContext& context, const std::vector<std::string>& settings,
                 std::string* svgText) {
  return EffectSample(context, "Border", {"square", "disc", "triangle", "ring", "curve"}, settings,
                      svgText);
}

// Fractalize's filter (or live effect) on the sample's selected objects.
int FractalizeSample(const DemoContext& context, const std::vector<std::string>& select,
                     const FractalizeOptions& options, std::string* svgText) {
  CommonOptions common = context.common;
  common.select = select;
  return FractalizeDocument(common, context.samplePath.string(), options, svgText);
}

// The Warp tool on the sample's shapes along one upward drag from the
// square's top edge, released after `part` of kWarpStripParts of it: the
// strip of pictures shows the drag as it goes.
constexpr int kWarpStripParts = 4;
// Drag events between each pair of points of a tool showcase.
constexpr int kToolShowSteps = 4;
constexpr float kWarpFrom[2] = {85, 40}, kWarpTo[2] = {85, -40};

std::string WarpStripEnd(int part) {
  const float t = float(part) / kWarpStripParts;
  std::ostringstream end;
  end << kWarpFrom[0] + (kWarpTo[0] - kWarpFrom[0]) * t << ","
      << kWarpFrom[1] + (kWarpTo[1] - kWarpFrom[1]) * t;
  return end.str();
}

std::string WarpStripCommand(int part) {
  return "versalix4 tool Warp sample.svg -o warp-" + std::to_string(part) +
         ".svg --select shapes --drag 85,40:" + WarpStripEnd(part) + " --steps " +
         std::to_string(2 * part);
}

int WarpSample(const DemoContext& context, int part, std::string* svgText) {
  svg::ImportResult document;
  if (int code = ReadSvgDocument(context.samplePath.string(), &document)) return code;
  CommonOptions options = context.common;
  options.select = {"shapes"};
  ToolRun run;
  run.name = "Warp";
  std::string error;
  run.points = ParsePointList("85,40:" + WarpStripEnd(part), &error);
  run.steps = 2 * part;
  return DragToolOnDocument(options, document, run, [&](const host::art::Document& doc) {
    *svgText = svg::ExportSvg(doc, &document.kept);
    return int(kExitOk);
  });
}

std::vector<GalleryEntry> WarpStrip() {
  std::vector<GalleryEntry> strip;
  for (int part = 1; part <= kWarpStripParts; ++part)
    strip.push_back({"warp-" + std::to_string(part),
                     "Warp tool, one drag up from the square's top edge, released after " +
                         std::to_string(part) + " of its " + std::to_string(kWarpStripParts) +
                         " parts",
                     WarpStripCommand(part),
                     [part](const DemoContext& c, std::string* s) { return WarpSample(c, part, s); }});
  return strip;
}

// One drag of a tool over the sample's selected objects, from the first
// point of `drag` ("X0,Y0:X1,Y1...", one point is a click) in `steps`
// events per pair of points, with the palette's fields set as given.
struct ToolShow {
  const char* tool;
  const char* file;
  const char* caption;
  const char* select;  // ids, comma-separated
  const char* drag;
  std::vector<std::string> settings;  // FIELD=VALUE
  bool shift = false;
};

std::vector<std::string> SplitIds(const std::string& ids) {
  std::vector<std::string> out;
  std::stringstream in(ids);
  for (std::string id; std::getline(in, id, ',');) out.push_back(id);
  return out;
}

int ToolSample(const DemoContext& context, const ToolShow& show, std::string* svgText) {
  svg::ImportResult document;
  if (int code = ReadSvgDocument(context.samplePath.string(), &document)) return code;
  CommonOptions options = context.common;
  options.select = SplitIds(show.select);
  ToolRun run;
  run.name = show.tool;
  run.settings = show.settings;
  run.keys.shift = show.shift;
  std::string error;
  run.points = ParsePointList(show.drag, &error);
  run.steps = kToolShowSteps;
  return DragToolOnDocument(options, document, run, [&](const host::art::Document& doc) {
    *svgText = svg::ExportSvg(doc, &document.kept);
    return int(kExitOk);
  });
}

std::string ToolShowCommand(const ToolShow& show) {
  std::string line = std::string("versalix4 tool ") + show.tool + " sample.svg -o " + show.file +
                     ".svg --select " + show.select + " --drag " + show.drag + " --steps " +
                     std::to_string(kToolShowSteps);
  for (const std::string& s : show.settings) line += " --set " + s;
  if (show.shift) line += " --shift";
  return line;
}

// The tools after Warp, one picture each, with the palettes' factory values
// unless set here.
std::vector<GalleryEntry> ToolShows() {
  static const ToolShow kShows[] = {
      {"Wave", "wave", "Wave tool, one cycle across the shapes, dragged up 25 from their left edge",
       "shapes", "40,85:40,60", {}},
      {"Lens", "lens", "Lens tool, Fish-eye at 100 %, released between the square and the disc",
       "shapes", "175,125:185,135", {}},
      {"Roughening", "roughening",
       "Roughening tool, Smooth: a drag of 24 across and 16 down from the disc's centre adds "
       "anchors 3 points apart inside the area and pushes them up to 8 points",
       "shapes", "200,85:224,101", {"kind=Smooth"}},
      {"Broom", "broom",
       "Broom tool, a sweep of 60 down from the disc with a 200-point area: the disc follows, "
       "the square and the triangle move by the falloff, each as one object",
       "shapes", "200,85:200,145", {"area-radius=200", "group-as-one-unit=off"}},
      {"Craft", "craft",
       "Craft tool, Free: the square's top right corner pulled out 40 points, its outline "
       "bending inside the area with new anchors",
       "square", "130,40:160,10", {"area-radius=60"}},
      {"AlignPoints", "alignpoints",
       "AlignPoints tool with Shift: a click on the triangle's lower right anchor puts the "
       "curve's anchors on its height, their handles moving with them",
       "curve", "360,130", {}, true},
      {"MetaBrush", "metabrush",
       "MetaBrush tool: copies of the disc every 34 points along the top, growing from 15 % to "
       "35 %",
       "disc", "30,25:200,20:370,25", {"spacing=34", "start-size=15", "end-size=35"}},
      {"Trail", "trail-tool",
       "Trail tool: copies of the disc every 20 points toward the pointer, turning 90 degrees, "
       "shrinking to 40 % and fading to white",
       "disc", "200,85:330,180", {"space=20", "to-angle=90", "to-size-h=40", "to-size-v=40"}},
  };
  std::vector<GalleryEntry> entries;
  for (const ToolShow& show : kShows)
    entries.push_back({show.file, show.caption, ToolShowCommand(show),
                       [&show](const DemoContext& c, std::string* s) {
                         return ToolSample(c, show, s);
                       }});
  return entries;
}

// 3D Transform on the sample's shapes and curve.
int TransformSample(const DemoContext& context, const TransformOptions& options,
                    std::string* svgText) {
  CommonOptions common = context.common;
  common.select = {"shapes", "curve"};
  return TransformDocument(common, context.samplePath.string(), options, svgText);
}

const std::vector<GalleryEntry>& Gallery() {
  static const std::vector<GalleryEntry> kGallery = {
      {"sample", "The sample document, read into the host and written back",
       "versalix4 convert sample.svg -o sample-out.svg",
       [](const DemoContext& c, std::string* s) { return ConvertSample(c, {}, s); }},
      {"select", "Only the selected objects: the shapes group and the curve",
       "versalix4 convert sample.svg -o select.svg --select shapes,curve",
       [](const DemoContext& c, std::string* s) { return ConvertSample(c, {"shapes", "curve"}, s); }},
      {"border-outside", "Live Border, Outside: a shaded rim from the stroke colour to the fill",
       "versalix4 effect Border sample.svg -o border-outside.svg --select square,disc,triangle,ring,curve "
       "--set steps-mode=High --set style=Outside",
       [](const DemoContext& c, std::string* s) {
         return BorderSample(c, {"steps-mode=High", "style=Outside"}, s);
       }},
      {"border-inside", "Live Border, Inside: the rim clipped to each shape, offset toward -45 degrees",
       "versalix4 effect Border sample.svg -o border-inside.svg --select square,disc,triangle,ring,curve "
       "--set style=Inside --set steps-mode=Manual --set steps=8 --set offset=30",
       [](const DemoContext& c, std::string* s) {
         return BorderSample(c, {"style=Inside", "steps-mode=Manual", "steps=8", "offset=30"}, s);
       }},
      {"border-shadow", "Live Border with shadow: tinted copies moved away from the light",
       "versalix4 effect Border sample.svg -o border-shadow.svg --select square,disc,triangle,ring,curve "
       "--set shadow=on --set tint=60 --set shadow-offset=4 --set light-angle=135",
       [](const DemoContext& c, std::string* s) {
         return BorderSample(c, {"shadow=on", "tint=60", "shadow-offset=4", "light-angle=135"}, s);
       }},
      {"galaxy", "Live Galaxy: eight branches of copies spiralling from a core, shrinking to 10 %",
       "versalix4 effect Galaxy sample.svg -o galaxy.svg --select triangle",
       [](const DemoContext& c, std::string* s) {
         return EffectSample(c, "Galaxy", {"triangle"}, {}, s);
       }},
      {"explosion", "Live Explosion: 200 copies burst around a core, growing with distance",
       "versalix4 effect Explosion sample.svg -o explosion.svg --select triangle",
       [](const DemoContext& c, std::string* s) {
         return EffectSample(c, "Explosion", {"triangle"}, {}, s);
       }},
      {"circle", "Live Circle: eight copies round a point 100 points left of the centre",
       "versalix4 effect Circle sample.svg -o circle.svg --select triangle",
       [](const DemoContext& c, std::string* s) {
         return EffectSample(c, "Circle", {"triangle"}, {}, s);
       }},
      {"reflections", "Live Reflections, Radial: the object and its mirror image in four turns",
       "versalix4 effect Reflections sample.svg -o reflections.svg --select triangle "
       "--set reflector=Radial --set total=4",
       [](const DemoContext& c, std::string* s) {
         return EffectSample(c, "Reflections", {"triangle"},
                             {"reflector=Radial", "total=4"}, s);
       }},
      {"emboss", "Live Emboss: lighter copies toward the light, darker ones away from it",
       "versalix4 effect Emboss sample.svg -o emboss.svg --select square,disc,triangle,ring",
       [](const DemoContext& c, std::string* s) {
         return EffectSample(c, "Emboss", {"square", "disc", "triangle", "ring"}, {}, s);
       }},
      {"cutout", "Live Cutout: each shape looks cut out of the page",
       "versalix4 effect Cutout sample.svg -o cutout.svg --select square,disc,triangle,ring",
       [](const DemoContext& c, std::string* s) {
         return EffectSample(c, "Cutout", {"square", "disc", "triangle", "ring"}, {}, s);
       }},
      {"shadow", "Live Shadow: a drop shadow away from the light under each object",
       "versalix4 effect Shadow sample.svg -o shadow.svg --select square,disc,triangle,ring,curve",
       [](const DemoContext& c, std::string* s) {
         return EffectSample(c, "Shadow", {"square", "disc", "triangle", "ring", "curve"},
                             {}, s);
       }},
      {"neon", "Live Neon: stroke-only copies narrowing to a core, banded from stroke to fill colour",
       "versalix4 effect Neon sample.svg -o neon.svg --select square,disc,triangle,ring,curve",
       [](const DemoContext& c, std::string* s) {
         return EffectSample(c, "Neon", {"square", "disc", "triangle", "ring", "curve"}, {}, s);
       }},
      {"trail", "Live Trail: 25 copies along the drag vector, fading toward white, below the shapes",
       "versalix4 effect Trail sample.svg -o trail.svg --select square,disc,triangle,ring,curve",
       [](const DemoContext& c, std::string* s) {
         return EffectSample(c, "Trail", {"square", "disc", "triangle", "ring", "curve"}, {}, s);
       }},
      {"tiling", "Live Tiling: four columns shrinking to half size and turning a quarter turn, "
       "two rows downwards",
       "versalix4 effect Tiling sample.svg -o tiling.svg --select square --set columns=4 "
       "--set rows=2 --set space-v=-110 --set shrink-grow-h=50 --set rotation-h=90",
       [](const DemoContext& c, std::string* s) {
         return EffectSample(c, "Tiling", {"square"},
                             {"columns=4", "rows=2", "space-v=-110", "shrink-grow-h=50",
                              "rotation-h=90"}, s);
       }},
      {"generation", "Live Generation: a spiral of copies, each 85 % of the last, turning 30 degrees",
       "versalix4 effect Generation sample.svg -o generation.svg --select triangle "
       "--set copies=14 --set space=70 --set rate=85 --set angle=180 --set angle-step=30",
       [](const DemoContext& c, std::string* s) {
         return EffectSample(c, "Generation", {"triangle"},
                             {"copies=14", "space=70", "rate=85", "angle=180", "angle-step=30"},
                             s);
       }},
      {"frame", "Live Frame: a clockwise frame of copies turning with the sides, one in each corner",
       "versalix4 effect Frame sample.svg -o frame.svg --select ring --set side-h=3 "
       "--set side-v=2 --set sides-space=60 --set corner-space=60 --set cycling=clockwise",
       [](const DemoContext& c, std::string* s) {
         return EffectSample(c, "Frame", {"ring"},
                             {"side-h=3", "side-v=2", "sides-space=60", "corner-space=60",
                              "cycling=clockwise"}, s);
       }},
      {"fractalize-koch", "Fractalize: Equilateral Triangle2 at level 3, no resampling",
       "versalix4 fractalize sample.svg -o fractalize-koch.svg --select square,triangle,curve "
       "--generator 5 --level 3 --density 0",
       [](const DemoContext& c, std::string* s) {
         FractalizeOptions o;
         o.generator = "5";
         o.level = 3;
         o.density = 0;
         return FractalizeSample(c, {"square", "triangle", "curve"}, o, s);
       }},
      {"fractalize-rough", "Fractalize: Square3, resampled at 3 segments per inch and distorted",
       "versalix4 fractalize sample.svg -o fractalize-rough.svg --select disc,ring,square "
       "--generator Square3 --height 50 --density 3 --distortion 15 --unit pct --seed 7",
       [](const DemoContext& c, std::string* s) {
         FractalizeOptions o;
         o.generator = "Square3";
         o.height = 50;
         o.level = 1;
         o.density = 3;
         o.distortion = 15;
         o.unit = "pct";
         o.seed = 7;
         return FractalizeSample(c, {"disc", "ring", "square"}, o, s);
       }},
      {"fractalize-live", "Live Fractalize: Square1 at 25 % height and level 2 over jittered anchors, "
       "kept live with its parameters and seed so that versalix4 update renders it again",
       "versalix4 fractalize sample.svg -o fractalize-live.svg --select triangle,ring,curve "
       "--generator 10 --height 25 --level 2 --density 4 --distortion 3 --unit pt --seed 11 --live",
       [](const DemoContext& c, std::string* s) {
         FractalizeOptions o;
         o.generator = "10";
         o.height = 25;
         o.level = 2;
         o.density = 4;
         o.distortion = 3;
         o.unit = "pt";
         o.seed = 11;
         o.live = true;
         return FractalizeSample(c, {"triangle", "ring", "curve"}, o, s);
       }},
      {"3d-rotate", "Simple Rotation: the artwork turned 40 degrees about x and 30 about y",
       "versalix4 3d sample.svg -o 3d-rotate.svg --select shapes,curve --kind \"Simple Rotation\" --pre 40,30,0",
       [](const DemoContext& c, std::string* s) {
         TransformOptions o;
         o.kind = "Simple Rotation"; o.pre = "40,30,0";
         return TransformSample(c, o, s);
       }},
      {"3d-twist", "Twist: turned about the horizontal axis by 180 degrees from left to right",
       "versalix4 3d sample.svg -o 3d-twist.svg --select shapes,curve --kind \"Twist\" --post 20,0,0",
       [](const DemoContext& c, std::string* s) {
         TransformOptions o;
         o.kind = "Twist"; o.post = "20,0,0";
         return TransformSample(c, o, s);
       }},
      {"3d-arc", "Arc: bent through 120 degrees around a centre below the artwork",
       "versalix4 3d sample.svg -o 3d-arc.svg --select shapes,curve --kind \"Arc\" --cursor 0,-40",
       [](const DemoContext& c, std::string* s) {
         TransformOptions o;
         o.kind = "Arc"; o.cursor = "0,-40";
         return TransformSample(c, o, s);
       }},
      {"3d-screw", "Screw: two turns of a helix rising along z",
       "versalix4 3d sample.svg -o 3d-screw.svg --select shapes,curve --kind \"Screw\" --value 1=540",
       [](const DemoContext& c, std::string* s) {
         TransformOptions o;
         o.kind = "Screw"; o.values = {"1=540"};
         return TransformSample(c, o, s);
       }},
      {"3d-twirl", "Twirl: turned 90 degrees at the centre, untouched at the edge",
       "versalix4 3d sample.svg -o 3d-twirl.svg --select shapes,curve --kind \"Twirl\" --value 1=90",
       [](const DemoContext& c, std::string* s) {
         TransformOptions o;
         o.kind = "Twirl"; o.values = {"1=90"};
         return TransformSample(c, o, s);
       }},
      {"3d-wave-hv", "Wave (H/V): two waves across and two along",
       "versalix4 3d sample.svg -o 3d-wave-hv.svg --select shapes,curve --kind \"Wave (H/V)\" --value 2=2 --value 4=2",
       [](const DemoContext& c, std::string* s) {
         TransformOptions o;
         o.kind = "Wave (H/V)"; o.values = {"2=2", "4=2"};
         return TransformSample(c, o, s);
       }},
      {"3d-wave-z", "Wave (Z): the same waves as depth, seen tilted",
       "versalix4 3d sample.svg -o 3d-wave-z.svg --select shapes,curve --kind \"Wave (Z)\" --post 50,0,0 --perspective 30",
       [](const DemoContext& c, std::string* s) {
         TransformOptions o;
         o.kind = "Wave (Z)"; o.post = "50,0,0"; o.perspective = 30;
         return TransformSample(c, o, s);
       }},
      {"3d-wave-radial", "Wave (Radial): rings of depth around the centre, seen tilted",
       "versalix4 3d sample.svg -o 3d-wave-radial.svg --select shapes,curve --kind \"Wave (Radial)\" --value 2=3 --post 45,0,0",
       [](const DemoContext& c, std::string* s) {
         TransformOptions o;
         o.kind = "Wave (Radial)"; o.values = {"2=3"}; o.post = "45,0,0";
         return TransformSample(c, o, s);
       }},
      {"3d-sphere", "Sphere: wrapped around a globe whose radius is the cursor's distance",
       "versalix4 3d sample.svg -o 3d-sphere.svg --select shapes,curve --kind \"Sphere\" --cursor 30,30",
       [](const DemoContext& c, std::string* s) {
         TransformOptions o;
         o.kind = "Sphere"; o.cursor = "30,30";
         return TransformSample(c, o, s);
       }},
      {"3d-torus", "Torus: wrapped around a ring, seen from above at an angle",
       "versalix4 3d sample.svg -o 3d-torus.svg --select shapes,curve --kind \"Torus (Donut)\" --cursor 20,40 --post 40,0,0",
       [](const DemoContext& c, std::string* s) {
         TransformOptions o;
         o.kind = "Torus (Donut)"; o.cursor = "20,40"; o.post = "40,0,0";
         return TransformSample(c, o, s);
       }},
      {"3d-spiral", "Spiral: a tube coiled two turns along z",
       "versalix4 3d sample.svg -o 3d-spiral.svg --select shapes,curve --kind \"Spiral\" --cursor 15,35",
       [](const DemoContext& c, std::string* s) {
         TransformOptions o;
         o.kind = "Spiral"; o.cursor = "15,35";
         return TransformSample(c, o, s);
       }},
      {"3d-cylinder", "Cylinder/Cone: rolled into a cone half as wide at the top",
       "versalix4 3d sample.svg -o 3d-cylinder.svg --select shapes,curve --kind \"Cylinder/Cone\" --value 2=50",
       [](const DemoContext& c, std::string* s) {
         TransformOptions o;
         o.kind = "Cylinder/Cone"; o.values = {"2=50"};
         return TransformSample(c, o, s);
       }},
  };
  static const std::vector<GalleryEntry> kWithTools = [] {
    std::vector<GalleryEntry> all = kGallery;
    for (GalleryEntry& e : WarpStrip()) all.push_back(std::move(e));
    for (GalleryEntry& e : ToolShows()) all.push_back(std::move(e));
    return all;
  }();
  return kWithTools;
}

std::string Escape(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '<') out += "&lt;";
    else if (c == '>') out += "&gt;";
    else if (c == '&') out += "&amp;";
    else if (c == '"') out += "&quot;";
    else out += c;
  }
  return out;
}

bool Write(const std::filesystem::path& path, const std::string& bytes) {
  std::string error;
  if (host::io::WriteOutput(path, bytes, &error)) return true;
  std::cerr << "versalix4: " << error << "\n";
  return false;
}

}  // namespace

void SetUpDemoCommand(CLI::App& app, CommonOptions& common, int& exitCode) {
  CLI::App* cmd = app.add_subcommand(
      "demo", "Run the built-in sample through the commands and write a gallery (index.html)");
  if (!SetsUpOptions(*cmd, common)) return;
  static std::string folder = "gallery";
  static int width = 600;
  cmd->add_option("-o,--output", folder, "Folder of the gallery (default: gallery)");
  cmd->add_option("--width", width, "Width of the pictures in pixels (default 600)")
      ->check(CLI::Range(16, 4096));
  AddCommonOptions(*cmd, common);
  cmd->callback([&common, &exitCode] {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec) {
      std::cerr << "versalix4: cannot make the folder " << folder << ": " << ec.message() << "\n";
      exitCode = kExitIo;
      return;
    }
    DemoContext context{common, folder, std::filesystem::path(folder) / "sample.svg"};
    if (!Write(context.samplePath, kSampleSvg)) {
      exitCode = kExitIo;
      return;
    }
    std::string html =
        "<!DOCTYPE html>\n<html lang=\"en\"><head><meta charset=\"utf-8\">"
        "<title>VERSALiX4 gallery</title><style>body{font-family:sans-serif;margin:2em;"
        "background:#f4f4f4}figure{display:inline-block;vertical-align:top;margin:1em;"
        "padding:1em;background:#fff;border:1px solid #ccc}img{display:block;"
        "max-width:600px;background:repeating-conic-gradient(#eee 0 25%,#fff 0 50%) 0 0/"
        "20px 20px}code{display:block;margin-top:.5em;color:#333}</style></head><body>\n"
        "<h1>VERSALiX4 gallery</h1>\n";
    auto figure = [&html](const std::string& name, const std::string& title,
                          const std::string& command) {
      html += "<figure><a href=\"" + Escape(name) + ".svg\"><img src=\"" + Escape(name) +
              ".png\" alt=\"" + Escape(title) + "\"></a><figcaption>" + Escape(title) +
              "<code>$ " + Escape(command) + "</code></figcaption></figure>\n";
    };
    std::cout << "demo: sample.svg\n";
    if (int code = WritePngPicture((context.folder / "sample.png").string(), kSampleSvg, width)) {
      exitCode = code;
      return;
    }
    figure("sample", "The built-in sample document", "versalix4 render sample.svg -o sample.png --width " + std::to_string(width));
    std::filesystem::path scratch;
    if (common.settingsDir.empty()) {
      scratch = std::filesystem::temp_directory_path() /
                ("versalix4-demo-settings-" + std::to_string(::getpid()));
    }
    int failures = 0;
    for (const GalleryEntry& entry : Gallery()) {
      std::cout << "demo: " << entry.name << ": " << entry.commandLine << "\n";
      // Each showcase starts from factory settings (a scratch settings folder
      // of its own) unless --settings names one, so that its picture is what
      // its command line gives a new user, whatever ran before.
      CommonOptions entryOptions = common;
      if (!scratch.empty()) entryOptions.settingsDir = (scratch / entry.name).string();
      const DemoContext entryContext{entryOptions, context.folder, context.samplePath};
      std::string svgText;
      int code = entry.make(entryContext, &svgText);
      std::string svgName = entry.name == "sample" ? "sample-out" : entry.name;
      if (code == kExitOk && Write(context.folder / (svgName + ".svg"), svgText)) {
        code = WritePngPicture((context.folder / (svgName + ".png")).string(), svgText, width);
      } else if (code == kExitOk) {
        code = kExitIo;
      }
      if (code != kExitOk) {
        std::cerr << "versalix4: demo: " << entry.name << " failed\n";
        ++failures;
        exitCode = code;
        continue;
      }
      figure(svgName, entry.title, entry.commandLine);
    }
    if (!scratch.empty()) std::filesystem::remove_all(scratch, ec);
    html += "</body></html>\n";
    if (!Write(context.folder / "index.html", html)) {
      exitCode = kExitIo;
      return;
    }
    std::cout << "demo: " << (Gallery().size() + 1 - failures) << " pictures in "
              << (context.folder / "index.html").string() << "\n";
  });
}

}  // namespace vx::app
