// Reading and writing the documents of the command line: SVG into the host's
// document model and back, PNG pictures. Each function prints one clear line
// on failure and returns the exit code; outputs are written whole or not at
// all.
#pragma once

#include <functional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "app/cli.h"
#include "host/art/document.h"
#include "host/svg/svg_import.h"

namespace vx::app {

namespace svg = host::svg;

// Reads an SVG file; what the model could not hold is listed on stderr.
// The fresh heap a command touches per byte of the file it reads, made
// present in one call when the file is read (host::PrefaultHeap): reading
// and writing a drawing back, about 12 bytes a byte (a 1.9 MB drawing of
// 15,000 paths: 24 MB); fractalizing it, whose result holds many times the
// segments read, about 40 (2,000 octagons taken to 64 segments each).
constexpr size_t kHeapPerByteRead = 12;
constexpr size_t kHeapPerByteFractalized = 40;

int ReadSvgDocument(const std::string& path, svg::ImportResult* result,
                    size_t heapPerFileByte = kHeapPerByteRead);

// The art --select names (ids, generated ids of objects without one, or
// Inkscape labels: every object of that label), or every top-level object
// of every layer when it names none. A name that matches nothing is a
// usage error.
int SelectedArt(const host::art::Document& document, const CommonOptions& common,
                std::vector<host::art::Art*>* selection);

// The work a command does on a document opened in the host.
using DocumentWork = std::function<int(host::Host& host, host::art::Document& document,
                                       const std::vector<host::art::Art*>& selection)>;

// What a command does with the selected objects: changes them (a filter, an
// effect, a tool), or only looks for live effect art inside them.
enum class SelectionUse { Changed, Searched };

// Opens a read document in a started host the way every editing command
// needs it: the --select objects found and selected, effect art bound to the
// plug-in's groups, the undo history empty. Runs `work` (which saves while
// the host still knows the plug-in's groups) and shuts the host down; when
// `work` fails, the settings files are put back as they were
// (SettingsSnapshot). Selected objects the host cannot change are a warning
// (CheckWarnings) before the work of a command that changes them.
// Returns the exit code, printing one line on failure.
int RunOnDocument(const CommonOptions& common, svg::ImportResult& document,
                  const DocumentWork& work, SelectionUse use = SelectionUse::Changed);

// Ends a command's work before anything is written. Every alert the
// plug-in showed (printed as it came) and every note (printed here, one
// line each) is a warning: with any, the command ends kExitFailed and
// writes nothing, unless --accept-warnings was given.
int CheckWarnings(host::Host& host, const CommonOptions& common,
                  const std::vector<std::string>& notes = {});

// The end of a command that changed the document: CheckWarnings with the
// non-empty warnings, then the document as SVG text into *svgText and
// `save` (when given), while the host still runs.
int FinishDocument(host::Host& host, const CommonOptions& common,
                   const host::art::Document& document, const svg::KeptSvg* kept,
                   const std::vector<std::string>& warnings, std::string* svgText,
                   const std::function<int()>& save);

// A warning naming the objects (as "id (kind)") that `command` left as they
// were, out of `total` it was given, saying whether it changed nothing at
// all; `hint` says what would change the outcome. "" when none was left.
std::string LeftAsTheyWere(const std::string& command, const std::vector<std::string>& unchanged,
                           size_t total, const std::string& hint);

// The revisions of the selected objects and everything inside them before
// a filter ran, to tell afterwards which ones it left as they were.
class ChangeWatch {
 public:
  explicit ChangeWatch(const std::vector<host::art::Art*>& selection);
  // The objects whose art did not change, as "id (kind)" texts.
  std::vector<std::string> Unchanged() const;
  // LeftAsTheyWere for the objects the work did not change.
  std::string Check(const std::string& command, const std::string& hint) const;

 private:
  std::vector<std::pair<const host::art::Art*, uint64_t>> before_;
};

// A name for an object in messages: its id, its label, or its kind.
std::string NameOf(const host::art::Art& art);
// "path", "group", "text", "effect art" ...
const char* TypeName(const host::art::Art& art);

// Every object of the document, layer by layer and each from the top, with
// its place ("@1.0.2": layer 1, its child 0, that one's child 2) and its
// depth below the layer (cmd_objects.cpp).
void ForEachObject(const host::art::Document& document,
                   const std::function<void(const host::art::Art&, const std::string&, int)>& visit);
// The id --select takes: the object's own id, else its place.
std::string ObjectId(const host::art::Art& art, const std::string& place);

// Refuses (usage error) an output that is the input file itself unless
// --in-place was given. Called before any work, so a refused command
// changes nothing.
// Without -o, --in-place writes to the input.
int CheckOutputTarget(const std::string& input, std::string& output,
                      const CommonOptions& common);

// The document as SVG text (`only`: just these objects, or all). A
// coordinate, width or colour that is not a finite number fails the
// command (kExitFailed) rather than being written as something else.
int ExportSvgText(const host::art::Document& document, const svg::KeptSvg* kept,
                  std::string* text, const std::set<const host::art::Art*>* only = nullptr);

// A command whose plug-in code works on paths refuses a selection that holds
// none (text, images, clones only): prints the plug-in's own message for
// "!sel" and answers kExitFailed; kExitOk when some object holds a path.
int RequirePaths(host::Host& host, const std::vector<host::art::Art*>& selection,
                 const std::string& command);

// Writes an output through the one writer (host/io); kExitIo on failure.
int WriteOutputFile(const std::string& path, std::string_view bytes);

// ExportSvgText then WriteOutputFile.
int WriteSvgDocument(const std::string& path, const host::art::Document& document,
                     const svg::KeptSvg* kept,
                     const std::set<const host::art::Art*>* only = nullptr);

// Renders SVG text to a PNG file `width` pixels wide.
int WritePngPicture(const std::string& path, const std::string& svgText, int width,
                    const std::string& baseFile = {});

}  // namespace vx::app
