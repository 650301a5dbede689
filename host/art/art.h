// One art object of a document: its kind, its place in the art tree, its
// user attributes and ids, and the content of its kind (segments and style
// of a path, text of a run, data store of plug-in group art ...).
//
// The tree follows the host's conventions: a container's first child is the
// topmost object (painted last), an object's sibling is the next one below
// it, the last child is painted first. Every art object belongs to exactly
// one document, which owns it; change art only through Document, which
// records every change for undo.
#pragma once

#include <cstdint>
#include <memory>
#include <new>
#include <string>
#include <variant>
#include <vector>

#include "vx_sdk.h"

namespace vx::host::live {
struct LiveEffectInstance;
}

namespace vx::host::art {

class BlockPool;
class Document;
struct Layer;

// Art kinds: the host's art type numbers, plus Opaque for content the model
// cannot represent (an SVG element kept verbatim so that it is written back).
enum class ArtKind : int16_t {
  Group = kGroupArt,
  Path = kPathArt,
  CompoundPath = kCompoundPathArt,
  Text = kTextArt,          // point text or text on a path; children: its text
                            // path (if on a path) then its runs
  TextPath = kTextPathArt,  // the path text flows along; its one child is the path
  TextRun = kTextRunArt,    // a run of characters with its own path style
  PluginGroup = kPluginArt, // edit group, result group and data store
  Opaque = 100,
};

// The art type the plug-in sees (GetArtType): Opaque answers kUnknownArt.
int16_t PluginArtType(ArtKind kind);
const char* ArtKindName(ArtKind kind);

// ---- contents, one per kind ------------------------------------------------

// A path style with the host's defaults: black fill, no stroke, width 1,
// miter join, limit 4.
AIPathStyle DefaultPathStyle();
bool SamePathStyle(const AIPathStyle& a, const AIPathStyle& b);
bool SameColor(const AIColor& a, const AIColor& b);

struct PathData {
  std::vector<Segment> segments;
  // Selection state of each segment (kSegment...Selected), same length as
  // segments.
  std::vector<int16_t> selection;
  bool closed = false;
  AIPathStyle style = DefaultPathStyle();
};

// Groups and compound paths.
struct GroupData {
  bool clipped = false;  // the group's clipped flag (its clip-flagged
                         // members mask the others)
};

struct TextData {
  AIRealPoint start{};  // baseline start of point text, page points
  AIReal fontSize = 12;
  std::string fontFamily;  // empty: the renderer's default
  // Set: the text is a clip member of its clipping group, masking the
  // group's other members by its glyphs (the text suite's SetTextClipping).
  bool clipping = false;
};

struct TextPathData {
  AIReal startOffset = 0;  // where the text starts along the path, points
};

struct TextRunData {
  std::string contents;  // UTF-8
  AIPathStyle style = DefaultPathStyle();
};

struct PluginGroupData {
  // The registered plug-in group this art belongs to (null: not bound yet).
  AIPluginGroupHandle group = nullptr;
  std::vector<uint8_t> data;  // the data store
  // Set on art that carries one of the host's live effects instead of a
  // plug-in group (group stays null): the effect and its dictionaries
  // (host/live). Never changed in place, so a saved copy stays valid.
  std::shared_ptr<const live::LiveEffectInstance> live;
};

// An element kept verbatim (serialized markup) with the bounds it covers
// (before transform) and the transforms applied to it since it was read,
// which a writer puts around the markup.
struct OpaqueData {
  std::string markup;
  AIRealRect bounds{};
  bool hasBounds = false;
  AIRealMatrix transform{1, 0, 0, 1, 0, 0};
};

using ArtContent = std::variant<GroupData, PathData, TextData, TextPathData,
                                TextRunData, PluginGroupData, OpaqueData>;

// User attribute bits kept per object (kArtSelected, kArtLocked, kArtHidden).
constexpr int32_t kStoredUserAttrs = kArtSelected | kArtLocked | kArtHidden;

class Art {
 public:
  Art(const Art&) = delete;
  Art& operator=(const Art&) = delete;

  ArtKind kind() const { return kind_; }
  // Never reused within the process: the plug-in's handle of this object.
  uint32_t uid() const { return uid_; }
  AIArtHandle handle() const;
  Document& document() const { return *document_; }

  // ---- the tree ----
  // Null for a layer's group and for the roots of resources (pattern art).
  Art* parent() const { return parent_; }
  Art* firstChild() const { return firstChild_; }  // topmost child
  Art* lastChild() const { return lastChild_; }    // bottommost child
  Art* sibling() const { return next_; }           // the next one below
  Art* priorSibling() const { return prev_; }      // the next one above
  // The layer whose group this is, else null.
  Layer* layerOfGroup() const { return layer_; }
  bool isLayerGroup() const { return layer_ != nullptr; }
  // Plug-in group art only: its edit and result groups (their parent is this
  // art; they are not among its children).
  Art* editGroup() const { return edit_; }
  Art* resultGroup() const { return result_; }
  // True for the edit or result group of plug-in group art.
  bool isPluginGroupPart() const;
  // Whether art can hold children placed inside it.
  bool isContainer() const;
  // The layer the art belongs to (null for resource art).
  Layer* layer() const;
  // Whether this art lies in the subtree of ancestor (itself included).
  bool isWithin(const Art* ancestor) const;

  // ---- attributes ----
  int32_t userAttrs() const { return attrs_; }
  bool selected() const { return attrs_ & kArtSelected; }
  bool locked() const { return attrs_ & kArtLocked; }
  bool hidden() const { return attrs_ & kArtHidden; }
  // The document id (the SVG id attribute); empty when it has none.
  const std::string& id() const { return id_; }
  // The user-visible name (the SVG label); empty when it has none.
  const std::string& name() const { return name_; }

  // ---- content (read-only; Document::Mutable... to change) ----
  const ArtContent& content() const { return content_; }
  const PathData& path() const { return std::get<PathData>(content_); }
  const GroupData& group() const { return std::get<GroupData>(content_); }
  const TextData& text() const { return std::get<TextData>(content_); }
  const TextPathData& textPath() const { return std::get<TextPathData>(content_); }
  const TextRunData& run() const { return std::get<TextRunData>(content_); }
  const PluginGroupData& plugin() const {
    return std::get<PluginGroupData>(content_);
  }
  const OpaqueData& opaque() const { return std::get<OpaqueData>(content_); }

  // The style of paths and text runs, else null.
  const AIPathStyle* style() const;
  // Changes whenever the content, id, name, or the locked or hidden
  // attribute changes (not with the selection); undo brings the earlier
  // value back. A writer compares it to know which objects an operation
  // changed since the document was read.
  uint64_t revision() const { return revision_; }
  // Changes with the revision when the object's make-up changes (segments,
  // text, kept markup, a group's clipping), not when only what a writer
  // puts in attributes changes (paint and style, ids, name, locked or
  // hidden, a plug-in group's data store). A copy starts with its source's,
  // so art made again as copies of unchanged art keeps its shapes; undo
  // brings the earlier value back.
  uint64_t shapeRevision() const { return shapeRevision_; }

  // Art is made in its document's block pool; deleting it (the document's
  // table and its undo journal own art through unique_ptr) gives the block
  // back there.
  void operator delete(Art* art, std::destroying_delete_t);

 private:
  friend class Document;
  static void* operator new(std::size_t size, BlockPool& pool);
  // Only if the constructor throws.
  static void operator delete(void* block, BlockPool& pool);
  // New paths and text runs are painted with `style`.
  Art(Document& document, ArtKind kind, uint32_t uid, const AIPathStyle& style);

  Document* document_;
  ArtKind kind_;
  uint32_t uid_;
  Art* parent_ = nullptr;
  Art* firstChild_ = nullptr;
  Art* lastChild_ = nullptr;
  Art* next_ = nullptr;
  Art* prev_ = nullptr;
  Art* edit_ = nullptr;
  Art* result_ = nullptr;
  Layer* layer_ = nullptr;
  int32_t attrs_ = 0;
  std::string id_;
  std::string name_;
  ArtContent content_;
  // Undo bookkeeping: the step serial at which content / attributes were
  // last saved, so each object is saved at most once per step.
  uint64_t contentSaved_ = 0;
  uint64_t attrsSaved_ = 0;
  uint64_t revision_ = 0;
  uint64_t shapeRevision_ = 0;
};

// Converts between art and the plug-in's handles.
AIArtHandle ToHandle(const Art* art);
uint32_t UidOf(AIArtHandle handle);

}  // namespace vx::host::art
