#include "host/art/document.h"

#include <algorithm>
#include <set>

namespace vx::host::art {

namespace {
// Handles are never reused within the process, so a stale handle can never
// name a newer object.
uint32_t gNextUid = 1;
uint32_t NextUid() { return gNextUid++; }
}  // namespace

AILayerHandle ToHandle(const Layer* layer) {
  return layer ? reinterpret_cast<AILayerHandle>(uintptr_t(layer->uid)) : nullptr;
}
uint32_t UidOf(AILayerHandle handle) {
  return uint32_t(reinterpret_cast<uintptr_t>(handle));
}

Document::Document(std::string title_) : title(std::move(title_)) {
  currentStyle_ = DefaultPathStyle();
  Layer* first = AddLayerObject("Layer 1");
  layers_.push_back(first);
  current_ = first;
}

Document::~Document() = default;

AIDocumentHandle Document::handle() const {
  return reinterpret_cast<AIDocumentHandle>(const_cast<Document*>(this));
}

// ---- layers -------------------------------------------------------------

Layer* Document::AddLayerObject(const std::string& layerTitle) {
  auto layer = std::make_unique<Layer>();
  layer->uid = NextUid();
  layer->title = layerTitle;
  Art* group = Make(ArtKind::Group);
  group->layer_ = layer.get();
  layer->group = group;
  allLayers_.push_back(std::move(layer));
  return allLayers_.back().get();
}

Layer* Document::LayerAt(int index) const {
  return index >= 0 && index < int(layers_.size()) ? layers_[index] : nullptr;
}

int Document::LayerIndex(const Layer* layer) const {
  auto it = std::find(layers_.begin(), layers_.end(), layer);
  return it == layers_.end() ? -1 : int(it - layers_.begin());
}

Layer* Document::FindLayer(uint32_t uid) const {
  for (Layer* l : layers_)
    if (l->uid == uid) return l;
  return nullptr;
}

Layer* Document::FromHandle(AILayerHandle handle) const {
  return handle ? FindLayer(UidOf(handle)) : nullptr;
}

void Document::SaveLayers() {
  if (loading_) return;
  struct Props {
    Layer* layer;
    std::string title;
    bool visible, editable;
    std::string id;
  };
  std::vector<Props> props;
  for (Layer* l : layers_) props.push_back({l, l->title, l->visible, l->editable, l->id});
  Record([this, order = layers_, props = std::move(props), current = current_]() mutable {
    std::swap(layers_, order);
    std::swap(current_, current);
    for (auto& p : props) {
      std::swap(p.layer->title, p.title);
      std::swap(p.layer->visible, p.visible);
      std::swap(p.layer->editable, p.editable);
      std::swap(p.layer->id, p.id);
    }
  });
}

Layer* Document::NewLayer(const std::string& layerTitle, Placement placement,
                          Layer* base) {
  SaveLayers();
  Layer* layer = AddLayerObject(layerTitle);
  RecordCreated(layer->group);
  int at = 0;
  if (base && LayerIndex(base) >= 0) {
    at = LayerIndex(base) + (placement == Placement::Below ? 1 : 0);
  } else if (placement == Placement::Below) {
    at = int(layers_.size());
  }
  layers_.insert(layers_.begin() + at, layer);
  ++changes_;
  return layer;
}

int32_t Document::DeleteLayer(Layer* layer) {
  int index = LayerIndex(layer);
  if (index < 0 || layers_.size() < 2) return kSPBadParameterError;
  SaveLayers();
  layers_.erase(layers_.begin() + index);
  if (current_ == layer) current_ = layers_[std::min<size_t>(index, layers_.size() - 1)];
  auto owned = std::make_shared<std::vector<std::unique_ptr<Art>>>();
  TakeSubtree(layer->group, *owned);
  RecordPresence(layer->group, std::move(owned), nullptr, nullptr);
  ++changes_;
  return kNoErr;
}

void Document::SetCurrentLayer(Layer* layer) {
  if (LayerIndex(layer) < 0 || current_ == layer) return;
  SaveLayers();
  current_ = layer;
}

void Document::SetLayerTitle(Layer* layer, std::string layerTitle) {
  if (LayerIndex(layer) < 0) return;
  SaveLayers();
  layer->title = std::move(layerTitle);
}

void Document::SetLayerVisible(Layer* layer, bool visible) {
  if (LayerIndex(layer) < 0) return;
  SaveLayers();
  layer->visible = visible;
  ++changes_;
}

void Document::SetLayerEditable(Layer* layer, bool editable) {
  if (LayerIndex(layer) < 0) return;
  SaveLayers();
  layer->editable = editable;
}

void Document::SetLayerId(Layer* layer, std::string id) {
  if (LayerIndex(layer) < 0) return;
  SaveLayers();
  layer->id = std::move(id);
}

std::vector<Layer*> Document::LayersInPaintOrder() const {
  return {layers_.rbegin(), layers_.rend()};
}

// ---- the art tree -------------------------------------------------------

Art* Document::Make(ArtKind kind) {
  uint32_t uid = NextUid();
  // New paths and runs are painted with the current path style.
  auto art = std::unique_ptr<Art>(new (artBlocks_) Art(*this, kind, uid, currentStyle_));
  Art* raw = art.get();
  live_.emplace(uid, std::move(art));
  return raw;
}

bool Document::ChargeSegments(size_t count) {
  if (count > kMaxSegmentsWritten - segmentsWritten_) return false;
  segmentsWritten_ += count;
  return true;
}

Art* Document::FindArt(uint32_t uid) const {
  auto it = live_.find(uid);
  return it == live_.end() ? nullptr : it->second.get();
}

Art* Document::FromHandle(AIArtHandle handle) const {
  return handle ? FindArt(UidOf(handle)) : nullptr;
}

bool Document::IsLive(const Art* art) const {
  return art && FindArt(art->uid()) == art;
}

void Document::Link(Art* art, Art* parent, Art* below) {
  art->parent_ = parent;
  art->next_ = below;
  art->prev_ = below ? below->prev_ : parent->lastChild_;
  if (art->prev_) art->prev_->next_ = art; else parent->firstChild_ = art;
  if (below) below->prev_ = art; else parent->lastChild_ = art;
}

void Document::Unlink(Art* art) {
  Art* parent = art->parent_;
  if (!parent) return;
  if (art->prev_) art->prev_->next_ = art->next_; else parent->firstChild_ = art->next_;
  if (art->next_) art->next_->prev_ = art->prev_; else parent->lastChild_ = art->prev_;
  art->parent_ = art->next_ = art->prev_ = nullptr;
}

int32_t Document::Resolve(Placement placement, Art* prep, Art* moving,
                          Art** parent, Art** below) const {
  if (prep && !IsLive(prep)) return kSPBadParameterError;
  // The sibling below, skipping the art being moved (it leaves first).
  auto skip = [moving](Art* a) { return a == moving && a ? a->next_ : a; };
  switch (placement) {
    case Placement::Above:
    case Placement::Below:
      if (!prep || !prep->parent_ || prep->isLayerGroup() ||
          prep->isPluginGroupPart() || prep == moving)
        return kSPBadParameterError;
      *parent = prep->parent_;
      *below = placement == Placement::Above ? prep : skip(prep->next_);
      break;
    case Placement::InsideOnTop:
    case Placement::InsideOnBottom: {
      Art* container = prep ? prep : current_->group;
      if (!container->isContainer()) return kSPBadParameterError;
      *parent = container;
      *below = placement == Placement::InsideOnTop ? skip(container->firstChild_)
                                                   : nullptr;
      break;
    }
    case Placement::AboveAll:
    case Placement::BelowAll: {
      const Art* base = prep ? prep : moving;
      Layer* layer = base ? base->layer() : current_;
      if (!layer || LayerIndex(layer) < 0) return kSPBadParameterError;
      *parent = layer->group;
      *below = placement == Placement::AboveAll ? skip(layer->group->firstChild_)
                                                : nullptr;
      break;
    }
    default:
      return kSPBadParameterError;
  }
  if (moving && (*parent)->isWithin(moving)) return kSPBadParameterError;
  return kNoErr;
}

void Document::RecordPresence(Art* art, std::shared_ptr<OwnedArt> owned,
                              Art* parent, Art* below) {
  // Present (nothing owned here): take the art out of the document and keep
  // it; absent: give it back where it was.
  Record([this, art, owned = std::move(owned), parent, below]() mutable {
    if (owned->empty()) {
      parent = art->parent_;
      below = art->next_;
      Unlink(art);
      TakeSubtree(art, *owned);
      return;
    }
    for (auto& a : *owned) {
      const uint32_t uid = a->uid();
      live_[uid] = std::move(a);
    }
    owned->clear();
    if (parent) Link(art, parent, below);
  });
}

void Document::RecordCreated(Art* art) {
  if (loading_) return;
  RecordPresence(art, std::make_shared<OwnedArt>(), nullptr, nullptr);
}

void Document::RecordMove(Art* art) {
  Record([this, art, parent = art->parent_, below = art->next_]() mutable {
    Art* const nowParent = art->parent_;
    Art* const nowBelow = art->next_;
    Unlink(art);
    Link(art, parent, below);
    parent = nowParent;
    below = nowBelow;
  });
}

void Document::TakeSubtree(Art* root, std::vector<std::unique_ptr<Art>>& into) {
  for (Art* c = root->firstChild_; c; c = c->next_) TakeSubtree(c, into);
  if (root->edit_) TakeSubtree(root->edit_, into);
  if (root->result_) TakeSubtree(root->result_, into);
  auto it = live_.find(root->uid_);
  if (it != live_.end()) {
    into.push_back(std::move(it->second));
    live_.erase(it);
  }
}

int32_t Document::NewArt(ArtKind kind, Placement placement, Art* prep,
                         Art** out) {
  if (out) *out = nullptr;
  if (live_.size() >= kMaxObjects) return kOutOfMemoryErr;
  Art *parent = nullptr, *below = nullptr;
  if (int32_t err = Resolve(placement, prep, nullptr, &parent, &below)) return err;
  Art* art = Make(kind);
  if (kind == ArtKind::PluginGroup) {
    art->edit_ = Make(ArtKind::Group);
    art->result_ = Make(ArtKind::Group);
    art->edit_->parent_ = art->result_->parent_ = art;
  }
  Link(art, parent, below);
  RecordCreated(art);
  NoteChange(art);
  if (out) *out = art;
  return kNoErr;
}

int32_t Document::Dispose(Art* art) {
  if (!IsLive(art) || !art->parent_ || art->isLayerGroup() ||
      art->isPluginGroupPart())
    return kSPBadParameterError;
  NoteChange(art);
  Art* parent = art->parent_;
  Art* below = art->next_;
  Unlink(art);
  auto owned = std::make_shared<OwnedArt>();
  TakeSubtree(art, *owned);
  RecordPresence(art, std::move(owned), parent, below);
  return kNoErr;
}

int32_t Document::Reorder(Art* art, Placement placement, Art* prep) {
  if (!IsLive(art) || !art->parent_ || art->isLayerGroup() ||
      art->isPluginGroupPart())
    return kSPBadParameterError;
  Art *parent = nullptr, *below = nullptr;
  if (int32_t err = Resolve(placement, prep, art, &parent, &below)) return err;
  if (art->parent_ == parent && art->next_ == below) return kNoErr;
  NoteChange(art);
  RecordMove(art);
  Unlink(art);
  Link(art, parent, below);
  NoteChange(art);
  return kNoErr;
}

Art* Document::CopyTree(const Art* source) {
  Art* copy = Make(source->kind_);
  copy->attrs_ = source->attrs_;
  copy->name_ = source->name_;
  copy->content_ = source->content_;
  copy->shapeRevision_ = source->shapeRevision_;
  for (Art* c = source->firstChild_; c; c = c->next_)
    Link(CopyTree(c), copy, nullptr);
  if (source->edit_) {
    copy->edit_ = CopyTree(source->edit_);
    copy->edit_->parent_ = copy;
  }
  if (source->result_) {
    copy->result_ = CopyTree(source->result_);
    copy->result_->parent_ = copy;
  }
  return copy;
}

int32_t Document::Duplicate(Art* art, Placement placement, Art* prep,
                            Art** out) {
  if (out) *out = nullptr;
  if (!IsLive(art) || art->isLayerGroup()) return kSPBadParameterError;
  if (live_.size() >= kMaxObjects) return kOutOfMemoryErr;
  Art *parent = nullptr, *below = nullptr;
  if (int32_t err = Resolve(placement, prep, nullptr, &parent, &below)) return err;
  Art* copy = CopyTree(art);
  Link(copy, parent, below);
  RecordCreated(copy);
  NoteChange(copy);
  if (copy->kind_ == ArtKind::PluginGroup) MarkForUpdate(*copy);
  if (out) *out = copy;
  return kNoErr;
}

Art* Document::FindById(const std::string& id) const {
  if (id.empty()) return nullptr;
  for (const auto& [uid, art] : live_)
    if (art->id_ == id) return art.get();
  return nullptr;
}

std::string Document::UniqueId(const std::string& prefix) const {
  std::set<std::string> used;
  for (const auto& [uid, art] : live_)
    if (!art->id_.empty()) used.insert(art->id_);
  for (const Layer* l : layers_) used.insert(l->id);
  for (const auto& [id, g] : gradients_) used.insert(g.id);
  for (const auto& [id, p] : patterns_) used.insert(p.id);
  for (unsigned n = 1;; ++n) {
    std::string candidate = prefix + std::to_string(n);
    if (!used.count(candidate)) return candidate;
  }
}

// ---- content ------------------------------------------------------------

void Document::Record(UndoJournal::Change change, std::size_t bytes) {
  if (loading_) return;
  open_.Add(std::move(change), bytes);
}

namespace {
// What a saved copy of the content holds beyond its own size.
std::size_t HeapBytes(const ArtContent& content) {
  if (auto* p = std::get_if<PathData>(&content))
    return p->segments.capacity() * sizeof(Segment) + p->selection.capacity() * 2;
  if (auto* d = std::get_if<PluginGroupData>(&content)) return d->data.capacity();
  if (auto* r = std::get_if<TextRunData>(&content)) return r->contents.capacity();
  if (auto* o = std::get_if<OpaqueData>(&content)) return o->markup.capacity();
  return 0;
}
}  // namespace

void Document::SaveContent(Art& art) {
  if (loading_ || art.contentSaved_ == serial_) return;
  art.contentSaved_ = serial_;
  Record([a = &art, old = art.content_, revision = art.revision_,
          shape = art.shapeRevision_]() mutable {
    std::swap(a->content_, old);
    std::swap(a->revision_, revision);
    std::swap(a->shapeRevision_, shape);
  }, sizeof(ArtContent) + HeapBytes(art.content_));
}

void Document::SaveAttrs(Art& art) {
  if (loading_ || art.attrsSaved_ == serial_) return;
  art.attrsSaved_ = serial_;
  Record([a = &art, attrs = art.attrs_, id = art.id_, name = art.name_,
          revision = art.revision_]() mutable {
    std::swap(a->attrs_, attrs);
    std::swap(a->revision_, revision);
    std::swap(a->id_, id);
    std::swap(a->name_, name);
  });
}

void Document::Touch(Art& art, bool shape) {
  art.revision_ = ++revisions_;
  if (shape) art.shapeRevision_ = art.revision_;
}

void Document::NoteChange(Art* art) {
  ++changes_;
  // A change anywhere inside an edit group asks its plug-in group art (and
  // any plug-in group art around that) to update.
  for (Art* a = art; a && a->parent_; a = a->parent_)
    if (a->parent_->kind_ == ArtKind::PluginGroup && a->parent_->edit_ == a)
      MarkForUpdate(*a->parent_);
}

PathData& Document::MutablePath(Art& art) {
  SaveContent(art);
  NoteChange(&art);
  Touch(art, true);
  return std::get<PathData>(art.content_);
}
GroupData& Document::MutableGroup(Art& art) {
  SaveContent(art);
  NoteChange(&art);
  Touch(art, true);
  return std::get<GroupData>(art.content_);
}
TextData& Document::MutableText(Art& art) {
  SaveContent(art);
  NoteChange(&art);
  Touch(art, true);
  return std::get<TextData>(art.content_);
}
TextPathData& Document::MutableTextPath(Art& art) {
  SaveContent(art);
  NoteChange(&art);
  Touch(art, true);
  return std::get<TextPathData>(art.content_);
}
TextRunData& Document::MutableRun(Art& art) {
  SaveContent(art);
  NoteChange(&art);
  Touch(art, true);
  return std::get<TextRunData>(art.content_);
}
PluginGroupData& Document::MutablePlugin(Art& art) {
  SaveContent(art);
  NoteChange(&art);
  Touch(art, false);
  MarkForUpdate(art);
  return std::get<PluginGroupData>(art.content_);
}
PluginGroupData& Document::MutablePluginQuietly(Art& art) {
  SaveContent(art);
  NoteChange(&art);
  Touch(art, false);
  return std::get<PluginGroupData>(art.content_);
}
OpaqueData& Document::MutableOpaque(Art& art) {
  SaveContent(art);
  NoteChange(&art);
  Touch(art, true);
  return std::get<OpaqueData>(art.content_);
}

// A change of paint only: the shapes stay.
int32_t Document::SetStyle(Art& art, const AIPathStyle& style) {
  auto restyle = [&](AIPathStyle& target) {
    SaveContent(art);
    NoteChange(&art);
    Touch(art, false);
    target = style;
    return kNoErr;
  };
  switch (art.kind_) {
    case ArtKind::Path: return restyle(std::get<PathData>(art.content_).style);
    case ArtKind::TextRun: return restyle(std::get<TextRunData>(art.content_).style);
    case ArtKind::CompoundPath:
      for (Art* c = art.firstChild_; c; c = c->next_)
        if (c->kind_ == ArtKind::Path || c->kind_ == ArtKind::CompoundPath)
          SetStyle(*c, style);
      return kNoErr;
    default: return kSPBadParameterError;
  }
}

// ---- attributes ----------------------------------------------------------

void Document::SetUserAttrs(Art& art, int32_t which, int32_t value) {
  which &= kStoredUserAttrs;
  int32_t next = (art.attrs_ & ~which) | (value & which);
  if (next == art.attrs_) return;
  SaveAttrs(art);
  if ((next ^ art.attrs_) & kArtSelected) ++selectionChanges_;
  if ((next ^ art.attrs_) & ~kArtSelected) Touch(art, false);
  art.attrs_ = next;
  ++changes_;
}

void Document::Select(Art& art, bool selected) {
  SetUserAttrs(art, kArtSelected, selected ? kArtSelected : 0);
  if (art.kind_ == ArtKind::Path) {
    const PathData& p = art.path();
    int16_t state = selected ? kSegmentPointSelected : kSegmentNotSelected;
    bool same = std::all_of(p.selection.begin(), p.selection.end(),
                            [state](int16_t s) { return s == state; });
    if (!same) {
      SaveContent(art);
      auto& sel = std::get<PathData>(art.content_).selection;
      std::fill(sel.begin(), sel.end(), state);
      ++selectionChanges_;
    }
  }
  for (Art* c = art.firstChild_; c; c = c->next_) Select(*c, selected);
  // Plug-in group art: the user's art in its edit group goes with it, so
  // what a release restores is selected as the effect art was.
  if (art.kind_ == ArtKind::PluginGroup && art.edit_)
    for (Art* c = art.edit_->firstChild_; c; c = c->next_) Select(*c, selected);
}

void Document::DeselectAll() {
  for (Layer* l : layers_)
    for (Art* a = l->group->firstChild_; a; a = a->next_) Select(*a, false);
}

void Document::SetId(Art& art, std::string id) {
  if (art.id_ == id) return;
  SaveAttrs(art);
  Touch(art, false);
  art.id_ = std::move(id);
}

void Document::SetName(Art& art, std::string name) {
  if (art.name_ == name) return;
  SaveAttrs(art);
  Touch(art, false);
  art.name_ = std::move(name);
}

// ---- resources -----------------------------------------------------------

uint32_t Document::NewCustomColor(const CustomColor& color) {
  uint32_t id = nextResourceId_++;
  colors_[id] = color;
  RecordAdded(colors_, id);
  return id;
}

const CustomColor* Document::FindCustomColor(uint32_t id) const {
  auto it = colors_.find(id);
  return it == colors_.end() ? nullptr : &it->second;
}

uint32_t Document::NewGradient(const Gradient& gradient) {
  uint32_t id = nextResourceId_++;
  gradients_[id] = gradient;
  RecordAdded(gradients_, id);
  ++changes_;
  return id;
}

const Gradient* Document::FindGradient(uint32_t id) const {
  auto it = gradients_.find(id);
  return it == gradients_.end() ? nullptr : &it->second;
}

Gradient* Document::MutableGradient(uint32_t id) {
  auto it = gradients_.find(id);
  if (it == gradients_.end()) return nullptr;
  Record([this, id, old = it->second]() mutable { std::swap(gradients_[id], old); });
  ++changes_;
  return &it->second;
}

uint32_t Document::NewPattern(const std::string& name, const AIRealRect& tile) {
  uint32_t id = nextResourceId_++;
  Pattern pattern;
  pattern.name = name;
  pattern.tile = tile;
  pattern.art = Make(ArtKind::Group);
  RecordCreated(pattern.art);
  patterns_[id] = std::move(pattern);
  RecordAdded(patterns_, id);
  return id;
}

const Pattern* Document::FindPattern(uint32_t id) const {
  auto it = patterns_.find(id);
  return it == patterns_.end() ? nullptr : &it->second;
}

void Document::SetCurrentStyle(const AIPathStyle& style) {
  Record([this, old = currentStyle_]() mutable { std::swap(currentStyle_, old); });
  currentStyle_ = style;
}

Art* Document::textFocus() const { return textFocus_ ? FindArt(textFocus_) : nullptr; }

void Document::SetTextFocus(Art* text) {
  Record([this, old = textFocus_]() mutable { std::swap(textFocus_, old); });
  textFocus_ = IsLive(text) ? text->uid_ : 0;
}

// ---- undo ----------------------------------------------------------------

void Document::BeginStep() {
  if (depth_++ > 0) return;
  // Changes made outside any step (by the host itself) form a step of
  // their own.
  if (!open_.empty()) CompleteOpenStep();
  ++serial_;
}

void Document::EndStep() {
  if (depth_ == 0 || --depth_ > 0) return;
  if (!open_.empty()) CompleteOpenStep();
  ++serial_;
}

void Document::CompleteOpenStep() {
  open_.id = ++stepIds_;
  history_.push_back(std::move(open_));
  open_ = UndoJournal();
  redo_.clear();
  TrimHistory();
}

bool Document::JoinLastStep(uint64_t previous) {
  const std::size_t n = history_.size();
  if (depth_ > 0 || n < 2 || previous == 0 || history_[n - 2].id != previous) return false;
  history_[n - 2].Append(std::move(history_[n - 1]));
  history_.pop_back();
  return true;
}

std::size_t Document::HistoryBytes() const {
  std::size_t total = open_.bytes();
  for (const UndoJournal& step : history_) total += step.bytes();
  return total;
}

void Document::TrimHistory() {
  std::size_t total = HistoryBytes();
  std::size_t drop = 0;
  while (history_.size() - drop > 1 &&
         (history_.size() - drop > historyLimit_ || total > historyBudget_)) {
    total -= history_[drop].bytes();
    ++drop;
  }
  history_.erase(history_.begin(), history_.begin() + long(drop));
}

void Document::RevertOpenStep() {
  if (event_.open && !event_.reverted) {
    // The step as the event found it is kept for a roll-back; the event's
    // own changes so far are simply reverted.
    open_.RevertNewerThan(event_.mark);
    open_.Unapply();
    event_.before = std::move(open_);
    open_ = UndoJournal();
    event_.reverted = true;
    event_.mark = 0;
  } else {
    open_.Revert();
  }
  ++serial_;
  ++changes_;
}

void Document::BeginEvent() {
  event_ = Event();
  event_.open = true;
  event_.mark = open_.size();
  // Objects changed earlier in the step are saved again at their first
  // change in this event, so that the event alone can be reverted.
  ++serial_;
}

void Document::EndEvent() { event_ = Event(); }

void Document::RollBackEvent() {
  if (!event_.open) return;
  open_.RevertNewerThan(std::min(event_.mark, open_.size()));
  if (event_.reverted) {
    event_.before.Reapply();
    open_ = std::move(event_.before);
  }
  event_ = Event();
  ++serial_;
  ++changes_;
}

bool Document::Undo() {
  if (depth_ > 0) {
    bool any = !open_.empty();
    RevertOpenStep();
    return any;
  }
  if (!open_.empty()) CompleteOpenStep();
  if (history_.empty()) return false;
  history_.back().Unapply();
  redo_.push_back(std::move(history_.back()));
  history_.pop_back();
  SteppedThroughHistory();
  return true;
}

bool Document::Redo() {
  if (depth_ > 0 || redo_.empty()) return false;
  redo_.back().Reapply();
  history_.push_back(std::move(redo_.back()));
  redo_.pop_back();
  SteppedThroughHistory();
  return true;
}

void Document::SteppedThroughHistory() {
  ++serial_;
  ++changes_;
  ++selectionChanges_;
}

void Document::ClearHistory() {
  history_.clear();
  redo_.clear();
  open_.Clear();
  event_ = Event();
  ++serial_;
}

void Document::SetHistoryLimit(std::size_t steps) {
  historyLimit_ = std::max<std::size_t>(steps, 1);
}

// ---- plug-in group updates -----------------------------------------------

void Document::MarkForUpdate(Art& pluginArt) {
  if (pendingSet_.insert(pluginArt.uid_).second) pending_.push_back(pluginArt.uid_);
}

std::vector<Art*> Document::TakePendingUpdates() {
  std::vector<Art*> out;
  for (uint32_t uid : pending_)
    if (Art* a = FindArt(uid); a && a->kind_ == ArtKind::PluginGroup) out.push_back(a);
  pending_.clear();
  pendingSet_.clear();
  return out;
}

}  // namespace vx::host::art
