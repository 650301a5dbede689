// A document: its layers and their art trees, the document resources
// (custom colours, gradients, patterns), the current path style, and the
// undo history. Every change goes through this class, which records it in
// the open undo step.
//
// Undo is a journal, not a snapshot: before the first change of an object
// in a step its content (or its attributes) is saved once, and every
// structural change records how to put the object back where it was. The
// cost of a step is proportional to what it changed, not to the document.
#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <memory>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "host/art/art.h"
#include "host/art/block_pool.h"
#include "host/art/undo_journal.h"
#include "vx_sdk.h"

namespace vx::host::art {

struct Layer {
  uint32_t uid = 0;
  std::string title;
  bool visible = true;
  bool editable = true;  // false: locked
  std::string id;        // the SVG id of the layer's group element
  Art* group = nullptr;  // the layer's group: its children are the layer's art
};
AILayerHandle ToHandle(const Layer* layer);
uint32_t UidOf(AILayerHandle handle);

// Where NewArt, Duplicate and Reorder put art, relative to prep.
enum class Placement : int16_t {
  Above = kPlaceAbove,                    // just above prep, same parent
  Below = kPlaceBelow,                    // just below prep
  InsideOnTop = kPlaceInsideOnTop,        // first child of container prep
  InsideOnBottom = kPlaceInsideOnBottom,  // last child of container prep
  AboveAll = kPlaceAboveAll,  // top of prep's layer (of the art's own layer
                              // when reordering without prep; of the
                              // current layer otherwise)
  BelowAll = kPlaceBelowAll,  // bottom of that layer
};

struct CustomColor {
  AICustomColor definition{};
  std::string name;
};

struct Gradient {
  int16_t type = kLinearGradient;
  std::string name;
  std::vector<AIGradientStop> stops;
  std::string id;  // the SVG id it was read from, if any
};

struct Pattern {
  std::string name;
  Art* art = nullptr;  // a group outside every layer: one tile's art
  AIRealRect tile{};   // the tile, page points (top > bottom)
  std::string id;
};

class Document {
 public:
  explicit Document(std::string title = "Untitled");
  ~Document();
  Document(const Document&) = delete;
  Document& operator=(const Document&) = delete;

  AIDocumentHandle handle() const;

  // ---- document properties (not part of undo) ----
  std::string title;
  int32_t colorModel = kDocRGBColor;
  AIRealRect artboard{0, 792, 612, 0};  // page points, top > bottom
  AIRealPoint pageOrigin{0, 0};
  long redrawRequests = 0;  // counted RedrawDocument calls
  std::string undoText, redoText;  // the menu texts of the last step

  // ---- layers (index 0 is the top layer) ----
  int LayerCount() const { return int(layers_.size()); }
  Layer* LayerAt(int index) const;
  int LayerIndex(const Layer* layer) const;  // -1 when not a layer of this
  Layer* FindLayer(uint32_t uid) const;
  Layer* FromHandle(AILayerHandle handle) const;
  Layer* currentLayer() const { return current_; }
  // A new layer above (Above) or below (Below) base; null base: the top.
  Layer* NewLayer(const std::string& title, Placement placement = Placement::Above,
                  Layer* base = nullptr);
  // Removes the layer with its art; the last layer cannot be deleted.
  int32_t DeleteLayer(Layer* layer);
  void SetCurrentLayer(Layer* layer);
  void SetLayerTitle(Layer* layer, std::string title);
  void SetLayerVisible(Layer* layer, bool visible);
  void SetLayerEditable(Layer* layer, bool editable);
  void SetLayerId(Layer* layer, std::string id);

  // ---- art ----
  // Results are 0 or the host's error: kSPBadParameterError for a placement
  // that is not possible (prep not a container, a layer's group as a
  // sibling, art into its own subtree ...).
  // NewArt and Duplicate answer kOutOfMemoryErr once the document holds
  // kMaxObjects objects: an operation cannot grow a document without bound.
  int32_t NewArt(ArtKind kind, Placement placement, Art* prep, Art** art);
  static constexpr size_t kMaxObjects = 1'000'000;
  // The path suites charge every segment they write; false (and nothing
  // charged) once kMaxSegmentsWritten would be passed.
  bool ChargeSegments(size_t count);
  static constexpr size_t kMaxSegmentsWritten = 50'000'000;
  // Disposes of art and its subtree (not a layer's group, an edit or result
  // group).
  int32_t Dispose(Art* art);
  int32_t Reorder(Art* art, Placement placement, Art* prep);
  // Deep copy (ids are not copied: they stay unique).
  int32_t Duplicate(Art* art, Placement placement, Art* prep, Art** copy);

  Art* FindArt(uint32_t uid) const;
  Art* FromHandle(AIArtHandle handle) const;
  bool IsLive(const Art* art) const;
  // The art whose id is given, or null (a walk over the document).
  Art* FindById(const std::string& id) const;
  // An id not used by any art, layer or resource: prefix + number.
  std::string UniqueId(const std::string& prefix) const;
  std::size_t ArtCount() const { return live_.size(); }
  // Room for `count` more objects: a reader that knows how many elements it
  // will turn into art spares the table its growth on the way.
  void ReserveArt(std::size_t count) {
    live_.reserve(live_.size() + std::min(count, kMaxObjects));
  }

  // Content to change; the first call per object in a step saves it.
  PathData& MutablePath(Art& art);
  GroupData& MutableGroup(Art& art);  // groups and compound paths
  TextData& MutableText(Art& art);
  TextPathData& MutableTextPath(Art& art);
  TextRunData& MutableRun(Art& art);
  PluginGroupData& MutablePlugin(Art& art);  // marks it for an update
  // Saved for undo like MutablePlugin, but not marked for an update: what
  // an update stores about itself, or a change the caller renders at once.
  PluginGroupData& MutablePluginQuietly(Art& art);
  OpaqueData& MutableOpaque(Art& art);
  // Style of a path or text run; a compound path sets all its member paths.
  int32_t SetStyle(Art& art, const AIPathStyle& style);

  // Sets the attribute bits in which to those of value (kStoredUserAttrs
  // only), on this object alone.
  void SetUserAttrs(Art& art, int32_t which, int32_t value);
  // Selects or deselects the art with everything inside it (containers'
  // members, every segment of paths), as clicking it would.
  void Select(Art& art, bool selected);
  void DeselectAll();
  void SetId(Art& art, std::string id);
  void SetName(Art& art, std::string name);

  // ---- resources ----
  uint32_t NewCustomColor(const CustomColor& color);
  const CustomColor* FindCustomColor(uint32_t id) const;
  uint32_t NewGradient(const Gradient& gradient);
  const Gradient* FindGradient(uint32_t id) const;
  Gradient* MutableGradient(uint32_t id);  // saved for undo
  // A pattern with an empty art group outside the layers.
  uint32_t NewPattern(const std::string& name, const AIRealRect& tile);
  const Pattern* FindPattern(uint32_t id) const;
  const std::map<uint32_t, CustomColor>& customColors() const { return colors_; }
  const std::map<uint32_t, Gradient>& gradients() const { return gradients_; }
  const std::map<uint32_t, Pattern>& patterns() const { return patterns_; }

  // ---- the host's current path style and text focus ----
  const AIPathStyle& currentStyle() const { return currentStyle_; }
  void SetCurrentStyle(const AIPathStyle& style);
  Art* textFocus() const;
  void SetTextFocus(Art* text);

  // ---- undo ----
  // Steps nest: only the outermost Begin/End pair makes a step. A step
  // without changes is not kept.
  void BeginStep();
  void EndStep();
  bool stepOpen() const { return depth_ > 0; }
  // Reverts every change of the open step so far (the step stays open).
  void RevertOpenStep();
  // One event of a longer step (a tool's mouse event inside its drag's
  // step). An event that fails is rolled back: what it changed is reverted
  // and what its RevertOpenStep calls took away is made again, so the
  // document is exactly as the event found it.
  void BeginEvent();
  void EndEvent();
  void RollBackEvent();
  // Reverts the last completed step; false when there is none. With a step
  // open, reverts the open step's changes instead.
  bool Undo();
  // Makes the last undone step again; false when there is none. Undone
  // steps are kept until a new step completes (or the history is cleared).
  bool Redo();
  int CompletedSteps() const { return int(history_.size()); }
  // Names the newest completed step (0: none); it changes whenever a step
  // completes, is undone or redone.
  uint64_t LastStep() const { return history_.empty() ? 0 : history_.back().id; }
  // Joins the newest completed step to the one before it when that one is
  // `previous` (what LastStep() answered then): the values a drag sends
  // make one undo step. False, and nothing joined, otherwise.
  bool JoinLastStep(uint64_t previous);
  int RedoableSteps() const { return int(redo_.size()); }
  // Changes recorded in the open step so far.
  std::size_t OpenStepChanges() const { return open_.size(); }
  // Forgets every step (after loading a document).
  void ClearHistory();
  // While one lives, changes are not recorded for undo: reading a file into
  // the document is not a step anyone can undo, and the records would be
  // made only to be cleared.
  class Loading {
   public:
    explicit Loading(Document& doc) : doc_(doc), was_(doc.loading_) { doc.loading_ = true; }
    ~Loading() { doc_.loading_ = was_; }
    Loading(const Loading&) = delete;
    Loading& operator=(const Loading&) = delete;

   private:
    Document& doc_;
    bool was_;
  };
  // Most steps kept, and most memory their saved states may hold (the
  // last step is always kept); older steps are dropped.
  void SetHistoryLimit(std::size_t steps);
  void SetHistoryBudget(std::size_t bytes) { historyBudget_ = bytes; }
  std::size_t HistoryBytes() const;
  // Counts every change made (for redraw and notifier decisions).
  uint64_t changeCount() const { return changes_; }
  uint64_t selectionChangeCount() const { return selectionChanges_; }

  // ---- plug-in group art to update ----
  // Plug-in group art whose edit group or data store changed since the
  // last call, in the order of their first change.
  std::vector<Art*> TakePendingUpdates();
  bool HasPendingUpdates() const { return !pending_.empty(); }
  void MarkForUpdate(Art& pluginArt);

  // ---- walks ----
  // Layers from the bottom one up.
  std::vector<Layer*> LayersInPaintOrder() const;

 private:
  friend class DocumentTester;
  friend class Art;  // gives its block back to artBlocks_
  Art* Make(ArtKind kind);
  void Link(Art* art, Art* parent, Art* below);  // insert above `below`
  void Unlink(Art* art);
  int32_t Resolve(Placement placement, Art* prep, Art* moving, Art** parent,
                  Art** below) const;
  using OwnedArt = std::vector<std::unique_ptr<Art>>;
  // Records that art came into the document (owned empty) or left it
  // (owned holds its subtree, parent and below its place).
  void RecordPresence(Art* art, std::shared_ptr<OwnedArt> owned, Art* parent,
                      Art* below);
  void RecordMove(Art* art);          // saves art's current place
  void RecordCreated(Art* art);
  // Records that resource id was added to a resource map.
  template <typename Map>
  void RecordAdded(Map& map, uint32_t id) {
    Record([&map, id, kept = std::optional<typename Map::mapped_type>()]() mutable {
      if (kept) {
        map[id] = std::move(*kept);
        kept.reset();
      } else {
        kept = std::move(map.at(id));
        map.erase(id);
      }
    });
  }
  void MakeLive(Art* art);
  void TakeSubtree(Art* root, std::vector<std::unique_ptr<Art>>& into);
  Art* CopyTree(const Art* source);
  void SaveContent(Art& art);
  void SaveAttrs(Art& art);
  void NoteChange(Art* art);  // counts and marks plug-in group art dirty
  // A new revision (after SaveContent/SaveAttrs); `shape`: a new shape
  // revision too.
  void Touch(Art& art, bool shape);
  void SaveLayers();
  void Record(UndoJournal::Change change, std::size_t bytes = 0);
  // Moves the open step's changes into the history as a new step.
  void CompleteOpenStep();
  void TrimHistory();
  // After a whole step was undone or redone: a new step serial, and the art
  // and the selection count as changed.
  void SteppedThroughHistory();
  Layer* AddLayerObject(const std::string& title);

  // Before every member that owns art: destroyed after them.
  BlockPool artBlocks_{sizeof(Art)};
  std::unordered_map<uint32_t, std::unique_ptr<Art>> live_;
  size_t segmentsWritten_ = 0;
  std::vector<Layer*> layers_;  // index 0 = top
  std::vector<std::unique_ptr<Layer>> allLayers_;  // deleted ones stay for undo
  Layer* current_ = nullptr;
  std::map<uint32_t, CustomColor> colors_;
  std::map<uint32_t, Gradient> gradients_;
  std::map<uint32_t, Pattern> patterns_;
  uint32_t nextResourceId_ = 1;
  AIPathStyle currentStyle_;
  uint32_t textFocus_ = 0;
  std::vector<uint32_t> pending_;
  std::unordered_set<uint32_t> pendingSet_;

  int depth_ = 0;
  bool loading_ = false;  // see Loading
  uint64_t serial_ = 1;  // the step serial; changes on every step and revert
  UndoJournal open_;
  std::vector<UndoJournal> history_;
  std::vector<UndoJournal> redo_;  // undone steps, the last undone last
  uint64_t stepIds_ = 0;
  // The open event: open_'s size when it began, and what its first
  // RevertOpenStep reverted (kept to be made again on a roll-back).
  struct Event {
    bool open = false;
    bool reverted = false;
    std::size_t mark = 0;
    UndoJournal before;
  } event_;
  std::size_t historyLimit_ = 64;
  std::size_t historyBudget_ = std::size_t(256) << 20;
  uint64_t changes_ = 0;
  uint64_t selectionChanges_ = 0;
  uint64_t revisions_ = 0;
};

}  // namespace vx::host::art
